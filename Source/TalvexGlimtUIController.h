// TalvexGlimtUIController: markplug's panel controller. It listens for the panel's "OperationClicked" events
// and handles each one inside the listener call: the crop marks operations here and in cropmarks/, the cut
// marking and output operations of the cut output side.
#ifndef MARKPLUG_TALVEXGLIMTUICONTROLLER_H
#define MARKPLUG_TALVEXGLIMTUICONTROLLER_H

#include <cstdint>
#include <string>
#include <vector>

#include "GlimtUIController.h"
#include "TalvexPanelProtocol.h"
#include "pendrake/IPDUnicodeString.h"
#include "pendrake/PDTypes.h"
#include "pendrake/PanelEvent.h"

class TalvexGlimtUIController : public GlimtUIController {
public:
    TalvexGlimtUIController();
    ~TalvexGlimtUIController() override;

    int32_t LoadExtension() override;
    int32_t UnloadExtension() override;
    // Registers OperationFunc for kPanelEventNamespace + "." + kOperationClickedEvent, with this controller as context.
    int32_t RegisterTRMLEventListeners() override;
    int32_t RemoveEventListeners() override;
    int32_t SendData() override;
    void ParseData(const char* data) override;

    // Handles one "OperationClicked" event: runs the operation its payload names. The record is valid during
    // the call only.
    void ExecuteCommand(const trml::event::Event* event);
    // Tells the panel to redraw its preview.
    void RedrawPreview();

    // Crop settings and their reports to the panel.
    // Stores W, L, X, Y (millimetres), MachineType and CropCount of the payload as the current crop settings.
    void SetCropParameters(const pd::UnicodeString& payload);
    // The fixed list of cutter models.
    void SendMachineTypeList();
    // The default crop settings of every model.
    void SendCropmarkParamList();
    // The crop frame for the current settings and the crop offset; nothing when the frame hangs from the page
    // top and no document is open.
    void SendCropCorner();

    // Crop marks in the current document.
    // Whether any object of the current document carries the crop mark tag; throws pd::Error when the host
    // cannot say for an open document.
    bool HasCropMarks();
    // true: builds the marks for the current settings; false: deletes every mark.
    void DoCropMark(bool build);
    // One filled circle centred on point (page coordinates), tagged with index. False, leaving nothing, when the
    // host could not make it whole.
    bool BuildCropMark(PDRealPoint point, PDReal radius, int16_t index);
    // The five corner-bracket strokes around rect (page coordinates), tagged firstIndex to firstIndex + 4.
    // False when the host could not make them all; a stroke it could not make whole is not left behind.
    bool BuildToolMark(const PDRealRect& rect, int16_t firstIndex);
    // Disposes of every object that carries the crop mark tag.
    void DeleteCropMarks();

    // Cut marking, path preparation, output and help.
    void CreateOutline();
    void ExecuteTalvexOut(const pd::UnicodeString& payload);
    void OutlinePath();
    void OffsetPath();
    void UnitePath();
    void MarkingFromSelection();
    void PerforationMarkingFromSelection();
    void ExecuteHelp(const pd::UnicodeString& payload);
    void SendPreviewInfo(const pd::UnicodeString& payload);
    void SetCutConditions(const pd::UnicodeString& payload);

private:
    // Fills the model tables and the crop settings, from the host's preference store where it holds them, then
    // starts the output side.
    void Init();
    // Each side's start-up, defined beside that side: the crop settings from the preference store, and the
    // cutting application's path with the cut data file name.
    void InitCropSettings();
    void InitCutOutput();
    // Sends the event with scope 1 and no addressed extension; the result of the dispatch is not acted upon.
    void SendPanelEvent(const PanelEventName& event, const std::string& payload) const;
    // The senders of the preview information and of a message number.
    void SendPreviewInfoEvent(bool existCropMark, const std::vector<int32_t>& indexes) const;
    void DispMessage(int32_t number) const;
    // The output run of the macOS feature set: the cutter's command streams written directly.
    void ExecutePlotterOutput(const pd::UnicodeString& payload);
};

// The panel listener. A null event or context is ignored; otherwise the event is handled by the controller given
// as context, inside the plug-in's application context. No exception leaves it.
extern "C" void OperationFunc(const trml::event::Event* event, void* context);

#endif
