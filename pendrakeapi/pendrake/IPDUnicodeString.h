// pd::UnicodeString: an owned host string. Each method is one Unicode String suite call; a failing call throws
// pd::Error with the host's code.
#ifndef PENDRAKE_IPDUNICODESTRING_H
#define PENDRAKE_IPDUNICODESTRING_H

#include <cstddef>
#include <string>

#include "IPDError.h"
#include "PDTypes.h"

namespace pd {

class UnicodeString {
public:
    using size_type = std::size_t;
    static constexpr size_type npos = static_cast<size_type>(-1);

    UnicodeString();  // the empty string
    // From bytes in a host encoding (kPDPlatformEncoding by default); null makes the empty string.
    explicit UnicodeString(const char* bytes, int32_t encoding = 0);
    UnicodeString(const std::string& bytes, int32_t encoding = 0);
    UnicodeString(const UnicodeString& other);
    UnicodeString(UnicodeString&& other) noexcept;
    UnicodeString& operator=(UnicodeString other) noexcept;
    ~UnicodeString();

    size_type length() const;
    bool empty() const { return length() == 0; }
    // Position of the first occurrence of text at or after pos, or npos.
    size_type find(const UnicodeString& text, size_type pos = 0) const;
    // At most count units from pos (npos: to the end).
    UnicodeString substr(size_type pos, size_type count = npos) const;
    UnicodeString& append(const UnicodeString& text);
    // The text in the platform encoding (UTF-8 here).
    std::string as_Platform() const;
    std::string as_UTF8() const;

    PDUnicodeStringRef Get() const noexcept { return fRef; }

private:
    std::string Export(int32_t encoding) const;
    PDUnicodeStringRef fRef = nullptr;
};

}  // namespace pd

#endif
