// The host's preference store: text values under a prefix (usually a plug-in's name) and a key, kept in a
// user-editable file between runs:
//
//     # comment
//     [TalvexPluginDialog]
//     kQRW_cropMachineType = 7
//
// Blank lines and lines starting with "#" are ignored; spaces around names and values are not part of them. A
// carriage return may end a line (before its line feed) and stand nowhere else. The file is a regular file of at
// most kMaxFileBytes, each line at most kMaxLineBytes (without its line break); the store never grows past what
// such a file holds, so that what it saves loads again.
#ifndef HOST_PREFERENCES_H
#define HOST_PREFERENCES_H

#include <cstddef>
#include <map>
#include <string>

namespace host {

class Preferences {
public:
    static constexpr std::size_t kMaxFileBytes = 1 << 20;
    static constexpr std::size_t kMaxLineBytes = 16384;

    // Whether the file can hold the entry: a prefix without "[", "]" or line breaks, a key without "=" or line
    // breaks that does not start with "#" or "[", neither empty, no spaces around any of the three, and the
    // section line and the entry's line no longer than kMaxLineBytes.
    static bool Storable(const std::string& prefix, const std::string& key, const std::string& value);
    // Whether the file stays within kMaxFileBytes with the entry set.
    bool Fits(const std::string& prefix, const std::string& key, const std::string& value) const;

    // Throws std::invalid_argument for an entry that is not Storable or does not fit.
    void Set(const std::string& prefix, const std::string& key, const std::string& value);
    bool Get(const std::string& prefix, const std::string& key, std::string& value) const;
    bool Remove(const std::string& prefix, const std::string& key);

    // Replaces the store with the file's entries. Throws std::runtime_error "FILE:LINE: what" for a bad or
    // over-long line, or "FILE:0: what" for a file that cannot be read, is not a regular file (a FIFO, a device,
    // a folder) or is too large; the store is then kept as it was.
    void Load(const std::string& path);
    // Writes a temporary file beside path and renames it over path; throws std::runtime_error on failure.
    // The store counts as unchanged afterwards.
    void Save(const std::string& path) const;
    // Whether a Set or Remove changed the store since it was made, loaded or saved.
    bool Changed() const { return fChanged; }

    // The file's text.
    std::string Text() const;

private:
    using Section = std::map<std::string, std::string>;
    // The length of Text().
    std::size_t TextSize() const;

    std::map<std::string, Section> fSections;
    mutable bool fChanged = false;
};

}  // namespace host

#endif
