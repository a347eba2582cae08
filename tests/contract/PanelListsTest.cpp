// The panel's requests that need no document: the model list, the default settings list, the operation table and
// how the payload elements are read.
#include <gtest/gtest.h>

#include "PanelTraffic.h"

using testing_support::Answer;
using testing_support::CornerPayload;
using testing_support::CropCorner;
using testing_support::LeftoversAfterShutdown;
using testing_support::MarkplugHost;
using testing_support::Payload;
using testing_support::SentEvents;

namespace {

const char kDefaultCorner[] =
    "<payload><CropCorner><LEFT>56.6929</LEFT><TOP>666.142</TOP><RIGHT>538.583</RIGHT>"
    "<BOTTOM>70.8661</BOTTOM><X>-42.5197</X><Y>-56.6929</Y></CropCorner></payload>";

class Started {
public:
    explicit Started(const char* edition) : fHost(edition) { EXPECT_EQ(fHost.StartAndConnect(), kNoErr); }
    MarkplugHost& operator*() { return fHost; }
    MarkplugHost* operator->() { return &fHost; }

private:
    MarkplugHost fHost;
};

}  // namespace

TEST(PanelLists, WindowsModelListNamesNineModelsInIdOrder)
{
    Started h("windows");
    EXPECT_EQ(Answer(*h, Payload(8), "TalvexSendMachineTypeList"),
              std::vector<std::string>{
                  "<payload><MachineTypeList>"
                  "<MachineType><id>0</id><Name>KM-1</Name><Origin>TOP</Origin><CropCount>3</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>1</id><Name>KM-2</Name><Origin>TOP</Origin><CropCount>3</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>2</id><Name>KM-3</Name><Origin>TOP</Origin><CropCount>3</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>3</id><Name>TR-1</Name><Origin>BOTTOM</Origin><CropCount>3</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>4</id><Name>TR-2</Name><Origin>BOTTOM</Origin><CropCount>4</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>5</id><Name>TR-3</Name><Origin>BOTTOM</Origin><CropCount>4</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>6</id><Name>TR-4</Name><Origin>BOTTOM</Origin><CropCount>4</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>7</id><Name>TR-5</Name><Origin>BOTTOM</Origin><CropCount>4</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>8</id><Name>TS-1</Name><Origin>BOTTOM</Origin><CropCount>3,4</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "</MachineTypeList></payload>"});
    // The fixed table, not the settings: the same after the settings changed.
    h->Click(Payload(10, {{"MachineType", "8"}, {"CropCount", "4"}}));
    EXPECT_EQ(Answer(*h, Payload(8), "TalvexSendMachineTypeList"), Answer(*h, Payload(8), "TalvexSendMachineTypeList"));
}

TEST(PanelLists, MacModelListHasEightModelsAndSingleCounts)
{
    Started h("macos");
    EXPECT_EQ(Answer(*h, Payload(8), "TalvexSendMachineTypeList"),
              std::vector<std::string>{
                  "<payload><MachineTypeList>"
                  "<MachineType><id>0</id><Name>KM-1</Name><Origin>TOP</Origin><CropCount>3</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>1</id><Name>KM-2</Name><Origin>TOP</Origin><CropCount>3</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>2</id><Name>KM-3</Name><Origin>TOP</Origin><CropCount>3</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>3</id><Name>TR-1</Name><Origin>BOTTOM</Origin><CropCount>3</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>4</id><Name>TR-2</Name><Origin>BOTTOM</Origin><CropCount>4</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>5</id><Name>TR-3</Name><Origin>BOTTOM</Origin><CropCount>4</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>6</id><Name>TR-4</Name><Origin>BOTTOM</Origin><CropCount>4</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "<MachineType><id>7</id><Name>TR-5</Name><Origin>BOTTOM</Origin><CropCount>4</CropCount>"
                  "<CropRadius>14.1732</CropRadius></MachineType>"
                  "</MachineTypeList></payload>"});
}

TEST(PanelLists, DefaultSettingsListInMillimetres)
{
    Started h("windows");
    EXPECT_EQ(Answer(*h, Payload(9), "TalvexSendCropmarkParamList"),
              std::vector<std::string>{"<payload><CropmarkParamList>"
                                       "<CropmarkParam><id>0</id><X>25</X><Y>6</Y><W>150</W><L>250</L></CropmarkParam>"
                                       "<CropmarkParam><id>1</id><X>23</X><Y>6</Y><W>240</W><L>163</L></CropmarkParam>"
                                       "<CropmarkParam><id>2</id><X>23</X><Y>6</Y><W>240</W><L>163</L></CropmarkParam>"
                                       "<CropmarkParam><id>3</id><X>15</X><Y>20</Y><W>170</W><L>210</L></CropmarkParam>"
                                       "<CropmarkParam><id>4</id><X>10</X><Y>30</Y><W>170</W><L>215</L></CropmarkParam>"
                                       "<CropmarkParam><id>5</id><X>10</X><Y>30</Y><W>170</W><L>215</L></CropmarkParam>"
                                       "<CropmarkParam><id>6</id><X>10</X><Y>30</Y><W>170</W><L>215</L></CropmarkParam>"
                                       "<CropmarkParam><id>7</id><X>10</X><Y>30</Y><W>170</W><L>215</L></CropmarkParam>"
                                       "<CropmarkParam><id>8</id><X>10</X><Y>20</Y><W>170</W><L>200</L></CropmarkParam>"
                                       "</CropmarkParamList></payload>"});
}

TEST(PanelLists, MacDefaultSettingsListHasEightRowsAndLowerFourMarkMargins)
{
    Started h("macos");
    EXPECT_EQ(Answer(*h, Payload(9), "TalvexSendCropmarkParamList"),
              std::vector<std::string>{"<payload><CropmarkParamList>"
                                       "<CropmarkParam><id>0</id><X>25</X><Y>6</Y><W>150</W><L>250</L></CropmarkParam>"
                                       "<CropmarkParam><id>1</id><X>23</X><Y>6</Y><W>240</W><L>163</L></CropmarkParam>"
                                       "<CropmarkParam><id>2</id><X>23</X><Y>6</Y><W>240</W><L>163</L></CropmarkParam>"
                                       "<CropmarkParam><id>3</id><X>15</X><Y>20</Y><W>170</W><L>210</L></CropmarkParam>"
                                       "<CropmarkParam><id>4</id><X>10</X><Y>25</Y><W>170</W><L>215</L></CropmarkParam>"
                                       "<CropmarkParam><id>5</id><X>10</X><Y>25</Y><W>170</W><L>215</L></CropmarkParam>"
                                       "<CropmarkParam><id>6</id><X>10</X><Y>25</Y><W>170</W><L>215</L></CropmarkParam>"
                                       "<CropmarkParam><id>7</id><X>10</X><Y>25</Y><W>170</W><L>215</L></CropmarkParam>"
                                       "</CropmarkParamList></payload>"});
}

TEST(PanelLists, EachAnsweringOperationSendsItsOwnEventRecord)
{
    Started h("windows");
    h->Bus().ClearEvents();
    for (int operation : {5, 8, 9, 11, 14, 15}) h->Click(Payload(operation));
    EXPECT_EQ(SentEvents(*h), (std::vector<std::string>{
                                  "com.varrowkt.talvex.TalvexRedrawPreview|MarkedObjectsUpdatePanel|1|(null)",
                                  "com.varrowkt.talvex.TalvexSendMachineTypeList|SendMachineTypeList|1|(null)",
                                  "com.varrowkt.talvex.TalvexSendCropmarkParamList|CropmarkParamList|1|(null)",
                                  "com.varrowkt.talvex.TalvexSendCropCorner|CropCorner|1|(null)",
                                  "com.varrowkt.talvex.TalvexRedrawPreview|MarkedObjectsUpdatePanel|1|(null)",
                                  "com.varrowkt.talvex.TalvexRedrawPreview|MarkedObjectsUpdatePanel|1|(null)",
                              }));
    EXPECT_EQ(testing_support::Sent(*h, "TalvexRedrawPreview").front(), "<payload></payload>");
}

TEST(PanelLists, OperationsNobodyHandlesSendNothing)
{
    Started h("windows");
    h->Bus().ClearEvents();
    for (const char* payload :
         {"<payload></payload>", "<payload><operation></operation></payload>",
          "<payload><operation>17</operation></payload>", "<payload><operation>-1</operation></payload>",
          "<payload><operation>abc</operation></payload>",  // reads as 0, which sends nothing
          "<payload><operation>8</payload>", "<payload><Operation>8</Operation></payload>",
          "<payload><operation>16</operation><CutForce>3</CutForce></payload>"})
        h->Click(payload);
    EXPECT_EQ(SentEvents(*h), std::vector<std::string>{});
    EXPECT_EQ(LeftoversAfterShutdown(*h), "");
}

TEST(PanelLists, MacHandlesNoPerforationOperation)
{
    Started h("macos");
    h->Bus().ClearEvents();
    h->Click(Payload(15));
    h->Click(Payload(16));
    EXPECT_EQ(SentEvents(*h), std::vector<std::string>{});
    h->Click(Payload(5));
    EXPECT_EQ(SentEvents(*h),
              std::vector<std::string>{"com.varrowkt.talvex.TalvexRedrawPreview|MarkedObjectsUpdatePanel|1|(null)"});
}

TEST(PanelLists, ElementsAreFoundByExactNameFirstOccurrenceAndBothTags)
{
    Started h("windows");
    // The operation element wherever it stands, its first occurrence deciding.
    EXPECT_EQ(Answer(*h, "<payload><X>1</X><operation>11</operation><operation>8</operation></payload>",
                     "TalvexSendCropCorner"),
              std::vector<std::string>{kDefaultCorner});
    // X twice: the first counts. "x" is no X, so X reads 0 there.
    h->Click(
        "<payload><operation>10</operation><W>170</W><L>210</L><X>20</X><X>30</X><Y>20</Y>"
        "<MachineType>3</MachineType></payload>");
    EXPECT_EQ(CropCorner(*h), std::vector<std::string>{
                                  CornerPayload("70.8661", "666.142", "552.756", "70.8661", "-56.6929", "-56.6929")});
    h->Click(
        "<payload><operation>10</operation><W>170</W><L>210</L><x>20</x><Y>20</Y><MachineType>3</MachineType>"
        "</payload>");
    EXPECT_EQ(CropCorner(*h),
              std::vector<std::string>{CornerPayload("14.1732", "666.142", "496.063", "70.8661", "-0", "-56.6929")});
    // An opening tag without its closing one, or a closing tag before the opening one, reads as 0.
    h->Click(
        "<payload><operation>10</operation><W>170</W><L>210</L><X>20<Y>20</Y><MachineType>3</MachineType>"
        "</payload>");
    EXPECT_EQ(CropCorner(*h),
              std::vector<std::string>{CornerPayload("14.1732", "666.142", "496.063", "70.8661", "-0", "-56.6929")});
    h->Click(
        "<payload></X><operation>10</operation><W>170</W><L>210</L><X>20</X><Y>20</Y>"
        "<MachineType>3</MachineType></payload>");
    EXPECT_EQ(CropCorner(*h),
              std::vector<std::string>{CornerPayload("14.1732", "666.142", "496.063", "70.8661", "-0", "-56.6929")});
    EXPECT_EQ(LeftoversAfterShutdown(*h), "");
}
