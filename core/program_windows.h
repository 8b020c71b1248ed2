// The configurator's windows: the order start-up creates them in, the order a language change
// re-labels them in, and which of them exist in this build.
#pragma once

#include "platform/runtime/types.h"
#include "platform/ui/application.h"

#include <array>
#include <functional>

namespace gw {

class TForm;
class TFPlenatoreFirmWare;

// The windows after the main one, in the order start-up creates them.
enum TProgramWindow : Integer {
    pwNew_Project,
    pwOpenConf,
    pwAbout,
    pwSoftOptions,
    pwParGen,
    pwEtherNetIP_Master_Access,
    pwProfinetFileName,
    pwBoot,
    pwSNMP_Trap_Access,
    pwReceiveCAN,
    pwTransmitCAN,
    pwBACnet_Eng_Unit,
    pwBACnetSlaveSetAccess,
    pwKNXAccess,
    pwMQTT_Set_Topic,
    pwTopicTemplate,
    pwSet_PDO_Access,
    pwSet_SDO_Client_Access,
    pwSet_SDO_Server_Access,
    pwEtherNEtIP_EDS,
    Program_Window_Count,
    pwNone = -1
};

// The class name of each window, for messages and tests.
StringView Program_Window_Class(TProgramWindow Window);

// Creates one window (as Application's, setting its global instance) and returns it; empty for
// a window this build does not have yet.
using TWindowFactory = std::function<TForm*()>;
using TWindowFactories = std::array<TWindowFactory, Program_Window_Count>;

// The windows of this build. A new window joins the program with its line here: created at
// start, re-labelled on a language change and shown by its step button.
const TWindowFactories& Program_Window_Factories();
// The factory of a window of class T, created as the application's in its global instance.
template <class T, T** Global>
TForm* Create_Window()
{
    Application->CreateForm(*Global);
    return *Global;
}
// Fills the slot of a window that a library above this one builds (the table windows); its
// registration is called by the program's main before start-up, never by a static initialiser.
void Register_Program_Window(TProgramWindow Window, TWindowFactory Factory);

// The order in which a language change re-labels the windows after the main one (the About
// window keeps its English captions and is not in it).
extern const std::array<TProgramWindow, Program_Window_Count - 1> Language_Order;

// What the program starts with: its folder and its windows.
struct TProgramStart {
    // Where MASTER, PROJECTS, LANGUAGE and the settings file live; empty: the executable's folder.
    String Exe_Dir;
    TWindowFactories Windows = Program_Window_Factories();
};

// Start-up: creates the main window (which reads the settings, loads the language and reopens
// the last configuration), then every other window in order. Returns the main window.
TFPlenatoreFirmWare* Create_Program(const TProgramStart& Start = {});

}  // namespace gw
