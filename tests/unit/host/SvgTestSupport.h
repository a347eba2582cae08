// Small helpers for the SVG tests: a document text around some content, and segments as short exact texts.
#ifndef TESTS_UNIT_HOST_SVGTESTSUPPORT_H
#define TESTS_UNIT_HOST_SVGTESTSUPPORT_H

#include <charconv>
#include <string>
#include <vector>

#include "host/Document.h"
#include "host/Svg.h"

namespace svgtest {

inline std::string Number(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

inline std::string Pt(host::Point p) { return Number(p.h) + " " + Number(p.v); }

// "h v" of each anchor, "*" after a corner, ", " between; "Z" at the end of a closed path.
inline std::string Anchors(const host::Art& art)
{
    std::string out;
    for (const host::Segment& s : art.segments) {
        if (!out.empty()) out += ", ";
        out += Pt(s.p) + (s.corner ? "*" : "");
    }
    return out + (art.closed ? " Z" : "");
}

inline std::string Handles(const host::Segment& s) { return "in " + Pt(s.in) + " out " + Pt(s.out); }

// A document of 200 x 100 pt, one user unit a point, origin (10, 20), around body.
inline std::string Page(const std::string& body, const std::string& rootAttributes = "")
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:pd=\"urn:pendrake:document\" "
           "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" width=\"200pt\" height=\"100pt\" "
           "viewBox=\"0 0 200 100\" pd:origin=\"10 20\"" +
           rootAttributes + ">" + body + "</svg>";
}

// Reads text as a file is read (the text taken over by the reader) and, where warnings are asked for, also
// borrowed, which must warn at the same places.
inline std::unique_ptr<host::Document> Read(const std::string& text, bool strict = false,
                                            std::vector<std::string>* warnings = nullptr)
{
    host::SvgReadOptions options;
    options.strict = strict;
    options.warnings = warnings;
    std::unique_ptr<host::Document> document = host::ReadSvgText(std::string(text), "t.svg", options);
    if (warnings) {
        std::vector<std::string> borrowed;
        options.warnings = &borrowed;
        host::ReadSvgText(text, "t.svg", options);
        EXPECT_EQ(borrowed, *warnings);
    }
    return document;
}

// The first object of the first layer.
inline host::Art& First(const host::Document& document) { return *document.Layers().at(0)->art.at(0); }

// The message of the SvgError that reading text throws (by default with nothing imported as an equivalent), or
// "no error".
inline std::string ReadError(const std::string& text, bool strict = true)
{
    host::SvgReadOptions options;
    options.strict = strict;
    auto message = [](auto&& read) -> std::string {
        try {
            read();
        } catch (const host::SvgError& error) {
            return error.what();
        }
        return "no error";
    };
    // Taken over (parsed in place where the text is plain ASCII) and borrowed (copied): the same place each way.
    const std::string taken = message([&] { host::ReadSvgText(std::string(text), "t.svg", options); });
    const std::string borrowed = message([&] { host::ReadSvgText(text, "t.svg", options); });
    EXPECT_EQ(taken, borrowed) << text;
    return taken;
}

}  // namespace svgtest

#endif
