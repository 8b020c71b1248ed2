// The look vocabulary of the string grid: how fixed cells are painted and how selected cells are.
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

// The look of selected cells: a property of the cell store's grid, declared here until that grid
// declares it.
enum TGridSelectionStyle : uint8_t { ssDefault, ssVista, ssWin7, ssOffice2007 };

}  // namespace gw
