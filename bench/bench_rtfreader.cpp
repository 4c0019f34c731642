// Time to read the help text into a document, and to read large inputs that
// stress the reader's guards: deep nesting, endless control words and
// parameters, and a long plain text.

#include "HelpForm.h"
#include "RtfReader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Batches = 5;

// The machine is shared, so the fastest of several batches is the figure.
double FastestMs(const QByteArray &rtf, int rounds)
{
    double best = 1e300;
    for (int batch = 0; batch < Batches; ++batch) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < rounds; ++i) {
            QTextDocument document;
            TRtfReader::Load(rtf, &document);
        }
        best = std::min(best, clock.nsecsElapsed() / 1e6 / rounds);
    }
    return best;
}

void Report(const char *name, const QByteArray &rtf, int rounds)
{
    std::printf("%-28s %9d bytes %10.3f ms\n", name, int(rtf.size()), FastestMs(rtf, rounds));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QByteArray help = THelpForm::HelpText(QStringLiteral("KIRVO"), QStringLiteral("RX-LINE-77(Q)/55Q"),
                                                QStringLiteral(" Series"), true, true);
    Report("help text", help, 200);
    Report("nesting 1M deep", QByteArray(1 << 20, '{') + "x" + QByteArray(1 << 20, '}'), 3);
    Report("control word 1M letters", "\\" + QByteArray(1 << 20, 'a'), 3);
    Report("parameter 1M digits", "\\fs" + QByteArray(1 << 20, '9'), 3);
    QByteArray text;
    while (text.size() < (1 << 20))
        text += "{\\b bold} plain \\'e9\\u8212? text\\par\r\n";
    Report("mixed text 1M", "{\\rtf1 " + text + "}", 3);
    return 0;
}
