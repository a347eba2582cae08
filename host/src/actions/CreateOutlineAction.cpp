#include "HostActions.h"

namespace host {

ZBErr CreateOutlineAction(Document&, const std::vector<ActionEntry>&) { return kNoErr; }

}  // namespace host
