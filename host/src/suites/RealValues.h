// Reals between the host's double-precision document and the records of either precision.
#ifndef HOST_SUITES_REALVALUES_H
#define HOST_SUITES_REALVALUES_H

#include <cmath>
#include <limits>

namespace host {

// A model value in the record's precision. Finite doubles beyond a float's range become the largest float of
// their sign, so that the conversion is always defined.
template <typename Real>
Real ToReal(double value)
{
    constexpr double kMax = static_cast<double>(std::numeric_limits<Real>::max());
    if (std::isnan(value)) return std::numeric_limits<Real>::quiet_NaN();
    constexpr Real kInfinity = std::numeric_limits<Real>::infinity();
    if (std::isinf(value)) return value > 0 ? kInfinity : -kInfinity;
    if (value > kMax) return std::numeric_limits<Real>::max();
    if (value < -kMax) return std::numeric_limits<Real>::lowest();
    return static_cast<Real>(value);
}

// Whether a finite double lies within the range of Real.
template <typename Real>
bool FitsReal(double value)
{
    return std::isfinite(value) && std::fabs(value) <= static_cast<double>(std::numeric_limits<Real>::max());
}

// Whether every value is a finite number, as the setters require.
template <typename... Reals>
bool AllFinite(Reals... values)
{
    return (std::isfinite(static_cast<double>(values)) && ...);
}

}  // namespace host

#endif
