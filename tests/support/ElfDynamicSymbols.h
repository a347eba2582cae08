// The names that an ELF module defines in its dynamic symbol table, read from the file itself: what another
// module can bind by name at run time.
#ifndef TESTS_ELFDYNAMICSYMBOLS_H
#define TESTS_ELFDYNAMICSYMBOLS_H

#include <set>
#include <string>

// The global and weak names with a definition in the file's .dynsym section. Throws std::runtime_error when
// the file is not a well-formed 64-bit little-endian ELF file.
std::set<std::string> DefinedDynamicSymbols(const std::string& path);

#endif
