#include "settings/config_dialog.h"

bool RunConfigDialog() { return false; }
