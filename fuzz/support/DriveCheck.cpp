#include "DriveCheck.h"

#include <cstdio>
#include <cstdlib>

namespace drive {

void Fail(const std::string& what)
{
    std::fprintf(stderr, "drive check failed: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace drive
