#include "host/Preferences.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "RegularFile.h"

namespace host {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kHeading =
    "# Preferences of the host, by plug-in: [prefix] lines, then \"key = value\" lines.\n";

// The lengths of a section's "[prefix]" line and an entry's "key = value" line, without the line break.
std::size_t SectionLineSize(const std::string& prefix) { return prefix.size() + 2; }
std::size_t EntryLineSize(const std::string& key, const std::string& value) { return key.size() + 3 + value.size(); }

std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool Trimmed(std::string_view text) { return Trim(text).size() == text.size(); }

bool HasAny(std::string_view text, std::string_view characters)
{
    return text.find_first_of(characters) != std::string_view::npos;
}

[[noreturn]] void Fail(const std::string& path, std::size_t line, const std::string& what)
{
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
}

}  // namespace

bool Preferences::Storable(const std::string& prefix, const std::string& key, const std::string& value)
{
    return !prefix.empty() && Trimmed(prefix) && !HasAny(prefix, "[]\r\n") && !key.empty() && Trimmed(key) &&
           !HasAny(key, "=\r\n") && key[0] != '#' && key[0] != '[' && Trimmed(value) && !HasAny(value, "\r\n") &&
           SectionLineSize(prefix) <= kMaxLineBytes && EntryLineSize(key, value) <= kMaxLineBytes;
}

std::size_t Preferences::TextSize() const
{
    std::size_t size = kHeading.size();
    for (const auto& [prefix, entries] : fSections) {
        size += 1 + SectionLineSize(prefix) + 1;
        for (const auto& [key, value] : entries) size += EntryLineSize(key, value) + 1;
    }
    return size;
}

bool Preferences::Fits(const std::string& prefix, const std::string& key, const std::string& value) const
{
    std::size_t size = TextSize() + EntryLineSize(key, value) + 1;
    const auto section = fSections.find(prefix);
    if (section == fSections.end()) {
        size += 1 + SectionLineSize(prefix) + 1;
    } else if (const auto entry = section->second.find(key); entry != section->second.end()) {
        size -= EntryLineSize(key, entry->second) + 1;
    }
    return size <= kMaxFileBytes;
}

void Preferences::Set(const std::string& prefix, const std::string& key, const std::string& value)
{
    if (!Storable(prefix, key, value) || !Fits(prefix, key, value))
        throw std::invalid_argument("preference [" + prefix + "] " + key + " cannot be stored");
    std::string old;
    if (Get(prefix, key, old) && old == value) return;
    fSections[prefix][key] = value;
    fChanged = true;
}

bool Preferences::Get(const std::string& prefix, const std::string& key, std::string& value) const
{
    const auto section = fSections.find(prefix);
    if (section == fSections.end()) return false;
    const auto entry = section->second.find(key);
    if (entry == section->second.end()) return false;
    value = entry->second;
    return true;
}

bool Preferences::Remove(const std::string& prefix, const std::string& key)
{
    const auto section = fSections.find(prefix);
    if (section == fSections.end() || section->second.erase(key) == 0) return false;
    if (section->second.empty()) fSections.erase(section);
    fChanged = true;
    return true;
}

void Preferences::Load(const std::string& path)
{
    std::string contents;
    if (const std::string why = ReadRegularFile(path, kMaxFileBytes, "1 MiB", contents); !why.empty())
        Fail(path, 0, why);
    std::map<std::string, Section> loaded;
    Section* section = nullptr;
    std::string sectionName;
    std::size_t number = 0;
    for (std::size_t start = 0; start < contents.size();) {
        ++number;
        const std::size_t end = std::min(contents.find('\n', start), contents.size());
        std::string_view text = std::string_view(contents).substr(start, end - start);
        start = end + 1;
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        if (text.size() > kMaxLineBytes)
            Fail(path, number, "the line is longer than " + std::to_string(kMaxLineBytes) + " bytes");
        text = Trim(text);
        if (text.empty() || text[0] == '#') continue;
        // No entry may hold one (see Storable): saved, it would end the line there.
        if (text.find('\r') != std::string_view::npos) Fail(path, number, "a carriage return may only end a line");
        if (text[0] == '[') {
            if (text.back() != ']') Fail(path, number, "a section line must end with \"]\"");
            const std::string name(Trim(text.substr(1, text.size() - 2)));
            if (name.empty() || HasAny(name, "[]")) Fail(path, number, "bad section name \"" + name + "\"");
            sectionName = name;
            section = &loaded[name];
            continue;
        }
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos)
            Fail(path, number, "expected \"key = value\", \"[section]\" or \"# comment\"");
        const std::string key(Trim(text.substr(0, equals)));
        const std::string value(Trim(text.substr(equals + 1)));
        if (key.empty()) Fail(path, number, "a key is missing before \"=\"");
        if (!section) Fail(path, number, "key \"" + key + "\" comes before any [section]");
        if (!section->emplace(key, value).second)
            Fail(path, number, "key \"" + key + "\" is given twice in [" + sectionName + "]");
    }
    // Empty sections keep nothing.
    for (auto it = loaded.begin(); it != loaded.end();) it = it->second.empty() ? loaded.erase(it) : std::next(it);
    fSections = std::move(loaded);
    fChanged = false;
}

std::string Preferences::Text() const
{
    std::ostringstream text;
    text << kHeading;
    for (const auto& [prefix, entries] : fSections) {
        text << "\n[" << prefix << "]\n";
        for (const auto& [key, value] : entries) text << key << " = " << value << "\n";
    }
    return text.str();
}

void Preferences::Save(const std::string& path) const
{
    const std::string temporary = path + ".saving";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << Text();
        file.close();
        if (!file) {
            std::remove(temporary.c_str());
            throw std::runtime_error(path + ":0: cannot write " + temporary);
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        throw std::runtime_error(path + ":0: cannot replace the file: " + error.message());
    }
    fChanged = false;
}

}  // namespace host
