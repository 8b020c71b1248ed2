// The step buttons of the main window in the order the click dispatch tries them.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

enum TStepButton : Integer {
    sbNew,
    sbOpen,
    sbClose,
    sbInfo,
    sbOpz,
    sbPrm_Gen,
    sbEtherNetIP_Access,
    sbPROFIBUS_GSD,
    sbCAN_Rec_Frame,
    sbCAN_Send_Frame,
    sbBACnet_SetAccess,
    sbBACnet_EDE_File,
    sbPROFINET_XML,
    sbSNMP_Trap,
    sbSNMP_MIB,
    sbKNX_Access,
    sbMQTT_Set_Topic,
    sbPDO_CANopen,
    sbSDO_Client_CANopen,
    sbSDO_Server_CANopen,
    sbCANopen_EDS,
    sbCreateBin,
    Step_Button_Count
};

// New, Open, Close, Information and Options work without a configuration; every other step
// refuses with text 18 while none is open.
constexpr bool Step_Needs_Configuration(TStepButton Button) { return Button > sbOpz; }

}  // namespace gw
