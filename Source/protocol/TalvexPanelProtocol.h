// What markplug and its panel say to each other through the panel service, named once for the plug-in and for
// the host program that plays the panel's part. Every event type is kPanelEventNamespace, "." and an event name;
// the panel sends its events as the extension kPanelExtensionId. Plain C++17 with no dependencies, so that any
// side of the conversation can read it.
#ifndef MARKPLUG_TALVEXPANELPROTOCOL_H
#define MARKPLUG_TALVEXPANELPROTOCOL_H

#include <cstdint>

inline constexpr char kPanelEventNamespace[] = "com.varrowkt.talvex";
inline constexpr char kPanelExtensionId[] = "com.varrowkt.talvex.panel";

// The one event the panel sends: its payload names an operation, <payload><operation>N</operation>...</payload>.
inline constexpr char kOperationClickedEvent[] = "OperationClicked";

// The operations by number, with the payload elements each reads. "Windows": the Windows feature set only.
enum class PanelOperation : int32_t {
    kCreateOutline = 0,          // text to outlines
    kOutputRun = 1,              // writes the cut data file and starts the cutting application (<Target>; Windows)
    kOutlineStrokes = 2,         // the selection's strokes to outline shapes
    kOffsetPath = 3,             // opens the host's offset path dialog
    kUnitePaths = 4,             // unites the selected paths
    kToggleCutTag = 5,           // toggles the cut line tag of the selection, then redraws the preview
    kMakeCropMarks = 6,          // makes crop marks, replacing any there are
    kDeleteCropMarks = 7,        // deletes the crop marks
    kSendMachineTypeList = 8,    // answers the cutter models
    kSendCropmarkParamList = 9,  // answers the models' default crop settings
    kSetCropParameters = 10,     // sets the crop settings (<X>, <Y>, <W>, <L>, <MachineType>, <CropCount>)
    kSendCropCorner = 11,        // answers the crop frame's corners
    kOpenHelp = 12,              // opens a help page (<FileName>)
    kSendPreviewInfo = 13,       // answers the paths the target admits (<Target>)
    kRedrawPreview = 14,         // tells the panel to redraw its preview
    kTogglePerforationTag = 15,  // the same for the perforation line tag (Windows)
    kSetCutConditions = 16,      // sets the cut conditions (Windows)
};

// The events markplug sends to its panel: the event name and the word that goes in the record's sender field.
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

// The message numbers of kDispMessageEvent: an output run that started nothing.
inline constexpr int32_t kCuttingAppNotInstalledMessage = 1;  // the cutting application is not installed
inline constexpr int32_t kCutFileIncompleteMessage = 2;       // the cut data file could not be written in full

// The string tags markplug puts on art; only their presence is ever read.
inline constexpr char kCropMarkTagName[] = "TalvexCropMark";                // every crop mark object
inline constexpr char kCutMarkTagName[] = "TalvexCutMark";                  // a cut line
inline constexpr char kPerforationMarkTagName[] = "TalvexPerforationMark";  // a perforation line

#endif
