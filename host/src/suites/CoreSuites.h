// Each suite file offers its suite (in every version the host serves) to the registry.
#ifndef HOST_SUITES_CORESUITES_H
#define HOST_SUITES_CORESUITES_H

#include "host/SuiteRegistry.h"
#include "pendrake/ZBBasic.h"

namespace host {

const ZBBasicSuite4* BasicSuite();

void OfferBasicSuite(SuiteRegistry& registry);
void OfferAccessSuite(SuiteRegistry& registry);
void OfferPluginsSuite(SuiteRegistry& registry);
void OfferPluginSuite(SuiteRegistry& registry);
void OfferNotifierSuite(SuiteRegistry& registry);
void OfferContextSuite(SuiteRegistry& registry);
void OfferFoldersSuite(SuiteRegistry& registry);
void OfferFilePathSuite(SuiteRegistry& registry);
void OfferBlocksSuite(SuiteRegistry& registry);
void OfferUnicodeStringSuite(SuiteRegistry& registry);
void OfferStringFormatUtilsSuite(SuiteRegistry& registry);
void OfferUserSuite(SuiteRegistry& registry);
void OfferRuntimeSuite(SuiteRegistry& registry);
void OfferDocumentSuite(SuiteRegistry& registry);
void OfferArtSuite(SuiteRegistry& registry);
void OfferPathSuite(SuiteRegistry& registry);
void OfferPathConstructionSuite(SuiteRegistry& registry);
void OfferPathStyleSuite(SuiteRegistry& registry);
void OfferTagSuite(SuiteRegistry& registry);
void OfferMatchingArtSuite(SuiteRegistry& registry);
void OfferLayerSuite(SuiteRegistry& registry);
void OfferPreferenceSuite(SuiteRegistry& registry);
void OfferActionManagerSuite(SuiteRegistry& registry);
void OfferDocumentSuitesPending(SuiteRegistry& registry);

inline void OfferCoreSuites(SuiteRegistry& registry)
{
    OfferBasicSuite(registry);
    OfferAccessSuite(registry);
    OfferPluginsSuite(registry);
    OfferPluginSuite(registry);
    OfferNotifierSuite(registry);
    OfferContextSuite(registry);
    OfferFoldersSuite(registry);
    OfferFilePathSuite(registry);
    OfferBlocksSuite(registry);
    OfferUnicodeStringSuite(registry);
    OfferStringFormatUtilsSuite(registry);
    OfferUserSuite(registry);
    OfferRuntimeSuite(registry);
    OfferDocumentSuite(registry);
    OfferArtSuite(registry);
    OfferPathSuite(registry);
    OfferPathConstructionSuite(registry);
    OfferPathStyleSuite(registry);
    OfferTagSuite(registry);
    OfferMatchingArtSuite(registry);
    OfferLayerSuite(registry);
    OfferPreferenceSuite(registry);
    OfferActionManagerSuite(registry);
    OfferDocumentSuitesPending(registry);
}

}  // namespace host

#endif
