// The surroundings of a driven host, made once for a whole process: a temporary folder for the cut data file,
// empty registry roots (the cutting application is not installed), a desktop opener that no folder of PATH
// holds, and the macOS host folder "Pendrake" beside an application folder without the output application. So
// the output run and help write their files there and start no program, however often they run.
#ifndef FUZZ_SUPPORT_DRIVESANDBOX_H
#define FUZZ_SUPPORT_DRIVESANDBOX_H

#include <string>

namespace drive {

class DriveSandbox {
public:
    // Makes the folder in /dev/shm (or the system's temporary folder when there is none), points the platform's
    // variables into it and enters its host folder; throws std::runtime_error when it cannot.
    DriveSandbox();
    // Leaves the host folder and removes everything inside the sandbox. The variables stay pointed at it: the
    // process is not meant to run the plug-ins afterwards.
    ~DriveSandbox();
    DriveSandbox(const DriveSandbox&) = delete;
    DriveSandbox& operator=(const DriveSandbox&) = delete;

    const std::string& Folder() const { return fFolder; }
    const std::string& TempFolder() const { return fTempFolder; }

    // Removes the cut data files ("~TX....TMP") of the temporary folder: every plug-in start makes one.
    void RemoveCutFiles() const;
    // The bytes in the temporary folder and the application folder, so that a long run can show they stay put.
    unsigned long long UsedBytes() const;

private:
    std::string fFolder;
    std::string fTempFolder;
    std::string fSavedFolder;
};

}  // namespace drive

#endif
