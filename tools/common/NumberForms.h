// Number forms of the files the stand-ins read: reals as "%lf" writes them and integers as "%d" writes them.
#ifndef TOOLS_COMMON_NUMBERFORMS_H
#define TOOLS_COMMON_NUMBERFORMS_H

#include <string_view>

namespace talvex {

enum class NumberForm { kGood, kBadForm, kOutOfRange };

// An optional "-", digits without a leading zero (a lone "0" is fine), ".", exactly six digits. Values of a
// billion points or more are out of range: no cut fits them, and the preview's sums stay finite below them.
NumberForm ParseFixedReal(std::string_view text, double& value);
// An optional "-", digits without a leading zero ("-0" is not written), within 32 bits.
NumberForm ParseDecimalInteger(std::string_view text, int& value);

}  // namespace talvex

#endif
