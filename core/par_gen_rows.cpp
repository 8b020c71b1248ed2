// The rows of the gateway parameter window's network panels and the builder that stacks them.
#include "core/par_gen_rows.h"

#include "core/lang_form.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/runtime/convert.h"

namespace gw {

namespace {

// Where a row's parts stand across the panel.
constexpr Integer Label_Left = 10;
constexpr Integer Field_Left = 150;
constexpr Integer Octet_Width = 40;
constexpr Integer Octet_Step = 52;
constexpr Integer Edit_Width = 150;
constexpr Integer Combo_Width = 180;
constexpr Integer Field_Height = 21;
constexpr Integer Check_Height = 17;
constexpr Integer Check_Drop = 2;
constexpr Integer Row_Check_Width = 135;
constexpr Integer Wide_Check_Width = 330;
constexpr Integer Small_Check_Width = 40;
constexpr Integer Small_Check_Step = 50;
constexpr Integer Delay_Left = 300;
constexpr Integer Delay_Width = 60;

// How far below the row's top a control stands.
Integer Drop_Of(const TControl* Control)
{
    if (dynamic_cast<const TLabel*>(Control)) return Label_Drop;
    if (dynamic_cast<const TCheckBox*>(Control)) return Check_Drop;
    return 0;
}

}  // namespace

// --- TParGenRow ------------------------------------------------------------------------------------------

void TParGenRow::Move_To(Integer Top)
{
    for (TControl* c : Controls) c->SetTop(Top + Drop_Of(c));
    m_top = Top;
}

void TParGenRow::SetVisible(bool Visible) const
{
    for (TControl* c : Controls) c->SetVisible(Visible);
}

Integer TParGenRow::Set_Texts(Integer Number) const
{
    TControl* name = Controls.front();
    name->SetCaption(Lang(Number++));
    if (dynamic_cast<TCheckBox*>(name)) name->Hint = Lang(Number++);
    for (size_t i = 1; i < Controls.size(); ++i)
        // The labels among the fields are the dots between octets.
        if (!dynamic_cast<TLabel*>(Controls[i])) Controls[i]->Hint = Lang(Number++);
    return Number;
}

// --- TNetPanel -------------------------------------------------------------------------------------------

Integer TNetPanel::Set_Texts() const
{
    if (First_Text < 0) return First_Text;
    Integer number = First_Text;
    for (const TParGenRow& row : Rows)
        if (row.Texted) number = row.Set_Texts(number);
    return number;
}

void TNetPanel::Fit_Height() const
{
    const TParGenRow* last = nullptr;
    for (const TParGenRow& row : Rows)
        if (row.Visible() && (!last || row.Top() > last->Top())) last = &row;
    if (!last) return;
    const TControl* control = last->Last();
    Panel->SetHeight(control->Top() + control->Height() + Panel->HeaderHeight() + 12);
}

// --- TRowBuilder -----------------------------------------------------------------------------------------

TParGenRow& TRowBuilder::New_Row()
{
    TParGenRow row;
    row.m_top = Row_Top(static_cast<Integer>(m_net.Rows.size()));
    m_net.Rows.push_back(std::move(row));
    return m_net.Rows.back();
}

void TRowBuilder::Add_Label(StringView Name, StringView Caption, Integer Left)
{
    TLabel* label = New_Label(m_owner, Surface(), Name, {Left, Row().Top() + Label_Drop});
    label->SetCaption(String(Caption));
    Row().Controls.push_back(label);
}

TEdit* TRowBuilder::Add_Edit(StringView Name, Integer Left, Integer Width)
{
    auto* edit = new TEdit(m_owner);
    edit->SetName(String(Name));
    edit->SetParent(Surface());
    edit->SetBounds(Left, Row().Top(), Width, Field_Height);
    edit->SetText(String());
    edit->SetShowHint(true);
    edit->OnChange = m_events.On_Change;
    Row().Controls.push_back(edit);
    return edit;
}

TCheckBox* TRowBuilder::Add_Check(StringView Name, StringView Caption, Integer Left, Integer Width)
{
    auto* check = new TCheckBox(m_owner);
    check->SetName(String(Name));
    check->SetParent(Surface());
    check->SetBounds(Left, Row().Top() + Check_Drop, Width, Check_Height);
    check->SetCaption(String(Caption));
    check->SetShowHint(true);
    check->OnClick = m_events.On_Click;
    Row().Controls.push_back(check);
    return check;
}

void TRowBuilder::Add_Octets(StringView Edits)
{
    for (Integer i = 0; i < 4; ++i) {
        const Integer left = Field_Left + Octet_Step * i;
        if (i > 0) Add_Label(String(Edits) + u"_Dot" + IntToStr(i), u".", left - (Octet_Step - Octet_Width) / 2 - 2);
        TEdit* edit = Add_Edit(String(Edits) + IntToStr(i + 1), left, Octet_Width);
        edit->OnKeyPress = m_events.Dot_Key;
    }
}

TRowBuilder& TRowBuilder::Octets(StringView Label, StringView Edits)
{
    New_Row();
    Add_Label(Label, {}, Label_Left);
    Add_Octets(Edits);
    return *this;
}

TRowBuilder& TRowBuilder::Check_Octets(StringView Check, StringView Edits)
{
    New_Row();
    Add_Check(Check, {}, Label_Left, Row_Check_Width);
    Add_Octets(Edits);
    return *this;
}

TRowBuilder& TRowBuilder::Edit(StringView Label, StringView Edit, StringView Text)
{
    New_Row();
    Add_Label(Label, {}, Label_Left);
    Add_Edit(Edit, Field_Left, Edit_Width)->SetText(String(Text));
    return *this;
}

TRowBuilder& TRowBuilder::Combo(StringView Label, StringView Combo, std::initializer_list<StringView> Items,
                                Integer Index)
{
    New_Row();
    Add_Label(Label, {}, Label_Left);
    auto* combo = new TComboBox(m_owner);
    combo->SetName(String(Combo));
    combo->SetParent(Surface());
    combo->SetStyle(csDropDownList);
    combo->SetBounds(Field_Left, Row().Top(), Combo_Width, Field_Height);
    for (StringView item : Items) combo->Items()->Add(String(item));
    combo->SetItemIndex(Index);
    combo->SetShowHint(true);
    combo->OnChange = m_events.On_Change;
    Row().Controls.push_back(combo);
    return *this;
}

TRowBuilder& TRowBuilder::Check(StringView Check, StringView Caption)
{
    New_Row();
    Add_Check(Check, Caption, Label_Left, Wide_Check_Width);
    return *this;
}

TRowBuilder& TRowBuilder::Check_Edit(StringView Check, StringView Edit)
{
    New_Row();
    Add_Check(Check, {}, Label_Left, Delay_Left - Label_Left - 10);
    Add_Edit(Edit, Delay_Left, Delay_Width);
    return *this;
}

TRowBuilder& TRowBuilder::Checks(StringView Label, std::initializer_list<StringView> Checks,
                                 std::initializer_list<StringView> Captions)
{
    New_Row();
    Add_Label(Label, {}, Label_Left);
    Integer left = Field_Left;
    auto caption = Captions.begin();
    for (StringView name : Checks) {
        Add_Check(name, caption != Captions.end() ? *caption++ : StringView(), left, Small_Check_Width);
        left += Small_Check_Step;
    }
    return *this;
}

TRowBuilder& TRowBuilder::Disabled()
{
    for (size_t i = 1; i < Row().Controls.size(); ++i) Row().Controls[i]->SetEnabled(false);
    return *this;
}

TRowBuilder& TRowBuilder::Hidden()
{
    Row().SetVisible(false);
    return *this;
}

TRowBuilder& TRowBuilder::Untexted(StringView Caption)
{
    Row().Texted = false;
    Row().Controls.front()->SetCaption(String(Caption));
    return *this;
}

TRowBuilder& TRowBuilder::Limit(Integer Length, bool Lower)
{
    auto* edit = dynamic_cast<TEdit*>(Row().Last());
    edit->SetMaxLength(Length);
    if (Lower) edit->SetCharCase(ecLowerCase);
    return *this;
}

}  // namespace gw
