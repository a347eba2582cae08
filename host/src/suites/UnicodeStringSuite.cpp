#include <cstring>
#include <limits>

#include "CoreSuites.h"
#include "HostCall.h"
#include "host/Utf.h"
#include "pendrake/PDUnicodeString.h"

namespace host {
namespace {

bool Decode(const char* bytes, int32_t length, int32_t encoding, std::u16string& text)
{
    if (!bytes) {
        text.clear();
        return encoding >= kPDPlatformEncoding && encoding <= kPDUTF16Encoding;
    }
    if (encoding == kPDPlatformEncoding || encoding == kPDUTF8Encoding) {
        const std::size_t size = length < 0 ? std::strlen(bytes) : static_cast<std::size_t>(length);
        text = DecodeUtf8(std::string_view(bytes, size));
        return true;
    }
    if (encoding == kPDUTF16Encoding) {
        text.clear();
        const std::size_t units =
            length < 0 ? std::numeric_limits<std::size_t>::max() : static_cast<std::size_t>(length) / 2;
        for (std::size_t i = 0; i < units; ++i) {
            char16_t unit = 0;
            std::memcpy(&unit, bytes + 2 * i, sizeof unit);  // the text need not be aligned
            if (length < 0 && unit == 0) break;
            text.push_back(unit);
        }
        return true;
    }
    return false;
}

int32_t Clamp(std::size_t value)
{
    return value > static_cast<std::size_t>(std::numeric_limits<int32_t>::max()) ? std::numeric_limits<int32_t>::max()
                                                                                 : static_cast<int32_t>(value);
}

ZBErr NewString(const char* bytes, int32_t length, int32_t encoding, PDUnicodeStringRef* string)
{
    return HostCall("NewString", [&](Host& host) {
        if (!string) return kBadParameterErr;
        std::u16string text;
        if (!Decode(bytes, length, encoding, text)) return kBadParameterErr;
        *string = host.MakeString(std::move(text));
        return kNoErr;
    });
}

ZBErr Dispose(PDUnicodeStringRef string)
{
    return HostCall("Dispose", [&](Host& host) {
        if (!string) return kNoErr;
        if (!host.ReleaseString(string)) {
            host.GetChecks().Violation("Dispose with an unknown string");
            return kBadObjectErr;
        }
        return kNoErr;
    });
}

ZBErr Copy(PDUnicodeStringRef handle, PDUnicodeStringRef* copy)
{
    return WithString("Copy", handle, [&](Host& host, PDUnicodeStringOpaque& string) {
        if (!copy) return kBadParameterErr;
        *copy = host.MakeString(string.text);
        return kNoErr;
    });
}

ZBErr Length(PDUnicodeStringRef handle, int32_t* length)
{
    return WithString("Length", handle, [&](Host&, PDUnicodeStringOpaque& string) {
        if (!length) return kBadParameterErr;
        *length = Clamp(string.text.size());
        return kNoErr;
    });
}

ZBErr Find(PDUnicodeStringRef handle, PDUnicodeStringRef needle, int32_t from, int32_t* position)
{
    return WithString("Find", handle, [&](Host& host, PDUnicodeStringOpaque& string) {
        PDUnicodeStringOpaque* text = host.FindString(needle);
        if (!text || !position || from < 0) return kBadParameterErr;
        const auto found = string.text.find(text->text, static_cast<std::size_t>(from));
        *position = found == std::u16string::npos ? kPDStringNotFound : Clamp(found);
        return kNoErr;
    });
}

ZBErr Substring(PDUnicodeStringRef handle, int32_t position, int32_t count, PDUnicodeStringRef* part)
{
    return WithString("Substring", handle, [&](Host& host, PDUnicodeStringOpaque& string) {
        if (!part || position < 0) return kBadParameterErr;
        const auto start = static_cast<std::size_t>(position);
        std::u16string text;
        if (start < string.text.size())
            text = string.text.substr(start, count < 0 ? std::u16string::npos : static_cast<std::size_t>(count));
        *part = host.MakeString(std::move(text));
        return kNoErr;
    });
}

ZBErr Append(PDUnicodeStringRef handle, PDUnicodeStringRef other)
{
    return WithString("Append", handle, [&](Host& host, PDUnicodeStringOpaque& string) {
        PDUnicodeStringOpaque* text = host.FindString(other);
        if (!text) return kBadParameterErr;
        string.text += std::u16string(text->text);  // a copy: other may be the same string
        return kNoErr;
    });
}

ZBErr Export(PDUnicodeStringRef handle, int32_t encoding, char* buffer, int32_t bufferSize, int32_t* length)
{
    return WithString("Export", handle, [&](Host&, PDUnicodeStringOpaque& string) {
        if (bufferSize < 0 || (bufferSize > 0 && !buffer)) return kBadParameterErr;
        const auto room = static_cast<std::size_t>(bufferSize);
        if (encoding == kPDUTF16Encoding) {
            if (length) *length = Clamp(string.text.size() * 2);
            if (room < 2) return room == 0 && !buffer ? kNoErr : kBadParameterErr;
            std::size_t units = std::min(string.text.size(), room / 2 - 1);
            if (units > 0 && units < string.text.size() && string.text[units - 1] >= 0xD800 &&
                string.text[units - 1] <= 0xDBFF)
                --units;  // never split a surrogate pair
            std::memcpy(buffer, string.text.data(), units * 2);
            std::memset(buffer + units * 2, 0, 2);
            return units == string.text.size() ? kNoErr : kBadParameterErr;
        }
        if (encoding != kPDPlatformEncoding && encoding != kPDUTF8Encoding) return kBadParameterErr;
        const std::string bytes = EncodeUtf8(string.text);
        if (length) *length = Clamp(bytes.size());
        if (room == 0) return buffer ? kBadParameterErr : kNoErr;
        std::size_t count = std::min(bytes.size(), room - 1);
        while (count > 0 && count < bytes.size() && (static_cast<unsigned char>(bytes[count]) & 0xC0) == 0x80)
            --count;  // end at a whole character
        std::memcpy(buffer, bytes.data(), count);
        buffer[count] = '\0';
        return count == bytes.size() ? kNoErr : kBadParameterErr;
    });
}

const PDUnicodeStringSuite8 kUnicodeStringSuite = {NewString, Dispose, Copy, Length, Find, Substring, Append, Export};

}  // namespace

void OfferUnicodeStringSuite(SuiteRegistry& registry)
{
    for (int32_t version :
         {kPDUnicodeStringSuiteVersion7, kPDUnicodeStringSuiteVersion8, kPDUnicodeStringSuiteVersion1007})
        registry.Offer(kPDUnicodeStringSuite, version, &kUnicodeStringSuite);
}

}  // namespace host
