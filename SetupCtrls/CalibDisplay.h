#pragma once
// Where a calibration run shows itself.  Each field is the address of a
// variable that holds the control, read each time the control is used, so a
// program may replace or clear a control while a run is registered.  A null
// address or a null control is passed over.

class QComboBox;
class QPushButton;
class QWidget;

struct TCalibDisplay {
    QComboBox **ChannelBox = nullptr; // item N shows channel N
    QPushButton **RunButton = nullptr; // starts and stops a run
    QWidget **HideControl = nullptr; // hidden at the start of every pass
    void **Reserved = nullptr; // kept for the program's own use, never read
};
