// The host's preference store: text values under a prefix (usually a plug-in's name) and a key, kept in a
// user-editable file between runs:
//
//     # comment
//     [TalvexPluginDialog]
//     kQRW_cropMachineType = 7
//
// Blank lines and lines starting with "#" are ignored; spaces around names and values are not part of them. A
// carriage return may end a line (before its line feed) and stand nowhere else.
#ifndef HOST_PREFERENCES_H
#define HOST_PREFERENCES_H

#include <map>
#include <string>

namespace host {

class Preferences {
public:
    // Whether the file can hold the entry: a prefix without "[", "]" or line breaks, a key without "=" or line
    // breaks that does not start with "#" or "[", neither empty, and no spaces around any of the three.
    static bool Storable(const std::string& prefix, const std::string& key, const std::string& value);

    // Throws std::invalid_argument for an entry that is not Storable.
    void Set(const std::string& prefix, const std::string& key, const std::string& value);
    bool Get(const std::string& prefix, const std::string& key, std::string& value) const;
    bool Remove(const std::string& prefix, const std::string& key);

    // Replaces the store with the file's entries. Throws std::runtime_error "FILE:LINE: what" for an unreadable
    // file or a bad line, and then keeps the store as it was.
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
    std::map<std::string, Section> fSections;
    mutable bool fChanged = false;
};

}  // namespace host

#endif
