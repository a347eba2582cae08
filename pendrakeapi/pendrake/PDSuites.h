/* All suites of the host interface. */
#ifndef PENDRAKE_PDSUITES_H
#define PENDRAKE_PDSUITES_H

#include "PDTypes.h"
#include "ZBErrors.h"
#include "ZBPlugin.h"
#include "ZBBasic.h"
#include "ZBAccess.h"
#include "ZBPlugins.h"
#include "ZBBlocks.h"
#include "PDNotifier.h"
#include "PDContext.h"
#include "PDUser.h"
#include "PDFilePath.h"
#include "PDFolders.h"
#include "PDUnicodeString.h"
#include "PDStringFormatUtils.h"
#include "PDPreference.h"
#include "PDArt.h"
#include "PDDocument.h"
#include "PDLayer.h"
#include "PDMatchingArt.h"
#include "PDPath.h"
#include "PDPathStyle.h"
#include "PDPathConstruction.h"
#include "PDTag.h"
#include "PDActionManager.h"
#include "PDRuntime.h"
#include "PDPlugin.h"
#include "PDOtherSuites.h"

#endif
