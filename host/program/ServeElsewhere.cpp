// `pendrake serve` where serving lives in pendrake-serve beside this program: the command becomes that program, with
// the same command line, so that only a serving session loads the HTTP library.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "Commands.h"

namespace pendrake {

int RunServe(const ServeOptions& options, std::ostream&, std::ostream& err)
{
    const std::string program = (std::filesystem::path(ProgramFolder()) / "pendrake-serve").string();
    std::vector<char*> arguments;
    arguments.push_back(const_cast<char*>(program.c_str()));
    for (std::size_t i = 1; i < options.commandLine.size(); ++i)
        arguments.push_back(const_cast<char*>(options.commandLine[i].c_str()));
    arguments.push_back(nullptr);
    std::cout.flush();
    std::cerr.flush();
    ::execv(program.c_str(), arguments.data());
    err << "pendrake: cannot start " << program << ": " << std::strerror(errno) << '\n';
    return 1;
}

}  // namespace pendrake
