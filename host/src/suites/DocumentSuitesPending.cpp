// The suites of the document model, offered so that plug-ins can acquire their whole suite set. Until the
// document model serves them, every operation answers that no document is open.
#include "CoreSuites.h"
#include "pendrake/PDSuites.h"

namespace host {
namespace {

// Converts to any suite operation returning ZBErr; touches no argument.
constexpr auto kNoDocument = [](auto...) -> ZBErr { return kNoDocumentErr; };
constexpr auto kNever = [](auto...) -> ZBBoolean { return 0; };

const PDMenuSuite11 kMenu = {kNoDocument, kNoDocument};
const PDPreferenceSuite6 kPreference = {kNoDocument, kNoDocument, kNoDocument, kNoDocument,
                                        kNoDocument, kNoDocument, kNoDocument};
const PDPathSuite11 kPath = {kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument};
const PDPathStyleSuite13 kPathStyle = {kNoDocument, kNoDocument};
const PDPathConstructionSuite4 kPathConstruction = {kNoDocument};
const PDExpandSuite4 kExpand = {kNoDocument};
const PDRasterSuite10 kRaster = {kNoDocument};
const PDLayerSuite13 kLayer = {kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument};
const PDActionManagerSuite5 kActionManager = {
    kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument,
    kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument,
    kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument};
const PDPathfinderSuite6 kPathfinder = {kNoDocument};
const PDTagSuite4 kTag = {kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument};
const PDDocumentSuite14 kDocument = {kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument};
const PDArtSuite17 kArt = {kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument,
                           kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNoDocument, kNever,      kNever};
const PDMatchingArtSuite7 kMatchingArt = {kNoDocument, kNoDocument, kNoDocument};
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
    OfferBoth(registry, kPDPreferenceSuite, kPDPreferenceSuiteVersion6, kPDPreferenceSuiteVersion1005, &kPreference);
    OfferBoth(registry, kPDPathSuite, kPDPathSuiteVersion11, kPDPathSuiteVersion1010, &kPath);
    OfferBoth(registry, kPDPathStyleSuite, kPDPathStyleSuiteVersion13, kPDPathStyleSuiteVersion1012, &kPathStyle);
    OfferBoth(registry, kPDPathConstructionSuite, kPDPathConstructionSuiteVersion4, kPDPathConstructionSuiteVersion1003,
              &kPathConstruction);
    OfferBoth(registry, kPDExpandSuite, kPDExpandSuiteVersion4, kPDExpandSuiteVersion1003, &kExpand);
    OfferBoth(registry, kPDRasterSuite, kPDRasterSuiteVersion10, kPDRasterSuiteVersion1009, &kRaster);
    OfferBoth(registry, kPDLayerSuite, kPDLayerSuiteVersion13, kPDLayerSuiteVersion1012, &kLayer);
    OfferBoth(registry, kPDActionManagerSuite, kPDActionManagerSuiteVersion5, kPDActionManagerSuiteVersion1004,
              &kActionManager);
    OfferBoth(registry, kPDPathfinderSuite, kPDPathfinderSuiteVersion6, kPDPathfinderSuiteVersion1005, &kPathfinder);
    OfferBoth(registry, kPDTagSuite, kPDTagSuiteVersion4, kPDTagSuiteVersion1003, &kTag);
    OfferBoth(registry, kPDDocumentSuite, kPDDocumentSuiteVersion14, kPDDocumentSuiteVersion1013, &kDocument);
    OfferBoth(registry, kPDArtSuite, kPDArtSuiteVersion17, kPDArtSuiteVersion1016, &kArt);
    OfferBoth(registry, kPDMatchingArtSuite, kPDMatchingArtSuiteVersion7, kPDMatchingArtSuiteVersion1006, &kMatchingArt);
    OfferBoth(registry, kPDUndoSuite, kPDUndoSuiteVersion7, kPDUndoSuiteVersion1006, &kUndo);
    OfferBoth(registry, kPDDrawArtSuite, kPDDrawArtSuiteVersion11, kPDDrawArtSuiteVersion1010, &kDrawArt);
}

}  // namespace host
