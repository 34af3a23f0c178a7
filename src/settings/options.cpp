#include "settings/options.h"

void LoadOptions() {}
