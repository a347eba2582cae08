#include "HostActions.h"

namespace host {

ZBErr OutlineStrokeAction(Document&, const std::vector<ActionEntry>&) { return kNoErr; }

}  // namespace host
