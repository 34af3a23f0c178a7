// The settings object and its persistence (filled in by the settings work).
#include "settings/options.h"

Settings settings = {{1, 1, 0, 0, 0, 1, 0, 0, 0}, {1, "", ""}};

void LoadOptions() {}
void SaveOptions() {}
