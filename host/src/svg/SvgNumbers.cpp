#include "svg/SvgNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace host::svg {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

bool NumberScanner::AtNumber() const
{
    const char c = Peek();
    return IsDigit(c) || c == '+' || c == '-' || c == '.';
}

std::string NumberScanner::Token() const
{
    std::size_t end = fPosition;
    while (end < fText.size() && end - fPosition < 24 && !IsSpace(fText[end]) && fText[end] != ',') ++end;
    if (end == fPosition && end < fText.size()) ++end;  // a lone separator is the token itself
    return std::string(fText.substr(fPosition, end - fPosition));
}

double NumberScanner::Number()
{
    const std::size_t start = fPosition;
    std::size_t i = fPosition;
    const bool negative = i < fText.size() && fText[i] == '-';
    if (i < fText.size() && (fText[i] == '+' || fText[i] == '-')) ++i;
    // The digits as an integer, while it stays exact, and the number of them after the point.
    uint64_t mantissa = 0;
    std::size_t digits = 0, decimals = 0;
    while (i < fText.size() && IsDigit(fText[i])) {
        mantissa = mantissa * 10 + static_cast<uint64_t>(fText[i] - '0');
        ++i, ++digits;
    }
    if (i < fText.size() && fText[i] == '.') {
        ++i;
        while (i < fText.size() && IsDigit(fText[i])) {
            mantissa = mantissa * 10 + static_cast<uint64_t>(fText[i] - '0');
            ++i, ++digits, ++decimals;
        }
    }
    if (digits == 0) {
        if (start >= fText.size()) throw SvgValueError("expected a number, found the end");
        throw SvgValueError("expected a number, found " + Quoted(Token()));
    }
    // An exponent only when digits follow it, so that "1em" is a number and a unit.
    bool exponent = false;
    if (i < fText.size() && (fText[i] == 'e' || fText[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < fText.size() && (fText[j] == '+' || fText[j] == '-')) ++j;
        if (j < fText.size() && IsDigit(fText[j])) {
            while (j < fText.size() && IsDigit(fText[j])) ++j;
            i = j;
            exponent = true;
        }
    }
    // Most numbers have few digits and no exponent: an integer below 2^53 divided by an exact power of ten is
    // one correctly rounded division, the same double that the full conversion gives.
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!exponent && digits <= 15 && decimals <= 22) {
        fPosition = i;
        const double value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
        return negative ? -value : value;
    }
    const std::string_view lexeme = fText.substr(start, i - start);
    // from_chars takes no "+".
    const std::string_view digitsPart = lexeme.front() == '+' ? lexeme.substr(1) : lexeme;
    double value = 0;
    const auto [end, error] = std::from_chars(digitsPart.data(), digitsPart.data() + digitsPart.size(), value);
    if (error != std::errc() || end != digitsPart.data() + digitsPart.size() || !std::isfinite(value))
        throw SvgValueError("number out of range: " + Quoted(lexeme));
    fPosition = i;
    return value;
}

bool NumberScanner::Flag()
{
    const char c = Peek();
    if (c != '0' && c != '1') {
        if (fPosition >= fText.size()) throw SvgValueError("expected an arc flag, found the end");
        throw SvgValueError("expected an arc flag (0 or 1), found " + Quoted(Token()));
    }
    ++fPosition;
    return c == '1';
}

double ParseNumber(std::string_view text)
{
    NumberScanner scanner(text);
    scanner.SkipSpace();
    const double value = scanner.Number();
    if (!scanner.AtEnd()) throw SvgValueError("expected one number, found " + Quoted(Trim(text)));
    return value;
}

std::vector<double> ParseNumberList(std::string_view text)
{
    std::vector<double> values;
    NumberScanner scanner(text);
    scanner.SkipSpace();
    while (!scanner.AtEnd()) {
        values.push_back(scanner.Number());
        scanner.SkipSeparator();
    }
    return values;
}

std::string FormatNumber(double value)
{
    if (!std::isfinite(value)) throw SvgValueError("a number that is not finite cannot be written");
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc()) throw SvgValueError("a number could not be written");
    return std::string(buffer, end);
}

}  // namespace host::svg
