// An independent reading of a command file: its PJL lines are removed and Debian's hp2xx converts the HP-GL
// rest, reporting the range of coordinates the pen draws through (pen-up moves do not count).
#ifndef TESTS_SUPPORT_HP2XXEXTENT_H
#define TESTS_SUPPORT_HP2XXEXTENT_H

#include <filesystem>
#include <optional>
#include <string>

// The drawn extent in plotter units (0.025 mm), as hp2xx reports it.
struct PlotExtent {
    long long fLeft = 0;
    long long fBottom = 0;
    long long fRight = 0;
    long long fTop = 0;
};

// The bytes without the 64 semicolons at the start of tmp_pro.txt and without every line that starts with ESC or
// "@PJL": what is left is HP-GL alone.
std::string WithoutPjl(const std::string& commandFile);

// Writes WithoutPjl(commandFile) to workFolder/hpgl.txt and runs
//   hp2xx -t -m eps -f workFolder/hp2xx.eps -l workFolder/hp2xx.log workFolder/hpgl.txt
// (-t: true size, so coordinates stay plotter units), then reads "Coordinate range: (x0, y0) ... (x1, y1)" from
// the log. None, with the reason in error, when hp2xx fails or reports no integer range (nothing drawn).
std::optional<PlotExtent> Hp2xxExtent(const std::string& hp2xx, const std::string& commandFile,
                                      const std::filesystem::path& workFolder, std::string& error);

#endif
