// TalvexGlimtUIController: markplug's panel controller. It listens for the panel's "OperationClicked" events
// and handles each one inside the listener call.
#ifndef MARKPLUG_TALVEXGLIMTUICONTROLLER_H
#define MARKPLUG_TALVEXGLIMTUICONTROLLER_H

#include <string>

#include "GlimtUIController.h"
#include "pendrake/PanelEvent.h"

class TalvexGlimtUIController : public GlimtUIController {
public:
    TalvexGlimtUIController();
    ~TalvexGlimtUIController() override;

    int32_t LoadExtension() override;
    int32_t UnloadExtension() override;
    // Registers OperationFunc for PanelEventNamespace + ".OperationClicked", with this controller as context.
    int32_t RegisterTRMLEventListeners() override;
    int32_t RemoveEventListeners() override;
    int32_t SendData() override;
    void ParseData(const char* data) override;

    // Handles one "OperationClicked" event; the record is valid during the call only.
    void ExecuteCommand(const trml::event::Event* event);
    // Tells the panel to redraw its preview.
    void RedrawPreview();

private:
    void Init();
    // Sends PanelEventNamespace + "." + eventName with scope 1 and no addressed extension; the result of the
    // dispatch is not acted upon.
    void SendEvent(const char* eventName, const char* sender, const std::string& payload) const;
};

// The panel listener. A null event or context is ignored; otherwise the event is handled by the controller given
// as context, inside the plug-in's application context. No exception leaves it.
extern "C" void OperationFunc(const trml::event::Event* event, void* context);

#endif
