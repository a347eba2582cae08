#include <gtest/gtest.h>

#include "host/Utf.h"

using host::DecodeUtf8;
using host::EncodeUtf8;

TEST(Utf, RoundTripsEveryPlane)
{
    const std::string text = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // A, e acute, euro sign, an emoji
    const std::u16string decoded = DecodeUtf8(text);
    EXPECT_EQ(decoded, (std::u16string{u'A', u'\u00E9', u'\u20AC', 0xD83D, 0xDE00}));
    EXPECT_EQ(EncodeUtf8(decoded), text);
}

TEST(Utf, ReplacesEachBadByteInsteadOfDroppingIt)
{
    EXPECT_EQ(DecodeUtf8("a\xFF"
                         "b"),
              (std::u16string{u'a', u'\uFFFD', u'b'}));
    EXPECT_EQ(DecodeUtf8("\xC3"), (std::u16string{u'\uFFFD'}));                 // cut short
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), (std::u16string{u'\uFFFD', u'\uFFFD'}));  // overlong
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80").size(), 3u);                           // an encoded surrogate
}

TEST(Utf, KeepsEmbeddedNulBytes) { EXPECT_EQ(DecodeUtf8(std::string("a\0b", 3)).size(), 3u); }

TEST(Utf, UnpairedSurrogateBecomesReplacement) { EXPECT_EQ(EncodeUtf8(std::u16string{0xD800, u'x'}), "\xEF\xBF\xBDx"); }
