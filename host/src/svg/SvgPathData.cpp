#include "svg/SvgPathData.h"

#include <cmath>
#include <cstring>

#include "svg/SvgNumbers.h"

namespace host::svg {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

Point Checked(Point p)
{
    if (!std::isfinite(p.h) || !std::isfinite(p.v)) throw SvgValueError("coordinates out of range");
    return p;
}

Point Reflect(Point about, Point p) { return Checked({2 * about.h - p.h, 2 * about.v - p.v}); }

// The path being read: its subpaths, the current point and what S and T reflect.
class PathReader {
public:
    explicit PathReader(std::string_view data) : fScanner(data) {}

    std::vector<Subpath> Read()
    {
        bool first = true;
        while (!fScanner.AtEnd()) {
            const char command = fScanner.Peek();
            if (!IsLetter(command)) {
                if (first) throw SvgValueError("path data must begin with M or m");
                throw SvgValueError("expected a command, found " + Quoted(fScanner.Token()));
            }
            if (!std::strchr("MmLlHhVvCcSsQqTtAaZz", command))
                throw SvgValueError("unknown command " + Quoted(std::string(1, command)));
            if (first && command != 'M' && command != 'm') throw SvgValueError("path data must begin with M or m");
            first = false;
            fScanner.Advance();
            if (command == 'Z' || command == 'z') {
                Close();
                continue;
            }
            // A command takes one set of numbers or more; after a move, further pairs are lines.
            char repeated = command;
            do {
                fScanner.SkipSpace();
                Execute(repeated);
                if (repeated == 'M') repeated = 'L';
                if (repeated == 'm') repeated = 'l';
                fScanner.SkipSeparator();
            } while (fScanner.AtNumber());
        }
        return std::move(fSubpaths);
    }

private:
    double Number()
    {
        const double value = fScanner.Number();
        fScanner.SkipSeparator();
        return value;
    }
    Point Pair(bool relative)
    {
        const double x = Number();
        const double y = Number();
        return relative ? Checked({fCurrent.h + x, fCurrent.v + y}) : Point{x, y};
    }

    // The subpath that a drawing command continues; after a Z a new one starts where the closed one started.
    Subpath& Open()
    {
        if (fSubpaths.back().closed) fSubpaths.push_back(Subpath{fCurrent, {}, false});
        return fSubpaths.back();
    }

    void Close()
    {
        Subpath& subpath = fSubpaths.back();
        subpath.closed = true;
        fCurrent = subpath.start;
        fPrevious = 0;
    }

    void Cubic(Point c1, Point c2, Point end)
    {
        Open().pieces.push_back({c1, c2, end});
        fLastCubic = c2;
        fCurrent = end;
    }
    void Quadratic(Point q, Point end)
    {
        const Point from = fCurrent;
        // Raised to a cubic: the control points lie two thirds of the way from each end to q.
        Cubic(Checked({(from.h + 2 * q.h) / 3, (from.v + 2 * q.v) / 3}),
              Checked({(end.h + 2 * q.h) / 3, (end.v + 2 * q.v) / 3}), end);
        fLastQuadratic = q;
    }
    void Line(Point to)
    {
        Open().LineTo(to);
        fCurrent = to;
    }

    void Execute(char command)
    {
        const bool relative = command >= 'a';
        const char upper = relative ? static_cast<char>(command - 'a' + 'A') : command;
        char kind = 0;  // what the next S or T may reflect: 'C' a cubic, 'Q' a quadratic
        switch (upper) {
        case 'M':
            fCurrent = Pair(relative);
            fSubpaths.push_back(Subpath{fCurrent, {}, false});
            // Room for a small shape at once, instead of growing one piece, two, four.
            fSubpaths.back().pieces.reserve(8);
            break;
        case 'L': Line(Pair(relative)); break;
        case 'H': {
            const double x = Number();
            Line(Checked({relative ? fCurrent.h + x : x, fCurrent.v}));
            break;
        }
        case 'V': {
            const double y = Number();
            Line(Checked({fCurrent.h, relative ? fCurrent.v + y : y}));
            break;
        }
        case 'C': {
            const Point c1 = Pair(relative), c2 = Pair(relative), end = Pair(relative);
            Cubic(c1, c2, end);
            kind = 'C';
            break;
        }
        case 'S': {
            const Point c1 = fPrevious == 'C' ? Reflect(fCurrent, fLastCubic) : fCurrent;
            const Point c2 = Pair(relative), end = Pair(relative);
            Cubic(c1, c2, end);
            kind = 'C';
            break;
        }
        case 'Q': {
            const Point q = Pair(relative), end = Pair(relative);
            Quadratic(q, end);
            kind = 'Q';
            break;
        }
        case 'T': {
            const Point q = fPrevious == 'Q' ? Reflect(fCurrent, fLastQuadratic) : fCurrent;
            Quadratic(q, Pair(relative));
            kind = 'Q';
            break;
        }
        case 'A': {
            const double rx = Number(), ry = Number(), rotation = Number();
            const bool large = fScanner.Flag();
            fScanner.SkipSeparator();
            const bool sweep = fScanner.Flag();
            fScanner.SkipSeparator();
            const Point to = Pair(relative);
            AppendArc(Open(), rx, ry, rotation, large, sweep, to);
            fCurrent = to;
            break;
        }
        default: break;
        }
        fPrevious = kind;
    }

    NumberScanner fScanner;
    std::vector<Subpath> fSubpaths;
    Point fCurrent;
    Point fLastCubic;
    Point fLastQuadratic;
    char fPrevious = 0;
};

}  // namespace

std::vector<Subpath> ParsePathData(std::string_view data) { return PathReader(data).Read(); }

std::string FormatPathData(const std::vector<Subpath>& subpaths)
{
    std::string out;
    auto point = [&](Point p) {
        out += ' ';
        out += FormatNumber(p.h);
        out += ' ';
        out += FormatNumber(p.v);
    };
    for (const Subpath& subpath : subpaths) {
        if (!out.empty()) out += ' ';
        out += 'M';
        point(subpath.start);
        for (const Piece& piece : subpath.pieces) {
            out += " C";
            point(piece.c1);
            point(piece.c2);
            point(piece.end);
        }
        if (subpath.closed) out += " Z";
    }
    return out;
}

}  // namespace host::svg
