// The configurator started on the headless back end in a scratch program folder, with stand-in
// windows for the ones later work builds, and the links it opens recorded.
#pragma once

#include "core/lang_form.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/backends/headless/harness.h"
#include "platform/net/shell_open.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {

inline String Path(const std::filesystem::path& P) { return Utf8ToString(P.string()); }

// A window that stands in for one of a later build: it has the class name of the real one and
// logs its Set_Lang calls.
class TStandIn : public TLangForm {
public:
    TStandIn(TComponent* AOwner, TProgramWindow Window, std::vector<std::string>& Log)
        : TLangForm(AOwner, u"F" + String(Program_Window_Class(Window)).substr(2), 200, 100),
          m_class(Program_Window_Class(Window)), m_log(Log)
    {
    }
    String ClassName() const override { return m_class; }
    void Set_Lang() override { m_log.push_back("Set_Lang " + StringToUtf8(m_class)); }

private:
    String m_class;
    std::vector<std::string>& m_log;
};

// The windows of this build, with a stand-in in every slot that Replace says to fill (by
// default every slot this build leaves empty).
inline TWindowFactories With_Stand_Ins(std::vector<std::string>& Log, bool Replace_Built = false)
{
    TWindowFactories windows = Program_Window_Factories();
    for (Integer w = 0; w < Program_Window_Count; ++w) {
        if (windows[w] && !Replace_Built) continue;
        windows[w] = [w, &Log]() -> TForm* {
            auto* form = new TStandIn(Application, static_cast<TProgramWindow>(w), Log);
            form->DoCreate();
            return form;
        };
    }
    return windows;
}

// Answers the next modal window or message box: Seen receives its class name and, for a message
// box, ": " and its text. The window is closed with Cancel, a message box with its first button.
inline void Answer_Next_Modal(THarness& H, std::string& Seen)
{
    H.AnswerModal(u"", [&Seen](TCustomForm& Form) {
        Seen = StringToUtf8(Form.ClassName());
        if (auto* box = dynamic_cast<TMessageForm*>(&Form)) {
            Seen += ": " + StringToUtf8(box->Message());
            box->ClickButton(box->ButtonResults().front());
            return;
        }
        Form.ModalResult = mrCancel;
    });
}

class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture()
    {
        SetShellOpener([this](const std::string& Argument) {
            opened.push_back(Argument);
            return true;
        });
    }
    ~ProgramFixture() override { SetShellOpener(nullptr); }

    // Starts the program in the scratch folder and shows the main window.
    TFPlenatoreFirmWare* Start(TWindowFactories Windows = Program_Window_Factories())
    {
        main = Create_Program({Path(dir.path()), std::move(Windows)});
        main->Show();
        h.ProcessMessages();
        return main;
    }

    // A configuration folder under PROJECTS.
    std::filesystem::path Conf(const std::string& Name) const { return dir / "PROJECTS" / Name; }
    void Make_Conf(const std::string& Name) const { std::filesystem::create_directories(Conf(Name) / "bin"); }

    // A settings file naming that configuration, with the internet and update switches.
    void Write_Settings(const std::string& Conf_Name, bool Internet = false, bool Update = false,
                        const std::string& Language = "English") const
    {
        writeBytes(dir / "Plenator.xml",
                   "<Conf_Settings><lastproj><projectname>" + Conf_Name +
                       "</projectname></lastproj><lastipadd><ipaddress>10.0.0.9</ipaddress></lastipadd>"
                       "<lastlang><language>" +
                       Language + "</language></lastlang><lastinternet><enable_internet>" + (Internet ? "1" : "0") +
                       "</enable_internet><enable_update>" + (Update ? "1" : "0") +
                       "</enable_update></lastinternet></Conf_Settings>");
    }
    void Write_Language(const std::string& Name, const std::string& Lines) const
    {
        writeBytes(dir / "LANGUAGE" / (Name + ".lng"), Lines);
    }

    ScratchDir dir{"core-program"};
    THarness h;
    TFPlenatoreFirmWare* main = nullptr;
    std::vector<std::string> opened;
    std::vector<std::string> log;
};

}  // namespace gw::test
