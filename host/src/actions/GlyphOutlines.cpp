#include "GlyphOutlines.h"

#include <dlfcn.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>

#include "host/Utf.h"

namespace host {
namespace {

// FreeType is loaded when text is first outlined, not with the program: it and the image and compression
// libraries it brings would add a millisecond to the start of every run, and few runs outline text.
struct FreeTypeCalls {
    decltype(&FT_Init_FreeType) initFreeType = nullptr;
    decltype(&FT_Done_FreeType) doneFreeType = nullptr;
    decltype(&FT_New_Face) newFace = nullptr;
    decltype(&FT_Done_Face) doneFace = nullptr;
    decltype(&FT_Get_Char_Index) getCharIndex = nullptr;
    decltype(&FT_Get_Kerning) getKerning = nullptr;
    decltype(&FT_Load_Glyph) loadGlyph = nullptr;
    decltype(&FT_Outline_Decompose) outlineDecompose = nullptr;
};

template <typename Function>
bool Bind(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Null when the library or one of its functions is missing; the library stays loaded until the program ends.
const FreeTypeCalls* LoadFreeType()
{
    static const FreeTypeCalls* const calls = []() -> const FreeTypeCalls* {
        void* library = dlopen("libfreetype.so.6", RTLD_NOW | RTLD_LOCAL);
        if (!library) return nullptr;
        static FreeTypeCalls loaded;
        const bool bound =
            Bind(library, "FT_Init_FreeType", loaded.initFreeType) &&
            Bind(library, "FT_Done_FreeType", loaded.doneFreeType) && Bind(library, "FT_New_Face", loaded.newFace) &&
            Bind(library, "FT_Done_Face", loaded.doneFace) && Bind(library, "FT_Get_Char_Index", loaded.getCharIndex) &&
            Bind(library, "FT_Get_Kerning", loaded.getKerning) && Bind(library, "FT_Load_Glyph", loaded.loadGlyph) &&
            Bind(library, "FT_Outline_Decompose", loaded.outlineDecompose);
        return bound ? &loaded : nullptr;
    }();
    return calls;
}

class FreeType {
public:
    explicit FreeType(const FreeTypeCalls& calls) : ft(calls) {}
    ~FreeType()
    {
        if (fFace) ft.doneFace(fFace);
        if (fLibrary) ft.doneFreeType(fLibrary);
    }
    FreeType(const FreeType&) = delete;
    FreeType& operator=(const FreeType&) = delete;
    bool Open(const std::string& file)
    {
        return ft.initFreeType(&fLibrary) == 0 && ft.newFace(fLibrary, file.c_str(), 0, &fFace) == 0 &&
               fFace->units_per_EM > 0;
    }
    FT_Face Face() const { return fFace; }

private:
    const FreeTypeCalls& ft;
    FT_Library fLibrary = nullptr;
    FT_Face fFace = nullptr;
};

bool Same(Point a, Point b) { return a.h == b.h && a.v == b.v; }

// Smooth where both handles leave the anchor in opposite directions along one line.
bool IsCorner(const Segment& s)
{
    if (Same(s.in, s.p) || Same(s.out, s.p)) return true;
    const double ax = s.p.h - s.in.h, ay = s.p.v - s.in.v, bx = s.out.h - s.p.h, by = s.out.v - s.p.v;
    const double cross = ax * by - ay * bx, dot = ax * bx + ay * by;
    return dot <= 0 || std::fabs(cross) > 1e-9 * std::hypot(ax, ay) * std::hypot(bx, by);
}

// Builds the contours of one glyph from FreeType's outline walk, in artwork coordinates.
struct GlyphBuilder {
    Point origin;
    double scale;
    double pen;  // font units along the baseline
    Contours contours;
    std::vector<Segment> current;

    Point Map(const FT_Vector* v) const
    {
        return {origin.h + (pen + static_cast<double>(v->x)) * scale, origin.v + static_cast<double>(v->y) * scale};
    }
    void Close()
    {
        if (current.size() > 1 && Same(current.back().p, current.front().p)) {
            current.front().in = current.back().in;
            current.pop_back();
        }
        if (current.size() > 1) {
            for (Segment& s : current) s.corner = IsCorner(s);
            contours.push_back(std::move(current));
        }
        current.clear();
    }
    void Move(Point p)
    {
        Close();
        current.push_back({p, p, p, true});
    }
    void Line(Point p) { current.push_back({p, p, p, true}); }
    void Cubic(Point c1, Point c2, Point p)
    {
        if (current.empty()) current.push_back({c1, c1, c1, true});
        current.back().out = c1;
        current.push_back({p, c2, p, true});
    }
    // A quadratic curve is the cubic with handles two thirds of the way to its control point.
    void Conic(Point q, Point p)
    {
        const Point from = current.empty() ? q : current.back().p;
        Cubic({from.h + (q.h - from.h) * 2 / 3, from.v + (q.v - from.v) * 2 / 3},
              {p.h + (q.h - p.h) * 2 / 3, p.v + (q.v - p.v) * 2 / 3}, p);
    }
};

GlyphBuilder& Builder(void* user) { return *static_cast<GlyphBuilder*>(user); }

int MoveTo(const FT_Vector* to, void* user)
{
    Builder(user).Move(Builder(user).Map(to));
    return 0;
}

int LineTo(const FT_Vector* to, void* user)
{
    Builder(user).Line(Builder(user).Map(to));
    return 0;
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user)
{
    GlyphBuilder& b = Builder(user);
    b.Conic(b.Map(control), b.Map(to));
    return 0;
}

int CubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to, void* user)
{
    GlyphBuilder& b = Builder(user);
    b.Cubic(b.Map(control1), b.Map(control2), b.Map(to));
    return 0;
}

std::vector<char32_t> CodePoints(const std::string& utf8)
{
    const std::u16string text = DecodeUtf8(utf8);
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            points.push_back(0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            points.push_back(c);
        }
    }
    return points;
}

}  // namespace

ZBErr OutlineText(const std::string& fontFile, const std::string& utf8, Point origin, double size,
                  std::vector<Contours>& glyphs)
{
    glyphs.clear();
    if (!InRange(origin.h) || !InRange(origin.v) || !InRange(size) || size <= 0) return kBadParameterErr;
    const FreeTypeCalls* calls = LoadFreeType();
    if (!calls) return kBadFormatErr;  // as on a system without fonts
    const FreeTypeCalls& ft = *calls;
    FreeType freeType(ft);
    if (!freeType.Open(fontFile)) return kBadFormatErr;
    const FT_Face face = freeType.Face();
    const FT_Outline_Funcs walk = {MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
    GlyphBuilder builder{origin, size / face->units_per_EM, 0, {}, {}};
    FT_UInt previous = 0;
    for (const char32_t c : CodePoints(utf8)) {
        if (c < 0x20) continue;  // control characters set nothing
        const FT_UInt index = ft.getCharIndex(face, c);
        if (previous && index && FT_HAS_KERNING(face)) {
            FT_Vector kerning{};
            if (ft.getKerning(face, previous, index, FT_KERNING_UNSCALED, &kerning) == 0)
                builder.pen += static_cast<double>(kerning.x);
        }
        if (ft.loadGlyph(face, index, FT_LOAD_NO_SCALE) != 0) return kBadFormatErr;
        if (face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
            builder.contours.clear();
            if (ft.outlineDecompose(&face->glyph->outline, &walk, &builder) != 0) return kBadFormatErr;
            builder.Close();
            if (!builder.contours.empty()) glyphs.push_back(std::move(builder.contours));
        }
        builder.pen += static_cast<double>(face->glyph->metrics.horiAdvance);
        previous = index;
    }
    return kNoErr;
}

}  // namespace host
