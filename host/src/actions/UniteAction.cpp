#include "HostActions.h"

namespace host {

ZBErr UniteAction(Document&, const std::vector<ActionEntry>&) { return kNoErr; }

}  // namespace host
