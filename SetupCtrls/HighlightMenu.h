#pragma once
// The main-menu side of the highlights: one category item per kind in the
// menu bar, kept in the order Settings, Calibration, Options, Help, and under
// it one checkable entry per highlight group.  Items are found again by their
// captions, so an item that the program renames is simply not found.

#include "SetupTypes.h"

#include <QList>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;
class TBoardHighlight;

class THighlightMenu
{
public:
    static QString CategoryCaption(THighlightType Kind);

    // The first top-level menu captioned for Kind, or none.
    static QMenu *Category(const QMenuBar *Menu, THighlightType Kind);
    static QMenu *AddCategory(QMenuBar *Menu, THighlightType Kind);

    // The choosable items of a category, separators left out.
    static QList<QAction *> Entries(const QMenu *Category);
    // The first entry captioned Title; none for a missing category.
    static QAction *Entry(const QMenu *Category, const QString &Title);
    // A checkable entry captioned with Highlight's title, owned by the menu
    // bar's owner and bound to Highlight.
    static QAction *AddEntry(QMenuBar *Menu, QMenu *Category, TBoardHighlight *Highlight);

    // The entry Step places after the one captioned Title, wrapping around
    // within the category; none when either cannot be found.
    static QAction *Neighbour(const QMenuBar *Menu, THighlightType Kind, const QString &Title,
                              int Step);

    // The highlight an entry was made for; none for items made elsewhere.
    static TBoardHighlight *BoundHighlight(const QAction *Entry);

    // Who owns the items added to a menu bar: its window, or the bar itself.
    static QWidget *Owner(QMenuBar *Menu);
    // Stem followed by the smallest n >= 1 that no object of Owner is named.
    static QString FreeName(const QObject *Owner, const QString &Stem);
};
