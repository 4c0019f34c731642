#pragma once
// Writes what a widget shows into a PNG in the given folder and prints its path.

#include <QDir>
#include <QWidget>
#include <cstdio>

inline void Save(QWidget *widget, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    if (!widget->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}
