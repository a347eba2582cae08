#include "TalvexGlimtUIController.h"

#include "Edition.h"
#include "PanelPayloads.h"
#include "TalvexPanelProtocol.h"

namespace {

std::string EventType(const char* eventName) { return std::string(kPanelEventNamespace) + "." + eventName; }

}  // namespace

TalvexGlimtUIController::TalvexGlimtUIController() : GlimtUIController(kPanelExtensionId) { Init(); }

TalvexGlimtUIController::~TalvexGlimtUIController() = default;

void TalvexGlimtUIController::Init()
{
    InitCropSettings();
    // The macOS feature set writes no cut data file.
    if (!kMacEdition) InitCutOutput();
}

int32_t TalvexGlimtUIController::LoadExtension() { return GlimtUIController::LoadExtension(); }

int32_t TalvexGlimtUIController::UnloadExtension() { return GlimtUIController::UnloadExtension(); }

int32_t TalvexGlimtUIController::RegisterTRMLEventListeners()
{
    return fWirelet.AddEventListener(EventType(kOperationClickedEvent).c_str(), OperationFunc, this);
}

int32_t TalvexGlimtUIController::RemoveEventListeners()
{
    return fWirelet.RemoveEventListener(EventType(kOperationClickedEvent).c_str(), OperationFunc, this);
}

int32_t TalvexGlimtUIController::SendData() { return 0; }

void TalvexGlimtUIController::ParseData(const char*) {}

void TalvexGlimtUIController::RedrawPreview() { SendPanelEvent(kRedrawPreviewEvent, RedrawPayload()); }

void TalvexGlimtUIController::SendPreviewInfoEvent(bool existCropMark, const std::vector<int32_t>& indexes) const
{
    SendPanelEvent(kPreviewInfoEvent, PreviewInfoPayload(existCropMark, indexes));
}

void TalvexGlimtUIController::DispMessage(int32_t number) const
{
    SendPanelEvent(kDispMessageEvent, MessagePayload(number));
}

void TalvexGlimtUIController::SendPanelEvent(const PanelEventName& event, const std::string& payload) const
{
    const std::string type = EventType(event.name);
    trml::event::Event record{};
    record.type = type.c_str();
    record.scope = 1;
    record.sender = event.sender;
    record.extension = nullptr;
    record.data = payload.c_str();
    fWirelet.DispatchEvent(&record);
}
