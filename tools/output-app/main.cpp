// talvex-output-standin: the output application's stand-in. Opened without arguments, as the plug-in opens the
// output application, it reads tmp.txt, tmp_pro.txt and tmp_km.txt from the folder that holds its bundle,
// reports every line it cannot read and every disagreement between the files, and leaves what it read
// (last-output.log) and a preview of the cut (last-output.svg) beside them.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "CommandFileReader.h"
#include "FileAccess.h"
#include "FileAgreement.h"
#include "OutputLog.h"
#include "OutputPreview.h"
#include "ResultFile.h"
#include "ValueOptions.h"

namespace {

constexpr const char* kProgram = "talvex-output-standin";
constexpr int kUsageError = 2;

const char* const kUsage =
    "usage: talvex-output-standin [-d DIR] [-o DIR]\n"
    "Reads the command files tmp.txt, tmp_pro.txt and tmp_km.txt from the folder -d DIR, by default the folder\n"
    "that holds this program's bundle (NAME.app/Contents/MacOS/NAME), reports each line it cannot read and each\n"
    "disagreement between the files as FILE:LINE: message, and writes last-output.log and last-output.svg (a\n"
    "preview) into -o DIR, by default the folder of the command files.\n"
    "Exit codes: 0 the files are good, 1 problems were found or the results could not be written, 2 wrong usage.\n";

struct Options {
    std::string fCommandFolder;
    std::string fOutputFolder;
    bool fHelp = false;
};

// Reads -d and -o (each once, in either order) and --help; false with a message otherwise.
bool ParseOptions(int argc, char** argv, Options& options, std::string& message)
{
    std::vector<talvex::ValueOption> known = {{"-d", &options.fCommandFolder}, {"-o", &options.fOutputFolder}};
    if (!talvex::ParseValueOptions(argc, argv, known, options.fHelp, message)) return false;
    return true;
}

// The folder three levels above the program's own: NAME.app/Contents/MacOS/NAME stands in it.
std::string BundleFolder()
{
    const std::string program = talvex::ProgramFolder();
    if (program.empty()) {
        return program;
    }
    return std::filesystem::path(program).parent_path().parent_path().parent_path().string();
}

talvex::CommandFile ReadFile(const std::string& folder, talvex::CommandFileKind kind)
{
    std::string bytes;
    std::string error;
    if (!talvex::ReadFileBytes(folder + "/" + talvex::CommandFileName(kind), bytes, error)) {
        talvex::CommandFile file;
        file.fKind = kind;
        file.fProblems.push_back({0, error});
        return file;
    }
    return talvex::ReadCommandFile(kind, bytes);
}

int Run(int argc, char** argv)
{
    Options options;
    std::string message;
    if (!ParseOptions(argc, argv, options, message)) {
        std::cerr << kProgram << ": " << message << "\n" << kUsage;
        return kUsageError;
    }
    if (options.fHelp) {
        std::cout << kUsage;
        return 0;
    }
    const std::string folder = options.fCommandFolder.empty() ? BundleFolder() : options.fCommandFolder;
    if (folder.empty()) {
        std::cerr << kProgram << ": cannot find the program's own folder\n";
        return 1;
    }
    const std::string outputFolder = options.fOutputFolder.empty() ? folder : options.fOutputFolder;

    talvex::CommandFiles files = {ReadFile(folder, talvex::CommandFileKind::kPlain),
                                  ReadFile(folder, talvex::CommandFileKind::kPro),
                                  ReadFile(folder, talvex::CommandFileKind::kTurned)};
    std::optional<talvex::PageHeightWindow> pageHeights;
    if (files[0].fRead && files[1].fRead) {
        talvex::CompareProWithPlain(files[0], files[1]);
    }
    if (files[0].fRead && files[2].fRead) {
        pageHeights = talvex::CompareTurnedWithPlain(files[0], files[2]);
    }
    const std::string problems = talvex::ProblemsText(folder, files);
    std::cerr << problems;
    const bool logWritten = talvex::WriteResultFile(kProgram, outputFolder, "last-output.log",
                                                    talvex::OutputLogText(folder, files, pageHeights));
    const bool previewWritten =
        talvex::WriteResultFile(kProgram, outputFolder, "last-output.svg", talvex::OutputPreviewSvg(files));
    return logWritten && previewWritten && problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& exception) {
        std::cerr << kProgram << ": " << exception.what() << "\n";
    } catch (...) {
        std::cerr << kProgram << ": unexpected failure\n";
    }
    return 1;
}
