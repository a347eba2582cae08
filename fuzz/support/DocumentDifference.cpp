#include "DocumentDifference.h"

#include <charconv>

namespace drive {
namespace {

std::string Number(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// Collects the first difference; later comparisons are skipped once one is found.
class Comparison {
public:
    const std::string& First() const { return fFirst; }
    bool Found() const { return !fFirst.empty(); }

    void Same(double a, double b, const std::string& where)
    {
        if (!Found() && Number(a) != Number(b)) fFirst = where + ": " + Number(a) + " / " + Number(b);
    }
    template <typename Value>
    void Equal(const Value& a, const Value& b, const std::string& where)
    {
        if (!Found() && !(a == b)) fFirst = where + " differs";
    }

    void Colors(const host::Color& a, const host::Color& b, const std::string& where)
    {
        Equal(a.kind, b.kind, where + " kind");
        for (int i = 0; i < 4; ++i) Same(a.values[i], b.values[i], where + " value " + std::to_string(i));
    }

    void Styles(const host::Style& a, const host::Style& b, const std::string& where)
    {
        Equal(a.fillPaint, b.fillPaint, where + " fill paint");
        Equal(a.strokePaint, b.strokePaint, where + " stroke paint");
        Colors(a.fillColor, b.fillColor, where + " fill colour");
        Colors(a.strokeColor, b.strokeColor, where + " stroke colour");
        Equal(a.fillOverprint, b.fillOverprint, where + " fill overprint");
        Equal(a.strokeOverprint, b.strokeOverprint, where + " stroke overprint");
        Same(a.strokeWidth, b.strokeWidth, where + " stroke width");
        Equal(a.dashLength, b.dashLength, where + " dash length");
        Same(a.dashOffset, b.dashOffset, where + " dash offset");
        for (int i = 0; i < 6; ++i) Same(a.dash[i], b.dash[i], where + " dash " + std::to_string(i));
        Equal(a.cap, b.cap, where + " cap");
        Equal(a.join, b.join, where + " join");
        Same(a.miterLimit, b.miterLimit, where + " miter limit");
        Equal(a.clip, b.clip, where + " clip");
        Equal(a.lockClip, b.lockClip, where + " lock clip");
        Equal(a.evenOdd, b.evenOdd, where + " even-odd");
        Same(a.resolution, b.resolution, where + " resolution");
    }

    void Points(const host::Point& a, const host::Point& b, const std::string& where)
    {
        Same(a.h, b.h, where + " h");
        Same(a.v, b.v, where + " v");
    }

    void Arts(const host::Art& a, const host::Art& b, const std::string& where)
    {
        Equal(a.kind, b.kind, where + " kind");
        Equal(a.id, b.id, where + " id");
        Equal(a.attributes & ~host::kAttrSelected, b.attributes & ~host::kAttrSelected, where + " attributes");
        Equal(a.tags.size(), b.tags.size(), where + " tag count");
        for (std::size_t i = 0; i < a.tags.size() && !Found(); ++i) {
            const std::string at = where + " tag " + std::to_string(i);
            Equal(a.tags[i].name, b.tags[i].name, at + " name");
            Equal(a.tags[i].type, b.tags[i].type, at + " type");
            Equal(a.tags[i].value, b.tags[i].value, at + " value");
        }
        Styles(a.style, b.style, where);
        Equal(a.closed, b.closed, where + " closed");
        Equal(a.segments.size(), b.segments.size(), where + " segment count");
        for (std::size_t i = 0; i < a.segments.size() && !Found(); ++i) {
            const std::string at = where + " segment " + std::to_string(i);
            Points(a.segments[i].p, b.segments[i].p, at + " anchor");
            Points(a.segments[i].in, b.segments[i].in, at + " in");
            Points(a.segments[i].out, b.segments[i].out, at + " out");
            Equal(a.segments[i].corner, b.segments[i].corner, at + " corner");
        }
        Equal(a.text, b.text, where + " text");
        Points(a.textOrigin, b.textOrigin, where + " text origin");
        Same(a.fontSize, b.fontSize, where + " font size");
        Equal(a.fontFamily, b.fontFamily, where + " font family");
        Equal(a.children.size(), b.children.size(), where + " child count");
        for (std::size_t i = 0; i < a.children.size() && !Found(); ++i)
            Arts(*a.children[i], *b.children[i], where + "/" + std::to_string(i));
    }

    void Documents(const host::Document& a, const host::Document& b)
    {
        Same(a.PageWidth(), b.PageWidth(), "page width");
        Same(a.PageHeight(), b.PageHeight(), "page height");
        Points(a.Origin(), b.Origin(), "origin");
        Equal(a.Layers().size(), b.Layers().size(), "layer count");
        for (std::size_t i = 0; i < a.Layers().size() && !Found(); ++i) {
            const host::Layer& x = *a.Layers()[i];
            const host::Layer& y = *b.Layers()[i];
            const std::string at = "layer " + std::to_string(i);
            Equal(x.name, y.name, at + " name");
            Equal(x.id, y.id, at + " id");
            Equal(x.locked, y.locked, at + " locked");
            Equal(x.visible, y.visible, at + " visible");
            Equal(x.art.size(), y.art.size(), at + " object count");
            for (std::size_t k = 0; k < x.art.size() && !Found(); ++k)
                Arts(*x.art[k], *y.art[k], at + "/" + std::to_string(k));
        }
        const std::string none = "(none)";
        Equal(a.CurrentLayer() ? a.CurrentLayer()->name : none, b.CurrentLayer() ? b.CurrentLayer()->name : none,
              "current layer");
    }

private:
    std::string fFirst;
};

}  // namespace

std::string DocumentDifference(const host::Document& a, const host::Document& b)
{
    Comparison comparison;
    comparison.Documents(a, b);
    return comparison.First();
}

}  // namespace drive
