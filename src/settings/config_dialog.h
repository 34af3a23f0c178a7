// The configuration dialog behind Configure.
#pragma once

// Runs the dialog; true when it was closed with OK and the options were saved.
bool RunConfigDialog();
