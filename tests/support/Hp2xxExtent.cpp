#include "Hp2xxExtent.h"

#include <charconv>
#include <string_view>

#include "ProgramRun.h"

namespace {

bool IsPjlLine(std::string_view line) { return line.substr(0, 1) == "\x1b" || line.substr(0, 4) == "@PJL"; }

// "(x, y)" at text[at]; moves at past it.
bool ReadPair(const std::string& text, std::size_t& at, long long& x, long long& y)
{
    const auto number = [&](long long& value, char end) {
        const char* first = text.data() + at;
        const auto [last, error] = std::from_chars(first, text.data() + text.size(), value);
        if (error != std::errc() || last == text.data() + text.size() || *last != end) return false;
        at = static_cast<std::size_t>(last - text.data()) + 1;
        return true;
    };
    if (text.compare(at, 1, "(") != 0) return false;
    ++at;
    if (!number(x, ',')) return false;
    if (text.compare(at, 1, " ") != 0) return false;
    ++at;
    return number(y, ')');
}

}  // namespace

std::string WithoutPjl(const std::string& commandFile)
{
    std::string_view rest(commandFile);
    rest.remove_prefix(std::min(rest.find_first_not_of(';'), rest.size()));
    std::string hpgl;
    while (!rest.empty()) {
        const std::size_t feed = rest.find('\n');
        const std::string_view line = rest.substr(0, feed == std::string_view::npos ? rest.size() : feed + 1);
        if (!IsPjlLine(line)) hpgl += line;
        rest.remove_prefix(line.size());
    }
    return hpgl;
}

std::optional<PlotExtent> Hp2xxExtent(const std::string& hp2xx, const std::string& commandFile,
                                      const std::filesystem::path& workFolder, std::string& error)
{
    const std::filesystem::path input = workFolder / "hpgl.txt";
    const std::filesystem::path log = workFolder / "hp2xx.log";
    WriteBytes(input, WithoutPjl(commandFile));
    const ProgramResult result = RunProgram(
        {hp2xx, "-t", "-m", "eps", "-f", (workFolder / "hp2xx.eps").string(), "-l", log.string(), input.string()},
        workFolder);
    if (result.fExitCode != 0) {
        error = "hp2xx exited with " + std::to_string(result.fExitCode) + ": " + result.fErr;
        return std::nullopt;
    }
    const std::string text = FileText(log);
    const std::string lead = "Coordinate range: ";
    std::size_t at = text.find(lead);
    PlotExtent extent;
    if (at == std::string::npos) {
        error = "no coordinate range in hp2xx's log";
        return std::nullopt;
    }
    at += lead.size();
    if (!ReadPair(text, at, extent.fLeft, extent.fBottom) || text.compare(at, 5, " ... ") != 0 ||
        !ReadPair(text, at += 5, extent.fRight, extent.fTop)) {
        error = "cannot read hp2xx's coordinate range: " + text.substr(text.find(lead), 80);
        return std::nullopt;
    }
    return extent;
}
