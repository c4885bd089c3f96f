#pragma once

#include <QString>

// A ship's block line is 'name:class', split at its first ":": a name holding one would come
// back as another name with another class ('Red:Star' of class Skipper reads as ship 'Red' of
// class 'Star:Skipper'). The message refusing such a name, empty for a name that is fine.
QString shipNameFailure(const QString& name);
