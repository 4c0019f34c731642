#pragma once
// Anchoring of child controls: on a resize of its parent, a control keeps its
// distances to the edges it is anchored to, so one anchored to two opposite
// edges stretches, and one anchored to neither keeps its centre at the same
// fraction of the parent's size.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
constexpr TAnchors DefaultAnchors = akLeft | akTop;

class TAnchorKeeper : public QObject
{
    Q_OBJECT
public:
    // Takes the control's current bounds and its parent's current size as the
    // reference; a later move of the control by code becomes the new reference.
    static void SetAnchors(QWidget *Control, TAnchors Anchors);
    static TAnchors Anchors(const QWidget *Control);

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    struct TRule {
        QPointer<QWidget> Control;
        TAnchors Anchors;
        QRect Reference;
        QSize ParentReference;
        QRect Applied;
        QSize ParentApplied;
    };

    explicit TAnchorKeeper(QWidget *Parent);
    static TAnchorKeeper *Of(QWidget *Parent);
    void Place(QWidget *Control, TAnchors Anchors);
    void Record(TRule &Rule) const;
    void ApplyAll();
    QRect Bounds(const TRule &Rule) const;

    QWidget *FParent;
    std::vector<TRule> FRules;
};
