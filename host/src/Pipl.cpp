#include "host/Pipl.h"

#include <cstring>
#include <string_view>

#include "pendrake/ZBPlugin.h"

namespace host {
namespace {

class Reader {
public:
    explicit Reader(const std::vector<unsigned char>& bytes) : fBytes(bytes) {}

    bool Has(std::size_t count) const { return fOffset <= fBytes.size() && fBytes.size() - fOffset >= count; }
    std::size_t Offset() const { return fOffset; }

    uint32_t U32()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<uint32_t>(fBytes[fOffset + static_cast<std::size_t>(i)]) << (8 * i);
        fOffset += 4;
        return value;
    }
    uint16_t U16()
    {
        const auto value = static_cast<uint16_t>(fBytes[fOffset] | (fBytes[fOffset + 1] << 8));
        fOffset += 2;
        return value;
    }
    const unsigned char* Take(std::size_t count)
    {
        const unsigned char* start = fBytes.data() + fOffset;
        fOffset += count;
        return start;
    }

private:
    const std::vector<unsigned char>& fBytes;
    std::size_t fOffset = 0;
};

std::string At(const std::string& what, std::size_t offset) { return what + " at byte " + std::to_string(offset); }

// A NUL-terminated text inside a property's data; false when the data holds no NUL.
bool TextOf(const unsigned char* data, std::size_t length, std::string& text)
{
    const void* nul = std::memchr(data, 0, length);
    if (!nul) return false;
    text.assign(reinterpret_cast<const char*>(data), static_cast<const unsigned char*>(nul) - data);
    return true;
}

}  // namespace

std::string ParsePluginProperties(const std::vector<unsigned char>& bytes, PluginProperties& properties)
{
    Reader reader(bytes);
    if (!reader.Has(10)) return At("property list too short", 0);
    if (reader.U16() != 1) return At("unknown property list version", 0);
    reader.U32();  // reserved
    const uint32_t count = reader.U32();
    bool haveKind = false, haveVersion = false, haveEntry = false, haveName = false;
    for (uint32_t i = 0; i < count; ++i) {
        const std::size_t start = reader.Offset();
        if (!reader.Has(16)) return At("property " + std::to_string(i) + " cut short", start);
        const auto vendor = static_cast<int32_t>(reader.U32());
        const auto key = static_cast<int32_t>(reader.U32());
        reader.U32();  // id
        const uint32_t length = reader.U32();
        const std::size_t padded = (static_cast<std::size_t>(length) + 3) & ~static_cast<std::size_t>(3);
        if (!reader.Has(padded)) return At("property data runs past the end", start);
        const unsigned char* data = reader.Take(padded);
        if (vendor != kPIPLVendor) continue;
        if (key == kPIPLKindKey || key == kPIPLInterfaceVersionKey) {
            if (length != 4) return At("property of wrong length", start);
            const int32_t value = static_cast<int32_t>(data[0] | (data[1] << 8) | (data[2] << 16) |
                                                       (static_cast<uint32_t>(data[3]) << 24));
            (key == kPIPLKindKey ? properties.kind : properties.interfaceVersion) = value;
            (key == kPIPLKindKey ? haveKind : haveVersion) = true;
        } else if (key == kPIPLEntryPointKey || key == kPIPLNameKey) {
            std::string& text = key == kPIPLEntryPointKey ? properties.entryPoint : properties.name;
            if (!TextOf(data, length, text)) return At("text property without terminating NUL", start);
            (key == kPIPLEntryPointKey ? haveEntry : haveName) = true;
        }
    }
    if (!haveKind || properties.kind != kPIPLPluginKind) return "not a plug-in of this host (kind)";
    if (!haveVersion || properties.interfaceVersion != kPIPLInterfaceVersion) return "unsupported interface version";
    if (!haveEntry || properties.entryPoint.empty()) return "no entry point name";
    if (!haveName || properties.name.empty()) return "no plug-in name";
    return {};
}

}  // namespace host
