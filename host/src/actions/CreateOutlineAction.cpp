// Text to outlines: each selected text object becomes a group, at its place, of one compound path per glyph
// (FreeType outlines of the text's font at its size, from its baseline origin) with the text's fill and stroke.
// Text without any outline (only spaces) stays as it is.
#include <utility>

#include "ActionArt.h"
#include "FontFiles.h"
#include "GlyphOutlines.h"
#include "HostActions.h"

namespace host {
namespace {

struct Outlined {
    Art* text;
    std::vector<Contours> glyphs;
};

}  // namespace

ZBErr CreateOutlineAction(Document& document, const std::vector<ActionEntry>&)
{
    std::vector<Outlined> outlined;
    for (Art* text : SelectedTexts(document)) {
        const std::string font = FindFontFile(text->fontFamily);
        if (font.empty()) return kNotFoundErr;
        std::vector<Contours> glyphs;
        if (const ZBErr error = OutlineText(font, text->text, text->textOrigin, text->fontSize, glyphs)) return error;
        if (glyphs.empty()) continue;
        // Each glyph's compound path goes into a group at the text's place.
        if (!ShapeFits(Document::Depth(*text) + 1, glyphs.front(), true)) return kBadParameterErr;
        outlined.push_back({text, std::move(glyphs)});
    }
    for (Outlined& one : outlined) {
        Art* group = document.NewArt(ArtKind::Group, PaintOrder::Above, one.text);
        if (!group) return kCantHappenErr;
        group->attributes = kAttrSelected;
        Style style = one.text->style;
        style.evenOdd = false;  // glyph holes run against their outers
        for (const Contours& glyph : one.glyphs) {
            Art* made = NewShape(document, glyph, style, PaintOrder::InsideOnTop, group, true);
            if (!made) return kCantHappenErr;
            made->attributes = 0;
        }
        document.Dispose(one.text);
    }
    return kNoErr;
}

}  // namespace host
