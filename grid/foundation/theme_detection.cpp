// The desktop's look as the grid library sees it: a classic desktop with no office suite.
#include "grid/foundation/theme_detection.h"

#include "platform/graphics/frame_controls.h"

namespace gw {

// The platform has no visual-style library to load: the flag stays clear and every user falls
// back to plain drawing.
void TThemeLibrary::LoadThemeLibrary() {}

void TThemeLibrary::UnloadThemeLibrary() { m_loaded = false; }

TThemeLibrary& ExtXPVS()
{
    static TThemeLibrary library;
    return library;
}

TThemeLibrary& ATXPVS()
{
    static TThemeLibrary library;
    return library;
}

bool VisualStylesActive() { return ExtXPVS().Loaded() && IsThemeActive(); }

// The platform is no Windows of a version with visual styles, locale functions of Vista or the
// version 6 common controls; it draws as the classic desktop does.
bool IsXPOrLater() { return false; }
bool IsVistaOrLater() { return false; }
bool IsComCtl6() { return false; }

String DefaultUIFontName() { return IsVistaOrLater() ? u"Segoe UI" : u"Tahoma"; }

Integer DetectOfficeVersion() { return 0; }

Integer GetXPColorScheme() { return 0; }

TOfficeTheme GetCurrentOfficeTheme() { return otUnknown; }

}  // namespace gw
