#pragma once

#include <array>
#include <cmath>

// Three-component vectors of the orbit computations.
using Vector3 = std::array<double, 3>;

inline Vector3 cross(const Vector3& a, const Vector3& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

inline double dot(const Vector3& a, const Vector3& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

inline double norm(const Vector3& a)
{
    return std::hypot(a[0], a[1], a[2]);
}

inline Vector3 scaled(const Vector3& a, double factor)
{
    return {a[0] * factor, a[1] * factor, a[2] * factor};
}

inline Vector3 sum(const Vector3& a, const Vector3& b)
{
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

inline Vector3 difference(const Vector3& a, const Vector3& b)
{
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
