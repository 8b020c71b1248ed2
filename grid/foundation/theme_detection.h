// What the grid library knows of the desktop's look: the visual-style library, the system tests
// and the current office theme.
//
// This platform has no visual-style library, no office suite and no registry: the library never
// loads, the system tests answer as a classic desktop does, and the office theme is otUnknown,
// so every painting routine takes its classic branch and a grid adapting to the office theme
// keeps its own style.
#pragma once

#include "grid/foundation/theme_style.h"

namespace gw {

// One loader of the visual-style entry points. Two exist, as the grid units and the drop-down
// units each keep their own (ExtXPVS and ATXPVS); both are loaded once at program start.
// No entry point may be used while Loaded() is false.
class TThemeLibrary {
public:
    // Nothing when already loaded; otherwise loads the library when the platform has one.
    void LoadThemeLibrary();
    // Frees the library when it was loaded and clears the flag.
    void UnloadThemeLibrary();
    bool Loaded() const { return m_loaded; }

private:
    bool m_loaded = false;
};

TThemeLibrary& ExtXPVS();
TThemeLibrary& ATXPVS();

// Themed parts are drawn only while the grid units' library is loaded and a visual style is active.
bool VisualStylesActive();

bool IsXPOrLater();
bool IsVistaOrLater();
bool IsComCtl6();
// "Segoe UI" when IsVistaOrLater, else "Tahoma".
String DefaultUIFontName();

// 2 for office 2010, 1 for office 2007, 0 when neither is installed.
Integer DetectOfficeVersion();
// The desktop's visual-style colour scheme: 1 "NormalColor", 2 "HomeStead", 3 "Metallic", else 0.
Integer GetXPColorScheme();
// The office theme to follow; otUnknown when the desktop offers none.
TOfficeTheme GetCurrentOfficeTheme();

}  // namespace gw
