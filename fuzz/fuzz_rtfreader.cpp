// The help window's text goes through the RTF reader.  Any bytes must load
// without a crash or a hang, lay out, and replace whatever the document held.

#include "FuzzApplication.h"
#include "RtfReader.h"

#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    StartFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QByteArray Rtf(reinterpret_cast<const char *>(Data), qsizetype(Size));

    QTextDocument Fresh;
    TRtfReader::Load(Rtf, &Fresh);
    // The layout asks the fonts for every family and size the input chose.
    Fresh.setTextWidth(400);
    (void)Fresh.size();

    QTextDocument Reused;
    Reused.setPlainText(QStringLiteral("text of an earlier load"));
    TRtfReader::Load(Rtf, &Reused);
    if (Reused.toPlainText() != Fresh.toPlainText()) {
        std::fprintf(stderr, "a second load kept text of the first\n");
        std::abort();
    }
    return 0;
}
