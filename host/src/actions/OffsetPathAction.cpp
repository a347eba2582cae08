#include "HostActions.h"

namespace host {

ZBErr OffsetPathAction(Document&, const std::vector<ActionEntry>&) { return kNoErr; }

}  // namespace host
