// The session's event stream: numbering, replay for a page that comes back, waiting readers and the goodbye.
#include <thread>

#include <gtest/gtest.h>

#include "EventStream.h"

namespace {

using pendrake::EventStream;
using namespace std::chrono_literals;

const std::string kOpening = "retry: 1000\n\n";

TEST(EventStream, AReaderGetsWhatComesAfterItOpenedInOrder)
{
    EventStream stream;
    stream.AddPanelEvent("{\"before\":1}");
    EventStream::Reader reader(stream, std::nullopt);
    EXPECT_EQ(reader.Next(0ms), kOpening);
    EXPECT_EQ(reader.Next(0ms), "");
    stream.AddPanelEvent("{\"n\":2}");
    stream.AddDocumentChange(7);
    EXPECT_EQ(reader.Next(0ms), "event: panel\nid: 2\ndata: {\"n\":2}\n\nevent: document\ndata: {\"revision\":7}\n\n");
    EXPECT_FALSE(reader.Ended());
    stream.Close();
    EXPECT_EQ(reader.Next(0ms), "event: bye\ndata: {}\n\n");
    EXPECT_TRUE(reader.Ended());
    EXPECT_EQ(reader.Next(0ms), "");
}

TEST(EventStream, AReaderThatComesBackGetsThePanelEventsItMissed)
{
    EventStream stream;
    stream.AddPanelEvent("a");
    stream.AddDocumentChange(1);
    stream.AddPanelEvent("b");
    stream.AddPanelEvent("c");
    EventStream::Reader all(stream, 0);
    EXPECT_EQ(all.Next(0ms), kOpening +
                                 "event: panel\nid: 1\ndata: a\n\nevent: panel\nid: 2\ndata: b\n\n"
                                 "event: panel\nid: 3\ndata: c\n\n");
    EventStream::Reader later(stream, 2);
    EXPECT_EQ(later.Next(0ms), kOpening + "event: panel\nid: 3\ndata: c\n\n");
    EventStream::Reader ahead(stream, 9);
    EXPECT_EQ(ahead.Next(0ms), kOpening);
}

TEST(EventStream, AWaitingReaderWakesForAMessageAndTheEnd)
{
    EventStream stream;
    EventStream::Reader reader(stream, std::nullopt);
    EXPECT_EQ(reader.Next(0ms), kOpening);
    std::thread main([&] {
        stream.AddPanelEvent("x");
        stream.Close();
    });
    std::string text;
    while (!reader.Ended()) text += reader.Next(60s);
    main.join();
    EXPECT_EQ(text, "event: panel\nid: 1\ndata: x\n\nevent: bye\ndata: {}\n\n");
}

TEST(EventStream, AReaderAfterTheEndGetsOnlyTheGoodbyeAndTheEndWaitsForReaders)
{
    EventStream stream;
    stream.AddPanelEvent("x");
    stream.Close();
    {
        EventStream::Reader reader(stream, 0);
        EXPECT_TRUE(reader.Ended());
        EXPECT_EQ(reader.Next(0ms), kOpening + "event: bye\ndata: {}\n\n");
        EXPECT_FALSE(stream.WaitForReaders(0ms));
    }
    EXPECT_TRUE(stream.WaitForReaders(0ms));
}

}  // namespace
