#include "PanelPayloads.h"

#include "PayloadWriter.h"

std::string RedrawPayload() { return PayloadWriter().Open("payload").Close("payload").Text(); }

std::string PreviewInfoPayload(bool existCropMark, const std::vector<int32_t>& indexes)
{
    std::string list;
    for (const int32_t index : indexes) {
        if (!list.empty()) list += ',';
        list += std::to_string(index);
    }
    return PayloadWriter()
        .Open("payload")
        .Open("PreviewInfo")
        .Element("ExistCropMark", existCropMark ? "1" : "0")
        .Element("indexes", list.c_str())
        .Close("PreviewInfo")
        .Close("payload")
        .Text();
}

std::string MessagePayload(int32_t number)
{
    return PayloadWriter()
        .Open("payload")
        .Open("Message")
        .Element("Num", number)
        .Close("Message")
        .Close("payload")
        .Text();
}
