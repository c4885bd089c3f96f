#pragma once

#include <QDialog>

// The about box: icon, product name and version. It is shown modally while the main window is
// disabled, and gives the main window back whichever way it is closed (OK, Escape, close box).
class About : public QDialog
{
    Q_OBJECT
public:
    explicit About(QWidget* parent);

    void done(int result) override;
};
