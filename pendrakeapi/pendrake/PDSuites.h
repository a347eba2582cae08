/* All suites of the host interface. */
#ifndef PENDRAKE_PDSUITES_H
#define PENDRAKE_PDSUITES_H

#include "PDActionManager.h"
#include "PDArt.h"
#include "PDContext.h"
#include "PDDocument.h"
#include "PDFilePath.h"
#include "PDFolders.h"
#include "PDLayer.h"
#include "PDMatchingArt.h"
#include "PDNotifier.h"
#include "PDOtherSuites.h"
#include "PDPath.h"
#include "PDPathConstruction.h"
#include "PDPathStyle.h"
#include "PDPlugin.h"
#include "PDPreference.h"
#include "PDRuntime.h"
#include "PDStringFormatUtils.h"
#include "PDTag.h"
#include "PDTypes.h"
#include "PDUnicodeString.h"
#include "PDUser.h"
#include "ZBAccess.h"
#include "ZBBasic.h"
#include "ZBBlocks.h"
#include "ZBErrors.h"
#include "ZBPlugin.h"
#include "ZBPlugins.h"

#endif
