#include "pendrake/IPDUnicodeString.h"

#include <limits>
#include <utility>
#include <vector>

#include "pendrake/PDWrapperSuites.h"

namespace pd {
namespace {

const PDUnicodeStringSuite8& Suite()
{
    if (!sPDUnicodeString) throw Error(kCantHappenErr);
    return *sPDUnicodeString;
}

int32_t ToHostIndex(UnicodeString::size_type value)
{
    if (value == UnicodeString::npos) return -1;
    if (value > static_cast<UnicodeString::size_type>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

}  // namespace

UnicodeString::UnicodeString() : UnicodeString(static_cast<const char*>(nullptr)) {}

UnicodeString::UnicodeString(const char* bytes, int32_t encoding)
{
    Check(Suite().NewString(bytes, -1, encoding, &fRef));
}

UnicodeString::UnicodeString(const std::string& bytes, int32_t encoding)
{
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) throw Error(kBadParameterErr);
    Check(Suite().NewString(bytes.data(), static_cast<int32_t>(bytes.size()), encoding, &fRef));
}

UnicodeString::UnicodeString(const UnicodeString& other) { Check(Suite().Copy(other.fRef, &fRef)); }

UnicodeString::UnicodeString(UnicodeString&& other) noexcept : fRef(std::exchange(other.fRef, nullptr)) {}

UnicodeString& UnicodeString::operator=(UnicodeString other) noexcept
{
    std::swap(fRef, other.fRef);
    return *this;
}

UnicodeString::~UnicodeString()
{
    // A destructor cannot report; a moved-from string holds nothing to free.
    if (fRef && sPDUnicodeString) sPDUnicodeString->Dispose(fRef);
}

UnicodeString::size_type UnicodeString::length() const
{
    int32_t length = 0;
    Check(Suite().Length(fRef, &length));
    return static_cast<size_type>(length);
}

UnicodeString::size_type UnicodeString::find(const UnicodeString& text, size_type pos) const
{
    if (pos == npos) return npos;
    int32_t position = kPDStringNotFound;
    Check(Suite().Find(fRef, text.fRef, ToHostIndex(pos), &position));
    return position < 0 ? npos : static_cast<size_type>(position);
}

UnicodeString UnicodeString::substr(size_type pos, size_type count) const
{
    UnicodeString part;
    PDUnicodeStringRef ref = nullptr;
    Check(Suite().Substring(fRef, ToHostIndex(pos), ToHostIndex(count), &ref));
    std::swap(part.fRef, ref);
    Suite().Dispose(ref);  // the empty string made by the default constructor
    return part;
}

UnicodeString& UnicodeString::append(const UnicodeString& text)
{
    Check(Suite().Append(fRef, text.fRef));
    return *this;
}

std::string UnicodeString::Export(int32_t encoding) const
{
    int32_t length = 0;
    Check(Suite().Export(fRef, encoding, nullptr, 0, &length));
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    Check(Suite().Export(fRef, encoding, buffer.data(), static_cast<int32_t>(buffer.size()), &length));
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

std::string UnicodeString::as_Platform() const { return Export(kPDPlatformEncoding); }

std::string UnicodeString::as_UTF8() const { return Export(kPDUTF8Encoding); }

}  // namespace pd
