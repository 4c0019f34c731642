// Renders the photograph of the card that the setup program shows, so that the
// committed JPEG can be made again byte for byte:
//   render-card resources/card.jpg
#include "CardPhoto.h"
#include "JpegWriter.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: render-card <out.jpg>\n");
        return 2;
    }
    // Fonts need a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QImage photo = TCardPhoto().Render();
    if (!TJpegWriter::Write(photo, QString::fromLocal8Bit(argv[1]), 90)) {
        std::fprintf(stderr, "render-card: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
