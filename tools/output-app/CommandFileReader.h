// Reads one command file strictly: every line it cannot place is a problem at its line, and reading goes on.
#ifndef TOOLS_OUTPUTAPP_COMMANDFILEREADER_H
#define TOOLS_OUTPUTAPP_COMMANDFILEREADER_H

#include <string_view>

#include "CommandData.h"

namespace talvex {

CommandFile ReadCommandFile(CommandFileKind kind, std::string_view bytes);

}  // namespace talvex

#endif
