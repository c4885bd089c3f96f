#pragma once

#include <QIcon>
#include <QPixmap>

// The editor's icon, drawn here rather than shipped as an image file: a ringed planet on a dark
// sky with a small craft on its orbit.

// The 32 x 32 picture of the about box.
QPixmap applicationPixmap();

// The window icon, with pictures from 16 to 128 pixels.
QIcon applicationIcon();
