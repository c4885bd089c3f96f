#pragma once

#include "editing/system_map.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class SystemMapView;

// The system map (Tools menu, modeless): one body at a time, chosen from those of the scenario
// that have stations or orbiting ships, drawn by SystemMapView. It shows the stored stations and
// ships; "Refresh" reads them again after edits. Clicking an object asks the window to show it in
// its tab.
class SystemMapWindow : public QDialog
{
    Q_OBJECT
public:
    SystemMapWindow(const Workspace& ws, QWidget* parent);

    void refresh();

signals:
    void objectClicked(bool station, int row);

private:
    void showBody(int index);

    const Workspace& ws_;
    QVector<MapBody> bodies_;
    QComboBox* body_ = nullptr;
    QCheckBox* edgeOn_ = nullptr;
    SystemMapView* view_ = nullptr;
};
