// Sets or unsets an environment variable for one test and puts the previous state back at its end.
#ifndef TESTS_ENVIRONMENTGUARD_H
#define TESTS_ENVIRONMENTGUARD_H

#include <optional>
#include <string>

class EnvironmentGuard {
public:
    // value null: the variable is unset for the test.
    EnvironmentGuard(const char* name, const char* value);
    ~EnvironmentGuard();
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    std::string fName;
    std::optional<std::string> fSaved;
};

#endif
