// Whole-file reads of what the host takes as a document or a setting: only regular files, and only up to a
// size, so that a FIFO does not block the host and a device does not fill its memory.
#ifndef HOST_REGULARFILE_H
#define HOST_REGULARFILE_H

#include <cstddef>
#include <string>

namespace host {

// Fills text with the file's bytes. Returns an empty text on success, otherwise why not: "cannot open the
// file: REASON", "not a regular file" (a FIFO, a device, a folder), "the file is larger than LIMIT" (LIMIT
// named by limitText), "cannot read the file: REASON".
std::string ReadRegularFile(const std::string& path, std::size_t limit, const std::string& limitText,
                            std::string& text);

}  // namespace host

#endif
