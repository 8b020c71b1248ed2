// TEsgUnitEditBtn: the edit with a button that shows a unit beside its value (10 and mm): the
// button pops up the list of units, and text and unit are joined and split as one string.
#pragma once

#include "grid/foundation/edit_button.h"
#include "platform/runtime/string_list.h"

#include <memory>

namespace gw {

using TUnitChangeEvent = std::function<void(TObject* Sender, const String& NewUnit)>;

class TEsgUnitEditBtn : public TEsgEditBtn {
public:
    explicit TEsgUnitEditBtn(TComponent* AOwner);
    ~TEsgUnitEditBtn() override;
    String ClassName() const override { return u"TEsgUnitEditBtn"; }

    void Dispatch(TMessage& Message) override;
    // Fires OnClickBtn, then offers the units in a pop-up menu below the button.
    void DoClickBtn() override;

    TStrings* Units() const { return m_units.get(); }
    // Copies the list; nullptr is ignored.
    void SetUnits(TStrings* Value);
    const String& UnitID() const { return m_unitID; }
    void SetUnitID(const String& Value);
    Integer UnitSpace() const { return m_unitSpace; }
    void SetUnitSpace(Integer Value);
    // The text followed by the unit. Set: the first unit of the list that ends the value splits
    // it into text and unit; a value that ends with no unit changes nothing.
    String TextAndUnit() const { return Text() + m_unitID; }
    void SetTextAndUnit(const String& Value);
    // Where the unit is drawn.
    TRect UnitRect() const;

    TUnitChangeEvent OnUnitChanged;

protected:
    void PaintWindow(TCanvas& Canvas) override;

private:
    void UnitChosen(Integer Command);
    void WMCommand(TMessage& Message);

    std::unique_ptr<TStringList> m_units = std::make_unique<TStringList>();
    String m_unitID;
};

}  // namespace gw
