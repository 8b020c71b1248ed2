// THintWindow: the small non-activating pop-up that shows a control's hint.
#pragma once

#include "platform/ui/win_control.h"

namespace gw {

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner);
    String ClassName() const override { return u"THintWindow"; }

    // Shows Hint in Rect (screen coordinates) without taking activation or the focus.
    virtual void ActivateHint(const TRect& Rect, const String& Hint);
    // As ActivateHint, for a hint whose CM_HINTSHOW handler gave data for its window.
    virtual void ActivateHintData(const TRect& Rect, const String& Hint, void* Data);
    void ReleaseHandle();
    // The size the text needs within MaxWidth, at the origin.
    virtual TRect CalcHintRect(Integer MaxWidth, const String& Hint, void* Data);
    bool IsShowing() const;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
};

}  // namespace gw
