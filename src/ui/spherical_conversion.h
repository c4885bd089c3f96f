#pragma once

#include <QString>
#include <QStringView>

// The arithmetic of the spherical/cartesian converter: a vector given by its radius, azimuth and
// elevation turned into its X, Y and Z components, each as the text the window shows.

// An angle field as whole degrees: the leading number of the text, rounded to a whole number
// with halves going to the even neighbour (45.5 gives 46, 44.5 gives 44), then reduced modulo
// 360 keeping its sign (390 gives 30, -390 gives -30). Any magnitude is reduced, 1e12 included.
double wholeDegrees(QStringView text);

struct CartesianText
{
    QString x;
    QString y;
    QString z;
};

// X = r cos(el) cos(az), Y = r cos(el) sin(az), Z = r sin(el), with r the leading number of the
// radius text (not rounded). Each result is written with at most 15 significant digits, in
// exponent form for very large and very small magnitudes; a result that reads back as 0 is "0".
CartesianText sphericalToCartesian(QStringView radius, QStringView azimuth, QStringView elevation);
