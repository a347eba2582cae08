#include "EventJson.h"

#include <gtest/gtest.h>

namespace {

TEST(EventJson, FieldsInOrderNullsKept)
{
    wirelet::EventRecord event;
    event.fType = "com.varrowkt.talvex.TalvexRedrawPreview";
    event.fScope = 1;
    event.fSender = "MarkedObjectsUpdatePanel";
    event.fData = "<payload></payload>";
    EXPECT_EQ(pendrake::EventJsonLine(event),
              "{\"type\":\"com.varrowkt.talvex.TalvexRedrawPreview\",\"scope\":1,"
              "\"sender\":\"MarkedObjectsUpdatePanel\",\"extension\":null,\"data\":\"<payload></payload>\"}");
}

TEST(EventJson, QuotesControlCharactersAndBadBytes)
{
    wirelet::EventRecord event;
    event.fType = "t";
    event.fData = std::string("a\"b\\c\n\x01\xff", 8);
    event.fExtension = "";
    EXPECT_EQ(pendrake::EventJsonLine(event),
              "{\"type\":\"t\",\"scope\":0,\"sender\":null,\"extension\":\"\","
              "\"data\":\"a\\\"b\\\\c\\n\\u0001\xef\xbf\xbd\"}");
}

}  // namespace
