// Opening a document with the desktop's opener (ShellExecute "open") on Linux: $PENDRAKE_OPENER, a program path,
// when set, otherwise xdg-open, started with the document as its one argument.
#include "StartDetached.h"
#include "platform/Platform.h"

#include <cstdlib>
#include <vector>

namespace platform {

bool OpenWithDesktop(const std::string& document) noexcept
{
    try {
        if (document.empty()) {
            return false;
        }
        const char* opener = std::getenv("PENDRAKE_OPENER");
        const std::string program = opener != nullptr && opener[0] != '\0' ? opener : "xdg-open";
        return StartDetached(std::vector<std::string>{program, document});
    } catch (...) {
        return false;
    }
}

}  // namespace platform
