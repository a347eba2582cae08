// talvex-standin: the cutting application's stand-in. It reads the cut data file that the plug-in hands it,
// reports every line it cannot read, and leaves what it read (last-cut.log) and a preview (last-cut.svg) in its
// own folder, or in the folder given with -o.
#include <iostream>
#include <string>
#include <vector>

#include "CutFileReader.h"
#include "CutLog.h"
#include "FileAccess.h"
#include "PreviewWriter.h"
#include "ResultFile.h"
#include "ValueOptions.h"

namespace {

constexpr int kUsageError = 2;

const char* const kUsage =
    "usage: talvex-standin -i FILE [-o DIR]\n"
    "Reads the cut data file FILE, reports each line it cannot read as FILE:LINE: message, and writes\n"
    "last-cut.log and last-cut.svg (a preview) into DIR, by default the folder of this program.\n"
    "Exit codes: 0 the file is good, 1 problems were found or the results could not be written, 2 wrong usage.\n";

struct Options {
    std::string fInput;
    std::string fOutputFolder;
    bool fHelp = false;
};

// Reads -i and -o (each once, in either order) and --help; false with a message otherwise.
bool ParseOptions(int argc, char** argv, Options& options, std::string& message)
{
    std::vector<talvex::ValueOption> known = {{"-i", &options.fInput}, {"-o", &options.fOutputFolder}};
    if (!talvex::ParseValueOptions(argc, argv, known, options.fHelp, message)) return false;
    if (!options.fHelp && !known[0].fGiven) {
        message = "-i FILE is required";
        return false;
    }
    return true;
}

int Run(int argc, char** argv)
{
    Options options;
    std::string message;
    if (!ParseOptions(argc, argv, options, message)) {
        std::cerr << "talvex-standin: " << message << "\n" << kUsage;
        return kUsageError;
    }
    if (options.fHelp) {
        std::cout << kUsage;
        return 0;
    }
    const std::string folder = options.fOutputFolder.empty() ? talvex::ProgramFolder() : options.fOutputFolder;
    if (folder.empty()) {
        std::cerr << "talvex-standin: cannot find the program's own folder\n";
        return 1;
    }

    talvex::CutData data;
    std::string bytes;
    std::string error;
    if (talvex::ReadFileBytes(options.fInput, bytes, error)) {
        data = talvex::ReadCutFile(bytes);
    } else {
        data.fProblems.push_back({0, error});
    }
    for (const talvex::CutProblem& problem : data.fProblems) {
        std::cerr << talvex::ProblemText(options.fInput, problem) << "\n";
    }
    const bool logWritten =
        talvex::WriteResultFile("talvex-standin", folder, "last-cut.log", talvex::CutLogText(options.fInput, data));
    const bool previewWritten =
        talvex::WriteResultFile("talvex-standin", folder, "last-cut.svg", talvex::PreviewSvg(data));
    return logWritten && previewWritten && data.fProblems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& exception) {
        std::cerr << "talvex-standin: " << exception.what() << "\n";
    } catch (...) {
        std::cerr << "talvex-standin: unexpected failure\n";
    }
    return 1;
}
