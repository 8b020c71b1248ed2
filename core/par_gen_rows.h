// The rows of the gateway parameter window's network panels: a row's controls, its place and
// texts, and the builder that stacks rows 28 pixels apart on a category panel.
#pragma once

#include "platform/controls/category_panel.h"

#include <initializer_list>
#include <vector>

namespace gw {

class TCheckBox;
class TComboBox;
class TEdit;

// Rows sit 28 pixels apart; a row's fields start 9 pixels below the panel's header and its
// labels 3 pixels lower than its fields.
constexpr Integer Row_Step = 28;
constexpr Integer First_Row_Top = 9;
constexpr Integer Label_Drop = 3;
constexpr Integer Row_Top(Integer Row) { return First_Row_Top + Row_Step * Row; }

// One row: the control that names it (a label, or a check box that is both name and field),
// then its fields, with the "." labels between octet edits among them.
class TParGenRow {
public:
    std::vector<TControl*> Controls;
    // False for a row that keeps its design texts.
    bool Texted = true;

    // The top of the row's fields in the panel's surface.
    Integer Top() const { return m_top; }
    // Moves the whole row so that its fields stand at Top.
    void Move_To(Integer Top);
    void SetVisible(bool Visible) const;
    bool Visible() const { return Controls.front()->Visible(); }
    TControl* Last() const { return Controls.back(); }
    // Applies the texts from Number on: the caption of the naming control (and its hint when it
    // is a check box), then a hint for every field; returns the number after the last one used.
    Integer Set_Texts(Integer Number) const;

private:
    friend class TRowBuilder;
    Integer m_top = First_Row_Top;
};

// A network panel of the window with its rows and where its texts come from.
struct TNetPanel {
    TCategoryPanel* Panel = nullptr;
    // The text of the panel's title (the model's order gives it "1. " or "2. " before it).
    Integer Title_Text = 0;
    // The text of its first texted row; -1 when its rows keep their design texts.
    Integer First_Text = -1;
    std::vector<TParGenRow> Rows;

    // The number after the last text its rows take.
    Integer Set_Texts() const;
    // Makes the panel as high as its last visible row needs: that row's last control's top and
    // height, the group's header and 12 pixels.
    void Fit_Height() const;
};

// What the window wants to hear from the fields of its rows.
struct TParGenRowEvents {
    // Every dotted-address edit of every panel.
    TKeyPressEvent Dot_Key;
    // Every edit and combo box.
    TNotifyEvent On_Change;
    // Every check box.
    TNotifyEvent On_Click;
};

// Builds a panel's rows from the top down; each call adds one row with the controls named.
class TRowBuilder {
public:
    TRowBuilder(TComponent* Owner, TNetPanel& Net, const TParGenRowEvents& Events)
        : m_owner(Owner), m_net(Net), m_events(Events)
    {
    }

    // A label and four octet edits Edits1 ... Edits4 with "." labels between them.
    TRowBuilder& Octets(StringView Label, StringView Edits);
    // The same with a check box in place of the label.
    TRowBuilder& Check_Octets(StringView Check, StringView Edits);
    TRowBuilder& Edit(StringView Label, StringView Edit, StringView Text = {});
    // A drop-down list of Items with Index chosen.
    TRowBuilder& Combo(StringView Label, StringView Combo, std::initializer_list<StringView> Items, Integer Index = 0);
    // A check box with its caption alone.
    TRowBuilder& Check(StringView Check, StringView Caption = {});
    // A check box and an edit after it.
    TRowBuilder& Check_Edit(StringView Check, StringView Edit);
    // A label and small check boxes Checks[i] captioned Captions[i].
    TRowBuilder& Checks(StringView Label, std::initializer_list<StringView> Checks,
                        std::initializer_list<StringView> Captions);

    // --- the row just added ------------------------------------------------------------------------------
    // Its fields are disabled.
    TRowBuilder& Disabled();
    // It is not shown.
    TRowBuilder& Hidden();
    // It keeps its design texts; Caption names it.
    TRowBuilder& Untexted(StringView Caption);
    // Its edit takes at most Length characters, in lower case when Lower.
    TRowBuilder& Limit(Integer Length, bool Lower = false);

private:
    TParGenRow& New_Row();
    TParGenRow& Row() { return m_net.Rows.back(); }
    TWinControl* Surface() const { return m_net.Panel->Surface(); }
    void Add_Label(StringView Name, StringView Caption, Integer Left);
    TEdit* Add_Edit(StringView Name, Integer Left, Integer Width);
    TCheckBox* Add_Check(StringView Name, StringView Caption, Integer Left, Integer Width);
    void Add_Octets(StringView Edits);

    TComponent* m_owner;
    TNetPanel& m_net;
    const TParGenRowEvents& m_events;
};

}  // namespace gw
