// pd::NumberFormat: the number format handed to the String Format Utils suite. Default-constructed it is the
// host's default format (a null handle).
#ifndef PENDRAKE_IPDNUMBERFORMAT_H
#define PENDRAKE_IPDNUMBERFORMAT_H

#include "IPDUnicodeString.h"

namespace pd {

class NumberFormat {
public:
    NumberFormat() = default;
    explicit NumberFormat(PDNumberFormatRef format) : fRef(format) {}

    // Each returns the suite's result; value is left unchanged when the text is not a number.
    ZBErr ToInteger(const UnicodeString& text, int32_t& value) const;
    ZBErr ToReal(const UnicodeString& text, double& value) const;

    PDNumberFormatRef Get() const noexcept { return fRef; }

private:
    PDNumberFormatRef fRef = nullptr;
};

}  // namespace pd

#endif
