#include "EnvironmentGuard.h"

#include <stdlib.h>

EnvironmentGuard::EnvironmentGuard(const char* name, const char* value) : fName(name)
{
    if (const char* saved = getenv(name)) {
        fSaved = saved;
    }
    if (value != nullptr) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
}

EnvironmentGuard::~EnvironmentGuard()
{
    if (fSaved) {
        setenv(fName.c_str(), fSaved->c_str(), 1);
    } else {
        unsetenv(fName.c_str());
    }
}
