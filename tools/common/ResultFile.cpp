#include "ResultFile.h"

#include <iostream>

#include "FileAccess.h"

namespace talvex {

bool WriteResultFile(const std::string& program, const std::string& folder, const std::string& name,
                     const std::string& text)
{
    const std::string path = folder + "/" + name;
    std::string error;
    if (!WriteFileAtomically(path, text, error)) {
        std::cerr << program << ": cannot write " << path << ": " << error << "\n";
        return false;
    }
    return true;
}

}  // namespace talvex
