// The reader of SVG files, shared by the files that implement it: SvgReader.cpp (the walk, structure and style),
// SvgReaderShapes.cpp (paths, basic shapes, images), SvgReaderText.cpp (text), SvgReaderEffects.cpp (use, clip
// paths, masks, filters, paint servers and the other effects the document holds no equal of).
//
// What the document cannot hold is imported as its nearest equivalent with a warning, one line per kind; with
// SvgReadOptions::strict each such warning refuses the file instead.
#ifndef HOST_SVG_SVGIMPORT_H
#define HOST_SVG_SVGIMPORT_H

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "host/Svg.h"
#include "svg/SvgCss.h"
#include "svg/SvgNumbers.h"
#include "svg/SvgPathData.h"
#include "svg/SvgReferences.h"
#include "svg/SvgSegments.h"
#include "svg/SvgStyle.h"
#include "svg/SvgTransform.h"
#include "svg/SvgWarnings.h"
#include "svg/SvgXml.h"

namespace host::svg {

// The most elements that copies made by use may hold in all: a few nested uses of uses could otherwise ask for
// billions of objects.
constexpr std::size_t kMaxCopiedElements = 250000;

// What an element inherits from where it stands.
struct Context {
    NameScope scope;
    Matrix matrix;  // its user units to artwork coordinates
    ComputedStyle style;
    Layer* layer = nullptr;  // null: at the top, outside any layer
    Art* parent = nullptr;   // the enclosing group or compound path
    std::size_t depth = 1;   // of the objects made here (see kMaxArtDepth); it bounds the reader's recursion
    bool preserveSpace = false;
    double viewportWidth = 0;  // user units, for percentages
    double viewportHeight = 0;
    bool inCopy = false;  // inside what a use copies: ids stay with the original
};

enum class Axis { Horizontal, Vertical, Diagonal };

// The element being read: the attributes asked of every element, and whether any attribute has a prefix.
struct NotedAttributes {
    pugi::xml_node element;
    bool prefixed = false;
    pugi::xml_attribute id, style, transform, d, points, requiredExtensions, systemLanguage;
};

class Reader {
public:
    Reader(const std::string& text, const std::string& name, const SvgReadOptions& options);
    // The text is taken over, and parsed where it stands when it can be (see SourceText).
    Reader(std::string&& text, const std::string& name, const SvgReadOptions& options);
    std::unique_ptr<Document> Read();

private:
    // Failures and warnings, at an element or an attribute.
    [[noreturn]] void Fail(const std::string& where, const std::string& message) const;
    [[noreturn]] void FailAt(pugi::xml_node element, const std::string& message) const;
    [[noreturn]] void FailAt(pugi::xml_node element, pugi::xml_attribute attribute, const std::string& message) const;
    void Warn(std::string_view kind, pugi::xml_node element, const std::string& message);
    std::string Describe(pugi::xml_node element) const;  // "<name>" or "<name id="...">"

    // parse(value) with its failures reported at the attribute.
    template <typename Parse>
    auto Parsed(pugi::xml_node element, pugi::xml_attribute attribute, Parse parse) const
    {
        try {
            return parse(std::string_view(attribute.value()));
        } catch (const SvgValueError& error) {
            FailAt(element, attribute, error.what());
        }
    }

    // Lengths in user units; percentages of the viewport along axis.
    double UserLength(pugi::xml_node element, const Context& context, const char* name, double fallback, Axis axis,
                      bool nonNegative = false) const;
    double Radius(pugi::xml_node element, const Context& context, const char* name, Axis axis) const;
    pugi::xml_attribute HostAttribute(pugi::xml_node element, const Context& context, const char* local) const;
    // An attribute in a namespace (a prefixed one); none without a scan for the element being read when it has
    // no prefixed attribute at all, as most elements have not.
    pugi::xml_attribute Namespaced(pugi::xml_node element, const NameScope& scope, std::string_view uri,
                                   std::string_view local) const;
    // Notes, in one scan, whether the element binds or uses a prefix anywhere among its attributes, and the
    // attributes that every element is asked for.
    void NoteAttributes(pugi::xml_node element);
    // element.attribute(name), without a scan for the element being read (which: where NoteAttributes put it).
    pugi::xml_attribute Noted(pugi::xml_node element, pugi::xml_attribute NotedAttributes::*which,
                              const char* name) const
    {
        return element == fNoted.element ? fNoted.*which : element.attribute(name);
    }
    bool HostFlag(pugi::xml_node element, const Context& context, const char* local) const;

    void ExpandDeclaredEntities(pugi::xml_node root);

    // Style.
    void CollectStyleSheets(pugi::xml_node root);
    ComputedStyle StyleOf(pugi::xml_node element, const NameScope& scope, const ComputedStyle& parent);
    // The same into style, which holds what the element inherits from parent (see KeepInherited).
    void ApplyStyle(pugi::xml_node element, const NameScope& scope, const ComputedStyle& parent, ComputedStyle& style);
    void ApplyOrWarn(pugi::xml_node element, pugi::xml_attribute attribute, ComputedStyle& style,
                     const ComputedStyle& parent, std::string_view name, std::string_view value);
    void ResolveServer(pugi::xml_node element, ComputedStyle& computed, bool fill);
    // The context inside element, whose scope (outer's with the element's own bindings) is given.
    Context Enter(pugi::xml_node element, const Context& outer, const NameScope& scope);
    Style CheckedStyle(pugi::xml_node element, const ComputedStyle& computed, const Matrix& matrix);

    // Structure.
    void ReadRoot(pugi::xml_node root);
    double PageLength(pugi::xml_node root, const char* name, double viewBoxLength) const;
    void ReadChildren(pugi::xml_node element, const Context& context);
    void ReadElement(pugi::xml_node element, const Context& context);
    void ReadDrawn(pugi::xml_node element, std::string_view local, const Context& outer, Context& inner);
    bool ConditionsHold(pugi::xml_node element) const;
    Layer& LooseLayer();
    void NameLayers();
    Art* MakeArt(pugi::xml_node element, ArtKind kind, const Context& context);
    void ReadCommon(Art& art, pugi::xml_node element, const Context& inner);
    void ReadTag(Art& art, pugi::xml_node element) const;
    void ReadGroup(pugi::xml_node element, const Context& outer, Context& inner);
    void ReadSwitch(pugi::xml_node element, const Context& outer, Context& inner);
    void ReadNestedSvg(pugi::xml_node element, const Context& outer, Context& inner);
    // The content of a symbol or svg shown in the viewport x, y, width, height of the context's user space.
    void ReadViewportContent(pugi::xml_node element, Context& inner, double x, double y, double width, double height);
    Art* OpenGroup(pugi::xml_node element, const Context& outer, Context& inner);

    // Shapes.
    std::vector<Subpath> ShapeSubpaths(pugi::xml_node element, const Context& context, std::string_view local) const;
    void ReadShape(pugi::xml_node element, const Context& outer, const Context& inner, std::string_view local);
    // A path takes the first shape; a compound path a path for each, in its own style.
    void SetShapes(Art& art, std::vector<PathShape>& shapes);
    void ReadParts(Art& compound, pugi::xml_node element, const Context& inner);
    void ReadImage(pugi::xml_node element, const Context& outer, const Context& inner);

    // Text.
    std::string TextContent(pugi::xml_node element, const NameScope& scope, std::size_t depth);
    void ReadText(pugi::xml_node element, const Context& outer, const Context& inner);
    void ReadFlowedText(pugi::xml_node element, const Context& outer, const Context& inner);
    void MakeText(pugi::xml_node element, const Context& outer, const Context& inner, const std::string& text,
                  Point position);

    // Effects.
    void ReadUse(pugi::xml_node element, const Context& outer, Context& inner);
    // One more element in the copies that use makes; refuses the file past kMaxCopiedElements.
    void CountCopy(pugi::xml_node element);
    Art* OpenClipGroup(pugi::xml_node element, const Context& outer, const Context& inner, pugi::xml_node& clip);
    void CloseClipGroup(pugi::xml_node element, Art* group, pugi::xml_node clip, const Context& inner);
    void ClipShapes(pugi::xml_node element, const Matrix& matrix, std::vector<Subpath>& subpaths,
                    std::vector<Matrix>& matrices, int depth);
    void ClipShape(pugi::xml_node element, const Matrix& matrix, std::vector<Subpath>& subpaths,
                   std::vector<Matrix>& matrices, int depth);
    pugi::xml_node Target(pugi::xml_node element, const std::string& reference, std::string_view what,
                          std::string_view otherwise);
    void NoteEffects(pugi::xml_node element, const Context& inner, std::string_view local);

    SourceText fSource;
    SvgReadOptions fOptions;
    pugi::xml_document fXml;
    std::unique_ptr<IdIndex> fIds;
    StyleSheet fSheet;
    ImportWarnings fWarnings;
    std::unique_ptr<Document> fDocument;
    Layer* fLooseLayer = nullptr;
    std::vector<Layer*> fUnnamed;
    std::vector<pugi::xml_node> fCopying;  // the elements use is copying now, outermost first
    std::size_t fCopiedElements = 0;
    NotedAttributes fNoted;
    std::size_t fElementsRead = 0;  // for SvgReadOptions::progress, every kProgressEvery elements
    static constexpr std::size_t kProgressEvery = 4096;
};

std::string HexByte(char byte);
std::string TooDeep();

}  // namespace host::svg

#endif
