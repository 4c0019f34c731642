// The card's layout and its settings kept in step, driven through the real
// main window built from its form.

#include "Application.h"
#include "BoardHighlight.h"
#include "BoardImage.h"
#include "MainForm.h"
#include "PopupForm.h"
#include "RadioPanel.h"
#include "ThreeJumper.h"
#include "TwoJumper.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class TestMainForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<TMainForm> Form;

    template <typename T>
    T *Child(const char *name) const
    {
        T *found = Form->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no component %s", name);
        return found;
    }

    // Opens a ring's popup as the menu does: entered, pinned, left.
    TPopupForm *Open(const char *highlight)
    {
        auto *ring = Child<TBoardHighlight>(highlight);
        ring->MenuItemClick(ring);
        return ring->Popup();
    }

    void PickEntry(QComboBox *box, int index)
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    // A lit ring always has its group's popup on screen.
    void VerifyNoRingLitWithoutPopup()
    {
        for (auto *ring : Form->findChildren<TBoardHighlight *>()) {
            if (!ring->Hot())
                continue;
            bool shown = false;
            for (QWidget *window : QApplication::topLevelWidgets())
                shown |= window->isVisible() && window->windowTitle() == QString(ring->Title()).remove('&');
            QVERIFY2(shown, qPrintable(ring->objectName() + " is lit without its popup"));
        }
    }

    QAction *Entry(const QString &title)
    {
        for (QAction *entry : Child<QMenu>("Settings1")->actions())
            if (entry->text() == title)
                return entry;
        qFatal("no entry");
    }

private slots:
    void init()
    {
        Form = std::make_unique<TMainForm>();
        // The support windows are not under test here; keep them from taking the focus.
        TApplication::Instance()->OnIdle = nullptr;
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        QCoreApplication::processEvents();
    }

    void cleanup() { Form.reset(); }

    void layoutAsStored()
    {
        auto *board = Child<TBoardImage>("BoardImage1");
        QStringList rings;
        for (QObject *child : board->children())
            if (auto *ring = qobject_cast<TBoardHighlight *>(child))
                rings << ring->objectName();
        QCOMPARE(rings, QStringList({"IENHighlight1", "IENHighlight2", "BENHighlight"}));
        QCOMPARE(board->First(), Child<TBoardHighlight>("BENHighlight"));
        QCOMPARE(board->OriginLeft(), 166);
        QCOMPARE(board->OriginTop(), 122);
        QCOMPARE(board->size(), QSize(600, 418));

        auto *ienPanel = Child<TRadioPanel>("IENPanel");
        auto *benPanel = Child<TRadioPanel>("BENPanel");
        QCOMPARE(Child<TBoardHighlight>("IENHighlight1")->RadioPanel(), ienPanel);
        QCOMPARE(Child<TBoardHighlight>("IENHighlight2")->RadioPanel(), ienPanel);
        QCOMPARE(Child<TBoardHighlight>("BENHighlight")->RadioPanel(), benPanel);
        QCOMPARE(Child<TBoardHighlight>("IENHighlight2")->geometry(), QRect(451, 27, 34, 26));
        QCOMPARE(Child<TBoardHighlight>("BENHighlight")->Title(), QStringLiteral("&Buffer Enabling"));
        QCOMPARE(benPanel->geometry(), QRect(285, 222, 180, 99));
        QVERIFY(benPanel->isHidden());
        QCOMPARE(benPanel->Lines().size(), 1);

        auto *clock = Child<TThreeJumper>("ClockJumper");
        QCOMPARE(clock->JumperState(), jsLeft);
        QCOMPARE(clock->Orientation(), otRight);
        QVERIFY(clock->AllowOpen());
        QCOMPARE(clock->size(), QSize(18, 43));
        QVERIFY(!Child<TTwoJumper>("Slot8Jumper")->Closed());
        QCOMPARE(Child<QComboBox>("ClockBox")->currentIndex(), -1);
        QCOMPARE(Child<QComboBox>("Slot8Box")->currentIndex(), -1);
        QCOMPARE(Child<QComboBox>("ClockBox")->itemText(1), QStringLiteral("Always Enabled"));
    }

    void settingsMenuBetweenFileAndHelp()
    {
        QStringList titles;
        for (QAction *item : Child<QMenuBar>("MainMenu1")->actions())
            titles << item->text();
        QCOMPARE(titles, QStringList({"&File", "&Settings", "&Help"}));
        QStringList entries;
        for (QAction *entry : Child<QMenu>("Settings1")->actions())
            entries << entry->text();
        QCOMPARE(entries, QStringList({"&Interrupt Enable", "&Buffer Enabling"}));
    }

    void firstOpeningShowsFirstEntry_data()
    {
        QTest::addColumn<QByteArray>("ring");
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("entry");
        QTest::newRow("buffer enabling") << QByteArray("BENHighlight") << QByteArray("ClockBox") << "Software Tristated";
        QTest::newRow("interrupt enable") << QByteArray("IENHighlight1") << QByteArray("Slot8Box") << "Disabled";
    }

    void firstOpeningShowsFirstEntry()
    {
        QFETCH(QByteArray, ring);
        QFETCH(QByteArray, box);
        QFETCH(QString, entry);
        TPopupForm *popup = Open(ring.constData());
        QVERIFY(popup);
        QTRY_COMPARE(Child<QComboBox>(box.constData())->currentText(), entry);
        QCOMPARE(Child<TThreeJumper>("ClockJumper")->JumperState(), jsLeft);
        QVERIFY(!Child<TTwoJumper>("Slot8Jumper")->Closed());
    }

    void listDrivesThreePinDrawing()
    {
        Open("BENHighlight");
        auto *box = Child<QComboBox>("ClockBox");
        auto *clock = Child<TThreeJumper>("ClockJumper");
        PickEntry(box, 1);
        QCOMPARE(clock->JumperState(), jsRight);
        PickEntry(box, 0);
        QCOMPARE(clock->JumperState(), jsLeft);
    }

    void threePinClicksAlternateAndNeverShowOpen()
    {
        Open("BENHighlight");
        auto *box = Child<QComboBox>("ClockBox");
        auto *clock = Child<TThreeJumper>("ClockJumper");
        QTRY_VERIFY(clock->isVisible());
        const QList<QPair<TJumperState, QString>> expected = {
            {jsRight, "Always Enabled"}, {jsLeft, "Software Tristated"},
            {jsRight, "Always Enabled"}, {jsLeft, "Software Tristated"}};
        for (const auto &[state, entry] : expected) {
            QTest::mouseClick(clock, Qt::LeftButton, {}, QPoint(9, 20));
            QCOMPARE(clock->JumperState(), state);
            QCOMPARE(box->currentText(), entry);
        }
    }

    void twoPinDrawingAndListFollowEachOther()
    {
        Open("IENHighlight1");
        auto *box = Child<QComboBox>("Slot8Box");
        auto *jumper = Child<TTwoJumper>("Slot8Jumper");
        QTRY_VERIFY(jumper->isVisible());
        QTest::mouseClick(jumper, Qt::LeftButton, {}, QPoint(17, 9));
        QVERIFY(jumper->Closed());
        QCOMPARE(box->currentText(), QStringLiteral("Enabled"));
        QTest::mouseClick(jumper, Qt::LeftButton, {}, QPoint(17, 9));
        QVERIFY(!jumper->Closed());
        QCOMPARE(box->currentText(), QStringLiteral("Disabled"));

        PickEntry(box, 1);
        QVERIFY(jumper->Closed());
        PickEntry(box, 0);
        QVERIFY(!jumper->Closed());
    }

    // Entering the panel again from another control of its popup resets the
    // list to its first entry but leaves the drawing as it was.
    void enteringPanelResetsListOnly()
    {
        TPopupForm *popup = Open("BENHighlight");
        auto *box = Child<QComboBox>("ClockBox");
        auto *clock = Child<TThreeJumper>("ClockJumper");
        QTRY_VERIFY(popup->isActiveWindow());
        PickEntry(box, 1);
        QCOMPARE(clock->JumperState(), jsRight);

        popup->StatusMemo()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), popup->StatusMemo());
        box->setFocus();
        QTRY_COMPARE(box->currentText(), QStringLiteral("Software Tristated"));
        QCOMPARE(clock->JumperState(), jsRight);
    }

    void interruptPanelStandsInOnePopupOnly()
    {
        auto *first = Child<TBoardHighlight>("IENHighlight1");
        auto *second = Child<TBoardHighlight>("IENHighlight2");
        second->MouseEnter(false);
        first->MouseEnter(false);
        int popups = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->windowTitle() == QLatin1String("Interrupt Enable"))
                ++popups;
        QCOMPARE(popups, 1);
        QVERIFY(first->Popup() || second->Popup());
        QVERIFY(!(first->Popup() && second->Popup()));
        TPopupForm *popup = first->Popup() ? first->Popup() : second->Popup();
        QCOMPARE(Child<TRadioPanel>("IENPanel")->parentWidget(), popup);
    }

    void previousAndNextSwitchBetweenThePopups()
    {
        TPopupForm *ben = Open("BENHighlight");
        QVERIFY(ben->isVisible());
        ben->NextButton()->click();
        QVERIFY(!ben->isVisible());
        auto *ring = Child<TBoardHighlight>("IENHighlight1");
        QVERIFY(ring->Popup() && ring->Popup()->isVisible());
        QCOMPARE(ring->Popup()->windowTitle(), QStringLiteral("Interrupt Enable"));
        ring->Popup()->PreviousButton()->click();
        QVERIFY(ben->isVisible());
        QVERIFY(!ring->Popup()->isVisible());
    }

    void hoveringBackAndForthLeavesNothingBehind()
    {
        QCursor::setPos(Form->mapToGlobal(QPoint(5, Form->height() - 5)));
        auto *ien1 = Child<TBoardHighlight>("IENHighlight1");
        auto *ien2 = Child<TBoardHighlight>("IENHighlight2");
        auto *ben = Child<TBoardHighlight>("BENHighlight");
        for (int round = 0; round < 3; ++round) {
            ien1->MouseEnter(false);
            ben->MouseEnter(false);
            ien1->MouseLeave(false);
            VerifyNoRingLitWithoutPopup();
            ien2->MouseEnter(false);
            ben->MouseLeave(false);
            ien2->MouseLeave(false);
            ben->MouseLeave(false);
            VerifyNoRingLitWithoutPopup();
        }
        for (auto *ring : {ien1, ien2, ben})
            QVERIFY(!ring->Hot());
    }

    void menuEntryPinsHoverOpenedPopupThenCloses()
    {
        auto *ben = Child<TBoardHighlight>("BENHighlight");
        ben->MouseEnter(false);
        QVERIFY(ben->Popup() && ben->Popup()->isVisible());
        QVERIFY(!ben->Pinned());
        QAction *entry = Entry(QStringLiteral("&Buffer Enabling"));
        entry->trigger();
        QVERIFY(ben->Pinned());
        QVERIFY(entry->isChecked());
        QVERIFY(ben->Popup()->isVisible());
        entry->trigger();
        QVERIFY(!ben->Popup()->isVisible());
        QVERIFY(!entry->isChecked());
        VerifyNoRingLitWithoutPopup();
    }

    void closeBoxOnPinnedPopupResetsRingsAndEntry()
    {
        TPopupForm *popup = Open("IENHighlight2");
        QAction *entry = Entry(QStringLiteral("&Interrupt Enable"));
        QVERIFY(entry->isChecked());
        popup->close();
        QVERIFY(!popup->isVisible());
        QVERIFY(!entry->isChecked());
        QVERIFY(!Child<TBoardHighlight>("IENHighlight1")->Hot());
        QVERIFY(!Child<TBoardHighlight>("IENHighlight2")->Hot());
        // and it opens again, from the other ring of the group
        Child<TBoardHighlight>("IENHighlight1")->MouseEnter(false);
        QVERIFY(popup->isVisible());
    }

    void startMessageOpensBufferEnablingPinned()
    {
        QEvent start(TBoardImage::StartGuideEvent);
        QCoreApplication::sendEvent(Child<TBoardImage>("BoardImage1"), &start);
        auto *ring = Child<TBoardHighlight>("BENHighlight");
        QVERIFY(ring->Popup() && ring->Popup()->isVisible());
        QVERIFY(ring->Pinned());
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
