// TCustomEdit and TEdit: the single-line (and, through the style, multi-line) text box.
#pragma once

#include "platform/controls/edit_balloon.h"
#include "platform/controls/edit_engine.h"
#include "platform/controls/edit_messages.h"
#include "platform/ui/forms.h"

namespace gw {

// bsNone and bsSingle of the form border styles are the edit's border styles.
using TBorderStyle = TFormBorderStyle;

// Raises a flag for as long as it lives, also when an exception leaves the scope.
class TFlagRaised {
public:
    explicit TFlagRaised(bool& Flag) : m_flag(Flag) { m_flag = true; }
    ~TFlagRaised() { m_flag = false; }
    TFlagRaised(const TFlagRaised&) = delete;
    TFlagRaised& operator=(const TFlagRaised&) = delete;

private:
    bool& m_flag;
};

// Tells the control's parent window of a change (WM_COMMAND with Code, as the standard controls
// do); a control without a parent window has it reflected to itself (CN_COMMAND).
void NotifyParentCommand(TWinControl& Control, Word Code);

// The edit box. The text, caret and selection live in the window's native part (DefaultHandler,
// reached by every message a descendant passes on), so that descendants change the behaviour
// the way they would with a system edit: by handling messages before it, or by window styles
// in CreateParams (ES_MULTILINE, ES_RIGHT, ES_PASSWORD, ES_WANTRETURN, ...).
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* AOwner);
    String ClassName() const override { return u"TCustomEdit"; }

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    // Text set from the program: no undo, Modified off, one OnChange when it differs.
    void SetText(const String& Value) override;

    bool AutoSelect = true;
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TEditCharCase CharCase() const { return m_engine.Buffer.CharCase(); }
    void SetCharCase(TEditCharCase Value);
    bool HideSelection() const { return m_engine.HideSelection; }
    void SetHideSelection(bool Value);
    Integer MaxLength() const { return m_engine.Buffer.MaxLength; }
    void SetMaxLength(Integer Value);
    bool Modified() const { return m_engine.Modified; }
    void SetModified(bool Value) { m_engine.Modified = Value; }
    Char PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(Char Value);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);

    Integer SelStart() const { return m_engine.Buffer.SelStart(); }
    void SetSelStart(Integer Value);
    Integer SelLength() const { return m_engine.Buffer.SelLength(); }
    void SetSelLength(Integer Value);
    String SelText() const { return m_engine.Buffer.SelText(); }
    void SetSelText(const String& Value);
    bool CanUndo() const { return m_engine.Buffer.CanUndo(); }

    void Clear() { SetText(u""); }
    void ClearSelection() { Perform(WM_CLEAR); }
    void ClearUndo() { m_engine.Buffer.EmptyUndoBuffer(); }
    void CopyToClipboard() { Perform(WM_COPY); }
    void CutToClipboard() { Perform(WM_CUT); }
    void PasteFromClipboard() { Perform(WM_PASTE); }
    void SelectAll() { Perform(EM_SETSEL, 0, -1); }
    void Undo() { Perform(WM_UNDO); }

    // The caret position and the first visible line (multi-line edits).
    Integer CaretLine() const { return m_engine.Layout().LineFromChar(m_engine.Buffer.Caret()); }
    Integer TopLine() const { return m_engine.TopLine(); }

    TNotifyEvent OnChange;

    // The caret is hidden while hides outnumber shows; the edit makes a new, shown caret
    // whenever it gets the focus (HideCaret / ShowCaret below act on this).
    void HideCaretOnce();
    void ShowCaretOnce();
    bool CaretVisible() const { return m_caretHides == 0; }

protected:
    LRESULT DialogCode() const override
    {
        return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL |
            (m_multiline ? LRESULT(DLGC_WANTALLKEYS) : LRESULT(0));
    }
    bool RepaintsOnFocusChange() const override { return true; }
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void PaintWindow(TCanvas& Canvas) override;
    void DoEnter() override;
    virtual void Change();
    // The default formatting rectangle for the current size and border.
    virtual TRect DefaultFormatRect() const;
    // Paints the border; the area inside is left to the text.
    virtual void PaintBorder(TCanvas& Canvas);
    // Reads the behaviour switches from a window style.
    virtual void ApplyStyle(Cardinal Style);
    // The edit styles (ES_*) the properties ask for; CreateParams adds them.
    virtual Cardinal EditStyle() const;
    // After a property that is a style changed: the window is made again, or without one the
    // switches are taken from EditStyle at once.
    void StyleChanged();
    // The edit text (what the buffer holds) for a Text value, and back; a masked edit
    // formats and strips its literals here.
    virtual String EditTextFor(const String& Value) const { return Value; }
    virtual String TextForEditText(const String& EditText) const { return EditText; }
    // Writes the buffer as WM_SETTEXT does, bypassing EditTextFor.
    void SetEditTextRaw(const String& Value);
    // After every change of the buffer (typed, pasted, set), before EN_CHANGE goes out.
    virtual void EditTextChanged() {}
    // EN_* to the parent, reflected back as CN_COMMAND (directly without a parent window).
    void NotifyParent(Word Code);
    void UpdateFont();
    // True while EM_SETRECT(NP) has set a formatting rectangle of its own.
    bool CustomFormatRect() const { return m_customRect; }

    TEditEngine m_engine;
    bool m_multiline = false;

    void SyncText();

private:
    void CNCommand(TMessage& M);
    void CMFontChanged(TMessage& M);
    void WMSize(TMessage& M);
    // The native part: text, focus and the styles kept here too; the rest to the engine.
    void EngineDefault(TMessage& M);
    void NativeSetText(TMessage& M);
    void NativeFocusChanged(TMessage& M);
    // A key ends the balloon, then goes to the engine.
    void NativeKey(TMessage& M);
    void EMShowBalloonTip(TMessage& M);
    void EMSetRect(TMessage& M);
    void EMSetReadOnly(TMessage& M);
    void EMSetPasswordChar(TMessage& M);

    TBorderStyle m_borderStyle = bsSingle;
    Char m_passwordChar = 0;
    bool m_readOnly = false;
    TAlignment m_alignment = taLeftJustify;
    bool m_syncing = false;
    bool m_customRect = false;
    Integer m_caretHides = 0;
    TEditBalloon m_balloon;
};

// The system's caret calls for the edit controls: false when Wnd is no edit control.
bool HideCaret(HWND Wnd);
bool ShowCaret(HWND Wnd);

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
    String ClassName() const override { return u"TEdit"; }
};

}  // namespace gw
