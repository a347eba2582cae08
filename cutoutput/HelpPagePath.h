// The help page of the Windows feature set: a file in the plug-in module's own folder, named by the panel.
#ifndef MARKPLUG_HELPPAGEPATH_H
#define MARKPLUG_HELPPAGEPATH_H

#include <cstddef>
#include <string>

// The buffer of the module path and then the page path, and the bound of the page name, terminators included.
inline constexpr std::size_t kHelpPathBytes = 520;
inline constexpr std::size_t kHelpNameBytes = 260;

// The module's folder (up to and including its last "\" or "/"; nothing when it has none) followed by
// fileName. False, with page unchanged, when the module path or the page path does not fit its buffer, or when
// fileName is longer than the name bound, holds a NUL, is absolute ("/", "\" or a drive letter at its start), or
// has a ".." component: such a name could reach a file outside the module's folder.
bool HelpPagePath(const std::string& modulePath, const std::string& fileName, std::string& page);

#endif
