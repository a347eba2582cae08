// One line of a command file, without its line end: which command it is and the numbers it carries.
#ifndef TOOLS_OUTPUTAPP_COMMANDLINE_H
#define TOOLS_OUTPUTAPP_COMMANDLINE_H

#include <string>
#include <string_view>
#include <vector>

#include "CommandData.h"

namespace talvex {

enum class CommandLineKind {
    kUnknown,
    kStartReset,            // "\x1bE\x1b%-12345X@PJL RESET"
    kCropMarks,             // "@PJL DO CROPMARK a,b,W,L;" or "...,4;"
    kEnterCommandLanguage,  // "@PJL ENTER LANGUAGE = VXCMD"
    kInit,                  // "IN;"
    kAbsolute,              // "PA;"
    kPoint,                 // "PUx,y;" or "PDx,y;"
    kPenUp,                 // "PU;"
    kPage,                  // "!PG;"
    kExitReset,             // "\x1b%-12345X@PJL RESET"
    kEnterResetLanguage,    // "@PJL ENTER LANGUAGE = RESET"
};

struct CommandLine {
    CommandLineKind fKind = CommandLineKind::kUnknown;
    PlotPoint fPoint;           // for kPoint
    CropMarkValues fCropMarks;  // for kCropMarks
    // Problems with the numbers of a line whose command was recognised; its values are not to be used then.
    std::vector<std::string> fProblems;
};

CommandLine ClassifyCommandLine(std::string_view text);

// PJL lines end with LF; HP-GL lines with CR LF.
bool IsPjlLine(CommandLineKind kind);

// How messages name a kind of line.
std::string DescribeCommandLine(CommandLineKind kind);

}  // namespace talvex

#endif
