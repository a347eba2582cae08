// Small helpers of the cut output contract tests: paths put straight into the host's document, and the fixed
// lines of the cut data file.
#ifndef TESTS_CONTRACT_CUTDOCUMENTS_H
#define TESTS_CONTRACT_CUTDOCUMENTS_H

#include <string>
#include <vector>

#include "PanelTraffic.h"
#include "host/Document.h"

namespace testing_support {

// A path of straight segments (control points on the anchors) in the current layer, filled unless told not to.
inline host::Art& AddPath(host::Document& document, const std::vector<host::Point>& anchors, bool closed = false,
                          bool filled = true)
{
    host::Art& art = *document.NewArt(host::ArtKind::Path, host::PaintOrder::AboveAll, nullptr);
    for (const host::Point& p : anchors) art.segments.push_back({p, p, p, true});
    art.closed = closed;
    art.style.fillPaint = filled;
    return art;
}

inline void Select(host::Art& art) { art.attributes |= host::kAttrSelected; }

inline void Tag(host::Art& art, const char* name, const char* value = "0001")
{
    art.tags.push_back({name, "string", value});
}

inline std::string TagValue(const host::Art& art, const char* name)
{
    const host::Tag* tag = art.FindTag(name);
    return tag ? tag->type + " " + tag->value : "(none)";
}

inline const std::vector<std::string> kCutFileHeader = {"%!PS-Adobe-3.0"};
inline const std::vector<std::string> kCutFileSetup = {"%%EndComments", "%%BeginProlog", "%%EndProlog",
                                                       "%%BeginSetup",  "%%EndSetup",    "%PD5_BeginLayer"};
inline const std::vector<std::string> kCutFileTrailer = {"%PD5_EndLayer--", "%%PageTrailer", "%%Trailer", "%%EOF"};

// A whole cut data file: the header, the crop-mark comment when given, the setup lines, the path lines, the
// trailer; every line with CR LF.
inline std::string CutFileText(const std::vector<std::string>& pathLines, const std::string& cropComment = "")
{
    std::vector<std::string> lines = kCutFileHeader;
    if (!cropComment.empty()) lines.push_back(cropComment);
    lines.insert(lines.end(), kCutFileSetup.begin(), kCutFileSetup.end());
    lines.insert(lines.end(), pathLines.begin(), pathLines.end());
    lines.insert(lines.end(), kCutFileTrailer.begin(), kCutFileTrailer.end());
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

inline const std::string kMessageOne = "<payload><Message><Num>1</Num></Message></payload>";
inline const std::string kMessageTwo = "<payload><Message><Num>2</Num></Message></payload>";

}  // namespace testing_support

#endif
