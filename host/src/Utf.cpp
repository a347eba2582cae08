#include "host/Utf.h"

#include <cstdint>
#include <cstring>

namespace host {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

void AppendCodePoint(std::u16string& out, uint32_t cp)
{
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

// Length of the sequence a lead byte starts and the smallest code point it may encode; 0 for a bad lead.
int SequenceLength(unsigned char lead, uint32_t& minimum, uint32_t& initial)
{
    if (lead < 0x80) {
        initial = lead;
        minimum = 0;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        initial = lead & 0x1Fu;
        minimum = 0x80;
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        initial = lead & 0x0Fu;
        minimum = 0x800;
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        initial = lead & 0x07u;
        minimum = 0x10000;
        return 4;
    }
    return 0;
}

void AppendUtf8(std::string& out, uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// The length of the valid sequence at bytes[i] with its code point in cp; 0 when none starts there.
int ValidSequence(std::string_view bytes, std::size_t i, uint32_t& cp)
{
    uint32_t minimum = 0;
    const int length = SequenceLength(static_cast<unsigned char>(bytes[i]), minimum, cp);
    if (length == 0 || i + static_cast<std::size_t>(length) > bytes.size()) return 0;
    for (int k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
        if ((byte & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

std::size_t FirstInvalidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        // Eight bytes at a time while they are all ASCII, which most of a file is.
        while (i + 8 <= bytes.size()) {
            uint64_t word;
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if (word & 0x8080808080808080ull) break;
            i += 8;
        }
        if (i >= bytes.size()) break;
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        uint32_t cp = 0;
        const int length = ValidSequence(bytes, i, cp);
        if (length == 0) return i;
        i += static_cast<std::size_t>(length);
    }
    return std::string_view::npos;
}

std::u16string DecodeUtf8(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        uint32_t cp = 0;
        const int length = ValidSequence(bytes, i, cp);
        if (length == 0) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        AppendCodePoint(out, cp);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::string EncodeUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        uint32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<uint32_t>(text[i + 1]) - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

}  // namespace host
