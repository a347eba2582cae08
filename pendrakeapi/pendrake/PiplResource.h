// The plug-in property list, built at compile time. The host reads these bytes from the module file before it
// loads the module, to learn the plug-in's kind, interface version, entry point and name. On ELF systems the
// array goes into the section kPIPLSectionName:
//
//     [[gnu::section(kPIPLSectionName), gnu::used]] constexpr auto gPipl = pipl::MakePipl<"MyPlugin">();
//
// Layout, little-endian: int16 1, int32 0, int32 property count; then per property the vendor, the key, an int32
// id 0, the int32 data length and the data, NUL-padded to a multiple of 4 (the length counts the padding).
// Four-character codes are written as 32-bit values, so their characters stand reversed in the bytes.
#ifndef PENDRAKE_PIPLRESOURCE_H
#define PENDRAKE_PIPLRESOURCE_H

#include <array>
#include <cstddef>
#include <cstdint>

#include "ZBPlugin.h"

namespace pipl {

// A string literal as a template argument: the plug-in's name, NUL included.
template <std::size_t N>
struct Name {
    static_assert(N >= 2, "a plug-in name has at least one character");
    char text[N] = {};
    constexpr Name(const char (&literal)[N])  // implicit, so that a literal can be the argument
    {
        for (std::size_t i = 0; i < N; ++i) text[i] = literal[i];
    }
};

inline constexpr char kEntryPointName[] = "PluginMain";

constexpr std::size_t PaddedLength(std::size_t length) { return (length + 3) / 4 * 4; }

constexpr std::size_t kHeaderSize = 2 + 4 + 4;
constexpr std::size_t kPropertyHeaderSize = 4 + 4 + 4 + 4;
constexpr std::size_t kPropertyCount = 4;

template <Name PluginName>
constexpr std::size_t kPiplSize = kHeaderSize + kPropertyCount* kPropertyHeaderSize + 4 + 4 +
                                  PaddedLength(sizeof kEntryPointName) + PaddedLength(sizeof PluginName.text);

// Writes little-endian values into a fixed array, front to back.
template <std::size_t Size>
class Writer {
public:
    constexpr void Put16(uint16_t value)
    {
        for (int shift = 0; shift < 16; shift += 8) fBytes[fAt++] = static_cast<unsigned char>((value >> shift) & 0xFF);
    }
    constexpr void Put32(uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8) fBytes[fAt++] = static_cast<unsigned char>((value >> shift) & 0xFF);
    }
    constexpr void PutCode(int32_t code) { Put32(static_cast<uint32_t>(code)); }
    // One property: header, then the text with its NUL, padded.
    template <std::size_t N>
    constexpr void PutText(int32_t key, const char (&text)[N])
    {
        PutPropertyHeader(key, PaddedLength(N));
        for (std::size_t i = 0; i < N; ++i) fBytes[fAt++] = static_cast<unsigned char>(text[i]);
        fAt += PaddedLength(N) - N;  // the array starts zeroed
    }
    constexpr void PutPropertyHeader(int32_t key, std::size_t length)
    {
        PutCode(kPIPLVendor);
        PutCode(key);
        Put32(0);
        Put32(static_cast<uint32_t>(length));
    }
    constexpr std::size_t Written() const { return fAt; }
    constexpr const std::array<unsigned char, Size>& Bytes() const { return fBytes; }

private:
    std::array<unsigned char, Size> fBytes = {};
    std::size_t fAt = 0;
};

template <Name PluginName>
constexpr std::array<unsigned char, kPiplSize<PluginName>> MakePipl()
{
    Writer<kPiplSize<PluginName>> out;
    out.Put16(1);
    out.Put32(0);
    out.Put32(static_cast<uint32_t>(kPropertyCount));
    out.PutPropertyHeader(kPIPLKindKey, 4);
    out.PutCode(kPIPLPluginKind);
    out.PutPropertyHeader(kPIPLInterfaceVersionKey, 4);
    out.Put32(kPIPLInterfaceVersion);
    out.PutText(kPIPLEntryPointKey, kEntryPointName);
    out.PutText(kPIPLNameKey, PluginName.text);
    if (out.Written() != kPiplSize<PluginName>) throw "property list size mismatch";  // fails the constant evaluation
    return out.Bytes();
}

}  // namespace pipl

#endif
