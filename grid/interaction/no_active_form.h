// TNoActiveForm: the borderless pop-up form that shows a drag image; a click on it never
// activates it nor takes the focus from the control being dragged from.
#pragma once

#include "platform/ui/forms.h"

namespace gw {

class TNoActiveForm : public TForm {
public:
    using TForm::TForm;
    String ClassName() const override { return u"TNoActiveForm"; }

protected:
    // Exactly WS_POPUP | WS_DISABLED | WS_BORDER, and the window class saves what it covers.
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
};

}  // namespace gw
