// The suites of the document model that the host does not serve yet, offered so that plug-ins can acquire their
// whole suite set. Every operation answers that no document is open.
#include "CoreSuites.h"
#include "pendrake/PDSuites.h"

namespace host {
namespace {

// Converts to any suite operation returning ZBErr; touches no argument.
constexpr auto kNoDocument = [](auto...) -> ZBErr { return kNoDocumentErr; };

const PDMenuSuite11 kMenu = {kNoDocument, kNoDocument};
const PDExpandSuite4 kExpand = {kNoDocument};
const PDRasterSuite10 kRaster = {kNoDocument};
const PDPathfinderSuite6 kPathfinder = {kNoDocument};
const PDUndoSuite7 kUndo = {kNoDocument};
const PDDrawArtSuite11 kDrawArt = {kNoDocument};

void OfferBoth(SuiteRegistry& registry, const char* name, int32_t windows, int32_t macos, const void* suite)
{
    registry.Offer(name, windows, suite);
    registry.Offer(name, macos, suite);
}

}  // namespace

void OfferDocumentSuitesPending(SuiteRegistry& registry)
{
    OfferBoth(registry, kPDMenuSuite, kPDMenuSuiteVersion11, kPDMenuSuiteVersion1010, &kMenu);
    OfferBoth(registry, kPDExpandSuite, kPDExpandSuiteVersion4, kPDExpandSuiteVersion1003, &kExpand);
    OfferBoth(registry, kPDRasterSuite, kPDRasterSuiteVersion10, kPDRasterSuiteVersion1009, &kRaster);
    OfferBoth(registry, kPDPathfinderSuite, kPDPathfinderSuiteVersion6, kPDPathfinderSuiteVersion1005, &kPathfinder);
    OfferBoth(registry, kPDUndoSuite, kPDUndoSuiteVersion7, kPDUndoSuiteVersion1006, &kUndo);
    OfferBoth(registry, kPDDrawArtSuite, kPDDrawArtSuiteVersion11, kPDDrawArtSuiteVersion1010, &kDrawArt);
}

}  // namespace host
