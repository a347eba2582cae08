#include "svg/SvgPaint.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

#include "svg/SvgColorNames.h"
#include "svg/SvgNumbers.h"
#include "svg/SvgReferences.h"

namespace host::svg {
namespace {

Color Rgb(double red, double green, double blue) { return {3, {red, green, blue, 0}}; }

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

Color HexToColor(std::string_view text)
{
    const std::string_view digits = text.substr(1);
    if (digits.size() != 3 && digits.size() != 6) throw SvgValueError("bad colour " + Quoted(text));
    int values[6] = {};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        values[i] = HexDigit(digits[i]);
        if (values[i] < 0) throw SvgValueError("bad colour " + Quoted(text));
    }
    if (digits.size() == 3) return ColorOfHex({values[0] * 17, values[1] * 17, values[2] * 17});
    return ColorOfHex({values[0] * 16 + values[1], values[2] * 16 + values[3], values[4] * 16 + values[5]});
}

// rgb(r, g, b): numbers 0 to 255 or percentages, clamped.
Color FunctionToColor(std::string_view text)
{
    const std::string_view inside = text.substr(4, text.size() - 5);
    NumberScanner scanner(inside);
    double channels[3] = {};
    for (int i = 0; i < 3; ++i) {
        scanner.SkipSpace();
        double value = scanner.Number();
        if (scanner.Peek() == '%') {
            scanner.Advance();
            value = value * 255 / 100;
        }
        channels[i] = std::clamp(value, 0.0, 255.0) / 255;
        scanner.SkipSeparator();
    }
    if (!scanner.AtEnd()) throw SvgValueError("bad colour " + Quoted(text));
    return Rgb(channels[0], channels[1], channels[2]);
}

int Channel(double fraction)
{
    if (!std::isfinite(fraction)) return 0;
    return static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * 255));
}

}  // namespace

Color ParseColor(std::string_view text)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '#') return HexToColor(text);
    const std::string lower = Lower(text);
    if (lower.size() > 5 && lower.compare(0, 4, "rgb(") == 0 && lower.back() == ')') {
        try {
            return FunctionToColor(text);
        } catch (const SvgValueError&) {
            throw SvgValueError("bad colour " + Quoted(text));
        }
    }
    if (Rgb8 named; LookUpColorName(lower, named)) return ColorOfHex(named);
    throw SvgValueError("bad colour " + Quoted(text));
}

Paint ParsePaint(std::string_view text)
{
    text = Trim(text);
    const std::string lower = Lower(text);
    if (lower == "none" || lower == "transparent") return {};
    if (lower == "currentcolor") {
        Paint paint;
        paint.kind = Paint::Kind::CurrentColor;
        return paint;
    }
    if (lower.compare(0, 4, "url(") == 0) {
        std::size_t end = 0;
        Paint paint;
        paint.kind = Paint::Kind::Server;
        paint.server = ParseUrl(text, end);
        const std::string_view rest = Trim(text.substr(end));
        if (!rest.empty()) {
            const Paint fallback = ParsePaint(rest);
            if (fallback.kind == Paint::Kind::Server) throw SvgValueError("bad paint " + Quoted(text));
            paint.hasFallback = true;
            paint.fallbackKind = fallback.kind;
            paint.color = fallback.color;
        }
        return paint;
    }
    Paint paint;
    paint.kind = Paint::Kind::Color;
    paint.color = ParseColor(text);
    return paint;
}

Rgb8 DisplayColor(const Color& color)
{
    const double* v = color.values;
    switch (color.kind) {
    case 1: return {Channel(1 - v[0]), Channel(1 - v[0]), Channel(1 - v[0])};
    case 2: {
        const double black = 1 - v[3] / 100;
        return {Channel((1 - v[0] / 100) * black), Channel((1 - v[1] / 100) * black),
                Channel((1 - v[2] / 100) * black)};
    }
    case 3: return {Channel(v[0]), Channel(v[1]), Channel(v[2])};
    default: return {};
    }
}

std::string HexColor(const Rgb8& rgb)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string text = "#";
    for (const int channel : {rgb.red, rgb.green, rgb.blue}) {
        const int c = std::clamp(channel, 0, 255);
        text += kDigits[c / 16];
        text += kDigits[c % 16];
    }
    return text;
}

Color ColorOfHex(const Rgb8& rgb) { return Rgb(rgb.red / 255.0, rgb.green / 255.0, rgb.blue / 255.0); }

bool SameColor(const Color& a, const Color& b)
{
    return a.kind == b.kind && std::equal(std::begin(a.values), std::end(a.values), std::begin(b.values));
}

Color ParseExactColor(std::string_view text)
{
    const std::vector<double> values = ParseNumberList(text);
    if (values.size() != 5) throw SvgValueError("expected a kind and 4 values, found " + Quoted(Trim(text)));
    if (values[0] != 0 && values[0] != 1 && values[0] != 2 && values[0] != 3)
        throw SvgValueError("unknown colour kind " + Quoted(FormatNumber(values[0])));
    return {static_cast<int16_t>(values[0]), {values[1], values[2], values[3], values[4]}};
}

std::string FormatExactColor(const Color& color)
{
    std::string text = std::to_string(color.kind);
    for (const double value : color.values) text += " " + FormatNumber(value);
    return text;
}

}  // namespace host::svg
