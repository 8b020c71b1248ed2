// The print settings as one section of an INI file, which an owner of the grid may keep them in.
#pragma once

#include "grid/model/print_settings.h"

namespace gw {

// Writes every stored setting into Section of the INI file FileName (its other sections and keys
// stay) and rewrites the file: integers, colours (signed) and enumerations (ordinals) as decimal
// numbers, flags as "Y"/"N", font styles as the sum of 1 bold, 2 italic, 4 underline, 8
// strike-out, the title lines with every line break written "\n". FixedFont, JobName, the page
// offsets and FixedCellsAlways are not stored.
void SavePrintSettings(const TPrintSettings& Settings, const String& FileName, const String& Section);

// Reads every stored setting back; a missing key, or an integer that is none, gives its default
// (spacings 20, page margins 100, "Arial" 10 fonts, Centered, no borders, empty texts). An
// enumeration number outside its values leaves the setting (a print position becomes ppNone). A
// font style only adds styles. The file is rewritten, so a missing one is created empty. Raises
// only the file's errors.
void LoadPrintSettings(TPrintSettings& Settings, const String& FileName, const String& Section);

}  // namespace gw
