#include "TerminalProgress.h"

#include <cstdio>
#include <iomanip>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace pendrake {

bool TerminalProgress::ForStandardError()
{
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) == 1;
#endif
}

TerminalProgress::~TerminalProgress()
{
    if (fOpen) fOut << '\n' << std::flush;
}

void TerminalProgress::Begin(const std::string& step)
{
    fStep = step;
    fPercent = -1;
    fStart = std::chrono::steady_clock::now();
    if (!fShown) return;
    fOut << "pendrake: " << fStep << "..." << std::flush;
    fOpen = true;
}

void TerminalProgress::Update(std::size_t done, std::size_t total)
{
    if (!fShown || total == 0) return;
    const int percent = static_cast<int>(done >= total ? 100 : done * 100 / total);
    if (percent == fPercent) return;
    fPercent = percent;
    fOut << "\rpendrake: " << fStep << " " << percent << "%" << std::flush;
}

void TerminalProgress::End()
{
    if (!fOpen) return;
    fOpen = false;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - fStart).count();
    fOut << "\rpendrake: " << fStep << ": " << std::fixed << std::setprecision(2) << seconds << " s    \n"
         << std::defaultfloat << std::flush;
}

}  // namespace pendrake
