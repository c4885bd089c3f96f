#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// The spherical/cartesian converter: radius, azimuth and elevation typed in, X, Y and Z shown
// at every keystroke so that the ship editor's vectors can be filled by hand. It reads and
// writes nothing of the scenario; closing it discards it, the next one starts afresh.
class CoordinateConverter : public QDialog
{
    Q_OBJECT
public:
    explicit CoordinateConverter(QWidget* parent);

private:
    void Convertion();

    QLineEdit* radius_;
    QLineEdit* azimuth_;
    QLineEdit* elevation_;
    QLabel* x_;
    QLabel* y_;
    QLabel* z_;
};
