// The table windows' place in the program: their factories join the configurator's windows.
#pragma once

namespace gw {

// Registers the slaves table and the EDS chooser with the program's windows (created at start-up,
// re-labelled on a language change, the slaves table shown by its step button). Called by main.
void RegisterTableWindows();

}  // namespace gw
