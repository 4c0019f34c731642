#pragma once
// What the support component's windows have in common: a window owned by the
// main window and staying above it, hidden rather than destroyed when closed,
// with a default button for Enter and a cancel button for Esc, and a client
// area that can be fitted to its controls.

#include <QSize>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

class TSupportForm : public QWidget
{
    Q_OBJECT
public:
    // Starts at the size of a new window.
    TSupportForm(QWidget *Owner, const QString &Name, const QString &Caption);

    static constexpr QSize NewWindowSize{320, 240};

protected:
    void SetDefaultButton(QPushButton *Button) { FDefaultButton = Button; }
    void SetCancelButton(QPushButton *Button) { FCancelButton = Button; }
    // Resizes the client area; anchored controls follow at once, even while
    // the window is hidden.
    void SetClientSize(const QSize &Size);
    // Shrinks or grows the client area to the bounding box of the visible
    // controls, moving them so that the box starts at the client origin.
    void FitClientToControls();
    void CentreHorizontally(QWidget *Control) const;

    // The read-only, wrapping memo of the technical-support and installed-cards
    // windows, at its laid-out place.
    QPlainTextEdit *AddMemo(const QString &Name);
    // The Close button at Left, top 105; the cancel button, first in the tab
    // order, ahead of Next.
    QPushButton *AddCloseButton(int Left, QWidget *Next);
    // Memo lines are separated by CR LF in the texts, by a line feed in the memo.
    static QString MemoText(QString Text);

    void keyPressEvent(QKeyEvent *Event) override;

private:
    QPushButton *FDefaultButton = nullptr;
    QPushButton *FCancelButton = nullptr;
};
