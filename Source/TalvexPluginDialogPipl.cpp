// markplug's plug-in property list, in the section where the host looks for it without loading the module.
#include "pendrake/PiplResource.h"

[[gnu::section(kPIPLSectionName), gnu::used]] constexpr auto gPiplResource = pipl::MakePipl<"TalvexPluginDialog">();
