// Registration of the table windows with the program.
#include "tables/table_windows.h"

#include "core/program_windows.h"
#include "tables/ethernetip_eds.h"
#include "tables/ethernetip_master_access.h"

namespace gw {

void RegisterTableWindows()
{
    Register_Program_Window(pwEtherNetIP_Master_Access,
                            Create_Window<TFEtherNetIP_Master_Access, &FEtherNetIP_Master_Access>);
    Register_Program_Window(pwEtherNEtIP_EDS, Create_Window<TFEtherNEtIP_EDS, &FEtherNEtIP_EDS>);
}

}  // namespace gw
