// `pendrake serve` in a build without the HTTP library (the Windows build): the command says so.
#include <ostream>

#include "Commands.h"

namespace pendrake {

int RunServe(const ServeOptions&, std::ostream&, std::ostream& err)
{
    err << "pendrake: serve is not available in this build\n";
    return 2;
}

}  // namespace pendrake
