#include "svg/SvgTransform.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "svg/SvgNumbers.h"

namespace host::svg {
namespace {

constexpr double kPi = 3.14159265358979323846;

Matrix Translation(double x, double y) { return {1, 0, 0, 1, x, y}; }

// Quarter turns are exact, so that rotate(90) moves points onto the grid and not beside it.
Matrix Rotation(double degrees)
{
    double turn = std::fmod(degrees, 360.0);
    if (turn < 0) turn += 360.0;
    if (turn == 0) return {1, 0, 0, 1, 0, 0};
    if (turn == 90) return {0, 1, -1, 0, 0, 0};
    if (turn == 180) return {-1, 0, 0, -1, 0, 0};
    if (turn == 270) return {0, -1, 1, 0, 0, 0};
    const double radians = degrees * kPi / 180.0;
    const double cosine = std::cos(radians), sine = std::sin(radians);
    return {cosine, sine, -sine, cosine, 0, 0};
}

bool IsNameChar(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

// The numbers of one transform function: the first six kept (no function takes more), all of them counted.
struct Arguments {
    double values[6] = {0, 0, 0, 0, 0, 0};
    std::size_t count = 0;
    void Add(double value)
    {
        if (count < 6) values[count] = value;
        ++count;
    }
    double operator[](std::size_t i) const { return values[i]; }
};

Matrix Function(std::string_view name, const Arguments& args)
{
    const std::size_t n = args.count;
    auto need = [&](bool ok, const char* counts) {
        if (!ok) throw SvgValueError(std::string(name) + " takes " + counts + ", not " + std::to_string(n));
    };
    if (name == "matrix") {
        need(n == 6, "6 numbers");
        return {args[0], args[1], args[2], args[3], args[4], args[5]};
    }
    if (name == "translate") {
        need(n == 1 || n == 2, "1 or 2 numbers");
        return Translation(args[0], n == 2 ? args[1] : 0);
    }
    if (name == "scale") {
        need(n == 1 || n == 2, "1 or 2 numbers");
        return {args[0], 0, 0, n == 2 ? args[1] : args[0], 0, 0};
    }
    if (name == "rotate") {
        need(n == 1 || n == 3, "1 or 3 numbers");
        if (n == 1) return Rotation(args[0]);
        return Multiply(Translation(args[1], args[2]), Multiply(Rotation(args[0]), Translation(-args[1], -args[2])));
    }
    if (name == "skewX") {
        need(n == 1, "1 number");
        return {1, 0, std::tan(args[0] * kPi / 180.0), 1, 0, 0};
    }
    if (name == "skewY") {
        need(n == 1, "1 number");
        return {1, std::tan(args[0] * kPi / 180.0), 0, 1, 0, 0};
    }
    throw SvgValueError("unknown transform " + Quoted(name));
}

}  // namespace

Matrix Multiply(const Matrix& o, const Matrix& i)
{
    return {o.a * i.a + o.c * i.b, o.b * i.a + o.d * i.b,       o.a * i.c + o.c * i.d,
            o.b * i.c + o.d * i.d, o.a * i.e + o.c * i.f + o.e, o.b * i.e + o.d * i.f + o.f};
}

double ScaleOf(const Matrix& m)
{
    // Taken relative to the largest entry, so that a large but finite scale does not overflow on the way.
    const double largest = std::max({std::fabs(m.a), std::fabs(m.b), std::fabs(m.c), std::fabs(m.d)});
    if (largest == 0) return 0;
    const double a = m.a / largest, b = m.b / largest, c = m.c / largest, d = m.d / largest;
    return largest * std::sqrt(std::fabs(a * d - b * c));
}

bool IsFinite(const Matrix& m)
{
    return std::isfinite(m.a) && std::isfinite(m.b) && std::isfinite(m.c) && std::isfinite(m.d) && std::isfinite(m.e) &&
           std::isfinite(m.f);
}

bool Invert(const Matrix& m, Matrix& inverse)
{
    const double determinant = m.a * m.d - m.b * m.c;
    if (determinant == 0 || !std::isfinite(determinant)) return false;
    inverse = {m.d / determinant,
               -m.b / determinant,
               -m.c / determinant,
               m.a / determinant,
               (m.c * m.f - m.d * m.e) / determinant,
               (m.b * m.e - m.a * m.f) / determinant};
    return IsFinite(inverse);
}

Matrix Translation(double x, double y) { return {1, 0, 0, 1, x, y}; }

Matrix ParseTransform(std::string_view text)
{
    Matrix total;
    NumberScanner scanner(text);
    scanner.SkipSpace();
    while (!scanner.AtEnd()) {
        const std::string_view rest = text.substr(text.size() - scanner.Remaining());
        std::size_t length = 0;
        while (IsNameChar(scanner.Peek())) {
            ++length;
            scanner.Advance();
        }
        const std::string_view name = rest.substr(0, length);
        if (name.empty()) throw SvgValueError("expected a transform, found " + Quoted(scanner.Token()));
        scanner.SkipSpace();
        if (scanner.Peek() != '(') throw SvgValueError("expected \"(\" after " + Quoted(name));
        scanner.Advance();
        Arguments args;
        scanner.SkipSpace();
        while (scanner.Peek() != ')') {
            if (scanner.AtEnd()) throw SvgValueError("expected \")\" after the numbers of " + Quoted(name));
            args.Add(scanner.Number());
            scanner.SkipSeparator();
        }
        scanner.Advance();
        total = Multiply(total, Function(name, args));
        scanner.SkipSeparator();
    }
    if (!IsFinite(total)) throw SvgValueError("transform out of range");
    return total;
}

}  // namespace host::svg
