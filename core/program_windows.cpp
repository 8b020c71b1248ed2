// The windows of this build, the orders of creation and re-labelling, and program start-up.
#include "core/program_windows.h"

#include "core/about_window.h"
#include "core/boot_window.h"
#include "core/main_window.h"
#include "core/new_project_window.h"
#include "core/open_conf_window.h"
#include "core/par_gen_window.h"
#include "core/soft_options_window.h"
#include "platform/runtime/scope.h"
#include "platform/ui/application.h"

namespace gw {

namespace {

constexpr std::array<StringView, Program_Window_Count> Class_Names = {
    u"TFNew_Project",
    u"TFOpenConf",
    u"TFAbout",
    u"TFSoftOptions",
    u"TFParGen",
    u"TFEtherNetIP_Master_Access",
    u"TFProfinetFileName",
    u"TFBoot",
    u"TFSNMP_Trap_Access",
    u"TFReceiveCAN",
    u"TFTransmitCAN",
    u"TFBACnet_Eng_Unit",
    u"TFBACnetSlaveSetAccess",
    u"TFKNXAccess",
    u"TFMQTT_Set_Topic",
    u"TFTopicTemplate",
    u"TFSet_PDO_Access",
    u"TFSet_SDO_Client_Access",
    u"TFSet_SDO_Server_Access",
    u"TFEtherNEtIP_EDS",
};

}  // namespace

StringView Program_Window_Class(TProgramWindow Window) { return Class_Names.at(static_cast<size_t>(Window)); }

namespace {

TWindowFactories& Factories()
{
    static TWindowFactories factories = {
        Create_Window<TFNew_Project, &FNew_Project>,  // pwNew_Project
        Create_Window<TFOpenConf, &FOpenConf>,  // pwOpenConf
        Create_Window<TFAbout, &FAbout>,  // pwAbout
        Create_Window<TFSoftOptions, &FSoftOptions>,  // pwSoftOptions
        Create_Window<TFParGen, &FParGen>,  // pwParGen
        nullptr,  // pwEtherNetIP_Master_Access
        nullptr,  // pwProfinetFileName
        Create_Window<TFBoot, &FBoot>,  // pwBoot
        nullptr,  // pwSNMP_Trap_Access
        nullptr,  // pwReceiveCAN
        nullptr,  // pwTransmitCAN
        nullptr,  // pwBACnet_Eng_Unit
        nullptr,  // pwBACnetSlaveSetAccess
        nullptr,  // pwKNXAccess
        nullptr,  // pwMQTT_Set_Topic
        nullptr,  // pwTopicTemplate
        nullptr,  // pwSet_PDO_Access
        nullptr,  // pwSet_SDO_Client_Access
        nullptr,  // pwSet_SDO_Server_Access
        nullptr,  // pwEtherNEtIP_EDS
    };
    return factories;
}

}  // namespace

const TWindowFactories& Program_Window_Factories() { return Factories(); }

void Register_Program_Window(TProgramWindow Window, TWindowFactory Factory)
{
    Factories().at(static_cast<size_t>(Window)) = std::move(Factory);
}

const std::array<TProgramWindow, Program_Window_Count - 1> Language_Order = {
    pwNew_Project,
    pwOpenConf,
    pwSoftOptions,
    pwBoot,
    pwParGen,
    pwEtherNetIP_Master_Access,
    pwEtherNEtIP_EDS,
    pwProfinetFileName,
    pwSNMP_Trap_Access,
    pwReceiveCAN,
    pwTransmitCAN,
    pwSet_PDO_Access,
    pwSet_SDO_Client_Access,
    pwSet_SDO_Server_Access,
    pwBACnetSlaveSetAccess,
    pwBACnet_Eng_Unit,
    pwKNXAccess,
    pwMQTT_Set_Topic,
    pwTopicTemplate,
};

TFPlenatoreFirmWare* Create_Program(const TProgramStart& Start)
{
    TFPlenatoreFirmWare::Set_Start_Folder(Start.Exe_Dir);
    TScopeExit forget([] { TFPlenatoreFirmWare::Set_Start_Folder(String()); });
    Application->CreateForm(FPlenatoreFirmWare);
    // Every other window reads the code and the text table that the main window's start-up made.
    for (Integer w = 0; w < Program_Window_Count; ++w)
        if (Start.Windows[w]) FPlenatoreFirmWare->Windows[w] = Start.Windows[w]();
    return FPlenatoreFirmWare;
}

}  // namespace gw
