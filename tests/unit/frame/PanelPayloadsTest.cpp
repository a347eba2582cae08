// The outgoing panel payloads: element order, the list of indexes, and how numbers are written.
#include <gtest/gtest.h>

#include <limits>

#include "FrameTestNames.h"
#include "PanelPayloads.h"
#include "PayloadWriter.h"

TEST(FRAME_SUITE(PanelPayloads), RedrawMessageAndPreviewInformation)
{
    EXPECT_EQ(RedrawPayload(), "<payload></payload>");
    EXPECT_EQ(MessagePayload(1), "<payload><Message><Num>1</Num></Message></payload>");
    EXPECT_EQ(MessagePayload(-12), "<payload><Message><Num>-12</Num></Message></payload>");
    EXPECT_EQ(PreviewInfoPayload(true, {3, 10, 42}),
              "<payload><PreviewInfo><ExistCropMark>1</ExistCropMark><indexes>3,10,42</indexes></PreviewInfo>"
              "</payload>");
    EXPECT_EQ(PreviewInfoPayload(false, {}),
              "<payload><PreviewInfo><ExistCropMark>0</ExistCropMark><indexes></indexes></PreviewInfo></payload>");
}

TEST(FRAME_SUITE(PanelPayloads), RealsHaveSixSignificantDigitsAndNoTrailingZeros)
{
    PayloadWriter writer;
    for (const double value : {10.0, 0.5, 12.5, 3.0, 0.125, 14.173228346456694, -42.51968503937008, 123456.7, 1234567.0,
                               0.0001, 0.00001234, 0.0})
        writer.Element("r", value);
    writer.Element("n", std::numeric_limits<int32_t>::min()).Element("t", "KM-1");
    EXPECT_EQ(writer.Text(),
              "<r>10</r><r>0.5</r><r>12.5</r><r>3</r><r>0.125</r><r>14.1732</r><r>-42.5197</r><r>123457</r>"
              "<r>1.23457e+06</r><r>0.0001</r><r>1.234e-05</r><r>0</r><n>-2147483648</n><t>KM-1</t>");
}
