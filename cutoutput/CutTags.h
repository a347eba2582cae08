// The tags that mark a path as a cut line or a perforation line. Only their presence is ever read; the value is
// the size of the selection that was marked, as "%04d".
#ifndef MARKPLUG_CUTTAGS_H
#define MARKPLUG_CUTTAGS_H

#include "TalvexPanelProtocol.h"  // kCutMarkTagName, kPerforationMarkTagName
#include "pendrake/PDTypes.h"

// Whether the object carries the string tag of that name (the tag query succeeds).
bool CarriesStringTag(PDArtHandle art, const char* name) noexcept;

#endif
