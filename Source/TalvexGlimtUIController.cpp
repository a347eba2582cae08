#include "TalvexGlimtUIController.h"

#include "PanelNames.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/IPDUnicodeString.h"

namespace {

std::string EventType(const char* eventName) { return std::string(PanelEventNamespace) + "." + eventName; }

}  // namespace

TalvexGlimtUIController::TalvexGlimtUIController() : GlimtUIController(PanelExtensionId) { Init(); }

TalvexGlimtUIController::~TalvexGlimtUIController() = default;

void TalvexGlimtUIController::Init() {}

int32_t TalvexGlimtUIController::LoadExtension() { return GlimtUIController::LoadExtension(); }

int32_t TalvexGlimtUIController::UnloadExtension() { return GlimtUIController::UnloadExtension(); }

int32_t TalvexGlimtUIController::RegisterTRMLEventListeners()
{
    return fWirelet.AddEventListener(EventType("OperationClicked").c_str(), OperationFunc, this);
}

int32_t TalvexGlimtUIController::RemoveEventListeners()
{
    return fWirelet.RemoveEventListener(EventType("OperationClicked").c_str(), OperationFunc, this);
}

int32_t TalvexGlimtUIController::SendData() { return 0; }

void TalvexGlimtUIController::ParseData(const char*) {}

void TalvexGlimtUIController::ExecuteCommand(const trml::event::Event* event)
{
    if (!event) return;
    // The payload in the host's platform encoding; null data is the empty payload. No operation is dispatched
    // from it yet: the payload is released unread.
    const pd::UnicodeString payload(event->data, kPDPlatformEncoding);
}

void TalvexGlimtUIController::RedrawPreview()
{
    SendEvent("TalvexRedrawPreview", "MarkedObjectsUpdatePanel", "<payload></payload>");
}

void TalvexGlimtUIController::SendEvent(const char* eventName, const char* sender, const std::string& payload) const
{
    const std::string type = EventType(eventName);
    trml::event::Event event{};
    event.type = type.c_str();
    event.scope = 1;
    event.sender = sender;
    event.extension = nullptr;
    event.data = payload.c_str();
    fWirelet.DispatchEvent(&event);
}
