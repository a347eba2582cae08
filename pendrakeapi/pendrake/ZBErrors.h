/* Error codes of the host interface. A code is four characters packed by PD_FOURCC, or a small number. */
#ifndef PENDRAKE_ZBERRORS_H
#define PENDRAKE_ZBERRORS_H

#include "PDTypes.h"

#define kNoErr ((ZBErr)0)
#define kCantHappenErr PD_FOURCC('C', 'A', 'N', 'T')    /* unexpected failure; a missing entry point */
#define kOutOfMemoryErr PD_FOURCC('!', 'M', 'E', 'M')   /* an allocation failed */
#define kUnhandledMsgErr PD_FOURCC('!', 'M', 'S', 'G')  /* the plug-in does not handle this message */
#define kBadParameterErr PD_FOURCC('P', 'A', 'R', 'M')  /* a null, unknown or out-of-range argument */
#define kSuiteNotFoundErr PD_FOURCC('S', '!', 'F', 'd') /* no suite of that name and version */
#define kPurgeFailedErr PD_FOURCC('p', 'F', 'l', 's')   /* reply to a purge that freed nothing */
#define kNoDocumentErr PD_FOURCC('D', 'O', 'C', '?')    /* no document is open */
#define kBadObjectErr PD_FOURCC('O', 'B', 'J', '?')     /* a handle that is unknown or already disposed */
#define kNoSuchKeyErr PD_FOURCC('K', 'E', 'Y', '?')     /* no tag, preference or parameter of that name */
#define kWrongTypeErr PD_FOURCC('T', 'Y', 'P', '?')     /* the entry exists with another type */
#define kBadFormatErr PD_FOURCC('F', 'M', 'T', '?')     /* text that is not a number of the asked kind */
#define kNoSuchFolderErr PD_FOURCC('F', 'L', 'D', '?')  /* the host knows no folder of that type */
#define kNotFoundErr PD_FOURCC('N', 'F', 'N', 'D')      /* a file or other named thing does not exist */

/* Codes that a plug-in passes back without ever reporting them (the frame's quiet list). */
#define kRefusePasteErr PD_FOURCC('R', 'F', 'S', 'E')
#define kAfterErr PD_FOURCC('A', 'F', 'T', 'R')
#define kValidateErr PD_FOURCC('V', 'A', 'L', 'D')
#define kMootErr PD_FOURCC('M', 'O', 'O', 'T')
#define kTrashErr PD_FOURCC('T', 'R', 'S', 'H')
#define kCheckErr PD_FOURCC('C', 'H', 'E', 'K')
#define kCheckItErr PD_FOURCC('C', 'H', 'I', 'T')
#define kToolkitErr PD_FOURCC('T', 'L', 'T', 'K')
#define kAcquireErr PD_FOURCC('!', 'A', 'c', 'q')
#define kDisplayReportedErr PD_FOURCC('d', 's', 'R', 'P')
#define kSkipErr PD_FOURCC('s', 'k', 'p', 'E')
#define kDoneErr PD_FOURCC('D', 'O', 'N', 'E')
#define kStopErr PD_FOURCC('S', 'T', 'O', 'P')
#define kUserCanceledErr ((ZBErr)361)

#endif
