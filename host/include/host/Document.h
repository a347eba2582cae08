// The host's document: layers of art objects (groups, compound paths, paths of cubic segments, text), their
// styles, user attributes and string tags, the current layer, the page setup and documentOrigin.
//
// Objects and layers are reached from plug-ins through handles that are serial numbers, never addresses: a
// handle is looked up before use, so a disposed object's handle (also one whose group went first) finds nothing,
// and a number is never given out twice, so a new object cannot answer to an old handle.
#ifndef HOST_DOCUMENT_H
#define HOST_DOCUMENT_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace host {

struct Point {
    double h = 0;
    double v = 0;
};

struct Rect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// One anchor with its incoming and outgoing control points, in artwork coordinates (points, y upward).
struct Segment {
    Point p;
    Point in;
    Point out;
    bool corner = false;
};

// A colour as the Path Style suite carries it: kind 0 none, 1 gray (values[0]), 2 four-colour (cyan, magenta,
// yellow, black, 0 to 100), 3 RGB (0 to 1).
struct Color {
    int16_t kind = 0;
    double values[4] = {0, 0, 0, 0};
};

struct Style {
    bool fillPaint = false;
    bool strokePaint = false;
    Color fillColor;
    bool fillOverprint = false;
    Color strokeColor;
    bool strokeOverprint = false;
    double strokeWidth = 1;
    int16_t dashLength = 0;  // 0: solid
    double dashOffset = 0;
    double dash[6] = {0, 0, 0, 0, 0, 0};
    int16_t cap = 0;
    int16_t join = 0;
    double miterLimit = 4;
    bool clip = false;
    bool lockClip = false;
    bool evenOdd = false;
    double resolution = 800;
};

// Tag values are kept as text; the type says how the Tag suite hands them out ("string", "integer", "real",
// "boolean").
struct Tag {
    std::string name;
    std::string type;
    std::string value;
};

enum class ArtKind : int16_t { Group = 1, Path = 2, CompoundPath = 3, Text = 4, Placed = 5 };

// User attribute bits, as the Art suite's masks.
constexpr int32_t kAttrSelected = 1;
constexpr int32_t kAttrLocked = 2;
constexpr int32_t kAttrHidden = 4;

struct Layer;

// The fields the suites read of every object in a walk over the document (kind, place, attributes, tags,
// segments, children, the paints at the start of the style) come first, so that such a walk touches the first
// two cache lines of each object rather than lines spread over all of it.
struct Art {
    ArtKind kind = ArtKind::Path;
    int32_t attributes = 0;
    uint64_t serial = 0;  // the handle the plug-ins see
    Layer* layer = nullptr;
    Art* parent = nullptr;  // the enclosing group or compound path, null at the top of a layer
    // Where it stood in its parent's (or its layer's) list when the Document last numbered that list; read it
    // through Document::PlaceOf, which numbers the list again first where it changed since.
    mutable std::size_t place = 0;
    std::vector<Tag> tags;  // in the order first set
    // Paths.
    std::vector<Segment> segments;
    bool closed = false;
    // Groups and compound paths, bottom to top.
    std::vector<std::unique_ptr<Art>> children;
    Style style;
    std::string id;  // the SVG id, empty when it had none
    // Text: the text, its baseline start and its size in points.
    std::string text;
    Point textOrigin;
    double fontSize = 12;
    std::string fontFamily;

    const Tag* FindTag(const std::string& name) const;
};

struct Layer {
    uint64_t serial = 0;
    std::string name;
    std::string id;
    bool locked = false;
    bool visible = true;
    std::vector<std::unique_ptr<Art>> art;  // top level, bottom to top
};

// How deep objects nest: an object at the top of a layer is at depth 1, what a group or compound path holds one
// deeper. NewArt and Reorder refuse to go past kMaxArtDepth, so the document is never deeper and every walk over
// it, the recursive ones too, stays within that many levels whatever a file or a plug-in asks for. The limit is
// generous for artwork and leaves the stack room to spare, also under AddressSanitizer.
constexpr std::size_t kMaxArtDepth = 256;

// Where a new or moved object goes, relative to a reference object or the current layer (the Art suite's
// paint orders).
enum class PaintOrder : int16_t {
    Above = 1,
    Below = 2,
    InsideOnTop = 3,
    InsideOnBottom = 4,
    AboveAll = 5,
    BelowAll = 6
};

class Document {
public:
    Document(double pageWidth, double pageHeight);
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    double PageWidth() const { return fPageWidth; }
    double PageHeight() const { return fPageHeight; }
    void SetPage(double width, double height);
    // A page point minus the origin is the same point in artwork coordinates.
    Point Origin() const { return fOrigin; }
    void SetOrigin(Point origin) { fOrigin = origin; }
    const std::string& FileName() const { return fFileName; }
    void SetFileName(std::string name) { fFileName = std::move(name); }

    // Layers, bottom to top. A new document has none; NewArt without a layer makes one named "Layer 1".
    Layer& AddLayer(const std::string& name);
    const std::vector<std::unique_ptr<Layer>>& Layers() const { return fLayers; }
    Layer* CurrentLayer() const { return fCurrentLayer; }
    void SetCurrentLayer(Layer* layer) { fCurrentLayer = layer; }
    Layer* FindLayer(uint64_t serial) const;
    Layer* FindLayerByName(const std::string& name) const;

    // Makes an empty object of kind at order relative to reference (null: the current layer). Null when the
    // order cannot be applied there (inside a path, above an object without a parent list, deeper than
    // kMaxArtDepth, ...).
    Art* NewArt(ArtKind kind, PaintOrder order, Art* reference);
    // Moves art; false when the order cannot be applied (also into art itself or one of its children, or where
    // the deepest object inside art would lie deeper than kMaxArtDepth).
    bool Reorder(Art* art, PaintOrder order, Art* reference);
    // Removes art with everything inside it; every serial of them is dead afterwards.
    void Dispose(Art* art);

    // The live object with this serial, or null.
    Art* Find(uint64_t serial) const { return serial < fBySerial.size() ? fBySerial[serial] : nullptr; }
    // The first object in document order with this SVG id. The index of ids is made again only after objects
    // came, went or moved, so that looking up many ids costs one walk.
    Art* FindById(const std::string& id) const;
    std::size_t ArtCount() const { return fLiveArt; }

    // Every object in document order: layers bottom to top, each list bottom to top, a group before its contents.
    void Walk(const std::function<void(Art&)>& visit) const;
    // The same walk calling visit directly, for the walks of every suite call: no call through a std::function
    // for each object. The recursion is as deep as the document, at most kMaxArtDepth.
    template <typename Visit>
    void ForEachArt(Visit&& visit) const
    {
        for (const auto& layer : fLayers) ForEachIn(layer->art, visit);
    }
    std::vector<Art*> AllArt() const;

    // Where art stands in its parent's (or its layer's) list. A list is numbered again only when a place in it is
    // asked for after it changed, from the first place that changed: objects put at the bottom of a long list one
    // after another do not each number the whole list.
    std::size_t PlaceOf(const Art& art) const;

    // The depth of art (1 at the top of a layer), and the number of levels from art to the deepest object
    // inside it (1 when it holds nothing).
    static std::size_t Depth(const Art& art);
    static std::size_t Height(const Art& art);

    // Geometric bounds of the object's segments (text: its origin), in artwork coordinates. False when empty.
    bool Bounds(const Art& art, Rect& bounds) const;

private:
    template <typename Visit>
    static void ForEachIn(const std::vector<std::unique_ptr<Art>>& list, Visit& visit)
    {
        for (const auto& art : list) {
            visit(*art);
            ForEachIn(art->children, visit);
        }
    }

    std::vector<std::unique_ptr<Art>>* ListOf(Art* parent, Layer* layer);
    // The list changed from `from` on: its places from there are numbered again when one is next asked for.
    void Changed(const std::vector<std::unique_ptr<Art>>& list, std::size_t from);
    std::vector<std::unique_ptr<Art>>& SiblingsOf(Art& art);
    void Forget(Art& art);
    void Adopt(Art& art, Layer* layer, Art* parent);

    double fPageWidth;
    double fPageHeight;
    Point fOrigin;
    std::string fFileName;
    std::vector<std::unique_ptr<Layer>> fLayers;
    Layer* fCurrentLayer = nullptr;
    uint64_t fNextSerial = 1;
    // Serials are given in order and never again, so the live objects are found by serial in a table as long as
    // the serials given: no hashing, and a disposed object's slot stays empty.
    std::vector<Art*> fBySerial;
    std::size_t fLiveArt = 0;
    uint64_t fChanges = 0;                   // objects made, moved or disposed
    mutable uint64_t fIdsAt = ~uint64_t{0};  // fChanges when fIds was made
    mutable std::unordered_map<std::string, Art*> fIds;
    // The lists whose places may be out of date, each with the first place that may be.
    mutable std::unordered_map<const std::vector<std::unique_ptr<Art>>*, std::size_t> fStalePlaces;
};

}  // namespace host

#endif
