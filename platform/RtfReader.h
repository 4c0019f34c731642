#pragma once
// A reader for the small subset of RTF that this program writes itself: the
// font and colour tables, bold, point sizes, colours, paragraphs, the em and
// en dash, \'hh and \uN characters, groups and the escaped \\ \{ \}.  Any other
// control word is skipped, and so is any group marked \* or holding a
// destination the reader does not show.
//
// It never trusts its input: unbalanced braces, truncated control words,
// absurd parameters and deep nesting are absorbed, and the work is one pass
// over the bytes, so no input makes it crash or hang.

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <map>
#include <vector>

class QTextDocument;

class TRtfReader
{
public:
    // Replaces the document's content with what the RTF shows.
    static void Load(const QByteArray &Rtf, QTextDocument *Document);

    // Larger sizes are shown at this size: a stray \fs99999999 must not ask the
    // text layout for glyphs metres high.
    static constexpr int MaxHalfPoints = 2 * 144;
    // Groups nested deeper than this share the state of the deepest one kept.
    static constexpr int MaxDepth = 256;

private:
    enum TDestination { dsText, dsFontTable, dsColourTable, dsSkip };

    struct TCharProps {
        int Font = -1; // -1: the document's default font
        int HalfPoints = 24;
        bool Bold = false;
        int Colour = -1; // -1: the view's own text colour
        bool operator==(const TCharProps &Other) const;
        bool operator!=(const TCharProps &Other) const { return !(*this == Other); }
    };

    struct TGroupState {
        TCharProps Char;
        TDestination Destination = dsText;
        int UnicodeSkip = 1;
    };

    TRtfReader(const QByteArray &Rtf, QTextDocument *Document);
    void Run();
    void ReadControl();
    int ReadParameter(bool &HasParameter);
    void ReadHexCharacter();
    void OpenGroup();
    void CloseGroup();
    void ControlWord(const QByteArray &Word, bool HasParameter, int Parameter);
    bool CharacterWord(const QByteArray &Word, bool HasParameter, int Parameter);
    void Character(QChar Char);
    void TableText(QChar Char);
    void Paragraph();
    void Flush();
    QTextCharFormat Format(const TCharProps &Props) const;
    TGroupState &State() { return FStack.back(); }

    const QByteArray FRtf;
    int FPos = 0;
    QTextCursor FCursor;
    std::vector<TGroupState> FStack;
    int FOverflow = 0; // groups opened beyond MaxDepth, not yet closed
    int FFallbackLeft = 0; // characters still to skip after a \uN
    int FDefaultFont = 0;

    std::map<int, QString> FFonts;
    int FFontNumber = 0;
    QString FFontName;

    std::vector<QColor> FColours;
    int FRed = -1;
    int FGreen = -1;
    int FBlue = -1;

    QString FRun; // text not yet inserted, all in FRunProps
    TCharProps FRunProps;
};
