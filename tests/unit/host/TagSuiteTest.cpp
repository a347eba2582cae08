// The Tag suite through the registry's pointers: the four types, host-owned texts, and "real" tags in the
// single-precision edition.
#include <cmath>
#include <cstring>
#include <string>

#include "DocumentSuitesFixture.h"
#include "host/Svg.h"

using suitetest::DocumentSuites;

namespace {

class TagSuite : public DocumentSuites {
protected:
    const PDTagSuite4* fTag = Acquire<PDTagSuite4>(kPDTagSuite, kPDTagSuiteVersion4);
    const PDTagSuite4* fSingleTag = Acquire<PDTagSuite4>(kPDTagSuite, kPDTagSuiteVersion1003);
    PDArtHandle fArt = AddPath({{0, 0}});

    std::string Kept(const char* name) { return Model(fArt)->FindTag(name)->value; }
};

}  // namespace

TEST_F(TagSuite, EachTypeIsKeptAsTextAndHandedOutAsItsType)
{
    const int32_t integer = -42;
    const double real = 0.1;
    const ZBBoolean flag = 1;
    ASSERT_EQ(fTag->SetTag(fArt, "name", kPDStringTagType, "crop mark"), kNoErr);
    ASSERT_EQ(fTag->SetTag(fArt, "count", "integer", &integer), kNoErr);
    ASSERT_EQ(fTag->SetTag(fArt, "offset", "real", &real), kNoErr);
    ASSERT_EQ(fTag->SetTag(fArt, "cut", "boolean", &flag), kNoErr);
    EXPECT_EQ(Kept("count"), "-42");
    EXPECT_EQ(Kept("offset"), "0.1");
    EXPECT_EQ(Kept("cut"), "true");

    const char* text = nullptr;
    int32_t number = 0;
    double value = 0;
    ZBBoolean got = 0;
    ASSERT_EQ(fTag->GetTag(fArt, "name", kPDStringTagType, &text), kNoErr);
    EXPECT_STREQ(text, "crop mark");
    ASSERT_EQ(fTag->GetTag(fArt, "count", "integer", &number), kNoErr);
    EXPECT_EQ(number, -42);
    ASSERT_EQ(fTag->GetTag(fArt, "offset", "real", &value), kNoErr);
    EXPECT_EQ(value, 0.1);
    ASSERT_EQ(fTag->GetTag(fArt, "cut", "boolean", &got), kNoErr);
    EXPECT_EQ(got, 1);

    EXPECT_EQ(fTag->GetTag(fArt, "count", "real", &value), kWrongTypeErr);
    EXPECT_EQ(fTag->GetTag(fArt, "missing", "real", &value), kNoSuchKeyErr);
    EXPECT_EQ(fTag->GetTag(fArt, "count", "integer", nullptr), kNoErr);
    EXPECT_EQ(fTag->GetTag(fArt, "count", "colour", &value), kBadParameterErr);
    EXPECT_EQ(fTag->SetTag(fArt, "x", "colour", "red"), kBadParameterErr);
    EXPECT_EQ(fTag->SetTag(fArt, "x", "string", nullptr), kBadParameterErr);
    const char* type = nullptr;
    ASSERT_EQ(fTag->GetTagType(fArt, "cut", &type), kNoErr);
    EXPECT_STREQ(type, "boolean");

    // Text kept in the document that is not of its type (an edited file) is refused, not guessed.
    Model(fArt)->tags.push_back({"broken", "integer", "12abc"});
    number = 5;
    EXPECT_EQ(fTag->GetTag(fArt, "broken", "integer", &number), kBadFormatErr);
    EXPECT_EQ(number, 5);
}

// The document is saved as UTF-8: a name or text of other bytes is refused at the call and nothing is kept.
TEST_F(TagSuite, NamesAndTextsMustBeValidUtf8)
{
    ASSERT_EQ(fTag->SetTag(fArt, "cut", kPDStringTagType, "yes"), kNoErr);
    for (const char* bad : {"caf\xE9", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\x80"}) {
        EXPECT_EQ(fTag->SetTag(fArt, bad, kPDStringTagType, "x"), kBadParameterErr) << bad;
        EXPECT_EQ(fTag->SetTag(fArt, "cut", kPDStringTagType, bad), kBadParameterErr) << bad;
        const int32_t number = 1;
        EXPECT_EQ(fTag->SetTag(fArt, bad, "integer", &number), kBadParameterErr) << bad;
    }
    ASSERT_EQ(Model(fArt)->tags.size(), 1u);
    EXPECT_EQ(Kept("cut"), "yes");

    ASSERT_EQ(fTag->SetTag(fArt,
                           "Schnitt\xC2\xB7"
                           "1",
                           kPDStringTagType, "ja \xE2\x9C\x93 \xF0\x9D\x84\x9E"),
              kNoErr);
    EXPECT_NE(host::WriteSvgText(Doc()).find("<pd:tag name=\"Schnitt\xC2\xB7"
                                             "1\" type=\"string\" "
                                             "value=\"ja \xE2\x9C\x93 \xF0\x9D\x84\x9E\"/>"),
              std::string::npos);
}

TEST_F(TagSuite, HandedOutTextStaysUntilItsTagChanges)
{
    ASSERT_EQ(fTag->SetTag(fArt, "0", kPDStringTagType, "x"), kNoErr);
    ASSERT_EQ(fTag->SetTag(fArt, "a", kPDStringTagType, "first"), kNoErr);
    const char* text = nullptr;
    ASSERT_EQ(fTag->GetTag(fArt, "a", kPDStringTagType, &text), kNoErr);
    const char* name = nullptr;
    ASSERT_EQ(fTag->GetNthTag(fArt, 1, &name), kNoErr);
    // Enough other tags to move the object's tag list, then one removed ahead of "a".
    for (int i = 1; i < 40; ++i) ASSERT_EQ(fTag->SetTag(fArt, std::to_string(i).c_str(), "string", "y"), kNoErr);
    ASSERT_EQ(fTag->RemoveTag(fArt, "0"), kNoErr);
    EXPECT_STREQ(text, "first");
    EXPECT_STREQ(name, "a");
    const char* again = nullptr;
    ASSERT_EQ(fTag->GetTag(fArt, "a", kPDStringTagType, &again), kNoErr);
    EXPECT_EQ(again, text);

    ASSERT_EQ(fTag->SetTag(fArt, "a", kPDStringTagType, "second, longer than any short string buffer"), kNoErr);
    ASSERT_EQ(fTag->GetTag(fArt, "a", kPDStringTagType, &again), kNoErr);
    EXPECT_STREQ(again, "second, longer than any short string buffer");
}

TEST_F(TagSuite, NamesAreListedInTheOrderFirstSet)
{
    const int32_t one = 1;
    ASSERT_EQ(fTag->SetTag(fArt, "b", "integer", &one), kNoErr);
    ASSERT_EQ(fTag->SetTag(fArt, "a", kPDStringTagType, "x"), kNoErr);
    ASSERT_EQ(fTag->SetTag(fArt, "b", kPDStringTagType, "replaced"), kNoErr);
    int32_t count = 0;
    ASSERT_EQ(fTag->CountTags(fArt, &count), kNoErr);
    EXPECT_EQ(count, 2);
    const char* name = nullptr;
    ASSERT_EQ(fTag->GetNthTag(fArt, 0, &name), kNoErr);
    EXPECT_STREQ(name, "b");
    EXPECT_EQ(Model(fArt)->tags[0].type, "string");
    EXPECT_EQ(fTag->GetNthTag(fArt, 2, &name), kBadParameterErr);
    EXPECT_EQ(fTag->GetNthTag(fArt, -1, &name), kBadParameterErr);
    EXPECT_EQ(fTag->RemoveTag(fArt, "c"), kNoSuchKeyErr);
}

TEST_F(TagSuite, RealTagsTravelAsTheEditionsReal)
{
    const float single = 0.1f;
    ASSERT_EQ(fSingleTag->SetTag(fArt, "offset", "real", &single), kNoErr);
    EXPECT_EQ(Kept("offset"), "0.1");
    float narrow = 0;
    ASSERT_EQ(fSingleTag->GetTag(fArt, "offset", "real", &narrow), kNoErr);
    EXPECT_EQ(narrow, 0.1f);
    double wide = 0;
    ASSERT_EQ(fTag->GetTag(fArt, "offset", "real", &wide), kNoErr);
    EXPECT_EQ(wide, 0.1);

    const double huge = 1e300;
    ASSERT_EQ(fTag->SetTag(fArt, "huge", "real", &huge), kNoErr);
    EXPECT_EQ(fSingleTag->GetTag(fArt, "huge", "real", &narrow), kBadFormatErr);
    const double nan = std::nan("");
    EXPECT_EQ(fTag->SetTag(fArt, "nan", "real", &nan), kBadParameterErr);
}
