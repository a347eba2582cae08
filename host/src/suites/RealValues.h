// Reals between the host's double-precision document and the records of either precision.
#ifndef HOST_SUITES_REALVALUES_H
#define HOST_SUITES_REALVALUES_H

#include <cmath>
#include <limits>
#include <type_traits>

namespace host {

// A model value in the record's precision. Finite doubles beyond a float's range become the largest float of
// their sign, so that the conversion is always defined.
template <typename Real>
Real ToReal(double value)
{
    if (std::isnan(value)) return std::numeric_limits<Real>::quiet_NaN();
    if constexpr (std::is_same_v<Real, double>) {
        return value;  // a double record holds every other double as it is
    } else {
        constexpr double kMax = static_cast<double>(std::numeric_limits<Real>::max());
        constexpr Real kInfinity = std::numeric_limits<Real>::infinity();
        if (std::isinf(value)) return value > 0 ? kInfinity : -kInfinity;
        if (value > kMax) return std::numeric_limits<Real>::max();
        if (value < -kMax) return std::numeric_limits<Real>::lowest();
        return static_cast<Real>(value);
    }
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
