// Fuzz target: the settings file reader on arbitrary bytes of Plenator.xml, and the save of what
// it read.
#include "fuzz/fuzz_support.h"

#include "core/program_state.h"
#include "core/settings_file.h"
#include "platform/runtime/exceptions.h"
#include "platform/xml/xml_document.h"

namespace {

using namespace gw;
using gw::fuzz::Fail;
using gw::fuzz::ScratchFolder;

// The same values, every character included (a CR too).
bool SameSettings(const TProgramState& a, const TProgramState& b)
{
    return a.Opened_Conf_Name == b.Opened_Conf_Name && a.Device_IP_Address == b.Device_IP_Address &&
        a.Language_Name == b.Language_Name && a.Internet_Enabled == b.Internet_Enabled &&
        a.Update_Enabled == b.Update_Enabled && a.Jump_Field_Enabled == b.Jump_Field_Enabled &&
        a.Auto_Size_Enabled == b.Auto_Size_Enabled;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The state is large (it holds the text table), so one of each serves every run.
    static TProgramState state;
    static TProgramState again;
    state.Exe_Dir = again.Exe_Dir = ScratchFolder::ToString(ScratchFolder::Path());
    ScratchFolder::Write(ScratchFolder::Path() / "Plenator.xml", gw::fuzz::Bytes(data, size));
    TXMLDocument doc;
    Read_Setting(state, doc);
    // At the end of a run the program saves what it read; the next start reads the same.
    try {
        Save_Setting(state, doc);
    } catch (const EXmlError&) {
        // Only a value read from a reference to a character XML cannot hold is refused.
        for (const String& t : {state.Opened_Conf_Name, state.Device_IP_Address, state.Language_Name})
            if (!XmlCanStore(t)) return 0;
        Fail("the save refused settings an XML file can hold");
    }
    Read_Setting(again, doc);
    if (!SameSettings(state, again)) Fail("the settings do not survive a save");
    return 0;
}
