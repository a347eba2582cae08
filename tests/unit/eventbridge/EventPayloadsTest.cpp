#include <gtest/gtest.h>

#include "EventPayloads.h"

TEST(EventPayloads, ListIsTheConcatenationOfTheDescriptorsInsideTheMarkers)
{
    EXPECT_EQ(EventListPayload({}), "<![CDATA[<events></events>]]>");
    EXPECT_EQ(EventListPayload({"PD Art Selection Changed Notifier"}),
              "<![CDATA[<events><event id=\"PD Art Selection Changed Notifier\" /></events>]]>");
    EXPECT_EQ(EventListPayload({"a\"b", "<c>", ""}),
              "<![CDATA[<events><event id=\"a\"b\" /><event id=\"<c>\" /><event id=\"\" /></events>]]>");
}

TEST(EventPayloads, NotificationNamesTheTypeUnescaped)
{
    EXPECT_EQ(NotificationPayload("PD Document Changed"), "<![CDATA[<event id=\"PD Document Changed\" />]]>");
    EXPECT_EQ(NotificationPayload("x\"<]]>"), "<![CDATA[<event id=\"x\"<]]>\" />]]>");
}
