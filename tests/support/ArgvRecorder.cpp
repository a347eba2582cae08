// A stand-in for a program that is started (the cutting application, the desktop's opener): it writes its
// arguments, argv[0] first, one per line, to a new file "<pid>.rec" in the folder $MARKPLUG_RECORD_DIR. The file
// appears complete or not at all (written under another name, then renamed).
#if defined(_WIN32)
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const char* folder = std::getenv("MARKPLUG_RECORD_DIR");
    if (!folder) return 2;
    const std::string base = std::string(folder) + "/" + std::to_string(static_cast<long>(getpid()));
    const std::string partial = base + ".partial";
    std::FILE* file = std::fopen(partial.c_str(), "wb");
    if (!file) return 1;
    for (int i = 0; i < argc; ++i) std::fprintf(file, "%s\n", argv[i]);
    if (std::fclose(file) != 0) return 1;
    return std::rename(partial.c_str(), (base + ".rec").c_str()) == 0 ? 0 : 1;
}
