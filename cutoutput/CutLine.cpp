#include "CutLine.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace {

// Values whose millionths stay below 2^43 (about 8.8 million, far beyond any page) take the fast way.
constexpr double kFastLimit = 8796093022208.0;

// The value in millionths, rounded as printf rounds, when that can be told from the product in doubles: its
// error is under 2^-10, so unless the product lies that close to a half the rounded product is the rounded
// exact value. Writes the sign and digits to text and returns the end; null for the slow way.
char* FormatSixDecimalsFast(double value, char* text) noexcept
{
    const double millionths = std::fabs(value) * 1e6;
    if (!(millionths < kFastLimit)) return nullptr;
    const double whole = std::floor(millionths);
    const double fraction = millionths - whole;
    if (std::fabs(fraction - 0.5) < 1.0 / 256) return nullptr;
    auto rounded = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    // printf keeps the sign of a negative value that rounds to zero, and of -0.
    if (std::signbit(value)) *text++ = '-';
    char digits[20];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + rounded % 10);
        rounded /= 10;
    } while (rounded > 0 || count < 7);  // at least "0" before the point
    for (int i = count - 1; i >= 6; --i) *text++ = digits[i];
    *text++ = '.';
    for (int i = 5; i >= 0; --i) *text++ = digits[i];
    return text;
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
