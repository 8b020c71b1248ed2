// TPanel, TGroupBox and TRadioGroup: containers with bevels, a framed caption, or a radio choice.
#pragma once

#include "platform/controls/check_box.h"
#include "platform/runtime/string_list.h"
#include "platform/ui/alignment.h"

namespace gw {

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
using TBorderStyle = TFormBorderStyle;  // bsNone or bsSingle for controls

// Draws Width nested one-pixel frames, top-left in TopColor and bottom-right in BottomColor,
// and shrinks R by them.
void Frame3D(TCanvas& Canvas, TRect& R, TColor TopColor, TColor BottomColor, Integer Width);

class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* AOwner);
    String ClassName() const override { return u"TCustomPanel"; }

    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel Value);
    Integer BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(Integer Value);
    Integer BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(Integer Value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);
    bool ShowCaption() const { return m_showCaption; }
    void SetShowCaption(bool Value);

    // The client area inside border and bevels: where aligned children go.
    TRect InnerRect() const;

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) const override;
    void Dispatch(TMessage& Message) override;
    void Changed();

private:
    TPanelBevel m_bevelOuter = bvRaised;
    TPanelBevel m_bevelInner = bvNone;
    Integer m_bevelWidth = 1;
    Integer m_borderWidth = 0;
    TBorderStyle m_borderStyle = bsNone;
    TAlignment m_alignment = taCenter;
    bool m_showCaption = true;
};

class TPanel : public TCustomPanel {
public:
    explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
    String ClassName() const override { return u"TPanel"; }
};

// An etched frame with the caption in its top edge.
class TCustomGroupBox : public TCustomControl {
public:
    explicit TCustomGroupBox(TComponent* AOwner);
    String ClassName() const override { return u"TCustomGroupBox"; }

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) const override;
    void Dispatch(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;
    Integer CaptionHeight() const;

private:
    void CaptionChanged(TMessage& M);
};

class TGroupBox : public TCustomGroupBox {
public:
    explicit TGroupBox(TComponent* AOwner) : TCustomGroupBox(AOwner) {}
    String ClassName() const override { return u"TGroupBox"; }
};

// A group box holding one radio button per item, in columns; ItemIndex is the checked one.
class TCustomRadioGroup : public TCustomGroupBox {
public:
    explicit TCustomRadioGroup(TComponent* AOwner);
    ~TCustomRadioGroup() override;
    String ClassName() const override { return u"TCustomRadioGroup"; }

    TStrings* Items() const { return m_items.get(); }
    void SetItems(const TStrings* Value) { m_items->Assign(const_cast<TStrings*>(Value)); }
    Integer ItemIndex() const { return m_itemIndex; }
    // Checks that item's button (-1 none); a change clicks the group (OnClick).
    void SetItemIndex(Integer Value);
    Integer Columns() const { return m_columns; }
    void SetColumns(Integer Value);
    Integer ButtonCount() const { return Integer(m_buttons.size()); }
    TRadioButton* Buttons(Integer Index) const { return m_buttons.at(std::size_t(Index)); }
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

protected:
    void Dispatch(TMessage& Message) override;

private:
    void CMFontChanged(TMessage& M);
    void UpdateButtons();
    void ArrangeButtons();
    void ButtonClick(TObject* Sender);

    std::unique_ptr<TStringList> m_items;
    std::vector<TRadioButton*> m_buttons;
    Integer m_itemIndex = -1;
    Integer m_columns = 1;
    bool m_updating = false;
};

class TRadioGroup : public TCustomRadioGroup {
public:
    explicit TRadioGroup(TComponent* AOwner) : TCustomRadioGroup(AOwner) {}
    String ClassName() const override { return u"TRadioGroup"; }
};

}  // namespace gw
