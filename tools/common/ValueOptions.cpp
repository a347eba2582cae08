#include "ValueOptions.h"

namespace talvex {

bool ParseValueOptions(int argc, char** argv, std::vector<ValueOption>& options, bool& help, std::string& message)
{
    help = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            help = true;
            return true;
        }
        ValueOption* option = nullptr;
        for (ValueOption& candidate : options) {
            if (argument == candidate.fName) option = &candidate;
        }
        if (!option) {
            message = "unknown argument \"" + argument + "\"";
            return false;
        }
        if (option->fGiven) {
            message = argument + " given twice";
            return false;
        }
        if (i + 1 >= argc || argv[i + 1][0] == '\0') {
            message = argument + " needs a value";
            return false;
        }
        option->fGiven = true;
        *option->fValue = argv[++i];
    }
    return true;
}

}  // namespace talvex
