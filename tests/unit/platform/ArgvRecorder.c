/* Writes its arguments, each followed by a NUL byte, to the file named by $PLATFORM_TEST_ARGV_FILE. The bytes go
   to a side file first and are renamed into place, so that a test waiting for the file sees all of it. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
    const char* target = getenv("PLATFORM_TEST_ARGV_FILE");
    if (target == NULL || target[0] == '\0') {
        return 2;
    }
    char part[4096];
    if (snprintf(part, sizeof part, "%s.part", target) >= (int)sizeof part) {
        return 2;
    }
    FILE* file = fopen(part, "wb");
    if (file == NULL) {
        return 1;
    }
    for (int i = 0; i < argc; ++i) {
        fwrite(argv[i], 1, strlen(argv[i]) + 1, file);
    }
    if (fclose(file) != 0 || rename(part, target) != 0) {
        return 1;
    }
    return 0;
}
