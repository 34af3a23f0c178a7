// Options: the nine switches, loaded from the registry at start-up.
#pragma once

// Reads the nine switches below PluginKey, each falling back to its default.
void LoadOptions();
