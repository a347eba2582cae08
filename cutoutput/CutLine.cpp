#include "CutLine.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

std::size_t FormatCutReal(double value, char* text) noexcept
{
    if (!std::isfinite(value)) return 0;
    // to_chars with a precision writes exactly what printf("%.6f") writes in the C locale, without consulting
    // the process's locale.
    const auto result = std::to_chars(text, text + kMaxRealTextLength, value, std::chars_format::fixed, 6);
    if (result.ec != std::errc()) return 0;
    *result.ptr = '\0';
    return static_cast<std::size_t>(result.ptr - text);
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
    const auto result = std::to_chars(start, start + kMaxRealTextLength, value, std::chars_format::fixed, 6);
    if (result.ec != std::errc()) {
        fFailed = true;
        return *this;
    }
    if (separator) fText[fLength] = ' ';
    fLength = static_cast<std::size_t>(result.ptr - fText);
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
