#include "search/search_command.h"

void RunSearchCommand() {}
