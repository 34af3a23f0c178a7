// One search command: dialog, scan, results menu.
#pragma once

void RunSearchCommand();
