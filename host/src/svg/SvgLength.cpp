#include "svg/SvgLength.h"

#include <cmath>

#include "svg/SvgNumbers.h"

namespace host::svg {
namespace {

bool IsUnitChar(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '%'; }

// Points per unit; false for a unit that is not absolute.
bool PointsPer(const std::string& unit, double& factor)
{
    if (unit.empty() || unit == "px")
        factor = 0.75;
    else if (unit == "pt")
        factor = 1;
    else if (unit == "pc")
        factor = 12;
    else if (unit == "in")
        factor = 72;
    else if (unit == "mm")
        factor = 72 / 25.4;
    else if (unit == "cm")
        factor = 72 / 2.54;
    else
        return false;
    return true;
}

void Refuse(const Length& length)
{
    if (length.unit == "%") throw SvgValueError("percentage lengths are not supported");
    throw SvgValueError("unsupported unit " + Quoted(length.unit));
}

double Finite(double value)
{
    if (!std::isfinite(value)) throw SvgValueError("length out of range");
    return value;
}

// Reads one length at the scanner's place.
Length ScanLength(NumberScanner& scanner)
{
    Length length;
    length.value = scanner.Number();
    while (IsUnitChar(scanner.Peek())) {
        length.unit += scanner.Peek();
        scanner.Advance();
    }
    return length;
}

}  // namespace

Length ParseLength(std::string_view text)
{
    NumberScanner scanner(text);
    scanner.SkipSpace();
    Length length = ScanLength(scanner);
    if (!scanner.AtEnd()) throw SvgValueError("expected a length, found " + Quoted(Trim(text)));
    return length;
}

double LengthInPoints(const Length& length)
{
    double factor = 0;
    if (!PointsPer(length.unit, factor)) Refuse(length);
    // Points are taken as they are, so that a page written in points reads back exactly.
    return length.unit == "pt" ? length.value : Finite(length.value * factor);
}

double LengthInUserUnits(const Length& length)
{
    double factor = 0;
    if (!PointsPer(length.unit, factor)) Refuse(length);
    if (length.unit.empty() || length.unit == "px") return length.value;
    return Finite(length.value * factor / 0.75);
}

std::vector<double> ParseUserLengthList(std::string_view text)
{
    std::vector<double> values;
    NumberScanner scanner(text);
    scanner.SkipSpace();
    while (!scanner.AtEnd()) {
        values.push_back(LengthInUserUnits(ScanLength(scanner)));
        const char next = scanner.Peek();
        if (next != '\0' && !IsSpace(next) && next != ',')
            throw SvgValueError("expected a length, found " + Quoted(scanner.Token()));
        scanner.SkipSeparator();
    }
    return values;
}

}  // namespace host::svg
