#include "BoardFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QtTest>

namespace {

const QString InterruptEnable = QStringLiteral("&Interrupt Enable");

// Counts the close requests a window receives.
class CloseCounter : public QObject
{
public:
    explicit CloseCounter(QWidget *window) { window->installEventFilter(this); }
    int Closes = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            ++Closes;
        return false;
    }
};

QRect Screen()
{
    return QGuiApplication::primaryScreen()->geometry();
}

} // namespace

class TestPopupForm : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QCursor::setPos(BoardFixture::Away);
    }

    void popupWithoutPanelOpensBelowTheBoard()
    {
        BoardFixture fixture;
        TBoardHighlight *highlight = fixture.AddHighlight(InterruptEnable);
        QVERIFY(fixture.Show());
        highlight->MouseEnter(false);

        TPopupForm *popup = highlight->Popup();
        QVERIFY(popup);
        QVERIFY(WaitActive(popup));
        QCOMPARE(popup->frameGeometry(), QRect(100, 50 + 200 + 38, 194, 141));
        QCOMPARE(popup->minimumSize(), popup->size());
        QCOMPARE(popup->windowTitle(), QStringLiteral("Interrupt Enable"));
        QCOMPARE(popup->Tag(), int(htSettings));
        QCOMPARE(popup->parent(), highlight);
        QCOMPARE(popup->Highlight(), highlight);
        QVERIFY(popup->isWindow());
        QVERIFY(popup->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(popup->windowType(), Qt::Tool);
        QCOMPARE(popup->StatusMemo()->height(), 58);
        QVERIFY(popup->StatusMemo()->toPlainText().isEmpty());
        QCOMPARE(QApplication::focusWidget(), popup->DoneButton());
        QVERIFY(!highlight->Pinned());
    }

    void controlsStandAtTheBottom()
    {
        BoardFixture fixture;
        TBoardHighlight *highlight = fixture.AddHighlight(InterruptEnable);
        highlight->MouseEnter(false);
        TPopupForm *popup = highlight->Popup();
        const int cw = popup->width();
        const int ch = popup->height();
        const struct {
            const char *Name;
            QRect Bounds;
            const char *Caption;
        } controls[] = {
            {"PopupStatus", QRect(0, ch - 19, cw, 19), nullptr},
            {"PreviousButton", QRect(6, ch - 44, 58, 25), "Previous"},
            {"NextButton", QRect((cw - 58) / 2, ch - 44, 58, 25), "Next"},
            {"DoneButton", QRect(cw - 64, ch - 44, 58, 25), "Done"},
            {"StatusMemo", QRect(6, ch - 50 - 58, cw - 12, 58), nullptr},
        };
        for (const auto &control : controls) {
            auto *widget = popup->findChild<QWidget *>(QLatin1String(control.Name));
            QVERIFY2(widget, control.Name);
            QCOMPARE(widget->geometry(), control.Bounds);
            if (control.Caption)
                QCOMPARE(static_cast<QPushButton *>(widget)->text(), QLatin1String(control.Caption));
        }
        QVERIFY(popup->StatusMemo()->isReadOnly());
        QCOMPARE(popup->StatusMemo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    // Next keeps its centre at the same fraction of the width.
    void resizingStretchesStatusAndMemo()
    {
        BoardFixture fixture;
        TBoardHighlight *highlight = fixture.AddHighlight(InterruptEnable);
        QVERIFY(fixture.Show());
        highlight->MouseEnter(false);
        TPopupForm *popup = highlight->Popup();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        const QSize before = popup->size();
        const QRect next = popup->NextButton()->geometry();
        const QRect memo = popup->StatusMemo()->geometry();
        popup->resize(before + QSize(40, 30));
        const int cw = popup->width();
        const int ch = popup->height();
        QTRY_COMPARE(popup->PopupStatus()->geometry(), QRect(0, ch - 19, cw, 19));
        QCOMPARE(popup->PreviousButton()->geometry(), QRect(6, ch - 44, 58, 25));
        QCOMPARE(popup->DoneButton()->geometry(), QRect(cw - 64, ch - 44, 58, 25));
        const double centre = (next.x() + 29.0) / before.width();
        QCOMPARE(popup->NextButton()->geometry(), QRect(qRound(centre * cw - 29), ch - 44, 58, 25));
        QCOMPARE(popup->StatusMemo()->geometry(), memo.adjusted(0, 0, 40, 30));
    }

    // 180 x 99 with a memo of 58 asks for a 180 x 208 client area, which is
    // then widened to the least outer width of 194.
    void panelMovesIntoThePopup_data()
    {
        QTest::addColumn<unsigned>("finalAnchors");
        QTest::addColumn<bool>("panelStretches");
        QTest::newRow("left and top keep the width") << unsigned(akLeft | akTop) << false;
        QTest::newRow("right anchor follows the widening") << unsigned(akLeft | akTop | akRight) << true;
    }

    void panelMovesIntoThePopup()
    {
        QFETCH(unsigned, finalAnchors);
        QFETCH(bool, panelStretches);
        BoardFixture fixture;
        TBoardHighlight *highlight = fixture.AddHighlight(InterruptEnable);
        TRadioPanel *panel = fixture.AddPanel(QRect(285, 222, 180, 99),
                                              {QStringLiteral("First line"), QStringLiteral("Second line")});
        panel->SetFinalAnchors(finalAnchors);
        highlight->SetRadioPanel(panel);
        QVERIFY(fixture.Show());
        highlight->MouseEnter(false);

        TPopupForm *popup = highlight->Popup();
        QVERIFY(WaitActive(popup));
        QCOMPARE(popup->height(), 208);
        QCOMPARE(popup->frameGeometry().width(), 194);
        QCOMPARE(popup->frameGeometry().topLeft(), QPoint(285, 222));
        QCOMPARE(panel->parentWidget(), popup);
        QVERIFY(panel->isVisible());
        QVERIFY(panel->InPopup());
        QCOMPARE(TAnchorKeeper::Anchors(panel), finalAnchors);
        QCOMPARE(panel->geometry(), QRect(0, 0, panelStretches ? popup->width() : 180, 99));
        QCOMPARE(popup->StatusMemo()->geometry(), QRect(6, 100, popup->width() - 12, 58));
        QCOMPARE(popup->StatusMemo()->toPlainText(), QStringLiteral("First line\nSecond line"));
        QCOMPARE(popup->DoneButton()->x(), popup->width() - 64);
        QCOMPARE(QApplication::focusWidget(), panel);
    }

    void popupFollowsTheBoardImageMove()
    {
        BoardFixture fixture;
        fixture.Board->SetCenterOnForm(true);
        TBoardHighlight *highlight = fixture.AddHighlight(InterruptEnable);
        highlight->SetRadioPanel(fixture.AddPanel(QRect(285, 222, 180, 99)));
        QVERIFY(fixture.Show());
        const QPoint moved = fixture.Board->pos() - QPoint(100, 50);
        QVERIFY(moved != QPoint());
        highlight->MouseEnter(false);
        QCOMPARE(highlight->Popup()->pos(), QPoint(285, 222) + moved);
    }

    void popupKeptOnTheScreen_data()
    {
        QTest::addColumn<QPoint>("laidOut");
        QTest::addColumn<QPoint>("expected"); // -1: against the far edge
        QTest::newRow("left of the screen") << QPoint(-12, 100) << QPoint(0, 100);
        QTest::newRow("past the right edge") << QPoint(700, 100) << QPoint(-1, 100);
        QTest::newRow("above the screen") << QPoint(50, -30) << QPoint(50, 0);
        QTest::newRow("past the bottom edge") << QPoint(50, 700) << QPoint(50, -1);
    }

    void popupKeptOnTheScreen()
    {
        QFETCH(QPoint, laidOut);
        QFETCH(QPoint, expected);
        BoardFixture fixture;
        TBoardHighlight *highlight = fixture.AddHighlight(InterruptEnable);
        highlight->SetRadioPanel(fixture.AddPanel(QRect(laidOut, QSize(180, 99))));
        QVERIFY(fixture.Show());
        highlight->MouseEnter(false);
        TPopupForm *popup = highlight->Popup();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        const QRect frame = popup->frameGeometry();
        const QRect screen = Screen();
        QCOMPARE(expected.x() < 0 ? frame.right() : frame.left(), expected.x() < 0 ? screen.right() : expected.x());
        QCOMPARE(expected.y() < 0 ? frame.bottom() : frame.top(), expected.y() < 0 ? screen.bottom() : expected.y());
    }

    // A hidden popup comes back where the user left it, unpinned, with the
    // focus where it was, even off the screen.
    void hiddenPopupComesBackAsLeft()
    {
        BoardFixture fixture;
        TBoardHighlight *highlight = fixture.AddHighlight(InterruptEnable);
        QVERIFY(fixture.Show());
        highlight->MouseEnter(false);
        highlight->Click();
        TPopupForm *popup = highlight->Popup();
        QVERIFY(WaitActive(popup));
        popup->PreviousButton()->setFocus();
        popup->move(-50, 20);
        popup->resize(popup->size() + QSize(10, 10));
        const QRect left = popup->frameGeometry();
        popup->close();
        QVERIFY(popup->isHidden());

        highlight->MouseEnter(false);
        QCOMPARE(highlight->Popup(), popup);
        QVERIFY(popup->isVisible());
        QVERIFY(!highlight->Pinned());
        QCOMPARE(popup->frameGeometry(), left);
        QCOMPARE(popup->focusWidget(), popup->PreviousButton());
    }

    void popupCaptionAndTagAreTaken_data()
    {
        QTest::addColumn<QVariant>("tag");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("built");
        QTest::newRow("same caption and tag") << QVariant(1) << int(htSettings) << false;
        QTest::newRow("same caption, other tag") << QVariant(2) << int(htSettings) << true;
        QTest::newRow("no tag counts as options") << QVariant() << int(htOptions) << false;
        QTest::newRow("no tag, settings") << QVariant() << int(htSettings) << true;
    }

    void popupCaptionAndTagAreTaken()
    {
        QFETCH(QVariant, tag);
        QFETCH(int, kind);
        QFETCH(bool, built);
        QWidget foreign;
        foreign.setWindowTitle(QStringLiteral("Interrupt Enable"));
        if (tag.isValid())
            foreign.setProperty("Tag", tag);
        BoardFixture fixture;
        TBoardHighlight *highlight = fixture.AddHighlight(InterruptEnable, THighlightType(kind));
        highlight->MouseEnter(false);
        QCOMPARE(highlight->Popup() != nullptr, built);
        QVERIFY(highlight->Hot());
    }

    void secondBoardWithTheSameGroupGetsNoPopup()
    {
        BoardFixture fixture;
        TBoardHighlight *first = fixture.AddHighlight(InterruptEnable);
        auto *otherBoard = new TBoardImage(fixture.Window.centralWidget());
        auto *second = new TBoardHighlight(otherBoard);
        second->SetTitle(InterruptEnable);
        first->MouseEnter(false);
        first->Popup()->close();
        second->MouseEnter(false);
        QCOMPARE(second->Popup(), nullptr);
    }

    // IEN1 owns the popup; IEN2, its fellow member, reaches it by relays.
    void leavingTheRing_data()
    {
        QTest::addColumn<bool>("pinnedBefore");
        QTest::addColumn<bool>("intoPopup");
        QTest::addColumn<bool>("leaveOwner");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("closeOnLeave");
        QTest::newRow("into the popup") << false << true << true << true << true;
        QTest::newRow("member ring into the popup") << false << true << false << true << true;
        QTest::newRow("elsewhere") << false << false << true << false << false;
        QTest::newRow("member ring elsewhere") << false << false << false << false << false;
        QTest::newRow("elsewhere when pinned") << true << false << true << true << false;
    }

    void leavingTheRing()
    {
        QFETCH(bool, pinnedBefore);
        QFETCH(bool, intoPopup);
        QFETCH(bool, leaveOwner);
        QFETCH(bool, open);
        QFETCH(bool, closeOnLeave);
        BoardFixture fixture;
        TBoardHighlight *ien1 = fixture.AddHighlight(InterruptEnable);
        TBoardHighlight *ien2 = fixture.AddHighlight(InterruptEnable, htSettings, QPoint(100, 10));
        QVERIFY(fixture.Show());
        ien1->MouseEnter(false);
        TPopupForm *popup = ien1->Popup();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        if (pinnedBefore)
            ien1->Click();
        if (intoPopup)
            QCursor::setPos(popup->frameGeometry().center());

        (leaveOwner ? ien1 : ien2)->MouseLeave(false);
        QCOMPARE(popup->isVisible(), open);
        QCOMPARE(ien1->Pinned(), open);
        QCOMPARE(popup->CloseOnLeave(), closeOnLeave);
        QCOMPARE(ien1->Hot(), open);
        QCOMPARE(ien2->Hot(), open);
        QCOMPARE(ien2->Popup(), nullptr);
    }

    // Closing inside the ring's leave runs the close handler at once, so the
    // relayed leaves find the group cold and close nothing again.
    void closingInsideTheLeaveHappensOnce()
    {
        BoardFixture fixture;
        TBoardHighlight *ien1 = fixture.AddHighlight(InterruptEnable);
        fixture.AddHighlight(InterruptEnable, htSettings, QPoint(100, 10));
        ien1->MouseEnter(false);
        CloseCounter counter(ien1->Popup());
        ien1->MouseLeave(false);
        QCOMPARE(counter.Closes, 1);
    }

    // With CloseOnLeave set the popup closes once the pointer has left its
    // frame, whichever of its controls reports the leave.
    void pointerLeavingThePopup_data()
    {
        QTest::addColumn<bool>("closeOnLeave");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("closes");
        QTest::newRow("button to memo") << true << "button" << "memo" << false;
        QTest::newRow("last pixel inside") << true << "button" << "last inside" << false;
        QTest::newRow("right edge is outside") << true << "button" << "right edge" << true;
        QTest::newRow("bottom edge is outside") << true << "popup" << "bottom edge" << true;
        QTest::newRow("list inside the panel") << true << "panel child" << "away" << true;
        QTest::newRow("not marked to close") << false << "button" << "away" << false;
    }

    void pointerLeavingThePopup()
    {
        QFETCH(bool, closeOnLeave);
        QFETCH(QString, target);
        QFETCH(QString, where);
        QFETCH(bool, closes);
        BoardFixture fixture;
        TBoardHighlight *highlight = fixture.AddHighlight(InterruptEnable);
        TRadioPanel *panel = fixture.AddPanel(QRect(285, 222, 180, 99));
        auto *list = new QComboBox(panel);
        highlight->SetRadioPanel(panel);
        QVERIFY(fixture.Show());
        highlight->MouseEnter(false);
        TPopupForm *popup = highlight->Popup();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        popup->SetCloseOnLeave(closeOnLeave);

        const QRect frame = popup->frameGeometry();
        const QMap<QString, QPoint> places{
            {QStringLiteral("memo"), popup->StatusMemo()->mapToGlobal(QPoint(5, 5))},
            {QStringLiteral("last inside"), frame.bottomRight()},
            {QStringLiteral("right edge"), QPoint(frame.left() + frame.width(), frame.center().y())},
            {QStringLiteral("bottom edge"), QPoint(frame.center().x(), frame.top() + frame.height())},
            {QStringLiteral("away"), BoardFixture::Away},
        };
        const QMap<QString, QWidget *> targets{
            {QStringLiteral("button"), popup->PreviousButton()},
            {QStringLiteral("popup"), popup},
            {QStringLiteral("panel child"), list},
        };
        QCursor::setPos(places.value(where));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(targets.value(target), &leave);
        QCOMPARE(popup->isHidden(), closes);
        QCOMPARE(highlight->Hot(), !closes);
    }

    // The same through the window system: the pointer moves into the popup
    // and out again.
    void pointerMovedOutOfThePopupClosesIt()
    {
        BoardFixture fixture;
        TBoardHighlight *highlight = fixture.AddHighlight(InterruptEnable);
        QVERIFY(fixture.Show());
        highlight->MouseEnter(false);
        TPopupForm *popup = highlight->Popup();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        QCursor::setPos(popup->StatusMemo()->mapToGlobal(QPoint(5, 5)));
        highlight->MouseLeave(false);
        QVERIFY(popup->CloseOnLeave());
        QTest::qWait(20);
        QVERIFY(popup->isVisible());

        QCursor::setPos(BoardFixture::Away);
        QTRY_VERIFY(popup->isHidden());
        QVERIFY(!highlight->Hot());
    }

    void closeBoxWhilePinnedResetsTheGroup()
    {
        BoardFixture fixture;
        TBoardHighlight *ien1 = fixture.AddHighlight(InterruptEnable);
        TBoardHighlight *ien2 = fixture.AddHighlight(InterruptEnable, htSettings, QPoint(100, 10));
        QVERIFY(fixture.Show());
        ien2->MouseEnter(false);
        ien2->Click();
        QPointer<TPopupForm> popup = ien2->Popup();
        QVERIFY(WaitActive(popup));
        QVERIFY(ien1->PopupActive());
        QAction *entry = fixture.Category(QStringLiteral("&Settings"))->actions().value(0);
        QVERIFY(entry->isChecked());

        popup->close();
        QVERIFY(popup);
        QVERIFY(popup->isHidden());
        QVERIFY(!entry->isChecked());
        QVERIFY(!popup->CloseOnLeave());
        QVERIFY(!ien1->Hot());
        QVERIFY(!ien2->Hot());
        QTRY_VERIFY(!ien1->PopupActive());
        QVERIFY(!ien2->PopupActive());
    }

    void activationLightsTheGroup()
    {
        BoardFixture fixture;
        TBoardHighlight *ien1 = fixture.AddHighlight(InterruptEnable);
        TBoardHighlight *ien2 = fixture.AddHighlight(InterruptEnable, htSettings, QPoint(100, 10));
        TBoardHighlight *ben = fixture.AddHighlight(QStringLiteral("&Buffer Enabling"), htSettings,
                                                    QPoint(200, 10));
        QVERIFY(fixture.Show());
        ien1->MouseEnter(false);
        QVERIFY(WaitActive(ien1->Popup()));
        QVERIFY(ien1->PopupActive());
        QVERIFY(ien2->PopupActive());
        QVERIFY(!ben->PopupActive());
        QCOMPARE(ien2->grab().toImage().convertToFormat(QImage::Format_RGB32), ien2->GlowImage());

        fixture.Window.activateWindow();
        QVERIFY(WaitActive(&fixture.Window));
        QVERIFY(!ien1->PopupActive());
        QVERIFY(!ien2->PopupActive());
    }

    // The panel's handlers are copied once, when the popup is built, and
    // hear of the popup itself.
    void panelActivationHandlersGetThePopup()
    {
        BoardFixture fixture;
        TBoardHighlight *highlight = fixture.AddHighlight(InterruptEnable);
        TRadioPanel *panel = fixture.AddPanel(QRect(285, 222, 180, 99));
        QStringList heard;
        QList<QObject *> senders;
        panel->OnActivate = [&](QObject *sender) { heard << QStringLiteral("activate"); senders << sender; };
        panel->OnDeactivate = [&](QObject *sender) { heard << QStringLiteral("deactivate"); senders << sender; };
        highlight->SetRadioPanel(panel);
        QVERIFY(fixture.Show());
        highlight->MouseEnter(false);
        TPopupForm *popup = highlight->Popup();
        QVERIFY(WaitActive(popup));
        panel->OnDeactivate = [&](QObject *) { heard << QStringLiteral("too late"); };

        fixture.Window.activateWindow();
        QVERIFY(WaitActive(&fixture.Window));
        QCOMPARE(heard, (QStringList{QStringLiteral("activate"), QStringLiteral("deactivate")}));
        QCOMPARE(senders, (QList<QObject *>{popup, popup}));
    }
};

QTEST_MAIN(TestPopupForm)
#include "tst_popupform.moc"
