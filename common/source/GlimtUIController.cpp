#include "GlimtUIController.h"

#include "Suites.h"

GlimtUIController::GlimtUIController(const char* extensionId) noexcept : fExtensionId(extensionId)
{
    fWirelet.Load(sPDFolders);  // without the library the panel simply never talks to this plug-in
}

GlimtUIController::~GlimtUIController() { fWirelet.Unload(); }

int32_t GlimtUIController::LoadExtension() { return fWirelet.LoadExtension(fExtensionId); }

int32_t GlimtUIController::UnloadExtension() { return fWirelet.UnloadExtension(fExtensionId); }
