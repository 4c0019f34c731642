#include "RtfReader.h"

#include <QTextDocument>
#include <algorithm>
#include <array>

namespace {

constexpr long long ParameterLimit = 1000000000;
constexpr int MaxWordLength = 32;
constexpr int MaxFontNameLength = 256;
constexpr std::size_t MaxColours = 1024;
constexpr int MaxUnicodeSkip = 16;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLowerLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The document is written in code page 1252, which differs from Latin-1 only
// in 0x80..0x9F; the five codes it leaves unassigned keep their own value.
QChar FromCodePage1252(unsigned char byte)
{
    static constexpr std::array<char16_t, 32> High = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(High[byte - 0x80]);
    return QChar(char16_t(byte));
}

bool IsSkippedDestination(const QByteArray &word)
{
    static const char *const Skipped[] = {"stylesheet", "info", "pict", "object", "header",
                                          "footer", "footnote", "listtable", "listoverridetable"};
    return std::any_of(std::begin(Skipped), std::end(Skipped),
                       [&word](const char *name) { return word == name; });
}

} // namespace

bool TRtfReader::TCharProps::operator==(const TCharProps &other) const
{
    return Font == other.Font && HalfPoints == other.HalfPoints && Bold == other.Bold
        && Colour == other.Colour;
}

void TRtfReader::Load(const QByteArray &rtf, QTextDocument *document)
{
    document->clear();
    TRtfReader reader(rtf, document);
    reader.Run();
}

TRtfReader::TRtfReader(const QByteArray &rtf, QTextDocument *document)
    : FRtf(rtf)
    , FCursor(document)
    , FStack(1)
{
}

void TRtfReader::Run()
{
    while (FPos < FRtf.size()) {
        const char c = FRtf[FPos];
        switch (c) {
        case '{':
            ++FPos;
            OpenGroup();
            break;
        case '}':
            ++FPos;
            CloseGroup();
            break;
        case '\\':
            ReadControl();
            break;
        case '\r':
        case '\n':
            ++FPos;
            break;
        default:
            ++FPos;
            Character(FromCodePage1252(static_cast<unsigned char>(c)));
        }
    }
    Flush();
}

void TRtfReader::ReadControl()
{
    ++FPos; // the backslash
    if (FPos >= FRtf.size())
        return;
    const char c = FRtf[FPos];
    if (IsLowerLetter(c)) {
        QByteArray word;
        for (; FPos < FRtf.size() && IsLowerLetter(FRtf[FPos]); ++FPos)
            if (word.size() < MaxWordLength)
                word += FRtf[FPos];
        bool hasParameter = false;
        const int parameter = ReadParameter(hasParameter);
        ControlWord(word, hasParameter, parameter);
        return;
    }
    ++FPos;
    switch (c) {
    case '\'':
        ReadHexCharacter();
        break;
    case '\\':
    case '{':
    case '}':
        Character(QChar(char16_t(c)));
        break;
    case '\r':
    case '\n':
        Paragraph();
        break;
    case '*':
        State().Destination = dsSkip;
        break;
    default:
        break; // control symbols this program never writes
    }
}

int TRtfReader::ReadParameter(bool &hasParameter)
{
    hasParameter = false;
    bool negative = false;
    if (FPos + 1 < FRtf.size() && FRtf[FPos] == '-' && IsDigit(FRtf[FPos + 1])) {
        negative = true;
        ++FPos;
    }
    long long value = 0;
    for (; FPos < FRtf.size() && IsDigit(FRtf[FPos]); ++FPos) {
        hasParameter = true;
        value = std::min(value * 10 + (FRtf[FPos] - '0'), ParameterLimit);
    }
    if (FPos < FRtf.size() && FRtf[FPos] == ' ')
        ++FPos; // the delimiter belongs to the control word
    return static_cast<int>(negative ? -value : value);
}

void TRtfReader::ReadHexCharacter()
{
    int value = 0;
    int digits = 0;
    for (; digits < 2 && FPos < FRtf.size() && HexValue(FRtf[FPos]) >= 0; ++digits, ++FPos)
        value = value * 16 + HexValue(FRtf[FPos]);
    if (digits > 0)
        Character(FromCodePage1252(static_cast<unsigned char>(value)));
}

void TRtfReader::OpenGroup()
{
    FFallbackLeft = 0;
    if (static_cast<int>(FStack.size()) < MaxDepth)
        FStack.push_back(FStack.back());
    else
        ++FOverflow;
}

void TRtfReader::CloseGroup()
{
    FFallbackLeft = 0;
    if (FOverflow > 0) {
        --FOverflow;
        return;
    }
    if (FStack.size() <= 1)
        return; // a closing brace without its opening one
    if (State().Destination == dsFontTable && !FFontName.trimmed().isEmpty())
        TableText(QLatin1Char(';'));
    FStack.pop_back();
}

void TRtfReader::ControlWord(const QByteArray &word, bool hasParameter, int parameter)
{
    TGroupState &state = State();
    if (state.Destination == dsSkip)
        return;
    if (word == "fonttbl") {
        state.Destination = dsFontTable;
    } else if (word == "colortbl") {
        state.Destination = dsColourTable;
    } else if (IsSkippedDestination(word)) {
        state.Destination = dsSkip;
    } else if (state.Destination == dsFontTable) {
        if (word == "f") {
            FFontNumber = parameter;
            FFontName.clear();
        }
    } else if (state.Destination == dsColourTable) {
        const int component = std::clamp(parameter, 0, 255);
        if (word == "red")
            FRed = component;
        else if (word == "green")
            FGreen = component;
        else if (word == "blue")
            FBlue = component;
    } else if (!CharacterWord(word, hasParameter, parameter)) {
        if (word == "deff")
            FDefaultFont = parameter;
        else if (word == "uc")
            state.UnicodeSkip = std::clamp(parameter, 0, MaxUnicodeSkip);
        else if (word == "plain")
            state.Char = TCharProps();
        else if (word == "b")
            state.Char.Bold = !hasParameter || parameter != 0;
        else if (word == "fs")
            state.Char.HalfPoints = hasParameter ? std::clamp(parameter, 1, MaxHalfPoints) : 24;
        else if (word == "cf")
            state.Char.Colour = parameter;
        else if (word == "f")
            state.Char.Font = parameter;
    }
}

// The control words that stand for text; false for any other word.
bool TRtfReader::CharacterWord(const QByteArray &word, bool hasParameter, int parameter)
{
    if (word == "par") {
        Paragraph();
    } else if (word == "line") {
        Character(QChar::LineSeparator);
    } else if (word == "tab") {
        Character(QLatin1Char('\t'));
    } else if (word == "emdash") {
        Character(QChar(char16_t(0x2014)));
    } else if (word == "endash") {
        Character(QChar(char16_t(0x2013)));
    } else if (word == "u") {
        // Negative values stand for code units above 0x7FFF.
        const int unit = parameter < 0 ? parameter + 0x10000 : parameter;
        if (hasParameter && unit > 0 && unit <= 0xFFFF)
            Character(QChar(char16_t(unit)));
        FFallbackLeft = State().UnicodeSkip;
    } else {
        return false;
    }
    return true;
}

void TRtfReader::Character(QChar c)
{
    if (FFallbackLeft > 0) {
        --FFallbackLeft;
        return;
    }
    if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
        return; // control characters are not text
    const TGroupState &state = State();
    if (state.Destination != dsText) {
        TableText(c);
        return;
    }
    if (!FRun.isEmpty() && FRunProps != state.Char)
        Flush();
    FRunProps = state.Char;
    FRun += c;
}

void TRtfReader::TableText(QChar c)
{
    const TDestination destination = State().Destination;
    if (destination == dsFontTable) {
        if (c == QLatin1Char(';')) {
            FFonts[FFontNumber] = FFontName.trimmed();
            FFontName.clear();
        } else if (FFontName.size() < MaxFontNameLength) {
            FFontName += c;
        }
    } else if (destination == dsColourTable && c == QLatin1Char(';')) {
        // An entry without components is the "automatic" colour.
        if (FColours.size() < MaxColours)
            FColours.push_back(FRed < 0 && FGreen < 0 && FBlue < 0
                                   ? QColor()
                                   : QColor(std::max(FRed, 0), std::max(FGreen, 0), std::max(FBlue, 0)));
        FRed = FGreen = FBlue = -1;
    }
}

void TRtfReader::Paragraph()
{
    if (State().Destination != dsText)
        return;
    Flush();
    FCursor.insertBlock();
}

void TRtfReader::Flush()
{
    if (FRun.isEmpty())
        return;
    FCursor.insertText(FRun, Format(FRunProps));
    FRun.clear();
}

QTextCharFormat TRtfReader::Format(const TCharProps &props) const
{
    QTextCharFormat format;
    const auto font = FFonts.find(props.Font < 0 ? FDefaultFont : props.Font);
    if (font != FFonts.end() && !font->second.isEmpty())
        format.setFontFamilies(QStringList{font->second});
    format.setFontPointSize(props.HalfPoints / 2.0);
    format.setFontWeight(props.Bold ? QFont::Bold : QFont::Normal);
    if (props.Colour >= 0 && props.Colour < static_cast<int>(FColours.size())
        && FColours[props.Colour].isValid())
        format.setForeground(FColours[props.Colour]);
    return format;
}
