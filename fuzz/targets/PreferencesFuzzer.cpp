// libFuzzer target: the host's preference file reader, on the input written to a file. A file it reads must
// save and read back to the same store; a refusal is a std::runtime_error naming the file and the line.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "DriveCheck.h"
#include "DriveSandbox.h"
#include "host/Preferences.h"

namespace {

drive::DriveSandbox* gSandbox = nullptr;

std::string FilePath(const char* name) { return gSandbox->TempFolder() + "/" + name; }

void WriteFile(const std::string& path, const uint8_t* data, std::size_t size)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    drive::Require(static_cast<bool>(file), "cannot write " + path);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    try {
        gSandbox = new drive::DriveSandbox();
        std::atexit([] { delete gSandbox; });
    } catch (const std::exception& error) {
        drive::Fail(error.what());
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string input = FilePath("input.ini");
    WriteFile(input, data, size);
    host::Preferences preferences;
    try {
        preferences.Load(input);
    } catch (const std::runtime_error& error) {
        const std::string what = error.what();
        drive::Require(what.rfind(input + ":", 0) == 0, "a refusal that does not name the file: " + what);
        return 0;
    } catch (const std::exception& error) {
        drive::Fail(std::string("reading threw more than a runtime_error: ") + error.what());
    }
    drive::Require(!preferences.Changed(), "a store just read counts as changed");
    const std::string text = preferences.Text();
    const std::string saved = FilePath("saved.ini");
    host::Preferences reread;
    try {
        preferences.Save(saved);
        reread.Load(saved);
    } catch (const std::exception& error) {
        drive::Fail(std::string("the saved preferences do not read back: ") + error.what() + "\n" + text);
    }
    if (reread.Text() != text)
        drive::Fail("the saved preferences read back differently:\n" + text + "\n" + reread.Text());
    return 0;
}
