#include "AnchorKeeper.h"

#include "Rounding.h"

#include <QEvent>
#include <algorithm>

namespace {

const char *const AnchorsProperty = "Anchors";

// One axis of the anchoring rule: returns the new start and length.
std::pair<int, int> Axis(bool nearEdge, bool farEdge, int start, int length, int parentBefore,
                         int parentNow)
{
    const int delta = parentNow - parentBefore;
    if (nearEdge && farEdge)
        return {start, std::max(0, length + delta)};
    if (farEdge)
        return {start + delta, length};
    if (nearEdge || parentBefore <= 0)
        return {start, length};
    const double centreFraction = (start + length / 2.0) / parentBefore;
    return {Round(centreFraction * parentNow - length / 2.0), length};
}

} // namespace

TAnchorKeeper::TAnchorKeeper(QWidget *parent)
    : QObject(parent)
    , FParent(parent)
{
    setObjectName(QStringLiteral("AnchorKeeper"));
    parent->installEventFilter(this);
}

TAnchorKeeper *TAnchorKeeper::Of(QWidget *parent)
{
    for (QObject *child : parent->children())
        if (auto *keeper = qobject_cast<TAnchorKeeper *>(child))
            return keeper;
    return new TAnchorKeeper(parent);
}

void TAnchorKeeper::SetAnchors(QWidget *control, TAnchors anchors)
{
    control->setProperty(AnchorsProperty, anchors);
    if (QWidget *parent = control->parentWidget())
        Of(parent)->Place(control, anchors);
}

TAnchors TAnchorKeeper::Anchors(const QWidget *control)
{
    const QVariant value = control->property(AnchorsProperty);
    return value.isValid() ? value.toUInt() : DefaultAnchors;
}

void TAnchorKeeper::Place(QWidget *control, TAnchors anchors)
{
    auto existing = std::find_if(FRules.begin(), FRules.end(),
                                 [control](const TRule &rule) { return rule.Control == control; });
    if (existing == FRules.end()) {
        control->installEventFilter(this);
        FRules.push_back({control, anchors, {}, {}, {}, {}});
        existing = FRules.end() - 1;
    }
    existing->Anchors = anchors;
    Record(*existing);
}

void TAnchorKeeper::Record(TRule &rule) const
{
    rule.Reference = rule.Control->geometry();
    rule.ParentReference = FParent->size();
    rule.Applied = rule.Reference;
    rule.ParentApplied = rule.ParentReference;
}

QRect TAnchorKeeper::Bounds(const TRule &rule) const
{
    const QSize now = FParent->size();
    const QRect &ref = rule.Reference;
    const auto [left, width] = Axis(rule.Anchors & akLeft, rule.Anchors & akRight, ref.left(),
                                    ref.width(), rule.ParentReference.width(), now.width());
    const auto [top, height] = Axis(rule.Anchors & akTop, rule.Anchors & akBottom, ref.top(),
                                    ref.height(), rule.ParentReference.height(), now.height());
    return QRect(left, top, width, height);
}

void TAnchorKeeper::ApplyAll()
{
    FRules.erase(std::remove_if(FRules.begin(), FRules.end(),
                                [this](const TRule &rule) {
                                    return !rule.Control || rule.Control->parentWidget() != FParent;
                                }),
                 FRules.end());
    for (TRule &rule : FRules) {
        // A hidden control is moved by code without a Move or Resize event;
        // a place we did not give it is its new reference, set for the
        // parent size of that time.
        if (rule.Control->geometry() != rule.Applied) {
            rule.Reference = rule.Control->geometry();
            rule.ParentReference = rule.ParentApplied;
        }
        rule.Applied = Bounds(rule);
        rule.ParentApplied = FParent->size();
        if (rule.Control->geometry() != rule.Applied)
            rule.Control->setGeometry(rule.Applied);
    }
}

bool TAnchorKeeper::eventFilter(QObject *watched, QEvent *event)
{
    const bool geometryEvent = event->type() == QEvent::Resize || event->type() == QEvent::Move;
    if (!geometryEvent)
        return false;
    if (watched == FParent) {
        if (event->type() == QEvent::Resize)
            ApplyAll();
        return false;
    }
    for (TRule &rule : FRules)
        if (rule.Control == watched && rule.Control->parentWidget() == FParent
            && rule.Control->geometry() != rule.Applied)
            Record(rule);
    return false;
}
