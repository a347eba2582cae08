// What a plug-in still holds of the host: suites, strings, paths, blocks, lists, parameter blocks, contexts.
#ifndef TESTS_SUPPORT_LEFTOVERS_H
#define TESTS_SUPPORT_LEFTOVERS_H

#include <string>

#include "host/Host.h"

namespace testing_support {

// Empty when nothing is left.
std::string Leftovers(host::Host& host, const ZBPlugin* plugin);

}  // namespace testing_support

#endif
