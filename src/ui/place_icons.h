#pragma once

#include <QIcon>
#include <QPixmap>

// The seven 16 x 16 pictures of the dock and landing trees, one per node kind (the PlaceImage
// values 1 to 7: planet, moon, station, base, landing pad, dock, occupant). They are drawn
// here rather than loaded, so the editor needs no image files. An unknown kind gives a null
// pixmap.
QPixmap placePixmap(int image);
QIcon placeIcon(int image);
