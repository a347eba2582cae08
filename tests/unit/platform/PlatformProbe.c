/* A module for the platform tests: one exported function with a known result. */
int PlatformProbeAnswer(void);

int PlatformProbeAnswer(void) { return 42; }
