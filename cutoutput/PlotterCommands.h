// The text of the macOS output run's command streams: HP-GL drawing commands in plotter units (0.025 mm, 1016
// to the inch), wrapped in job-control lines that set up the cutter's crop-mark reading when the artwork has
// crop marks. Every number is written by the host's real-to-text operation with no decimal places.
#ifndef MARKPLUG_PLOTTERCOMMANDS_H
#define MARKPLUG_PLOTTERCOMMANDS_H

#include <cstdint>
#include <string>

#include "pendrake/IPDUnicodeString.h"

// Beginnings and endings of the streams.
inline constexpr char kPlotterInitialize[] = "IN;\r\nPA;\r\n";
inline constexpr char kPlotterAbsolute[] = "PA;\r\n";
inline constexpr char kPlotterPenUp[] = "PU;\r\n";
inline constexpr char kPlotterPage[] = "!PG;\r\n";
inline constexpr char kProStreamLead[] = ";;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;;";
// Leaves the cutter's command language again after a crop-mark job.
inline constexpr char kCropTrailer[] = "\x1b%-12345X@PJL RESET\n@PJL ENTER LANGUAGE = RESET\n";

static_assert(sizeof kProStreamLead == 64 + 1);

// The largest plotter coordinate written, about 419 m: beyond it the host's single-precision reals no longer
// hold every integer, so a point there could not be written exactly.
inline constexpr int32_t kMostPlotterUnits = 1 << 24;

// The plotter coordinate of a length in points: points × 1016 / 72 + 0.5, truncated toward zero. False for a
// value that is not finite or lies beyond kMostPlotterUnits: such a point cannot be cut where it was drawn.
bool ToPlotterUnits(double points, int32_t& units) noexcept;

// Numbers as the host's real-to-text operation writes them with no decimal places, through one host string
// that every number reuses.
class PlotterNumbers {
public:
    // Throws pd::Error when the host cannot write the number.
    std::string Text(int64_t value);

private:
    pd::UnicodeString fText;
};

// Resets the cutter and starts a crop-mark job with the current crop settings' frame in plotter units
// (horizontal and vertical distance × 2 / 5); the four-mark form (proForm) ends the crop-mark line with ",4".
// Throws pd::Error when the host cannot write the text.
std::string CropHeader(PlotterNumbers& numbers, bool proForm);

// One point: "PU" (the first point of a path, penUp) or "PD", x, ",", y, ";\r\n". Throws pd::Error when the
// host cannot write the numbers.
std::string PointLine(PlotterNumbers& numbers, bool penUp, int32_t x, int32_t y);

#endif
