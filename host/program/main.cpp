// pendrake: the host substitute as a program.
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include "Commands.h"

namespace {

const char kUsage[] =
    "Usage: pendrake COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  start      start the host with its plug-ins, show what they did, and shut down\n"
    "\n"
    "Options:\n"
    "  --edition windows|macos   which feature set of the cutting plug-in to load (default windows)\n"
    "  --plugins DIR             load the plug-ins of DIR instead of Plug-ins/<edition> beside the program\n"
    "  -h, --help                show this text\n"
    "\n"
    "Exit codes: 0 success, 1 a plug-in failed to load or start, 2 wrong usage.\n";

int Usage(const std::string& problem)
{
    std::cerr << "pendrake: " << problem << "\n\n" << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        std::string command;
        pendrake::SessionOptions options;
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            if (arg == "-h" || arg == "--help") {
                std::cout << kUsage;
                return 0;
            }
            if (arg == "--edition" || arg == "--plugins") {
                if (i + 1 >= argc) return Usage(arg + " needs a value");
                const std::string value = argv[++i];
                if (arg == "--edition") {
                    if (value != "windows" && value != "macos") return Usage("unknown edition " + value);
                    options.edition = value;
                } else {
                    options.pluginsFolder = value;
                }
            } else if (command.empty() && arg.rfind("-", 0) != 0) {
                command = arg;
            } else {
                return Usage("unexpected argument " + arg);
            }
        }
        if (command.empty()) return Usage("no command given");
        if (command == "start") return pendrake::RunStart(options);
        return Usage("unknown command " + command);
    } catch (const std::exception& error) {
        std::cerr << "pendrake: " << error.what() << '\n';
        return 1;
    }
}
