// The stand-ins' command lines: options that each take one value, each given at most once, in any order, and
// --help (or -h), which ends the reading.
#ifndef TALVEX_VALUEOPTIONS_H
#define TALVEX_VALUEOPTIONS_H

#include <string>
#include <vector>

namespace talvex {

struct ValueOption {
    const char* fName;    // "-i"
    std::string* fValue;  // where the value goes
    bool fGiven = false;
};

// Reads argv into options; help is set for --help or -h. False, with a message, for an unknown argument, an
// option given twice or one without a (non-empty) value.
bool ParseValueOptions(int argc, char** argv, std::vector<ValueOption>& options, bool& help, std::string& message);

}  // namespace talvex

#endif
