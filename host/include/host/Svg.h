// SVG in and out for the host's document. SVG is the host's file format: layers are the top-level groups with
// inkscape:groupmode="layer", every shape becomes paths of cubic segments in artwork coordinates (points, y upward,
// page point minus the origin), and what plain SVG cannot carry (origin, current layer, locks, tags, exact colours,
// exact segments) is kept in attributes and elements of the namespace "urn:pendrake:document" (prefix pd).
#ifndef HOST_SVG_H
#define HOST_SVG_H

#include <cstddef>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/Document.h"

namespace host {

struct SvgError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The largest file ReadSvgFile reads; it reads regular files only, so that a FIFO or a device as the artwork is
// refused at once.
constexpr std::size_t kMaxSvgFileBytes = std::size_t{512} << 20;

struct SvgReadOptions {
    // Refuse what the document cannot hold (masks, gradients, filters, images, ...) instead of importing its
    // nearest equivalent with a warning.
    bool strict = false;
    // Where the warnings of an import go: one line "FILE:LINE:COLUMN: warning: ..." per kind, with a count.
    std::vector<std::string>* warnings = nullptr;
    // Called now and then while a large file is read, with the bytes read so far and the file's size.
    std::function<void(std::size_t done, std::size_t total)> progress;
};

// Reads a whole document or throws SvgError whose what() is "FILE:LINE:COLUMN: message" (the place of the
// offending element or attribute); nothing is half-loaded. ReadSvgFile also sets the document's file name, and
// throws SvgError "FILE: message" for a file it cannot read, that is not a regular file or that is too large.
// References to other files or URLs are never followed.
std::unique_ptr<Document> ReadSvgFile(const std::string& path, const SvgReadOptions& options = {});
std::unique_ptr<Document> ReadSvgText(const std::string& text, const std::string& nameForMessages,
                                      const SvgReadOptions& options = {});
// The same with the text taken over: a large file is then read without a second copy of its text.
std::unique_ptr<Document> ReadSvgText(std::string&& text, const std::string& nameForMessages,
                                      const SvgReadOptions& options = {});

// Writes the document (selection is not saved). Throws SvgError for content that no file could carry back (a
// number that is not finite, a colour kind the host does not know, ...). WriteSvgFile writes a
// temporary file beside path and renames it over path, and throws SvgError naming the file when it cannot.
std::string WriteSvgText(const Document& document);
void WriteSvgFile(const Document& document, const std::string& path);

}  // namespace host

#endif
