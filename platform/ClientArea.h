#pragma once
// The part of a window that holds its controls: the central widget of a main
// window, the window itself otherwise.

class QWidget;

QWidget *ClientArea(QWidget *Window);
