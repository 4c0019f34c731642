#include "HighlightMenu.h"

#include "BoardHighlight.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <iterator>

namespace {

struct TCategoryName {
    const char *Caption;
    const char *Stem;
};

// Indexed by THighlightType.
const TCategoryName CategoryNames[] = {
    {"&Options", "Options"},
    {"&Settings", "Settings"},
    {"&Calibration", "Calibration"},
};

// The order the menu bar keeps; a new category goes before the first item
// present that this list puts after it.
const char *const BarOrder[] = {"&Settings", "&Calibration", "&Options", "&Help"};

// A title without a letter or "_" leaves no stem, and a bare number is no
// valid object name.
const char *const FallbackEntryStem = "MenuItem";

using TBinding = QPointer<TBoardHighlight>;

QAction *InsertionPoint(const QMenuBar *menu, THighlightType kind)
{
    const QString own = THighlightMenu::CategoryCaption(kind);
    const auto *ownPlace = std::find(std::begin(BarOrder), std::end(BarOrder), own);
    const QStringList later(ownPlace + 1, std::end(BarOrder));
    const QList<QAction *> items = menu->actions();
    for (QAction *item : items)
        if (later.contains(item->text()))
            return item;
    return nullptr;
}

} // namespace

QString THighlightMenu::CategoryCaption(THighlightType kind)
{
    return QString::fromLatin1(CategoryNames[kind].Caption);
}

QMenu *THighlightMenu::Category(const QMenuBar *menu, THighlightType kind)
{
    const QString caption = CategoryCaption(kind);
    const QList<QAction *> items = menu->actions();
    for (QAction *item : items)
        if (item->text() == caption && item->menu())
            return item->menu();
    return nullptr;
}

QMenu *THighlightMenu::AddCategory(QMenuBar *menu, THighlightType kind)
{
    QWidget *owner = Owner(menu);
    auto *category = new QMenu(CategoryCaption(kind), owner);
    category->setObjectName(FreeName(owner, QString::fromLatin1(CategoryNames[kind].Stem)));
    menu->insertMenu(InsertionPoint(menu, kind), category);
    return category;
}

QList<QAction *> THighlightMenu::Entries(const QMenu *category)
{
    QList<QAction *> entries;
    if (!category)
        return entries;
    const QList<QAction *> items = category->actions();
    for (QAction *item : items)
        if (!item->isSeparator())
            entries.append(item);
    return entries;
}

QAction *THighlightMenu::Entry(const QMenu *category, const QString &title)
{
    const QList<QAction *> entries = Entries(category);
    for (QAction *entry : entries)
        if (entry->text() == title)
            return entry;
    return nullptr;
}

QAction *THighlightMenu::AddEntry(QMenuBar *menu, QMenu *category, TBoardHighlight *highlight)
{
    QWidget *owner = Owner(menu);
    const QString stem = highlight->ItemNameStem();
    auto *entry = new QAction(highlight->Title(), owner);
    entry->setObjectName(FreeName(owner, stem.isEmpty() ? QString::fromLatin1(FallbackEntryStem) : stem));
    entry->setCheckable(true);
    entry->setData(QVariant::fromValue(TBinding(highlight)));
    category->addAction(entry);
    return entry;
}

QAction *THighlightMenu::Neighbour(const QMenuBar *menu, THighlightType kind,
                                   const QString &title, int step)
{
    const QMenu *category = Category(menu, kind);
    const QList<QAction *> entries = Entries(category);
    const int from = entries.indexOf(Entry(category, title));
    if (from < 0)
        return nullptr;
    const int count = int(entries.size());
    return entries.at(((from + step) % count + count) % count);
}

TBoardHighlight *THighlightMenu::BoundHighlight(const QAction *entry)
{
    return entry->data().value<TBinding>();
}

QWidget *THighlightMenu::Owner(QMenuBar *menu)
{
    return menu->parentWidget() ? menu->parentWidget() : menu;
}

QString THighlightMenu::FreeName(const QObject *owner, const QString &stem)
{
    for (int n = 1;; ++n) {
        QString name = stem + QString::number(n);
        if (!owner->findChild<QObject *>(name))
            return name;
    }
}
