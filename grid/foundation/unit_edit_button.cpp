// The unit edit: the unit's menu, the joined text and the unit drawn beside the value.
#include "grid/foundation/unit_edit_button.h"

#include "platform/runtime/strings.h"
#include "platform/ui/menus.h"
#include "platform/ui/window_system.h"

namespace gw {

TEsgUnitEditBtn::TEsgUnitEditBtn(TComponent* AOwner) : TEsgEditBtn(AOwner)
{
    m_unitSpace = 20;
    SetRightAlign(true);
}

TEsgUnitEditBtn::~TEsgUnitEditBtn() = default;

void TEsgUnitEditBtn::SetUnits(TStrings* Value)
{
    if (Value) m_units->Assign(Value);
}

void TEsgUnitEditBtn::SetUnitID(const String& Value)
{
    m_unitID = Value;
    Invalidate();
}

void TEsgUnitEditBtn::SetUnitSpace(Integer Value)
{
    m_unitSpace = Value;
    SetEditRect();
    Invalidate();
}

void TEsgUnitEditBtn::SetTextAndUnit(const String& Value)
{
    const Integer length = Integer(Value.size());
    for (Integer i = 0; i < m_units->Count(); ++i) {
        const String unit = m_units->Strings(i);
        const Integer p = Pos(unit, Value);
        if (p == 0 || p != length - Integer(unit.size()) + 1) continue;
        SetText(Copy(Value, 1, p - 1));
        SetUnitID(Copy(Value, p, length));
        return;
    }
}

void TEsgUnitEditBtn::DoClickBtn()
{
    TEsgEditBtn::DoClickBtn();
    std::vector<TMenuEntry> items;
    for (Integer i = 0; i < m_units->Count(); ++i) {
        TMenuEntry e;
        e.Caption = m_units->Strings(i);
        e.Command = UINT(i + 1);
        items.push_back(e);
    }
    const TPoint at = ClientToScreen({ClientWidth() - 15, ClientHeight()});
    TrackPopupMenu(items, TPM_LEFTBUTTON, at, Handle());
}

void TEsgUnitEditBtn::UnitChosen(Integer Command)
{
    if (Command < 1 || Command > m_units->Count()) return;
    const String previous = m_unitID;
    SetUnitID(m_units->Strings(Command - 1));
    if (m_unitID != previous && OnUnitChanged) OnUnitChanged(this, m_unitID);
}

void TEsgUnitEditBtn::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case WM_COMMAND: WMCommand(M); return;
    default: TEsgEditBtn::Dispatch(M); return;
    }
}

void TEsgUnitEditBtn::WMCommand(TMessage& M)
{
    // A menu's command carries no control window; the edit's own notifications pass on.
    const TWMCommand c(M);
    if (c.NotifyCode != EN_CHANGE && c.Ctl == 0) return UnitChosen(c.ItemId);
    TEsgEditBtn::Dispatch(M);
}

TRect TEsgUnitEditBtn::UnitRect() const
{
    const Integer b = Inset();
    const Integer right = Width() - 2 * b - ButtonHost()->Width() - 3;
    return Rect(b + right - m_unitSpace, b + 2, b + right, Height() - b);
}

void TEsgUnitEditBtn::PaintWindow(TCanvas& Canvas)
{
    TEsgEditBtn::PaintWindow(Canvas);
    TRect r = UnitRect();
    Canvas.Font()->Assign(Font());
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.DrawText(m_unitID, r, DT_EDITCONTROL);
}

}  // namespace gw
