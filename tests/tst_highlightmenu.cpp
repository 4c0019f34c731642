#include "BoardFixture.h"

#include "HighlightMenu.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

namespace {

const QString Settings = QStringLiteral("&Settings");
const QString InterruptEnable = QStringLiteral("&Interrupt Enable");
const QString BufferEnabling = QStringLiteral("&Buffer Enabling");

QStringList Captions(const QList<QAction *> &items)
{
    QStringList captions;
    for (const QAction *item : items)
        captions << item->text();
    return captions;
}

bool OpenAndPinned(const TBoardHighlight *highlight)
{
    return IsOpen(highlight) && highlight->Pinned();
}

} // namespace

class TestHighlightMenu : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QCursor::setPos(BoardFixture::Away);
    }

    void categoriesKeepTheirOrder_data()
    {
        QTest::addColumn<QStringList>("menu");
        QTest::addColumn<QList<int>>("paintOrder");
        QTest::addColumn<QStringList>("expected");
        const QStringList fileHelp{QStringLiteral("&File"), QStringLiteral("&Help")};
        QTest::newRow("options before help")
            << fileHelp << QList<int>{htOptions}
            << QStringList{"&File", "&Options", "&Help"};
        QTest::newRow("settings before options")
            << fileHelp << QList<int>{htOptions, htSettings}
            << QStringList{"&File", "&Settings", "&Options", "&Help"};
        QTest::newRow("calibration between settings and options")
            << fileHelp << QList<int>{htOptions, htSettings, htCalibration}
            << QStringList{"&File", "&Settings", "&Calibration", "&Options", "&Help"};
        QTest::newRow("appended without help")
            << QStringList{QStringLiteral("&File")} << QList<int>{htCalibration, htSettings}
            << QStringList{"&File", "&Settings", "&Calibration"};
        QTest::newRow("one category per kind")
            << fileHelp << QList<int>{htSettings, htSettings}
            << QStringList{"&File", "&Settings", "&Help"};
    }

    void categoriesKeepTheirOrder()
    {
        QFETCH(QStringList, menu);
        QFETCH(QList<int>, paintOrder);
        QFETCH(QStringList, expected);
        BoardFixture fixture(menu);
        for (int i = 0; i < paintOrder.size(); ++i)
            FirstPaint(fixture.AddHighlight(QStringLiteral("Ring %1").arg(i), THighlightType(paintOrder[i])));
        QCOMPARE(fixture.TopLevelCaptions(), expected);
    }

    void itemsTakeTheSmallestFreeName_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("categoryName");
        QTest::addColumn<QString>("entryName");
        QTest::newRow("card layout") << InterruptEnable << QStringList() << "Settings1" << "InterruptEnable1";
        QTest::newRow("Settings1 taken") << InterruptEnable << QStringList{"Settings1"} << "Settings2"
                                         << "InterruptEnable1";
        QTest::newRow("entry name taken") << InterruptEnable << QStringList{"InterruptEnable1", "Settings2"}
                                          << "Settings1" << "InterruptEnable2";
        QTest::newRow("title without letters") << "&1-2" << QStringList() << "Settings1" << "MenuItem1";
    }

    void itemsTakeTheSmallestFreeName()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, taken);
        QFETCH(QString, categoryName);
        QFETCH(QString, entryName);
        BoardFixture fixture;
        for (const QString &name : taken)
            (new QObject(fixture.Window.centralWidget()))->setObjectName(name);
        FirstPaint(fixture.AddHighlight(title));

        QMenu *category = fixture.Category(Settings);
        QVERIFY(category);
        QCOMPARE(category->objectName(), categoryName);
        QCOMPARE(category->parent(), &fixture.Window);
        QCOMPARE(category->actions().size(), 1);
        QAction *entry = category->actions().first();
        QCOMPARE(entry->objectName(), entryName);
        QCOMPARE(entry->text(), title);
        QCOMPARE(entry->parent(), &fixture.Window);
        QVERIFY(entry->isCheckable());
        QVERIFY(!entry->isChecked());
    }

    // Entries follow the first paints; a group's entry is made once, by the
    // member that paints first.
    void oneEntryPerGroupInPaintOrder()
    {
        BoardFixture fixture;
        TBoardHighlight *ien1 = fixture.AddHighlight(InterruptEnable);
        TBoardHighlight *ben = fixture.AddHighlight(BufferEnabling);
        TBoardHighlight *ien2 = fixture.AddHighlight(InterruptEnable);
        FirstPaint(ien2);
        FirstPaint(ben);
        FirstPaint(ien1);
        const QList<QAction *> entries = fixture.Category(Settings)->actions();
        QCOMPARE(Captions(entries), (QStringList{InterruptEnable, BufferEnabling}));
        QCOMPARE(THighlightMenu::BoundHighlight(entries[0]), ien2);
        QCOMPARE(THighlightMenu::BoundHighlight(entries[1]), ben);
        QCOMPARE(ien1->HostMenu(), fixture.Menu);
    }

    void emptyTitleMakesTheCategoryOnly()
    {
        BoardFixture fixture;
        TBoardHighlight *untitled = fixture.AddHighlight(QString());
        QVERIFY(fixture.Show());
        QMenu *category = fixture.Category(Settings);
        QVERIFY(category);
        QVERIFY(category->actions().isEmpty());

        untitled->MouseEnter(false);
        untitled->Click();
        QTest::mouseClick(untitled->Popup()->NextButton(), Qt::LeftButton);
        QVERIFY(OpenAndPinned(untitled));
    }

    // The entry toggles the group's popup between open-and-pinned and
    // closed, whichever member of the group owns the popup.
    void choosingTheEntryToggles_data()
    {
        QTest::addColumn<bool>("otherMemberOwnsPopup");
        QTest::newRow("entry's own ring owns the popup") << false;
        QTest::newRow("fellow member owns the popup") << true;
    }

    void choosingTheEntryToggles()
    {
        QFETCH(bool, otherMemberOwnsPopup);
        BoardFixture fixture;
        TBoardHighlight *ien1 = fixture.AddHighlight(InterruptEnable);
        TBoardHighlight *ien2 = fixture.AddHighlight(InterruptEnable, htSettings, QPoint(100, 10));
        QVERIFY(fixture.Show());
        if (otherMemberOwnsPopup) {
            ien2->MouseEnter(false);
            ien2->Popup()->close();
        }
        TBoardHighlight *owner = otherMemberOwnsPopup ? ien2 : ien1;
        QAction *entry = fixture.Category(Settings)->actions().first();
        QCOMPARE(THighlightMenu::BoundHighlight(entry), ien1);

        entry->trigger();
        QVERIFY(OpenAndPinned(owner));
        QVERIFY(entry->isChecked());
        QVERIFY(WaitActive(owner->Popup()));
        QCOMPARE(ien1->Popup() != nullptr, !otherMemberOwnsPopup);

        entry->trigger();
        QVERIFY(owner->Popup()->isHidden());
        QVERIFY(!entry->isChecked());
        QVERIFY(!ien1->Hot());
        QVERIFY(!ien2->Hot());
    }

    void walkWrapsWithinTheCategory_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("to");
        QTest::newRow("next from C opens A") << 3 << 2 << "NextButton" << 0;
        QTest::newRow("previous from A opens C") << 3 << 0 << "PreviousButton" << 2;
        QTest::newRow("previous from B opens A") << 3 << 1 << "PreviousButton" << 0;
        QTest::newRow("next from A opens B") << 3 << 0 << "NextButton" << 1;
        QTest::newRow("single entry opens itself again") << 1 << 0 << "NextButton" << 0;
    }

    void walkWrapsWithinTheCategory()
    {
        QFETCH(int, count);
        QFETCH(int, from);
        QFETCH(QString, button);
        QFETCH(int, to);
        BoardFixture fixture;
        QList<TBoardHighlight *> rings;
        for (int i = 0; i < count; ++i)
            rings << fixture.AddHighlight(QStringLiteral("&%1").arg(QChar('A' + i)), htSettings,
                                          QPoint(10 + 70 * i, 10));
        TBoardHighlight *calibration = fixture.AddHighlight(QStringLiteral("&Zero"), htCalibration,
                                                            QPoint(10, 100));
        QVERIFY(fixture.Show());
        const QList<QAction *> entries = fixture.Category(Settings)->actions();
        entries[from]->trigger();
        QVERIFY(OpenAndPinned(rings[from]));

        QTest::mouseClick(rings[from]->Popup()->findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY(OpenAndPinned(rings[to]));
        QVERIFY(entries[to]->isChecked());
        for (int i = 0; i < count; ++i)
            if (i != to) {
                QVERIFY(!IsOpen(rings[i]));
                QVERIFY(!entries[i]->isChecked());
            }
        QCOMPARE(calibration->Popup(), nullptr);
    }

    // An item some other part of the program put into the category is
    // chosen as the menu would choose it; without a handler nothing opens.
    void walkOntoAnItemMadeElsewhere_data()
    {
        QTest::addColumn<bool>("withHandler");
        QTest::newRow("with a handler") << true;
        QTest::newRow("without a handler") << false;
    }

    void walkOntoAnItemMadeElsewhere()
    {
        QFETCH(bool, withHandler);
        BoardFixture fixture;
        TBoardHighlight *ring = fixture.AddHighlight(InterruptEnable);
        QVERIFY(fixture.Show());
        QMenu *category = fixture.Category(Settings);
        category->addSeparator();
        QAction *foreign = category->addAction(QStringLiteral("&Defaults"));
        int chosen = 0;
        if (withHandler)
            connect(foreign, &QAction::triggered, this, [&chosen] { ++chosen; });
        category->actions().first()->trigger();
        QVERIFY(OpenAndPinned(ring));

        QTest::mouseClick(ring->Popup()->NextButton(), Qt::LeftButton);
        QVERIFY(!IsOpen(ring));
        QCOMPARE(chosen, withHandler ? 1 : 0);
    }

    void withoutMenuOnlyDoneActs()
    {
        BoardFixture fixture;
        fixture.Board->SetMenu(nullptr);
        TBoardHighlight *ring = fixture.AddHighlight(InterruptEnable);
        QVERIFY(fixture.Show());
        QCOMPARE(ring->HostMenu(), nullptr);
        QCOMPARE(fixture.Category(Settings), nullptr);
        ring->MouseEnter(false);
        ring->Click();
        QTest::mouseClick(ring->Popup()->NextButton(), Qt::LeftButton);
        QTest::mouseClick(ring->Popup()->PreviousButton(), Qt::LeftButton);
        QVERIFY(OpenAndPinned(ring));
        QTest::mouseClick(ring->Popup()->DoneButton(), Qt::LeftButton);
        QVERIFY(!IsOpen(ring));
    }

    // IEN1 holds IENPanel, BEN holds BENPanel.
    void radioPanelBelongsToOneGroup_data()
    {
        QTest::addColumn<QString>("assignee");
        QTest::addColumn<bool>("toIenPanel");
        QTest::addColumn<QString>("result"); // "ien", "ben" or "none"
        QTest::newRow("other group refused") << "BEN" << true << "ben";
        QTest::newRow("same title, other kind refused") << "IENRED" << true << "none";
        QTest::newRow("fellow member accepted") << "IEN2" << true << "ien";
        QTest::newRow("no panel clears") << "BEN" << false << "none";
        QTest::newRow("ring without parent accepted") << "ORPHAN" << true << "ien";
    }

    void radioPanelBelongsToOneGroup()
    {
        QFETCH(QString, assignee);
        QFETCH(bool, toIenPanel);
        QFETCH(QString, result);
        BoardFixture fixture;
        TRadioPanel *ienPanel = fixture.AddPanel(QRect(494, 231, 224, 70));
        TRadioPanel *benPanel = fixture.AddPanel(QRect(285, 222, 180, 99));
        fixture.AddHighlight(InterruptEnable)->SetRadioPanel(ienPanel);
        TBoardHighlight *ben = fixture.AddHighlight(BufferEnabling);
        ben->SetRadioPanel(benPanel);
        TBoardHighlight orphan;
        orphan.SetTitle(BufferEnabling);
        const QMap<QString, TBoardHighlight *> rings{
            {QStringLiteral("BEN"), ben},
            {QStringLiteral("IENRED"), fixture.AddHighlight(InterruptEnable, htCalibration)},
            {QStringLiteral("IEN2"), fixture.AddHighlight(InterruptEnable)},
            {QStringLiteral("ORPHAN"), &orphan},
        };
        const QMap<QString, TRadioPanel *> panels{
            {QStringLiteral("ien"), ienPanel}, {QStringLiteral("ben"), benPanel}, {QStringLiteral("none"), nullptr}};
        TBoardHighlight *ring = rings.value(assignee);
        ring->SetRadioPanel(toIenPanel ? ienPanel : nullptr);
        QCOMPARE(ring->RadioPanel(), panels.value(result));
    }

    // The tour's start message makes the First ring enter, click and leave:
    // its popup stays open, pinned, and its entry is checked.
    void startMessageOpensFirstPinned()
    {
        BoardFixture fixture;
        fixture.AddHighlight(InterruptEnable);
        TBoardHighlight *ben = fixture.AddHighlight(BufferEnabling, htSettings, QPoint(100, 10));
        fixture.Board->SetFirst(ben);
        QVERIFY(fixture.Show());
        QEvent start(TBoardImage::StartGuideEvent);
        QCoreApplication::sendEvent(fixture.Board, &start);
        QVERIFY(OpenAndPinned(ben));
        QVERIFY(!ben->Popup()->CloseOnLeave());
        QVERIFY(fixture.Category(Settings)->actions().at(1)->isChecked());
        QVERIFY(WaitActive(ben->Popup()));
        QVERIFY(IsOpen(ben));
    }
};

QTEST_MAIN(TestHighlightMenu)
#include "tst_highlightmenu.moc"
