#ifndef BOARDFIXTURE_H
#define BOARDFIXTURE_H

#include "BitmapGraphic.h"
#include "BoardHighlight.h"
#include "BoardImage.h"
#include "PopupForm.h"
#include "RadioPanel.h"

#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

// A main window shaped like the card's: a menu bar, and in the central
// widget a board image with a photograph that stays where it was laid out.
class BoardFixture
{
public:
    // Where the pointer rests when a test does not put it anywhere: off every window.
    static constexpr QPoint Away{790, 590};

    explicit BoardFixture(const QStringList &menuCaptions = {QStringLiteral("&File"),
                                                             QStringLiteral("&Help")})
    {
        QCursor::setPos(Away);
        Window.setCentralWidget(new QWidget);
        Menu = new QMenuBar(&Window);
        Window.setMenuBar(Menu);
        for (const QString &caption : menuCaptions) {
            auto *item = new QMenu(caption, &Window);
            item->setObjectName(QString(caption).remove(QLatin1Char('&')) + QLatin1Char('1'));
            Menu->addMenu(item);
        }
        Board = new TBoardImage(Window.centralWidget());
        Board->SetCenterOnForm(false);
        Board->move(100, 50);
        QImage photo(300, 200, QImage::Format_RGB32);
        photo.fill(qRgb(40, 90, 30));
        Board->Picture()->SetGraphic(std::make_unique<TBitmapGraphic>(photo));
        Board->SetMenu(Menu);
        // Right of where the popups open, so that a pointer position names
        // one window only.
        Window.move(400, 0);
        Window.resize(640, 480);
    }

    TBoardHighlight *AddHighlight(const QString &title, THighlightType kind = htSettings,
                                  const QPoint &at = QPoint(10, 10))
    {
        auto *highlight = new TBoardHighlight(Board);
        highlight->SetHighlightType(kind);
        highlight->SetTitle(title);
        highlight->move(at);
        return highlight;
    }

    TRadioPanel *AddPanel(const QRect &bounds, const QStringList &lines = {})
    {
        auto *panel = new TRadioPanel(Window.centralWidget());
        panel->setGeometry(bounds);
        panel->SetLines(lines);
        return panel;
    }

    // Shown and painted once, so the board image has recorded its origin and
    // the highlights have made their images and menu entries.
    bool Show()
    {
        Window.show();
        return QTest::qWaitForWindowExposed(&Window)
            && QTest::qWaitFor([this] { return Board->Painted(); });
    }

    QMenu *Category(const QString &caption) const
    {
        const QList<QAction *> items = Menu->actions();
        for (QAction *item : items)
            if (item->text() == caption)
                return item->menu();
        return nullptr;
    }

    QStringList TopLevelCaptions() const
    {
        QStringList captions;
        const QList<QAction *> items = Menu->actions();
        for (QAction *item : items)
            captions << item->text();
        return captions;
    }

    QMainWindow Window;
    QMenuBar *Menu;
    TBoardImage *Board;
};

// The first run-time paint of a highlight, at once.
inline void FirstPaint(TBoardHighlight *highlight)
{
    highlight->grab();
}

// QWindow::isActive() also holds for a tool window whose owner is active, so
// the application's own record is asked.
inline bool WaitActive(QWidget *window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

inline bool IsOpen(const TBoardHighlight *highlight)
{
    return highlight->Popup() && highlight->Popup()->isVisible();
}

#endif
