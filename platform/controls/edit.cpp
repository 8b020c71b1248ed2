// TCustomEdit and TEdit: the single-line (and, through the style, multi-line) text box.
#include "platform/controls/edit.h"

#include "platform/controls/control_message_records.h"
#include "platform/controls/message_beep.h"
#include "platform/graphics/frame_controls.h"
#include "platform/ui/window_system.h"

#include <algorithm>

namespace gw {

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    ControlStyle = csClickEvents | csSetCaption | csDoubleClicks | csCaptureMouse;
    m_engine.OnChange = [this] {
        SyncText();
        EditTextChanged();
        NotifyParent(EN_CHANGE);
    };
    m_engine.OnInvalidate = [this] { Invalidate(); };
    m_engine.OnBeep = [] { MessageBeep(0); };
    m_engine.OnMaxText = [this] { NotifyParent(EN_MAXTEXT); };
    m_engine.FormatRect = DefaultFormatRect();
    UpdateFont();
    ApplyStyle(EditStyle());
}

void TCustomEdit::UpdateFont() { m_engine.Measure().SetFont(Font()); }

TRect TCustomEdit::DefaultFormatRect() const
{
    const Integer b = m_borderStyle == bsSingle ? 2 : 0;
    const TRect c = ClientRect();
    return Rect(b + 1, b + 1, std::max(b + 1, c.Right - b - 1), std::max(b + 1, c.Bottom - b));
}

Cardinal TCustomEdit::EditStyle() const
{
    static const Cardinal alignments[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    Cardinal style = ES_AUTOHSCROLL | ES_AUTOVSCROLL | alignments[m_alignment];
    if (m_borderStyle == bsSingle) style |= WS_BORDER;
    if (m_passwordChar != 0) style |= ES_PASSWORD;
    if (m_readOnly) style |= ES_READONLY;
    if (!m_engine.HideSelection) style |= ES_NOHIDESEL;
    if (CharCase() == ecUpperCase)
        style |= ES_UPPERCASE;
    else if (CharCase() == ecLowerCase)
        style |= ES_LOWERCASE;
    return style;
}

void TCustomEdit::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Style |= EditStyle();
}

void TCustomEdit::StyleChanged()
{
    // The window takes the new style in place: a new window would move the focus out and back,
    // and with it run the leaving and entering work (mask validation, select-all) for nothing.
    // Scroll bars change the window's frame, which only a new window gets.
    if (const HWND h = HandleIfAllocated()) {
        TCreateParams params;
        CreateParams(params);
        if ((GetWindowStyle(h) ^ params.Style) & (WS_HSCROLL | WS_VSCROLL)) {
            RecreateWnd();
        } else {
            SetWindowStyle(h, params.Style);
            ApplyStyle(params.Style);
            if (!m_customRect) m_engine.FormatRect = DefaultFormatRect();
            m_engine.ScrollCaret();
        }
    } else {
        ApplyStyle(EditStyle());
    }
    Invalidate();
}

void TCustomEdit::ApplyStyle(Cardinal Style)
{
    m_multiline = (Style & ES_MULTILINE) != 0;
    m_engine.Multiline = m_multiline;
    m_engine.Buffer.Multiline = m_multiline;
    m_engine.WordWrap = m_multiline && !(Style & ES_AUTOHSCROLL);
    m_engine.ReadOnly = (Style & ES_READONLY) != 0;
    m_engine.HideSelection = !(Style & ES_NOHIDESEL);
    m_engine.Alignment = (Style & ES_RIGHT) ? taRightJustify : (Style & ES_CENTER) ? taCenter : taLeftJustify;
    if (Style & ES_PASSWORD)
        m_engine.PasswordChar = m_passwordChar != 0 ? m_passwordChar : u'*';
    else
        m_engine.PasswordChar = 0;
    if (Style & ES_UPPERCASE)
        m_engine.Buffer.SetCharCase(ecUpperCase);
    else if (Style & ES_LOWERCASE)
        m_engine.Buffer.SetCharCase(ecLowerCase);
}

void TCustomEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    ApplyStyle(GetWindowStyle(HandleIfAllocated()));
    m_customRect = false;
    m_engine.FormatRect = DefaultFormatRect();
    m_engine.ScrollCaret();
}

void NotifyParentCommand(TWinControl& Control, Word Code)
{
    const HWND h = Control.HandleIfAllocated();
    const HWND parent = h ? GetParent(h) : 0;
    if (parent)
        SendMessage(parent, WM_COMMAND, MakeWParam(0, Code), LPARAM(h));
    else
        Control.Perform(CN_COMMAND, MakeWParam(0, Code), LPARAM(h));
}

void TCustomEdit::NotifyParent(Word Code) { NotifyParentCommand(*this, Code); }

void TCustomEdit::SyncText()
{
    TFlagRaised syncing(m_syncing);
    TWinControl::SetText(TextForEditText(m_engine.Buffer.Text()));
}

void TCustomEdit::SetText(const String& Value)
{
    if (m_syncing) {
        TWinControl::SetText(Value);
        return;
    }
    if (Value == Text() && EditTextFor(Value) == m_engine.Buffer.Text()) return;
    Perform(WM_SETTEXT, 0, LPARAM(Value.c_str()));
}

void TCustomEdit::SetEditTextRaw(const String& Value)
{
    if (Value == m_engine.Buffer.Text()) return;
    m_engine.SetText(Value);
    SyncText();
    EditTextChanged();
    NotifyParent(EN_CHANGE);
}

void TCustomEdit::Dispatch(TMessage& M)
{
    switch (M.Msg) {
    case CN_COMMAND: CNCommand(M); return;
    case CM_FONTCHANGED: CMFontChanged(M); return;
    case WM_SIZE: WMSize(M); return;
    default: TWinControl::Dispatch(M); return;
    }
}

void TCustomEdit::CNCommand(TMessage& M)
{
    if (TWMCommand(M).NotifyCode == EN_CHANGE) Change();
}

void TCustomEdit::CMFontChanged(TMessage& M)
{
    UpdateFont();
    TWinControl::Dispatch(M);
}

void TCustomEdit::WMSize(TMessage& M)
{
    // A rectangle of the edit's own follows the size; one set by EM_SETRECT stays.
    if (!m_customRect) m_engine.FormatRect = DefaultFormatRect();
    TWinControl::Dispatch(M);
}

// The native part: the text, the focus notifications and the style messages the control keeps
// a copy of here; everything else is the edit engine's.
void TCustomEdit::DefaultHandler(TMessage& M)
{
    switch (M.Msg) {
    case WM_SETTEXT: NativeSetText(M); return;
    case WM_GETTEXTLENGTH: M.Result = m_engine.Buffer.Length(); return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: NativeFocusChanged(M); return;
    case EM_SETRECT:
    case EM_SETRECTNP: EMSetRect(M); return;
    case EM_SETREADONLY: EMSetReadOnly(M); return;
    case EM_SETPASSWORDCHAR: EMSetPasswordChar(M); return;
    case EM_SHOWBALLOONTIP: EMShowBalloonTip(M); return;
    case EM_HIDEBALLOONTIP: M.Result = m_balloon.Hide(); return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR: NativeKey(M); return;
    default: EngineDefault(M); return;
    }
}

void TCustomEdit::EngineDefault(TMessage& M)
{
    if (!m_engine.HandleMessage(M)) TWinControl::DefaultHandler(M);
}

void TCustomEdit::NativeSetText(TMessage& M)
{
    m_engine.SetText(EditTextFor(TWMText(M).Value()));
    SyncText();
    EditTextChanged();
    NotifyParent(EN_CHANGE);
    M.Result = 1;
}

void TCustomEdit::NativeFocusChanged(TMessage& M)
{
    // A new focus brings a new, shown caret.
    m_caretHides = 0;
    if (M.Msg == WM_KILLFOCUS) m_balloon.Hide();
    NotifyParent(M.Msg == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS);
    TWinControl::DefaultHandler(M);
}

void TCustomEdit::NativeKey(TMessage& M)
{
    m_balloon.Hide();
    EngineDefault(M);
}

void TCustomEdit::EMShowBalloonTip(TMessage& M)
{
    const TRect client = ClientRect();
    const TPoint stem = CaretBalloonStem(m_engine, {client.Width(), client.Height()});
    M.Result = m_balloon.Show(Handle(), TWMRecord<const TEditBalloonTip>(M).Data, stem) ? 1 : 0;
}

void TCustomEdit::EMSetRect(TMessage& M)
{
    // No rectangle: back to the edit's own.
    const TRect* r = TWMRecord<const TRect>(M).Data;
    m_customRect = r != nullptr;
    if (r) {
        EngineDefault(M);
        return;
    }
    const TRect own = DefaultFormatRect();
    TMessage m{M.Msg, 0, LPARAM(&own), 0};
    m_engine.HandleMessage(m);
}

void TCustomEdit::EMSetReadOnly(TMessage& M)
{
    m_readOnly = TWMFlag(M).Value;
    EngineDefault(M);
}

void TCustomEdit::EMSetPasswordChar(TMessage& M)
{
    m_passwordChar = TWMChar(M).CharCode;
    EngineDefault(M);
}

void TCustomEdit::Change()
{
    if (OnChange) OnChange(this);
}

void TCustomEdit::DoEnter()
{
    if (AutoSelect && !(ControlState & csLButtonDown) && !m_multiline) SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::PaintBorder(TCanvas& Canvas)
{
    if (m_borderStyle != bsSingle) return;
    TRect r = ClientRect();
    DrawEdge(Canvas, r, EDGE_SUNKEN, BF_RECT);
}

void TCustomEdit::PaintWindow(TCanvas& Canvas)
{
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color());
    Canvas.FillRect(ClientRect());
    TEditEngine::TPaintOptions o;
    o.Text = Font()->Color();
    o.Focused = Focused();
    o.Enabled = Enabled();
    o.Caret = CaretVisible();
    m_engine.Paint(Canvas, o);
    PaintBorder(Canvas);
}

void TCustomEdit::HideCaretOnce()
{
    ++m_caretHides;
    Invalidate();
}

void TCustomEdit::ShowCaretOnce()
{
    if (m_caretHides > 0) --m_caretHides;
    Invalidate();
}

bool HideCaret(HWND Wnd)
{
    auto* edit = dynamic_cast<TCustomEdit*>(FindControl(Wnd));
    if (!edit) return false;
    edit->HideCaretOnce();
    return true;
}

bool ShowCaret(HWND Wnd)
{
    auto* edit = dynamic_cast<TCustomEdit*>(FindControl(Wnd));
    if (!edit) return false;
    edit->ShowCaretOnce();
    return true;
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value)
{
    if (Value == m_borderStyle) return;
    m_borderStyle = Value;
    if (!m_customRect) m_engine.FormatRect = DefaultFormatRect();
    StyleChanged();
}

void TCustomEdit::SetCharCase(TEditCharCase Value)
{
    if (Value == CharCase()) return;
    m_engine.Buffer.SetCharCase(Value);
    SyncText();
    StyleChanged();
}

void TCustomEdit::SetHideSelection(bool Value)
{
    m_engine.HideSelection = Value;
    Invalidate();
}

void TCustomEdit::SetMaxLength(Integer Value) { Perform(EM_LIMITTEXT, WPARAM(std::max(0, Value))); }

void TCustomEdit::SetPasswordChar(Char Value)
{
    if (Value == m_passwordChar) return;
    m_passwordChar = Value;
    Perform(EM_SETPASSWORDCHAR, Value);
    StyleChanged();
}

void TCustomEdit::SetReadOnly(bool Value)
{
    m_readOnly = Value;
    Perform(EM_SETREADONLY, Value ? 1 : 0);
}

void TCustomEdit::SetAlignment(TAlignment Value)
{
    if (Value == m_alignment) return;
    m_alignment = Value;
    StyleChanged();
}

void TCustomEdit::SetSelStart(Integer Value) { Perform(EM_SETSEL, WPARAM(Value), Value); }

void TCustomEdit::SetSelLength(Integer Value)
{
    const Integer start = SelStart();
    Perform(EM_SETSEL, WPARAM(start), start + std::max(0, Value));
}

void TCustomEdit::SetSelText(const String& Value) { Perform(EM_REPLACESEL, 1, LPARAM(Value.c_str())); }

}  // namespace gw
