// One search command, run by OpenPlugin: the search dialog, the line scan and
// the results menu.
#pragma once

// Never fails visibly beyond the host's boxes: an empty text, Cancel or Esc
// end the command silently.
void RunSearchCommand();
