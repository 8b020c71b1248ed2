// TUpDown: a pair of arrow buttons stepping a number, optionally shown in an associated edit.
#pragma once

#include "platform/ui/win_control.h"

namespace gw {

enum TUDBtnType { btNext, btPrev };
enum TUDOrientation { udHorizontal, udVertical };
enum TUDAlignButton { udLeft, udRight };

using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TUpDown : public TCustomControl {
public:
    explicit TUpDown(TComponent* AOwner);
    ~TUpDown() override;
    String ClassName() const override { return u"TUpDown"; }

    Integer Min() const { return m_min; }
    Integer Max() const { return m_max; }
    Integer Position() const { return m_position; }
    void SetMin(Integer Value);
    void SetMax(Integer Value);
    // Clamped to the range; shown in the associate.
    void SetPosition(Integer Value);
    Integer Increment = 1;
    // Stepping past one end continues at the other.
    bool Wrap = false;
    // Thousands separators in the associate's text.
    bool Thousands = true;
    TUDOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TUDOrientation Value);
    TUDAlignButton AlignButton = udRight;
    // The control whose text shows the position; the buttons move to its side.
    TWinControl* Associate() const { return m_associate; }
    void SetAssociate(TWinControl* Value);

    // One step as a click on that button does: asks OnChanging, moves, raises OnClick.
    void Step(TUDBtnType Button);

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

private:
    // A press the mouse capture lost or a cancel ends.
    void CancelPress(TMessage& M);
    void UpdateAssociate();
    void PlaceBesideAssociate();
    // The position the associate's text holds now (it may have been typed).
    void ReadAssociate();
    TRect ButtonRect(TUDBtnType Button) const;

    Integer m_min = 0;
    Integer m_max = 100;
    Integer m_position = 0;
    TUDOrientation m_orientation = udVertical;
    TWinControl* m_associate = nullptr;
    Integer m_pressed = -1;  // the button held down, -1 none
};

}  // namespace gw
