// The text of last-output.log: what the stand-in read from the three command files and the problems it found.
#ifndef TOOLS_OUTPUTAPP_OUTPUTLOG_H
#define TOOLS_OUTPUTAPP_OUTPUTLOG_H

#include <array>
#include <optional>
#include <string>

#include "CommandData.h"
#include "PageHeightWindow.h"

namespace talvex {

// The three files in the order tmp.txt, tmp_pro.txt, tmp_km.txt.
using CommandFiles = std::array<CommandFile, 3>;

// The problems of all three files, each as "FOLDER/FILE:LINE: message" and a line end.
std::string ProblemsText(const std::string& folder, const CommandFiles& files);

std::string OutputLogText(const std::string& folder, const CommandFiles& files,
                          const std::optional<PageHeightWindow>& pageHeights);

// The crop-mark values to show: tmp.txt's, or tmp_pro.txt's when tmp.txt has none.
const std::optional<CropMarkValues>& ShownCropMarks(const CommandFiles& files);

}  // namespace talvex

#endif
