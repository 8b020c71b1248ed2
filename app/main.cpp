// Program entry of the configurator: the application on the GTK back end and its windows.
#include "core/main_window.h"
#include "core/program_state.h"
#include "dropdown/grid_drop_down_editors.h"
#include "grid/model/ext_column_grid.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/gtk/gtk_backend.h"
#include "platform/controls/label.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/application.h"
#include "tables/table_windows.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>

namespace {

#ifdef GW_EVENT_LOG_OPTION
// The test build writes what the display tests wait for to the file named by --event-log: each
// window that becomes active with its client rectangle on the screen, and the configuration
// labels of the main window once it has started.
std::unique_ptr<std::ofstream> OpenEventLog(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--event-log") == 0) {
            auto log = std::make_unique<std::ofstream>(argv[i + 1], std::ios::trunc);
            if (!*log) std::fprintf(stderr, "configurator: cannot write the event log %s\n", argv[i + 1]);
            return log;
        }
    return nullptr;
}

void LogEvents(std::ofstream& Log, gw::TFPlenatoreFirmWare* Main)
{
    using namespace gw;
    Log << "conf " << StringToUtf8(Main->L_Name_Conf->Caption()) << '|' << StringToUtf8(Main->L_Name_Conf_L2->Caption())
        << std::endl;
    Screen->OnActiveFormChange = [&Log](TObject*) {
        TCustomForm* form = Screen->ActiveForm();
        if (!form || !form->HandleAllocated()) return;
        TRect r = GetWindowRect(form->Handle());
        Log << "active " << StringToUtf8(form->ClassName()) << ' ' << r.Left << ' ' << r.Top << ' ' << r.Width() << ' '
            << r.Height() << std::endl;
    };
}
#endif

int Run([[maybe_unused]] int argc, [[maybe_unused]] char** argv)
{
    using namespace gw;
#ifdef GW_EVENT_LOG_OPTION
    // Opened first, so that it outlives the forms that write to it.
    auto log = OpenEventLog(argc, argv);
#endif
    // Said here, not by static initialisers: the linker would drop those with their object files.
    RegisterGridDropDownEditors();
    RegisterTableWindows();
    TGtkBackend display;
    // Forms and windows go before the display does, however the run ends.
    // The grid unit starts before the first window and shuts down after the last.
    struct TUiSession {
        TUiSession()
        {
            InitializeUI();
            TExtStringGrid::StartUp();
            TExtColumnGrid::StartUp();
        }
        ~TUiSession()
        {
            FinalizeUI();
            TExtColumnGrid::ShutDown();
            TExtStringGrid::ShutDown();
        }
    } session;
    Application->Title = ProgramState.Main_Title;
    TFPlenatoreFirmWare* main = Create_Program();
#ifdef GW_EVENT_LOG_OPTION
    if (log && *log) LogEvents(*log, main);
#else
    (void)main;
#endif
    Application->Run();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!gw::TGtkBackend::DisplayAvailable()) {
        std::fprintf(stderr,
                     "configurator: no display to open (DISPLAY is not set or does not answer); "
                     "run it without one as: xvfb-run -a configurator\n");
        return 2;
    }
    try {
        return Run(argc, argv);
    } catch (const gw::Exception& e) {
        std::fprintf(stderr, "configurator: %s\n", gw::StringToUtf8(e.Message()).c_str());
        return 1;
    }
}
