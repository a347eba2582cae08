// Colours: the CSS colour texts SVG files use, the display colour of each of the host's colour kinds, and the
// exact "kind v1 v2 v3 v4" form kept in pd:fill-color and pd:stroke-color.
#ifndef HOST_SVG_SVGPAINT_H
#define HOST_SVG_SVGPAINT_H

#include <string>
#include <string_view>

#include "host/Document.h"

namespace host::svg {

struct Paint {
    enum class Kind { None, Color, CurrentColor, Server };
    Kind kind = Kind::None;
    Color color;
    // Server: the reference inside url(...) ("#id", or another file's), and the paint given after it for when the
    // reference finds nothing.
    std::string server;
    bool hasFallback = false;
    Kind fallbackKind = Kind::None;
};

// #rgb, #rrggbb, rgb(r, g, b) with numbers or percentages, named colours. RGB colours are kind 3 (0 to 1).
// Throws SvgValueError.
Color ParseColor(std::string_view text);
// none, currentColor, a colour, or a paint server "url(...)" with an optional fallback after it. Throws
// SvgValueError.
Paint ParsePaint(std::string_view text);

// The colour shown for a host colour, 0 to 255 a channel. Gray is an amount of black like the four-colour kind's
// values: 0 white, 1 black. Four-colour values are 0 to 100.
struct Rgb8 {
    int red = 0, green = 0, blue = 0;
    bool operator==(const Rgb8& o) const { return red == o.red && green == o.green && blue == o.blue; }
};
Rgb8 DisplayColor(const Color& color);
std::string HexColor(const Rgb8& rgb);  // "#rrggbb"
// The colour that reading HexColor(DisplayColor(...)) gives.
Color ColorOfHex(const Rgb8& rgb);

bool SameColor(const Color& a, const Color& b);
// "kind v1 v2 v3 v4", kind 0 to 3. Throws SvgValueError.
Color ParseExactColor(std::string_view text);
std::string FormatExactColor(const Color& color);

}  // namespace host::svg

#endif
