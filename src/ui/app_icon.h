#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The editor's icon, drawn here rather than shipped as an image file: a ringed planet on a dark
// sky with a small craft on its orbit.

// The icon on a square of `size` pixels, transparent around its rounded corners. It needs no
// application object, so the build renders the icon theme's pictures with it.
QImage applicationImage(int size);

// The 32 x 32 picture of the about box.
QPixmap applicationPixmap();

// The window icon, with pictures from 16 to 128 pixels.
QIcon applicationIcon();
