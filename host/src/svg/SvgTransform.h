// Affine matrices and the transform attribute.
#ifndef HOST_SVG_SVGTRANSFORM_H
#define HOST_SVG_SVGTRANSFORM_H

#include <string_view>

#include "host/Document.h"

namespace host::svg {

// x' = a x + c y + e, y' = b x + d y + f.
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
};

// The matrix that applies inner first, then outer.
Matrix Multiply(const Matrix& outer, const Matrix& inner);
// Inline: every point of every path goes through it.
inline Point Apply(const Matrix& m, Point p) { return {m.a * p.h + m.c * p.v + m.e, m.b * p.h + m.d * p.v + m.f}; }
// How the matrix scales lengths: the square root of its determinant's magnitude.
double ScaleOf(const Matrix& m);
bool IsFinite(const Matrix& m);
// The matrix that undoes m; false when m flattens the plane (or the inverse is not finite).
bool Invert(const Matrix& m, Matrix& inverse);
Matrix Translation(double x, double y);

// A transform list: matrix, translate, scale, rotate (with an optional centre), skewX, skewY, separated by white
// space and/or commas; the first in the list is the outermost. Throws SvgValueError.
Matrix ParseTransform(std::string_view text);

}  // namespace host::svg

#endif
