#include "host/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

namespace host {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest run of digits at text[from...].
std::size_t Digits(std::string_view text, std::size_t from)
{
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end])) ++end;
    return end - from;
}

}  // namespace

bool ParseDecimalInteger(std::string_view text, int32_t& value)
{
    std::size_t start = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) start = 1;
    if (Digits(text, start) == 0 || start + Digits(text, start) != text.size()) return false;
    // from_chars takes no "+"; a leading "-" it reads itself.
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    int32_t parsed = 0;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

bool ParseDecimalReal(std::string_view text, double& value)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t whole = Digits(text, i);
    i += whole;
    std::size_t fraction = 0;
    if (i < text.size() && text[i] == '.') {
        fraction = Digits(text, i + 1);
        i += 1 + fraction;
    }
    if (whole + fraction == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exponent = Digits(text, j);
        if (exponent == 0) return false;
        i = j + exponent;
    }
    if (i != text.size()) return false;
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    double parsed = 0;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool FormatFixed(double value, int32_t precision, std::string& text)
{
    if (!std::isfinite(value) || precision < 0 || precision > 10) return false;
    char buffer[400];  // the largest double in fixed notation has 309 digits
    // The bytes of "%.*f" in the C locale, without its cost: plotter output writes millions of numbers.
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, static_cast<int>(precision));
    if (written.ec != std::errc()) return false;
    text.assign(buffer, written.ptr);
    // No "-0": a negative value that rounds to zero is written as zero.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return true;
}

}  // namespace host
