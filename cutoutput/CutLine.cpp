#include "CutLine.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace {

// Values whose millionths stay below 2^43 (about 8.8 million, far beyond any page) take the fast way.
constexpr double kFastLimit = 8796093022208.0;

// "00" to "99": two digits written at a time halve the dependent divisions of a number.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void PutPair(char* text, uint32_t pair) noexcept { std::memcpy(text, kDigitPairs + 2 * pair, 2); }

// The digits of whole (below 10^8), without leading zeros ("0" for 0), written from the last; the end.
char* PutWhole(uint32_t whole, char* text) noexcept
{
    int count = 1;
    for (uint32_t bound = 10; count < 8 && whole >= bound; bound *= 10) ++count;
    char* const end = text + count;
    char* at = end;
    while (whole >= 100) {
        at -= 2;
        PutPair(at, whole % 100);
        whole /= 100;
    }
    if (whole >= 10)
        PutPair(at - 2, whole);
    else
        at[-1] = static_cast<char>('0' + whole);
    return end;
}

// The six digits of millionths (below one million), leading zeros included.
void PutSixDigits(uint32_t millionths, char* text) noexcept
{
    PutPair(text, millionths / 10000);
    PutPair(text + 2, millionths / 100 % 100);
    PutPair(text + 4, millionths % 100);
}

// The value in millionths, rounded as printf rounds, when that can be told from the product in doubles: its
// error is under 2^-10, so unless the product lies that close to a half the rounded product is the rounded
// exact value. Writes the sign and digits to text and returns the end; null for the slow way.
char* FormatSixDecimalsFast(double value, char* text) noexcept
{
    const double millionths = std::fabs(value) * 1e6;
    if (!(millionths < kFastLimit)) return nullptr;
    // Not negative and below 2^43: the conversion truncates to the floor, and the whole part and the fraction
    // are exact.
    const auto whole = static_cast<uint64_t>(millionths);
    const double fraction = millionths - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) < 1.0 / 256) return nullptr;
    const uint64_t rounded = whole + (fraction > 0.5 ? 1 : 0);
    // printf keeps the sign of a negative value that rounds to zero, and of -0.
    if (std::signbit(value)) *text++ = '-';
    // Below 2^43 millionths the whole part has at most seven digits.
    text = PutWhole(static_cast<uint32_t>(rounded / 1000000), text);
    *text++ = '.';
    PutSixDigits(static_cast<uint32_t>(rounded % 1000000), text);
    return text + 6;
}

// "%lf" of a finite value into text, which has room for kMaxRealTextLength bytes; the end, or null.
char* FormatSixDecimals(double value, char* text) noexcept
{
    if (char* end = FormatSixDecimalsFast(value, text)) return end;
    // to_chars with a precision writes exactly what printf("%.6f") writes in the C locale, without consulting
    // the process's locale.
    const auto result = std::to_chars(text, text + kMaxRealTextLength, value, std::chars_format::fixed, 6);
    return result.ec == std::errc() ? result.ptr : nullptr;
}

}  // namespace

std::size_t FormatCutReal(double value, char* text) noexcept
{
    if (!std::isfinite(value)) return 0;
    char* end = FormatSixDecimals(value, text);
    if (!end) return 0;
    *end = '\0';
    return static_cast<std::size_t>(end - text);
}

void CutLine::Append(const char* text, std::size_t length) noexcept
{
    const std::size_t separator = fLength > 0 ? 1 : 0;
    // CR LF and the terminator must still fit.
    if (fFailed || fLength + separator + length + 3 > kCapacity) {
        fFailed = true;
        return;
    }
    if (separator) fText[fLength++] = ' ';
    std::memcpy(fText + fLength, text, length);
    fLength += length;
}

CutLine& CutLine::Word(const char* text) noexcept
{
    Append(text, std::strlen(text));
    return *this;
}

CutLine& CutLine::Real(double value) noexcept
{
    // Formatted in place: the line has room for every item's longest text.
    const std::size_t separator = fLength > 0 ? 1 : 0;
    if (fFailed || !std::isfinite(value) || fLength + separator + kMaxRealTextLength + 3 > kCapacity) {
        fFailed = true;
        return *this;
    }
    char* start = fText + fLength + separator;
    char* end = FormatSixDecimals(value, start);
    if (!end) {
        fFailed = true;
        return *this;
    }
    if (separator) fText[fLength] = ' ';
    fLength = static_cast<std::size_t>(end - fText);
    return *this;
}

CutLine& CutLine::Integer(int32_t value) noexcept
{
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    Append(text, static_cast<std::size_t>(result.ptr - text));
    return *this;
}

const char* CutLine::Finish() noexcept
{
    if (fFailed) return nullptr;
    fText[fLength] = '\r';
    fText[fLength + 1] = '\n';
    fText[fLength + 2] = '\0';
    return fText;
}
