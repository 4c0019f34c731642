#include "HelpForm.h"

#include "AnchorKeeper.h"
#include "BoardImage.h"
#include "ClientArea.h"
#include "RtfReader.h"
#include "Rounding.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <algorithm>

namespace {

const QByteArray CrLf("\r\n");

// Text inserted into the RTF is escaped, so that a name holding \ { or } can
// neither end a group early nor start a control word; characters beyond ASCII
// go as \uN with a '?' for readers without Unicode.
QByteArray RtfText(const QString &text)
{
    QByteArray rtf;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            rtf += '\\';
            rtf += char(unit);
        } else if (unit < 0x80) {
            rtf += char(unit);
        } else {
            const int signedUnit = unit < 0x8000 ? int(unit) : int(unit) - 0x10000;
            rtf += "\\u" + QByteArray::number(signedUnit) + '?';
        }
    }
    return rtf;
}

} // namespace

THelpForm::THelpForm(QWidget *owner, const QByteArray &helpText)
    : TSupportForm(owner, QStringLiteral("HelpForm"), QStringLiteral("Instructions for Settings utility"))
{
    BuildLabel();
    BuildRich(helpText);
    BuildStartButton();
    FitAndScale();
}

void THelpForm::BuildLabel()
{
    FHelpLabel = new QLabel(this);
    FHelpLabel->setObjectName(QStringLiteral("HelpLabel"));
    FHelpLabel->setTextFormat(Qt::PlainText);
    FHelpLabel->setText(QStringLiteral("How to use this program"));
    FHelpLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font(QStringLiteral("Verdana"), 12);
    font.setBold(true);
    FHelpLabel->setFont(font);
    // Aligned to the top edge over the full width, and kept so on a resize.
    FHelpLabel->setGeometry(0, 0, width(), FHelpLabel->sizeHint().height());
    TAnchorKeeper::SetAnchors(FHelpLabel, akLeft | akTop | akRight);
}

void THelpForm::BuildRich(const QByteArray &helpText)
{
    FHelpRich = new QTextEdit(this);
    FHelpRich->setObjectName(QStringLiteral("HelpRich"));
    FHelpRich->setGeometry(0, 24, 305, 73);
    FHelpRich->setReadOnly(true);
    FHelpRich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = FHelpRich->palette();
    palette.setColor(QPalette::Base, QColor(0xDD, 0xDD, 0xDD));
    FHelpRich->setPalette(palette);
    TRtfReader::Load(helpText, FHelpRich->document());
    FHelpRich->moveCursor(QTextCursor::Start); // the reader leaves it, and the view, at the end
}

void THelpForm::BuildStartButton()
{
    FStartButton = new QPushButton(QStringLiteral("Start"), this);
    FStartButton->setObjectName(QStringLiteral("StartButton"));
    FStartButton->setGeometry(0, 105, 173, 25);
    SetDefaultButton(FStartButton);
    SetCancelButton(FStartButton);
    setTabOrder(FStartButton, FHelpRich);
    connect(FStartButton, &QPushButton::clicked, this, [this] { StartButtonClick(FStartButton); });
}

void THelpForm::FitAndScale()
{
    SetClientSize(QSize(FHelpRich->width(), height()));
    FitClientToControls();
    SetClientSize(QSize(width(), height() + 8));
    TAnchorKeeper::SetAnchors(FHelpRich, akLeft | akTop | akRight | akBottom);
    CentreHorizontally(FStartButton);
    TAnchorKeeper::SetAnchors(FStartButton, akBottom);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        SetClientSize(ScaledClientSize(size(), screen->size()));
}

QSize THelpForm::ScaledClientSize(const QSize &client, const QSize &screen)
{
    const double f = std::max(1.0, std::min(screen.height() / 450.0, screen.width() / 800.0));
    return QSize(Round(client.width() * f), Round(client.height() * f));
}

void THelpForm::StartButtonClick(QObject *)
{
    hide();
    QWidget *owner = parentWidget();
    if (!owner)
        return;
    for (QObject *child : ClientArea(owner->window())->children()) {
        if (auto *board = qobject_cast<TBoardImage *>(child)) {
            QEvent start(TBoardImage::StartGuideEvent);
            QCoreApplication::sendEvent(board, &start);
            return;
        }
    }
}

void THelpForm::setVisible(bool visible)
{
    if (visible && !isVisible())
        CentreOverOwner();
    TSupportForm::setVisible(visible);
}

void THelpForm::CentreOverOwner()
{
    const QWidget *owner = parentWidget();
    if (!owner)
        return;
    // The frame is known only once the window exists.
    if (!testAttribute(Qt::WA_WState_Created))
        create();
    QRect frame = frameGeometry();
    frame.moveCenter(owner->window()->frameGeometry().center());
    move(frame.topLeft());
}

void THelpForm::showEvent(QShowEvent *event)
{
    TSupportForm::showEvent(event);
    FStartButton->setFocus();
}

QByteArray THelpForm::HelpText(const QString &companyName, const QString &cardName,
                               const QString &seriesWord, bool multiPort, bool listsCards)
{
    QByteArray rtf;
    rtf += R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}})"
           R"({\colortbl\red64\green64\blue64;\red255\green255\blue64;\red64\green64\blue255;\red255\green64\blue64;})"
           R"(\viewkind4\uc1\pard\f0\fs32\cf0)" + CrLf + R"({\b )";
    rtf += RtfText(companyName + QLatin1Char(' ') + cardName + seriesWord);
    rtf += R"( Settings Program}\par\par\fs24)" + CrLf;
    rtf += "This program will help you configure the option jumpers and settings associated with "
           "this product. You should have the product in-hand when first using this program."
           R"(\par\par)" + CrLf;
    rtf += R"({\cf1\fs24\b Yellow circles} provide information on configuring jumpers and switches.\par\par)" + CrLf;
    rtf += R"({\cf2\fs24\b Blue circles} are informational only. They provide information on standard )"
           R"(and optional features of the product family.\par\par)" + CrLf;
    rtf += R"({\cf3\fs24\b Red circles} handle calibration and types of configuration that require )"
           "actually controlling the hardware device. Run this settings program again once the card "
           "is installed. ";
    rtf += R"(Repeat the {\cf1 setup circles} (using the same settings) to configure this program, )"
           R"(then perform the {\cf3 calibration circles}.\par\par)" + CrLf;
    rtf += R"(Mouse over the highlight circles to see configuration or information popups for )"
           R"({\cf1 setup}, {\cf2 features}, and {\cf3 calibration}. Click a highlight circle to make )"
           "its popup remain on-screen. ";
    rtf += R"(You can have all or as many of these popups onscreen at the same time as you desire.\par\par)" + CrLf;
    if (multiPort)
        rtf += R"({\fs32\b Note:} Make sure to set the jumpers for each option group \emdash  the )"
               "configuration options for each port are handled identically; "
               "this program only shows the setup once, but you need to perform this setup for "
               R"(each group of options on your device.\par\par)" + CrLf;
    if (listsCards)
        rtf += "To see a list of " + RtfText(cardName) + " cards installed, click \"Display "
             + RtfText(cardName) + " Cards Installed\" under the File menu." + R"(\par\par)" + CrLf;
    rtf += "}";
    return rtf;
}
