#include "HelpForm.h"
#include "RtfReader.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <random>

namespace {

const QString CardName = QStringLiteral("RX-LINE-77(Q)/55Q");

QTextCharFormat FormatOf(QTextDocument &document, const QString &text)
{
    QTextCursor found = document.find(text);
    if (found.isNull())
        return QTextCharFormat();
    found.setPosition(found.selectionStart() + 1); // the format of the first character
    return found.charFormat();
}

// The text with paragraphs as line feeds and line breaks left as they are.
QString Shown(const QByteArray &rtf)
{
    QTextDocument document;
    TRtfReader::Load(rtf, &document);
    return document.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void helpTextFormatting_data();
    void helpTextFormatting();
    void helpTextParagraphs();
    void insertedNamesShowAsWritten_data();
    void insertedNamesShowAsWritten();
    void text_data();
    void text();
    void characterFormat_data();
    void characterFormat();
    void malformedInputIsAbsorbed_data();
    void malformedInputIsAbsorbed();
    void randomBytesNeverBreakTheReader();
};

void TestRtfReader::helpTextFormatting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");

    const QColor grey(64, 64, 64), yellow(255, 255, 64), blue(64, 64, 255), red(255, 64, 64);
    QTest::newRow("title") << QStringLiteral("KIRVO RX-LINE-77(Q)/55Q Series Settings Program") << 16.0 << true << grey;
    QTest::newRow("body") << QStringLiteral("This program will help") << 12.0 << false << grey;
    QTest::newRow("yellow heading") << QStringLiteral("Yellow circles") << 12.0 << true << yellow;
    QTest::newRow("blue heading") << QStringLiteral("Blue circles") << 12.0 << true << blue;
    QTest::newRow("red heading") << QStringLiteral("Red circles") << 12.0 << true << red;
    QTest::newRow("after a heading") << QStringLiteral(" provide information") << 12.0 << false << grey;
    QTest::newRow("yellow words") << QStringLiteral("setup circles") << 12.0 << false << yellow;
    QTest::newRow("red words") << QStringLiteral("calibration circles") << 12.0 << false << red;
    QTest::newRow("blue word") << QStringLiteral("features, and") << 12.0 << false << blue;
    QTest::newRow("note heading") << QStringLiteral("Note:") << 16.0 << true << grey;
    QTest::newRow("after the note") << QStringLiteral(" Make sure") << 12.0 << false << grey;
}

void TestRtfReader::helpTextFormatting()
{
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);

    QTextDocument document;
    TRtfReader::Load(THelpForm::HelpText(QStringLiteral("KIRVO"), CardName, QStringLiteral(" Series"), true, true),
                     &document);
    const QTextCharFormat format = FormatOf(document, text);
    QVERIFY2(format.isValid(), qPrintable(text));
    QCOMPARE(format.fontFamilies().toStringList(), QStringList{QStringLiteral("Verdana")});
    QCOMPARE(format.fontPointSize(), points);
    QCOMPARE(format.fontWeight() == QFont::Bold, bold);
    QCOMPARE(format.foreground().color(), colour);
}

void TestRtfReader::helpTextParagraphs()
{
    QTextDocument document;
    TRtfReader::Load(THelpForm::HelpText(QStringLiteral("KIRVO"), CardName, QStringLiteral(" Series"), true, true),
                     &document);
    const QStringList paragraphs = document.toPlainText().split(QLatin1Char('\n'));
    // Each \par\par leaves an empty paragraph between two of text.
    QCOMPARE(paragraphs.size(), 17);
    QCOMPARE(paragraphs[0], QStringLiteral("KIRVO RX-LINE-77(Q)/55Q Series Settings Program"));
    QCOMPARE(paragraphs[1], QString());
    QVERIFY(paragraphs[8].startsWith(QStringLiteral("Red circles handle calibration")));
    QVERIFY(paragraphs[8].contains(QStringLiteral("once the card is installed. Repeat the setup circles")));
    QVERIFY(paragraphs[10].contains(QStringLiteral("remain on-screen. You can have all")));
    QVERIFY(paragraphs[12].contains(QStringLiteral("each option group \u2014 the configuration options")));
    QCOMPARE(paragraphs[14], QStringLiteral("To see a list of RX-LINE-77(Q)/55Q cards installed, click "
                                            "\"Display RX-LINE-77(Q)/55Q Cards Installed\" under the File menu."));
    QCOMPARE(paragraphs[16], QString());
}

void TestRtfReader::insertedNamesShowAsWritten_data()
{
    QTest::addColumn<QString>("company");
    QTest::addColumn<QString>("card");

    QTest::newRow("backslash and braces in the company")
        << QStringLiteral("A\\B{C}\\par") << CardName;
    QTest::newRow("closing brace first in the card name")
        << QStringLiteral("KIRVO") << QStringLiteral("}X{\\b Y");
    QTest::newRow("beyond ASCII") << QStringLiteral("Kirvö\u2122") << QStringLiteral("RX\u2014\U0001D11E");
}

void TestRtfReader::insertedNamesShowAsWritten()
{
    QFETCH(QString, company);
    QFETCH(QString, card);

    QTextDocument document;
    TRtfReader::Load(THelpForm::HelpText(company, card, QStringLiteral(" Series"), false, true), &document);
    const QStringList paragraphs = document.toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(paragraphs.value(0), company + QLatin1Char(' ') + card + QStringLiteral(" Series Settings Program"));
    QCOMPARE(paragraphs.value(12), QStringLiteral("To see a list of ") + card
                                       + QStringLiteral(" cards installed, click \"Display ") + card
                                       + QStringLiteral(" Cards Installed\" under the File menu."));
    QVERIFY(FormatOf(document, QStringLiteral("This program")).fontWeight() != QFont::Bold);
}

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("shown");

    QTest::newRow("escaped symbols") << QByteArray(R"({\rtf1 a\\b\{c\}d})") << QStringLiteral("a\\b{c}d");
    QTest::newRow("delimiter space belongs to the word") << QByteArray(R"({\b  two})") << QStringLiteral(" two");
    QTest::newRow("line breaks in the source are not text") << QByteArray("{a\r\nb\nc}") << QStringLiteral("abc");
    QTest::newRow("hex character in code page 1252")
        << QByteArray(R"({caf\'e9 \'80\'97})") << QStringLiteral("café €—");
    QTest::newRow("unicode with its fallback skipped")
        << QByteArray(R"({\uc1 x\u8212?y})") << QStringLiteral("x\u2014y");
    QTest::newRow("negative unicode") << QByteArray(R"({\u-3971?})") << QString(QChar(char16_t(0xF07D)));
    QTest::newRow("unicode fallback of two") << QByteArray(R"({\uc2\u233\'65\'65!})") << QStringLiteral("é!");
    QTest::newRow("dashes, tab and line") << QByteArray(R"({a\emdash b\endash c\tab d\line e})")
                                          << QStringLiteral("a\u2014b\u2013c\td\u2028e");
    QTest::newRow("unknown control words are skipped")
        << QByteArray(R"({\zork12 \qux-4 x\viewkind4 y})") << QStringLiteral("xy");
    QTest::newRow("starred destination skipped")
        << QByteArray(R"({a{\*\generator Writer 1.0;}b})") << QStringLiteral("ab");
    QTest::newRow("stylesheet and info skipped")
        << QByteArray(R"({{\stylesheet{\s0 Normal;}}{\info{\title T}}x})") << QStringLiteral("x");
    QTest::newRow("tables show nothing")
        << QByteArray(R"({{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}x})") << QStringLiteral("x");
    QTest::newRow("escaped line break is a paragraph") << QByteArray("{a\\\nb}") << QStringLiteral("a\nb");
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, shown);
    QCOMPARE(Shown(rtf), shown);
}

void TestRtfReader::characterFormat_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour"); // invalid: the view's own colour

    const QByteArray tables(R"({\fonttbl{\f0 Verdana;}{\f1 Tahoma;}}{\colortbl\red10\green20\blue30;;})");
    QTest::newRow("group restores the outer state")
        << QByteArray(R"({\rtf1)" + tables + R"(\fs40\b\cf0{\fs20\b0\cf1 in}X})") << 20.0 << true << QColor(10, 20, 30);
    QTest::newRow("bold off") << QByteArray(R"({\b\b0 X})") << 12.0 << false << QColor();
    QTest::newRow("plain resets")
        << QByteArray(R"({)" + tables + R"(\b\fs40\cf0\plain X})") << 12.0 << false << QColor();
    QTest::newRow("huge size is capped") << QByteArray(R"({\fs99999999999999999999 X})")
                                         << TRtfReader::MaxHalfPoints / 2.0 << false << QColor();
    QTest::newRow("zero size is the smallest") << QByteArray(R"({\fs0 X})") << 0.5 << false << QColor();
    QTest::newRow("automatic colour") << QByteArray(R"({)" + tables + R"(\cf1 X})") << 12.0 << false << QColor();
    QTest::newRow("colour beyond the table") << QByteArray(R"({)" + tables + R"(\cf7 X})") << 12.0 << false << QColor();
    QTest::newRow("negative colour") << QByteArray(R"({)" + tables + R"(\cf-1 X})") << 12.0 << false << QColor();
}

void TestRtfReader::characterFormat()
{
    QFETCH(QByteArray, rtf);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);

    QTextDocument document;
    TRtfReader::Load(rtf, &document);
    const QTextCharFormat format = FormatOf(document, QStringLiteral("X"));
    QVERIFY(format.isValid());
    QCOMPARE(format.fontPointSize(), points);
    QCOMPARE(format.fontWeight() == QFont::Bold, bold);
    QCOMPARE(format.hasProperty(QTextFormat::ForegroundBrush), colour.isValid());
    if (colour.isValid())
        QCOMPARE(format.foreground().color(), colour);
}

void TestRtfReader::malformedInputIsAbsorbed_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("shown");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("lone backslash") << QByteArray("\\") << QString();
    QTest::newRow("truncated control word") << QByteArray("{ab\\fs") << QStringLiteral("ab");
    QTest::newRow("truncated hex") << QByteArray("{ab\\'") << QStringLiteral("ab");
    QTest::newRow("half a hex") << QByteArray("{ab\\'4") << QStringLiteral("ab");
    QTest::newRow("truncated unicode") << QByteArray("{ab\\u") << QStringLiteral("ab");
    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1{\\b x{y") << QStringLiteral("xy");
    QTest::newRow("surplus closing braces") << QByteArray("}}}x}}{y}}") << QStringLiteral("xy");
    QTest::newRow("unterminated font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Verd") << QString();
    QTest::newRow("unterminated starred group") << QByteArray("x{\\*\\foo y") << QStringLiteral("x");
    QTest::newRow("deep nesting") << QByteArray(200000, '{') + "deep" + QByteArray(200000, '}') + "out"
                                  << QStringLiteral("deepout");
    QTest::newRow("deep nesting never closed") << QByteArray(200000, '{') + "deep" << QStringLiteral("deep");
    QTest::newRow("endless control word") << "\\" + QByteArray(1000000, 'a') + " x" << QStringLiteral("x");
    QTest::newRow("endless parameter") << "{\\fs" + QByteArray(1000000, '9') + " x}" << QStringLiteral("x");
    QTest::newRow("endless colour table") << "{\\colortbl" + QByteArray(1000000, ';') + "}x" << QStringLiteral("x");
    QTest::newRow("nul bytes") << QByteArray("a\0b", 3) << QStringLiteral("ab");
}

void TestRtfReader::malformedInputIsAbsorbed()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, shown);
    QCOMPARE(Shown(rtf), shown);
}

// Whatever the bytes, the reader returns, and the document stays usable.
void TestRtfReader::randomBytesNeverBreakTheReader()
{
    const QByteArray alphabet("{}\\'*;abfsu0123456789- \r\n\x80\xff");
    std::mt19937 random(20240617u);
    std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1);
    for (int round = 0; round < 200; ++round) {
        QByteArray rtf;
        for (int i = 0; i < 2000; ++i)
            rtf += alphabet[pick(random)];
        QTextDocument document;
        TRtfReader::Load(rtf, &document);
        QVERIFY(document.characterCount() >= 1);
    }
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
