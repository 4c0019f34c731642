#include "FontSubstitutes.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               QStringList{QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), QStringList{QStringLiteral("DejaVu Sans")});
}
