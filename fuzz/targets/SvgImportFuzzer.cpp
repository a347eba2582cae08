// libFuzzer target: the host's SVG reader. What it reads must save, and the saved text must reopen as the same
// document, strictly and without a warning (the host's own files hold nothing that needs an equivalent), and save
// again to the same text; a refusal is an SvgError, and nothing else may be thrown.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "DocumentDifference.h"
#include "DriveCheck.h"
#include "host/Svg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<host::Document> read;
    try {
        read = host::ReadSvgText(text, "input.svg");
    } catch (const host::SvgError&) {
        return 0;
    } catch (const std::exception& error) {
        drive::Fail(std::string("reading threw more than an SvgError: ") + error.what());
    }
    std::string saved;
    try {
        saved = host::WriteSvgText(*read);
    } catch (const host::SvgError&) {
        return 0;  // content that no file could carry back (a number that is not finite, ...) is refused
    } catch (const std::exception& error) {
        drive::Fail(std::string("saving threw more than an SvgError: ") + error.what());
    }
    std::unique_ptr<host::Document> reopened;
    std::vector<std::string> warnings;
    host::SvgReadOptions strict;
    strict.strict = true;
    strict.warnings = &warnings;
    try {
        reopened = host::ReadSvgText(saved, "saved.svg", strict);
    } catch (const std::exception& error) {
        drive::Fail(std::string("the saved document does not reopen: ") + error.what() + "\n" + saved);
    }
    if (!warnings.empty()) drive::Fail("the saved document reopens with a warning: " + warnings.front());
    const std::string difference = drive::DocumentDifference(*read, *reopened);
    if (!difference.empty()) drive::Fail("the saved document reopens differently: " + difference + "\n" + saved);
    std::string savedAgain;
    try {
        savedAgain = host::WriteSvgText(*reopened);
    } catch (const std::exception& error) {
        drive::Fail(std::string("the reopened document does not save: ") + error.what());
    }
    if (savedAgain != saved)
        drive::Fail("saving the reopened document gives another text:\n" + saved + "\n" + savedAgain);
    return 0;
}
