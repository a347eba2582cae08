// The surroundings of markplug's output side, made for one test: a temporary folder, registry roots with or
// without the cutting application, and a recorder that stands in for the programs markplug starts. The
// environment variables the platform layer reads point into the sandbox while it exists.
#ifndef TESTS_SUPPORT_CUTOUTPUTSANDBOX_H
#define TESTS_SUPPORT_CUTOUTPUTSANDBOX_H

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

class CutOutputSandbox {
public:
    // tempFolderName: the name of the temporary folder inside the sandbox (one with a blank tests quoting).
    explicit CutOutputSandbox(const std::string& tempFolderName = "tmp");
    ~CutOutputSandbox();
    CutOutputSandbox(const CutOutputSandbox&) = delete;
    CutOutputSandbox& operator=(const CutOutputSandbox&) = delete;

    const std::string& Folder() const { return fFolder; }
    const std::string& TempFolder() const { return fTempFolder; }

    // Writes the registry value "Path" of the cutting application's key under HKCU or HKLM with these bytes.
    void SetRegistryPath(bool currentUser, const std::string& bytes);
    // Where that value lives, its key's folders made but the value left to the test (a FIFO, a folder, ...).
    std::string RegistryPathValue(bool currentUser);
    // A link to the recorder at folder/name inside the sandbox (folders made as needed); its path.
    std::string RecorderLink(const std::string& relativePath);

    // The surroundings of the macOS feature set: the sandbox's folder "Pendrake" becomes the process's current
    // folder (until the sandbox goes), beside an empty application folder "Applications/Talvex"; its path.
    std::string EnterMacHostFolder();
    // The output application "TalvexOutputX.app" in that folder, its program a link to the recorder.
    void InstallOutputApplication();
    // The system version the platform layer reports ("0x1090"); empty: its default.
    void SetSystemVersion(const std::string& version);

    // The one "~TX....TMP" file of the temporary folder; empty when there is not exactly one.
    std::string CutFile() const;

    // Waits (bounded) until at least count programs have recorded their arguments, then returns every record
    // in no particular order, each as its argument lines.
    std::vector<std::vector<std::string>> WaitForRecords(std::size_t count) const;
    std::size_t RecordCount() const;

private:
    std::string fFolder;
    std::string fTempFolder;
    std::string fRecords;
    std::map<std::string, std::string> fSavedVariables;  // the environment variables as they were before
    std::string fSavedFolder;                            // the current folder before EnterMacHostFolder
};

// The bytes of a file; empty when it cannot be read.
std::string FileBytes(const std::string& path);

// The lines, each followed by CR LF.
std::string CrLfLines(const std::vector<std::string>& lines);

}  // namespace testing_support

#endif
