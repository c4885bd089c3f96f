#pragma once

#include <QPixmap>

// The picture the main window shows in place of the tab panel until a scenario is opened:
// 545 x 389 pixels, drawn here (a ringed planet, a moon and a station on its orbit).
QPixmap startPicture();
