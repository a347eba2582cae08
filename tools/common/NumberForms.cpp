#include "NumberForms.h"

#include <charconv>
#include <system_error>

namespace talvex {
namespace {

constexpr std::size_t kMaxIntegerDigits = 9;
constexpr std::size_t kDecimals = 6;

bool AllDigits(std::string_view text)
{
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

bool NoLeadingZero(std::string_view digits) { return digits.size() == 1 || digits[0] != '0'; }

}  // namespace

NumberForm ParseFixedReal(std::string_view text, double& value)
{
    const std::string_view unsignedPart = !text.empty() && text[0] == '-' ? text.substr(1) : text;
    const std::size_t point = unsignedPart.find('.');
    if (point == std::string_view::npos) {
        return NumberForm::kBadForm;
    }
    const std::string_view whole = unsignedPart.substr(0, point);
    const std::string_view decimals = unsignedPart.substr(point + 1);
    if (!AllDigits(whole) || !NoLeadingZero(whole) || decimals.size() != kDecimals || !AllDigits(decimals)) {
        return NumberForm::kBadForm;
    }
    if (whole.size() > kMaxIntegerDigits) {
        return NumberForm::kOutOfRange;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? NumberForm::kGood : NumberForm::kBadForm;
}

NumberForm ParseDecimalInteger(std::string_view text, int& value)
{
    const bool negative = !text.empty() && text[0] == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (!AllDigits(digits) || !NoLeadingZero(digits) || (negative && digits == "0")) {
        return NumberForm::kBadForm;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        return NumberForm::kOutOfRange;
    }
    return error == std::errc() && end == text.data() + text.size() ? NumberForm::kGood : NumberForm::kBadForm;
}

}  // namespace talvex
