// pd::FilePath: an owned host file path; each method is one File Path suite call.
#ifndef PENDRAKE_IPDFILEPATH_H
#define PENDRAKE_IPDFILEPATH_H

#include "IPDUnicodeString.h"

namespace pd {

class FilePath {
public:
    FilePath();  // the empty path
    FilePath(const FilePath&) = delete;
    FilePath& operator=(const FilePath&) = delete;
    ~FilePath();

    void AddComponent(const UnicodeString& component);
    bool Exists(bool resolveLinks = false) const;
    UnicodeString GetFullPath() const;

    PDFilePathRef Get() const noexcept { return fRef; }

private:
    PDFilePathRef fRef = nullptr;
};

}  // namespace pd

#endif
