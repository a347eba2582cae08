// The events markplug sends to its panel: the event name (the type is PanelEventNamespace, "." and the name)
// and the word that goes in the record's sender field.
#ifndef MARKPLUG_PANELEVENTS_H
#define MARKPLUG_PANELEVENTS_H

struct PanelEventName {
    const char* name;
    const char* sender;
};

inline constexpr PanelEventName kRedrawPreviewEvent{"TalvexRedrawPreview", "MarkedObjectsUpdatePanel"};
inline constexpr PanelEventName kPreviewInfoEvent{"TalvexSendPreviewInfo", "SendPreviewInfo"};
inline constexpr PanelEventName kDispMessageEvent{"TalvexDispMessage", "DispMessage"};
inline constexpr PanelEventName kMachineTypeListEvent{"TalvexSendMachineTypeList", "SendMachineTypeList"};
inline constexpr PanelEventName kCropmarkParamListEvent{"TalvexSendCropmarkParamList", "CropmarkParamList"};
inline constexpr PanelEventName kCropCornerEvent{"TalvexSendCropCorner", "CropCorner"};

#endif
