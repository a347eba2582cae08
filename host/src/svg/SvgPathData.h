// Path data (the d attribute) as subpaths of cubic pieces in user units, before any transform.
#ifndef HOST_SVG_SVGPATHDATA_H
#define HOST_SVG_SVGPATHDATA_H

#include <string>
#include <string_view>
#include <vector>

#include "host/Document.h"

namespace host::svg {

// One cubic from the end of the previous piece (or the subpath's start): control points c1, c2, then end. A
// straight line has c1 at its start and c2 at its end.
struct Piece {
    Point c1;
    Point c2;
    Point end;
};

struct Subpath {
    Point start;
    std::vector<Piece> pieces;
    bool closed = false;  // a Z ended it; the way back to start is straight unless the last piece ends there

    Point Current() const { return pieces.empty() ? start : pieces.back().end; }
    void LineTo(Point to) { pieces.push_back({Current(), to, to}); }
};

// Every command of the grammar (M L H V C S Q T A Z, absolute and relative, repeated arguments); quadratics are
// raised to cubics and arcs are split into cubics of at most a quarter turn. Throws SvgValueError.
std::vector<Subpath> ParsePathData(std::string_view data);
// M, C and Z only, numbers written exactly.
std::string FormatPathData(const std::vector<Subpath>& subpaths);

// Appends the elliptical arc from the subpath's current point to `to` (radii in user units, rotation in degrees).
void AppendArc(Subpath& subpath, double rx, double ry, double rotation, bool largeArc, bool sweep, Point to);

}  // namespace host::svg

#endif
