#include "PlotterCommands.h"

#include <cmath>

#include "CropSettings.h"
#include "Suites.h"
#include "pendrake/IPDError.h"
#include "pendrake/IPDUnicodeString.h"
#include "pendrake/PDUser.h"

bool ToPlotterUnits(double points, int32_t& units) noexcept
{
    // In this order of operations, so that every point lands on the same unit in any build.
    const double scaled = points * 1016.0 / 72.0 + 0.5;
    // The comparison is false for NaN as well: no value outside the range reaches the conversion.
    if (!(std::fabs(scaled) < static_cast<double>(kMostPlotterUnits) + 1)) return false;
    units = static_cast<int32_t>(scaled);
    return true;
}

std::string PlotterNumbers::Text(int64_t value)
{
    if (!sPDUser) throw pd::Error(kCantHappenErr);
    pd::Check(sPDUser->RealToString(static_cast<PDReal>(value), 0, fText.Get()));
    return fText.as_Platform();
}

std::string CropHeader(PlotterNumbers& numbers, bool proForm)
{
    // The frame's size in plotter units, from hundredths of a millimetre: × 2 / 5, truncated toward zero.
    const int64_t width = static_cast<int64_t>(cropParameter.horzDistance) * 2 / 5;
    const int64_t length = static_cast<int64_t>(cropParameter.vertDistance) * 2 / 5;
    pd::UnicodeString header(
        "\x1b"
        "E\x1b%-12345X@PJL RESET\n@PJL DO CROPMARK ");
    header.append(pd::UnicodeString(numbers.Text(200) + "," + numbers.Text(200) + "," + numbers.Text(width) + "," +
                                    numbers.Text(length)));
    header.append(pd::UnicodeString(proForm ? ",4;\n" : ";\n"));
    header.append(pd::UnicodeString("@PJL ENTER LANGUAGE = VXCMD\n"));
    return header.as_Platform();
}

std::string PointLine(PlotterNumbers& numbers, bool penUp, int32_t x, int32_t y)
{
    return std::string(penUp ? "PU" : "PD") + numbers.Text(x) + "," + numbers.Text(y) + ";\r\n";
}
