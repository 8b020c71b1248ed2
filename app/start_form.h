// The program's first window until the configurator's main window exists: it says so and holds
// a few of the platform's controls, so that a person (or a test) can see input reach them.
#pragma once

#include "platform/ui/forms.h"

#include <functional>
#include <string>

namespace gw {

class TPanel;
class TLabel;
class TEdit;
class TImgButton;

class TStartForm : public TForm {
public:
    explicit TStartForm(TComponent* AOwner);
    String ClassName() const override { return u"TStartForm"; }

    TPanel* Banner = nullptr;
    TLabel* Note = nullptr;
    TEdit* NameEdit = nullptr;
    TImgButton* CloseButton = nullptr;

    // Told of clicks and typed characters, one line each ("click NameEdit", "char NameEdit a");
    // the program's test build writes them to its event log.
    std::function<void(const std::string& Line)> OnTrace;

    static constexpr Integer FormClientWidth = 420;
    static constexpr Integer FormClientHeight = 200;
    // The banner's colour, for pictures that look for it.
    static constexpr TColor BannerColor = 0x00804000;  // dark teal-blue (BGR)

private:
    void Trace(const std::string& Line);
};

}  // namespace gw
