#include "AnchorKeeper.h"
#include "HelpForm.h"
#include "PCIForm.h"
#include "TechForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

namespace {

const QString CardName = QStringLiteral("RX-LINE-77(Q)/55Q");

// The help text as it is meant to be joined, piece by piece.
QByteArray ExpectedHelpText(bool multiPort, bool listsCards)
{
    QByteArray rtf;
    rtf += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
           "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;"
           "\\red255\\green64\\blue64;}\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0\r\n{\\b ";
    rtf += "KIRVO RX-LINE-77(Q)/55Q Series";
    rtf += " Settings Program}\\par\\par\\fs24\r\n";
    rtf += "This program will help you configure the option jumpers and settings associated with this "
           "product. You should have the product in-hand when first using this program.\\par\\par\r\n";
    rtf += "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par\r\n";
    rtf += "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and "
           "optional features of the product family.\\par\\par\r\n";
    rtf += "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually "
           "controlling the hardware device. Run this settings program again once the card is installed. ";
    rtf += "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then "
           "perform the {\\cf3 calibration circles}.\\par\\par\r\n";
    rtf += "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, "
           "{\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain "
           "on-screen. ";
    rtf += "You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par\r\n";
    if (multiPort)
        rtf += "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the "
               "configuration options for each port are handled identically; this program only shows the "
               "setup once, but you need to perform this setup for each group of options on your "
               "device.\\par\\par\r\n";
    if (listsCards)
        rtf += "To see a list of RX-LINE-77(Q)/55Q cards installed, click \"Display RX-LINE-77(Q)/55Q Cards "
               "Installed\" under the File menu.\\par\\par\r\n";
    rtf += "}";
    return rtf;
}

} // namespace

class TestSupportWindows : public QObject
{
    Q_OBJECT

private slots:
    void helpText_data();
    void helpText();
    void scaling_data();
    void scaling();
    void helpWindowLayout();
    void helpWindowFollowsResize();
    void helpWindowKeys_data();
    void helpWindowKeys();
    void helpWindowCentresOverOwner();
    void closingOnlyHides();
    void techWindow();
    void pciWindow();
    void listing_data();
    void listing();

private:
    QWidget FOwner;
};

void TestSupportWindows::helpText_data()
{
    QTest::addColumn<bool>("multiPort");
    QTest::addColumn<bool>("listsCards");

    QTest::newRow("this card") << false << true;
    QTest::newRow("multi-port, listing cards") << true << true;
    QTest::newRow("multi-port, no listing") << true << false;
    QTest::newRow("neither") << false << false;
}

void TestSupportWindows::helpText()
{
    QFETCH(bool, multiPort);
    QFETCH(bool, listsCards);
    QCOMPARE(THelpForm::HelpText(QStringLiteral("KIRVO"), CardName, QStringLiteral(" Series"), multiPort, listsCards),
             ExpectedHelpText(multiPort, listsCards));
}

void TestSupportWindows::scaling_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("client");

    QTest::newRow("640x480 is not shrunk") << QSize(640, 480) << QSize(305, 138);
    QTest::newRow("800x600") << QSize(800, 600) << QSize(305, 138);
    QTest::newRow("1024x768") << QSize(1024, 768) << QSize(390, 177);
    QTest::newRow("1280x1024") << QSize(1280, 1024) << QSize(488, 221);
    QTest::newRow("a half goes to the even neighbour") << QSize(1000, 600) << QSize(381, 172);
    QTest::newRow("height limits") << QSize(1600, 540) << QSize(366, 166);
}

void TestSupportWindows::scaling()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, client);
    QCOMPARE(THelpForm::ScaledClientSize(QSize(305, 138), screen), client);
}

void TestSupportWindows::helpWindowLayout()
{
    THelpForm help(&FOwner, THelpForm::HelpText(QStringLiteral("KIRVO"), CardName, QStringLiteral(" Series"), false, true));
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));

    QCOMPARE(help.objectName(), QStringLiteral("HelpForm"));
    QCOMPARE(help.windowTitle(), QStringLiteral("Instructions for Settings utility"));
    QVERIFY(help.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(help.parentWidget(), &FOwner);

    const QSize client = THelpForm::ScaledClientSize(QSize(305, 138), QGuiApplication::primaryScreen()->size());
    QCOMPARE(help.size(), client);

    QLabel *label = help.HelpLabel();
    QCOMPARE(label->objectName(), QStringLiteral("HelpLabel"));
    QCOMPARE(label->text(), QStringLiteral("How to use this program"));
    QCOMPARE(label->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(label->font().pointSize(), 12);
    QVERIFY(label->font().bold());
    QCOMPARE(label->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(label->width(), client.width());

    QTextEdit *rich = help.HelpRich();
    QCOMPARE(rich->objectName(), QStringLiteral("HelpRich"));
    QVERIFY(rich->isReadOnly());
    QCOMPARE(rich->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(rich->palette().color(QPalette::Base), QColor(0xDD, 0xDD, 0xDD));
    QVERIFY(rich->toPlainText().startsWith(QStringLiteral("KIRVO RX-LINE-77(Q)/55Q Series Settings Program")));
    QCOMPARE(rich->textCursor().position(), 0);
    QCOMPARE(rich->verticalScrollBar()->value(), 0);
    QCOMPARE(rich->geometry(), QRect(0, 24, client.width(), client.height() - 138 + 73));

    QPushButton *start = help.StartButton();
    QCOMPARE(start->objectName(), QStringLiteral("StartButton"));
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QCOMPARE(start->size(), QSize(173, 25));
    QCOMPARE(start->x(), (client.width() - 173) / 2);
    QCOMPARE(start->y(), client.height() - 138 + 105);
    QCOMPARE(help.focusWidget(), start);
    QCOMPARE(TAnchorKeeper::Anchors(rich), TAnchors(akLeft | akTop | akRight | akBottom));
    QCOMPARE(TAnchorKeeper::Anchors(start), TAnchors(akBottom));
}

// At the unscaled size the layout is the laid-out one; a resize stretches the
// text box and keeps the button centred at its distance from the bottom.
void TestSupportWindows::helpWindowFollowsResize()
{
    THelpForm help(&FOwner, QByteArray("{\\rtf1 x}"));
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    help.resize(305, 138);
    QCOMPARE(help.HelpRich()->geometry(), QRect(0, 24, 305, 73));
    QCOMPARE(help.StartButton()->geometry(), QRect(66, 105, 173, 25));

    help.resize(505, 238);
    QCOMPARE(help.HelpRich()->geometry(), QRect(0, 24, 505, 173));
    QCOMPARE(help.StartButton()->geometry(), QRect(166, 205, 173, 25));
    QCOMPARE(help.HelpLabel()->width(), 505);
}

void TestSupportWindows::helpWindowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("focusInText");
    QTest::addColumn<bool>("starts");

    QTest::newRow("Esc on the button") << int(Qt::Key_Escape) << false << true;
    QTest::newRow("Esc in the text") << int(Qt::Key_Escape) << true << true;
    QTest::newRow("Enter on the button") << int(Qt::Key_Return) << false << true;
    QTest::newRow("keypad Enter on the button") << int(Qt::Key_Enter) << false << true;
    QTest::newRow("Enter in the text") << int(Qt::Key_Return) << true << false;
    QTest::newRow("another key") << int(Qt::Key_A) << false << false;
}

void TestSupportWindows::helpWindowKeys()
{
    QFETCH(int, key);
    QFETCH(bool, focusInText);
    QFETCH(bool, starts);

    THelpForm help(&FOwner, QByteArray("{\\rtf1 x}"));
    help.show();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    if (focusInText)
        help.HelpRich()->setFocus();
    QWidget *focus = focusInText ? static_cast<QWidget *>(help.HelpRich()) : help.StartButton();
    QCOMPARE(QApplication::focusWidget(), focus);

    QTest::keyClick(focus, Qt::Key(key));
    QCOMPARE(help.isVisible(), !starts);
}

void TestSupportWindows::helpWindowCentresOverOwner()
{
    QWidget owner;
    owner.setGeometry(100, 100, 600, 400);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    THelpForm help(&owner, QByteArray("{\\rtf1 x}"));
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QCOMPARE(help.frameGeometry().center(), owner.frameGeometry().center());

    help.hide();
    owner.move(150, 130);
    help.show();
    QCOMPARE(help.frameGeometry().center(), owner.frameGeometry().center());

    // Shown again while on screen, it stays where the user put it.
    help.move(10, 10);
    help.show();
    QCOMPARE(help.pos(), QPoint(10, 10));
}

void TestSupportWindows::closingOnlyHides()
{
    QPointer<THelpForm> help = new THelpForm(&FOwner, QByteArray("{\\rtf1 x}"));
    QPointer<TTechForm> tech = new TTechForm(&FOwner, QStringLiteral("text"));
    QPointer<TPCIForm> pci = new TPCIForm(&FOwner, CardName);
    for (QWidget *window : {static_cast<QWidget *>(help.data()), static_cast<QWidget *>(tech.data()),
                            static_cast<QWidget *>(pci.data())}) {
        window->show();
        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(help && tech && pci);
    delete help;
    delete tech;
    delete pci;
}

void TestSupportWindows::techWindow()
{
    const QString text = TTechForm::SupportText(QStringLiteral("KIRVO"), QStringLiteral("at 555-0100"));
    QCOMPARE(text, QStringLiteral(
        "There are several ways to get technical support. First and fastest is to skim the relevant "
        "sections of the manual. However, some questions require personal assistance, and KIRVO stands "
        "ready to provide that help. You can call us at 555-0100 for any of your product questions.\r\n\r\n"
        "In order to provide the best and fastest support possible, we ask that you be at your computer "
        "when you call, and have the KIRVO product manual and Gramble CD at hand."));

    TTechForm tech(&FOwner, text);
    QCOMPARE(tech.objectName(), QStringLiteral("TechForm"));
    QCOMPARE(tech.windowTitle(), QStringLiteral("Technical Support"));
    QVERIFY(tech.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!tech.isVisible());
    tech.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tech));

    QCOMPARE(tech.size(), QSize(305, 122));
    QPlainTextEdit *memo = tech.TechMemo();
    QCOMPARE(memo->objectName(), QStringLiteral("TechMemo"));
    QCOMPARE(memo->geometry(), QRect(0, 0, 305, 89));
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->toPlainText(), QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(memo->document()->blockCount(), 3);

    QPushButton *close = tech.CloseButton();
    QCOMPARE(close->objectName(), QStringLiteral("CloseButton"));
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QCOMPARE(close->geometry(), QRect(116, 97, 73, 25));
    QCOMPARE(TAnchorKeeper::Anchors(memo), TAnchors(akLeft | akTop | akRight | akBottom));
    QCOMPARE(TAnchorKeeper::Anchors(close), TAnchors(akBottom));

    tech.resize(405, 222);
    QCOMPARE(memo->geometry(), QRect(0, 0, 405, 189));
    QCOMPARE(close->geometry(), QRect(166, 197, 73, 25));
}

void TestSupportWindows::pciWindow()
{
    TPCIForm pci(&FOwner, CardName);
    QVERIFY(pci.isVisible());
    QCOMPARE(pci.objectName(), QStringLiteral("PCIForm"));
    QCOMPARE(pci.windowTitle(), QStringLiteral("RX-LINE-77(Q)/55Q Cards installed"));
    QVERIFY(pci.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(pci.size(), QSize(305, 122));

    QPlainTextEdit *memo = pci.PCIMemo();
    QVERIFY(memo->isVisible());
    QCOMPARE(memo->objectName(), QStringLiteral("PCIMemo"));
    QCOMPARE(memo->geometry(), QRect(0, 0, 305, 89));
    QCOMPARE(memo->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(memo->font().pointSize(), 10);
    QVERIFY(memo->font().bold());
    QVERIFY(memo->isReadOnly());

    // Placed from the outer width of a new window (frame included), moved by
    // the fit and not centred again.
    QPushButton *close = pci.CloseButton();
    QVERIFY(close->isVisible());
    const int frame = pci.frameGeometry().width() - pci.width();
    QCOMPARE(close->geometry(), QRect((TSupportForm::NewWindowSize.width() + frame - 73) / 2 - 8, 97, 73, 25));
    QCOMPARE(TAnchorKeeper::Anchors(close), TAnchors(akBottom));
}

void TestSupportWindows::listing_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("descriptions"); // by card index; missing ones are empty
    QTest::addColumn<QString>("memo");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("asked");

    const QString a = QStringLiteral("RX-LINE-77     Digital I/O Card\r\nBase Address: 0300");
    const QString b = QStringLiteral("RX-LINE-55Q    Digital I/O Card\r\nBase Address: 1F0E0");
    const QString shownA = QStringLiteral("RX-LINE-77     Digital I/O Card\nBase Address: 0300");
    const QString shownB = QStringLiteral("RX-LINE-55Q    Digital I/O Card\nBase Address: 1F0E0");

    QTest::newRow("two cards") << 2 << QStringList{a, b} << shownA + "\n" + shownB << true << 2;
    QTest::newRow("middle card unknown") << 3 << QStringList{a, QString(), b} << shownA + "\n" + shownB << true << 3;
    QTest::newRow("every card unknown") << 2 << QStringList{} << QStringLiteral("No Card Found") << false << 2;
    QTest::newRow("no card") << 0 << QStringList{a} << QStringLiteral("No Card Found") << false << 0;
    QTest::newRow("negative count") << -5 << QStringList{a} << QStringLiteral("No Card Found") << false << 0;
    QTest::newRow("huge count asks only what a PCI system can hold")
        << int(std::numeric_limits<std::int32_t>::max()) << QStringList{a} << shownA << true << int(TPCIForm::MaxCards);
}

void TestSupportWindows::listing()
{
    QFETCH(int, count);
    QFETCH(QStringList, descriptions);
    QFETCH(QString, memo);
    QFETCH(bool, found);
    QFETCH(int, asked);

    TPCIForm pci(&FOwner, CardName);
    QList<std::int32_t> indices;
    const bool listed = pci.FillListing(count, [&](std::int32_t index) {
        indices.append(index);
        return descriptions.value(index);
    });
    QCOMPARE(listed, found);
    QCOMPARE(pci.PCIMemo()->toPlainText(), memo);
    QCOMPARE(indices.size(), asked);
    for (int i = 0; i < indices.size(); ++i)
        QCOMPARE(indices[i], i);
}

QTEST_MAIN(TestSupportWindows)
#include "tst_supportwindows.moc"
