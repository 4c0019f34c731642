#include "Application.h"
#include "BoardImage.h"
#include "DriverLibrary.h"
#include "MessageBox.h"
#include "SetupSupporter.h"
#include "TimerWindow.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString CardA = QStringLiteral("RX-LINE-77(Q)/55Q");
const QString CardB = QStringLiteral("RX-LINE77(Q)/55Q");
const QString CardText = QStringLiteral("RX-LINE-77     Digital I/O Card\r\nBase Address: 0300");

std::int32_t FakeCount = 0;
int FakeCalls = 0;

std::int32_t FakeGetNumCards()
{
    ++FakeCalls;
    return FakeCount;
}

// A board image that counts the start messages it receives.
class TProbeImage : public TBoardImage
{
public:
    using TBoardImage::TBoardImage;
    int Starts = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == StartGuideEvent)
            ++Starts;
        return TBoardImage::event(e);
    }
};

struct TReport {
    QString Text;
    QString Caption;
    unsigned Flags;
};

// A main window with a central widget and the top-level menus named; no
// menu bar at all when there are none.
std::unique_ptr<QMainWindow> MainWindowWith(const QStringList &menus)
{
    auto window = std::make_unique<QMainWindow>();
    window->setCentralWidget(new QWidget(window.get()));
    if (!menus.isEmpty()) {
        auto *bar = new QMenuBar(window.get());
        for (const QString &title : menus)
            bar->addMenu(title)->addAction(QStringLiteral("&Exit"));
        window->setMenuBar(bar);
    }
    window->resize(831, 645);
    return window;
}

TSetupSupporter *SupporterFor(QMainWindow *window, bool listsCards)
{
    auto *supporter = new TSetupSupporter(window);
    supporter->SetCompanyName(QStringLiteral("KIRVO"));
    supporter->SetCardNameA(CardA);
    supporter->SetCardNameB(CardB);
    supporter->SetCallHow(QStringLiteral("at 555-0100"));
    if (listsCards)
        supporter->SetOnGetCardString([](QObject *, std::int32_t) { return CardText; });
    return supporter;
}

void InstallIdleHandler(TSetupSupporter *supporter)
{
    TApplication::Instance()->OnIdle = [guarded = QPointer<TSetupSupporter>(supporter)](QObject *sender, bool &done) {
        if (guarded)
            guarded->ApplicationIdle(sender, done);
    };
}

// The idle event comes only from a loop that waits for events, which
// QTest::qWait never does.
void RunEventLoopUntil(const std::function<bool()> &done)
{
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() > 5000)
            loop.quit();
    });
    poll.start(10);
    loop.exec();
}

QList<QAction *> DisplayPCIEntries(QWidget *window)
{
    return window->findChildren<QAction *>(QStringLiteral("DisplayPCI"));
}

} // namespace

class TestSetupSupporter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void initialValues();
    void titleLine_data();
    void titleLine();
    void headerLabel();
    void menuEntry_data();
    void menuEntry();
    void withoutCardDescriptions();
    void listingAsksTheDriver_data();
    void listingAsksTheDriver();
    void idleHookRunsOnce();
    void helpShownOnceAfterConstruction();
    void timerRefused();
    void startButton_data();
    void startButton();
    void closeButtons_data();
    void closeButtons();

private:
    QList<TReport> FReports;
    decltype(TELLUX::GetNumCards) FRealGetNumCards = nullptr;
};

void TestSetupSupporter::init()
{
    TELLUX::LoadDriverLibrary();
    QVERIFY(TELLUX::DriverLibraryLoaded());
    FRealGetNumCards = TELLUX::GetNumCards;
    TELLUX::GetNumCards = &FakeGetNumCards;
    FakeCount = 1;
    FakeCalls = 0;
    FReports.clear();
    SetMessageBoxHook([this](const QString &text, const QString &caption, unsigned flags) {
        FReports.append({text, caption, flags});
        return IDOK;
    });
}

void TestSetupSupporter::cleanup()
{
    TApplication::Instance()->OnIdle = nullptr;
    SetMessageBoxHook(nullptr);
    TELLUX::GetNumCards = FRealGetNumCards;
}

void TestSetupSupporter::initialValues()
{
    QWidget owner;
    TSetupSupporter supporter(&owner);
    QCOMPARE(supporter.CompanyName(), QString());
    QCOMPARE(supporter.CardNameA(), QString());
    QCOMPARE(supporter.CardNameB(), QString());
    QCOMPARE(supporter.UseCardNameB(), false);
    QCOMPARE(supporter.CallHow(), QString());
    QCOMPARE(supporter.MultiPort(), false);
    QCOMPARE(supporter.Channels(), quint8(8));
    QCOMPARE(supporter.ChangeButtons(), true);
    QCOMPARE(supporter.bSeries(), true);
    QVERIFY(!supporter.OnBeginCalib() && !supporter.OnGetCardString() && !supporter.OnGetCalibString());
    QVERIFY(!supporter.OnStopButtonClick() && !supporter.OnStartButtonClick());
    QVERIFY(!supporter.HelpForm() && !supporter.TechForm() && !supporter.PCIForm() && !supporter.HeaderLabel());
    QVERIFY(!supporter.HelpPending());
    QVERIFY(!supporter.Calibrating());
    QVERIFY(supporter.CalibDisplays().empty());
    QVERIFY(!supporter.findChild<TTimerWindow *>()->Active());
    QVERIFY(owner.findChildren<QWidget *>().isEmpty());
    QCOMPARE(supporter.property("Channels").toUInt(), 8u);
}

void TestSetupSupporter::titleLine_data()
{
    QTest::addColumn<bool>("useCardNameB");
    QTest::addColumn<bool>("series");
    QTest::addColumn<bool>("listsCards");
    QTest::addColumn<QString>("description"); // of the one card the driver reports
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("cardName");

    QTest::newRow("card found") << false << true << true << CardText
                                << QStringLiteral("RX-LINE-77(Q)/55Q Series Settings Program") << CardA;
    QTest::newRow("no listing") << false << true << false << CardText
                                << QStringLiteral("RX-LINE-77(Q)/55Q Series Settings Program") << CardA;
    QTest::newRow("second name") << true << true << true << CardText
                                 << QStringLiteral("RX-LINE77(Q)/55Q Series Settings Program") << CardB;
    QTest::newRow("no series word") << false << false << true << CardText
                                    << QStringLiteral("RX-LINE-77(Q)/55Q Settings Program") << CardA;
    QTest::newRow("not found") << false << true << true << QString()
                               << QStringLiteral("No RX-LINE-77(Q)/55Q Series Card Found") << CardA;
    QTest::newRow("not found, no series word") << false << false << true << QString()
                                               << QStringLiteral("No RX-LINE-77(Q)/55Q Found") << CardA;
    QTest::newRow("not found, second name") << true << false << true << QString()
                                            << QStringLiteral("No RX-LINE77(Q)/55Q Found") << CardB;
}

void TestSetupSupporter::titleLine()
{
    QFETCH(bool, useCardNameB);
    QFETCH(bool, series);
    QFETCH(bool, listsCards);
    QFETCH(QString, description);
    QFETCH(QString, title);
    QFETCH(QString, cardName);

    auto window = MainWindowWith({QStringLiteral("&File")});
    TSetupSupporter *supporter = SupporterFor(window.get(), false);
    supporter->SetUseCardNameB(useCardNameB);
    supporter->SetbSeries(series);
    if (listsCards)
        supporter->SetOnGetCardString([description](QObject *, std::int32_t) { return description; });
    supporter->CreateSupportWindows();

    QCOMPARE(supporter->HeaderLabel()->text(), title);
    const QString helpText = supporter->HelpForm()->HelpRich()->toPlainText();
    QVERIFY(helpText.startsWith(QStringLiteral("KIRVO ") + cardName + (series ? " Series" : "") + " Settings Program"));
    QCOMPARE(helpText.contains(QStringLiteral("To see a list of ") + cardName + " cards installed"), listsCards);
    if (listsCards) {
        QCOMPARE(DisplayPCIEntries(window.get()).value(0)->text(), "Display " + cardName + " Cards Installed");
        QCOMPARE(supporter->PCIForm()->windowTitle(), cardName + " Cards installed");
        QCOMPARE(supporter->PCIForm()->PCIMemo()->toPlainText(),
                 description.isEmpty() ? QStringLiteral("No Card Found")
                                       : QString(description).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
}

void TestSetupSupporter::headerLabel()
{
    auto window = MainWindowWith({QStringLiteral("&File")});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    TSetupSupporter *supporter = SupporterFor(window.get(), true);
    supporter->CreateSupportWindows();

    QLabel *label = supporter->HeaderLabel();
    QCOMPARE(label->objectName(), QStringLiteral("HeaderLabel"));
    QCOMPARE(label->parentWidget(), window->centralWidget());
    QVERIFY(label->isVisible());
    QCOMPARE(label->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(label->font().pointSize(), 18);
    QVERIFY(label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(label->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(label->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(label->width(), window->centralWidget()->width());

    window->resize(window->width() + 100, window->height());
    QTRY_COMPARE(label->width(), window->centralWidget()->width());
}

void TestSetupSupporter::menuEntry_data()
{
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<int>("withEntry"); // index of the menu that gets it, -1 for none

    QTest::newRow("file and help") << QStringList{"&File", "&Help"} << 0;
    QTest::newRow("file without ampersand") << QStringList{"File", "&Help"} << -1;
    QTest::newRow("two file menus") << QStringList{"&File", "&File"} << 0;
    QTest::newRow("file after another menu") << QStringList{"&Edit", "&File"} << 1;
    QTest::newRow("other case") << QStringList{"&file"} << -1;
    QTest::newRow("no menu bar") << QStringList{} << -1;
}

void TestSetupSupporter::menuEntry()
{
    QFETCH(QStringList, menus);
    QFETCH(int, withEntry);

    auto window = MainWindowWith(menus);
    TSetupSupporter *supporter = SupporterFor(window.get(), true);
    supporter->CreateSupportWindows();

    const QList<QAction *> entries = DisplayPCIEntries(window.get());
    QCOMPARE(entries.size(), withEntry < 0 ? 0 : 1);
    if (withEntry >= 0) {
        QMenu *menu = window->menuBar()->actions().at(withEntry)->menu();
        QCOMPARE(entries[0]->parent(), menu);
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions().at(0), entries[0]);
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("&Exit"));
        QCOMPARE(entries[0]->text(), QStringLiteral("Display RX-LINE-77(Q)/55Q Cards Installed"));
    }
    // The installed-cards window is built and shown either way.
    QVERIFY(supporter->PCIForm());
    QVERIFY(supporter->PCIForm()->isVisible());
    if (withEntry >= 0) {
        supporter->PCIForm()->hide();
        entries[0]->trigger();
        QVERIFY(supporter->PCIForm()->isVisible());
    }
}

void TestSetupSupporter::withoutCardDescriptions()
{
    auto window = MainWindowWith({QStringLiteral("&File")});
    TSetupSupporter *supporter = SupporterFor(window.get(), false);
    supporter->CreateSupportWindows();

    QVERIFY(!supporter->PCIForm());
    QVERIFY(window->findChildren<TPCIForm *>().isEmpty());
    QVERIFY(DisplayPCIEntries(window.get()).isEmpty());
    QCOMPARE(FakeCalls, 0);
    QVERIFY(supporter->HelpForm());
    QVERIFY(supporter->TechForm());
    QVERIFY(!supporter->TechForm()->isVisible());
    QCOMPARE(supporter->HelpForm()->parentWidget(), window.get());
    QCOMPARE(supporter->TechForm()->parentWidget(), window.get());
    QVERIFY(supporter->TechForm()->TechMemo()->toPlainText().contains(QStringLiteral("You can call us at 555-0100 for")));
}

void TestSetupSupporter::listingAsksTheDriver_data()
{
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("described");
    QTest::addColumn<bool>("found");

    QTest::newRow("three cards") << true << 3 << 3 << true;
    QTest::newRow("no cards") << true << 0 << 0 << false;
    QTest::newRow("negative count") << true << -1 << 0 << false;
    QTest::newRow("no GetNumCards") << false << 3 << 0 << false;
}

void TestSetupSupporter::listingAsksTheDriver()
{
    QFETCH(bool, available);
    QFETCH(int, count);
    QFETCH(int, described);
    QFETCH(bool, found);

    if (!available)
        TELLUX::GetNumCards = nullptr;
    FakeCount = count;
    auto window = MainWindowWith({QStringLiteral("&File")});
    TSetupSupporter *supporter = SupporterFor(window.get(), false);
    int calls = 0;
    supporter->SetOnGetCardString([&calls, supporter](QObject *sender, std::int32_t) {
        ++calls;
        return sender == supporter ? CardText : QString();
    });
    supporter->CreateSupportWindows();

    QCOMPARE(FakeCalls, available ? 1 : 0);
    QCOMPARE(calls, described);
    QCOMPARE(supporter->PCIForm()->PCIMemo()->toPlainText() == QStringLiteral("No Card Found"), !found);
    QCOMPARE(supporter->HeaderLabel()->text().startsWith(QStringLiteral("No ")), !found);
}

void TestSetupSupporter::idleHookRunsOnce()
{
    auto window = MainWindowWith({QStringLiteral("&File")});
    TSetupSupporter *supporter = SupporterFor(window.get(), true);
    InstallIdleHandler(supporter);
    QVERIFY(!supporter->HelpForm());

    RunEventLoopUntil([supporter] { return supporter->HelpForm() != nullptr; });
    QVERIFY(supporter->HelpForm());
    QVERIFY(!TApplication::Instance()->OnIdle);

    bool done = true;
    supporter->ApplicationIdle(TApplication::Instance(), done);
    QCoreApplication::processEvents();
    QCOMPARE(window->findChildren<THelpForm *>().size(), 1);
    QCOMPARE(window->findChildren<TTechForm *>().size(), 1);
    QCOMPARE(window->findChildren<TPCIForm *>().size(), 1);
    QCOMPARE(window->findChildren<QLabel *>(QStringLiteral("HeaderLabel")).size(), 1);
    QCOMPARE(DisplayPCIEntries(window.get()).size(), 1);
    QCOMPARE(FakeCalls, 1);
}

void TestSetupSupporter::helpShownOnceAfterConstruction()
{
    auto window = MainWindowWith({QStringLiteral("&File")});
    window->show();
    TSetupSupporter *supporter = SupporterFor(window.get(), true);
    TTimerWindow *timer = supporter->findChild<TTimerWindow *>();
    supporter->CreateSupportWindows();

    THelpForm *help = supporter->HelpForm();
    QVERIFY(!help->isVisible());
    QVERIFY(supporter->HelpPending());
    QVERIFY(timer->Active());

    QTRY_VERIFY_WITH_TIMEOUT(help->isVisible(), 3000);
    QVERIFY(!supporter->HelpPending());
    QVERIFY(!timer->Active());

    help->StartButton()->click();
    QVERIFY(!help->isVisible());
    QTest::qWait(300);
    QVERIFY(!help->isVisible());
}

void TestSetupSupporter::timerRefused()
{
    auto window = MainWindowWith({QStringLiteral("&File")});
    TSetupSupporter *supporter = SupporterFor(window.get(), true);
    supporter->findChild<TTimerWindow *>()->SetRefused(true);
    InstallIdleHandler(supporter);

    RunEventLoopUntil([this] { return !FReports.isEmpty(); });
    QCOMPARE(FReports.size(), 1);
    QCOMPARE(FReports[0].Text, QStringLiteral("Not enough timers available"));
    QCOMPARE(FReports[0].Flags & 0xF0u, MB_ICONERROR);
    QVERIFY(!TApplication::Instance()->OnIdle);
    // What was built before the refusal stays.
    QVERIFY(supporter->HelpForm() && supporter->TechForm() && supporter->PCIForm());
    QCOMPARE(supporter->HeaderLabel()->text(), QStringLiteral("RX-LINE-77(Q)/55Q Series Settings Program"));

    QTest::qWait(300);
    QVERIFY(!supporter->HelpForm()->isVisible());
    QCOMPARE(FReports.size(), 1);
    QCOMPARE(window->findChildren<THelpForm *>().size(), 1);
}

void TestSetupSupporter::startButton_data()
{
    QTest::addColumn<QString>("layout"); // direct children of the client area, in order
    QTest::addColumn<int>("started");    // index of the board image that starts, -1 for none

    QTest::newRow("board image after another control") << QStringLiteral("w b b") << 1;
    QTest::newRow("first of two board images") << QStringLiteral("b b") << 0;
    QTest::newRow("no board image") << QStringLiteral("w") << -1;
    QTest::newRow("board image inside another control") << QStringLiteral("n") << -1;
}

void TestSetupSupporter::startButton()
{
    QFETCH(QString, layout);
    QFETCH(int, started);

    auto window = MainWindowWith({QStringLiteral("&File")});
    QWidget *client = window->centralWidget();
    QList<TProbeImage *> probes;
    QList<QWidget *> children;
    for (const QString &kind : layout.split(QLatin1Char(' '))) {
        if (kind == QLatin1String("b")) {
            probes.append(new TProbeImage(client));
            children.append(probes.last());
        } else if (kind == QLatin1String("n")) {
            auto *holder = new QWidget(client);
            probes.append(new TProbeImage(holder));
            children.append(holder);
        } else {
            children.append(new QWidget(client));
        }
    }
    TSetupSupporter *supporter = SupporterFor(window.get(), false);
    supporter->CreateSupportWindows();
    THelpForm *help = supporter->HelpForm();
    help->show();

    help->StartButton()->click();
    QVERIFY(!help->isVisible());
    for (int i = 0; i < probes.size(); ++i)
        QCOMPARE(probes[i]->Starts, started >= 0 && children.indexOf(probes[i]) == started ? 1 : 0);
}

void TestSetupSupporter::closeButtons_data()
{
    QTest::addColumn<bool>("pci");
    QTest::addColumn<bool>("byKey");

    QTest::newRow("technical support, Close") << false << false;
    QTest::newRow("technical support, Esc") << false << true;
    QTest::newRow("installed cards, Close") << true << false;
    QTest::newRow("installed cards, Esc") << true << true;
}

void TestSetupSupporter::closeButtons()
{
    QFETCH(bool, pci);
    QFETCH(bool, byKey);

    auto window = MainWindowWith({QStringLiteral("&File")});
    TSetupSupporter *supporter = SupporterFor(window.get(), true);
    supporter->CreateSupportWindows();
    TSupportForm *form = pci ? static_cast<TSupportForm *>(supporter->PCIForm()) : supporter->TechForm();
    QPushButton *close = pci ? supporter->PCIForm()->CloseButton() : supporter->TechForm()->CloseButton();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));

    if (byKey)
        QTest::keyClick(form, Qt::Key_Escape);
    else
        close->click();
    QVERIFY(!form->isVisible());
    QVERIFY(window->findChildren<TSupportForm *>().contains(form));
}

QTEST_MAIN(TestSetupSupporter)
#include "tst_setupsupporter.moc"
