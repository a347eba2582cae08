// libFuzzer target: the cutting application stand-in's strict reader of the cut data file, with the log and the
// preview it makes of what it read. Every problem must name a line of the input, or the end of it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "CutFileReader.h"
#include "CutLog.h"
#include "DriveCheck.h"
#include "PreviewWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const talvex::CutData cut = talvex::ReadCutFile(bytes);
    // A file that ends early has its problem at the line after the last.
    std::size_t lines = bytes.empty() || bytes.back() == '\n' ? 0 : 1;
    for (const char c : bytes) lines += c == '\n';
    for (const talvex::CutProblem& problem : cut.fProblems)
        if (problem.fLine < 0 || static_cast<std::size_t>(problem.fLine) > lines + 1)
            drive::Fail("a problem at line " + std::to_string(problem.fLine) + " of " + std::to_string(lines));
    const std::string log = talvex::CutLogText("input.cut", cut);
    const std::string preview = talvex::PreviewSvg(cut);
    drive::Require(!log.empty() && preview.find("<svg") != std::string::npos, "a log or a preview without content");
    return 0;
}
