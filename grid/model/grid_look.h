// The look vocabulary of the string grid: how fixed cells are painted (the look of selected cells,
// TGridSelectionStyle, is the cell store's: grid/foundation/base_grid.h).
#pragma once

#include <cstdint>

namespace gw {

// Decides how the fixed cells are painted.
enum TGridLook : uint8_t {
    glStandard,
    glSoft,
    glClassic,
    glZEQ,
    glXP,
    glListView,
    glVista,
    glWin7,
    glOffice2007,
    glCustom,
};

}  // namespace gw
