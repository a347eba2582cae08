// The number texts of the host's default number format: plain decimal notation with "." as the point.
#ifndef HOST_NUMBERTEXT_H
#define HOST_NUMBERTEXT_H

#include <cstdint>
#include <string>
#include <string_view>

namespace host {

// The whole text is an optional sign and digits, within 32 bits. value is left unchanged otherwise.
bool ParseDecimalInteger(std::string_view text, int32_t& value);
// The whole text is an optional sign, digits with an optional "." part (at least one digit in all) and an
// optional exponent; "nan", "inf" and values beyond a double are refused. value is left unchanged otherwise.
bool ParseDecimalReal(std::string_view text, double& value);
// value with precision digits after the point (0 to 10; 0 gives a plain integer); false for a value that is not
// finite or a precision out of range.
bool FormatFixed(double value, int32_t precision, std::string& text);

}  // namespace host

#endif
