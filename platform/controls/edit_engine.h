// The behaviour of a native edit box: keys, mouse, edit messages, scrolling and painting of the
// text, shared by the edit controls and the edit part of the combo box.
#pragma once

#include "platform/controls/edit_buffer.h"
#include "platform/controls/edit_layout.h"
#include "platform/graphics/canvas.h"
#include "platform/ui/alignment.h"
#include "platform/ui/messages.h"

#include <functional>
#include <memory>

namespace gw {

// What a change was caused by, for the host's notifications.
enum class TEditChange { Text, Selection };

class TEditEngine {
public:
    TEditEngine();

    TEditBuffer Buffer;

    // Behaviour switches (the edit styles).
    bool Multiline = false;
    bool WordWrap = false;
    bool ReadOnly = false;
    bool WantTabs = false;
    bool WantReturns = true;
    bool HideSelection = true;
    Char PasswordChar = 0;
    TAlignment Alignment = taLeftJustify;
    bool Modified = false;

    // The rectangle the text is laid out and clipped in, client coordinates.
    TRect FormatRect;
    // The font of the text; measured on this canvas (no surface needed).
    TCanvas& Measure() { return *m_measure; }

    // Host hooks: text changed by input (EN_CHANGE), selection moved, repaint, refused input,
    // the length limit reached.
    std::function<void()> OnChange;
    std::function<void()> OnSelChange;
    std::function<void()> OnInvalidate;
    std::function<void()> OnBeep;
    std::function<void()> OnMaxText;
    // The scroll position or the extent of the text may have changed (scroll bars follow).
    std::function<void()> OnScrolled;

    // The native message handling: true when the message belongs to the edit and was handled
    // (M.Result set). Keys arrive here after the control's own key events. Input (keys, mouse)
    // and the programmatic messages (EM_*, WM_CUT...) are handled apart.
    bool HandleMessage(TMessage& M);

    // Text set from outside (WM_SETTEXT): no undo, not modified, caret at 0.
    void SetText(StringView Value);
    // After a change of Buffer made by the host: modified, scrolled, repainted, OnChange.
    void TextChanged();
    // Replaces the selection as typed or pasted, with the edit's checks (read-only, limit);
    // false when nothing changed.
    bool InsertText(StringView S, bool CanUndo = true);
    void SetSel(Integer Start, Integer End);
    bool CutToClipboard();
    bool CopyToClipboard();
    bool PasteFromClipboard();
    bool Clear();
    bool Undo();

    // Geometry.
    Integer LineHeight() const;
    const TEditLayout& Layout() const;
    // Client point of a character's top-left (the end of the text included).
    TPoint PosFromChar(Integer Position) const;
    // The character nearest to a client point.
    Integer CharFromPos(TPoint P) const;
    Integer TopLine() const { return m_topLine; }
    Integer ScrollX() const { return m_scrollX; }
    void SetTopLine(Integer Line);
    void SetScrollX(Integer X);
    // Scrolls so that the caret is inside the format rectangle.
    void ScrollCaret();

    struct TPaintOptions {
        TColor Text = clWindowText;
        bool Focused = false;
        bool Enabled = true;
        bool Caret = true;
    };
    void Paint(TCanvas& Canvas, const TPaintOptions& Options) const;

    // What the screen shows for the text (password characters).
    String DisplayText() const;

private:
    void SelMoved();
    void Invalidate() const
    {
        if (OnInvalidate) OnInvalidate();
    }
    void Beep() const
    {
        if (OnBeep) OnBeep();
    }

    // Keys, characters and the mouse (edit_engine.cpp).
    bool InputMessage(TMessage& M);
    void WMKeyDown(TMessage& M);
    void WMChar(TMessage& M);
    void WMLButtonDown(TMessage& M);
    void WMMouseMove(TMessage& M);
    void MoveCaretTo(Integer Position, bool Extend);
    void KeyLeft(TShiftState Shift);
    void KeyRight(TShiftState Shift);
    void KeyHome(TShiftState Shift);
    void KeyEnd(TShiftState Shift);
    void MoveLines(Integer Lines, bool Extend);
    void KeyDelete(TShiftState Shift);
    void KeyInsert(TShiftState Shift);
    void TypeBackspace(bool WholeWord);
    void TypeBreak();
    void TypeTab();
    void TypeChar(Char C);

    // What a program asks (edit_engine_messages.cpp).
    bool EditMessage(TMessage& M);
    void EMGetSel(TMessage& M);
    void EMSetSel(TMessage& M);
    void EMReplaceSel(TMessage& M);
    void EMLimitText(TMessage& M);
    void EMGetRect(TMessage& M);
    void EMSetRect(TMessage& M);
    void EMPosFromChar(TMessage& M);
    void EMCharFromPos(TMessage& M);
    void EMLineFromChar(TMessage& M);
    void EMLineIndex(TMessage& M);
    void EMLineLength(TMessage& M);
    void EMSetModify(TMessage& M);
    void EMSetReadOnly(TMessage& M);
    void EMSetPasswordChar(TMessage& M);

    Integer LineStartAt(Integer Line) const;
    Integer VisibleLines() const;
    void InvalidateLayout() { m_layoutValid = false; }

    std::unique_ptr<TCanvas> m_measure;
    mutable TEditLayout m_layout;
    mutable bool m_layoutValid = false;
    mutable String m_layoutText;
    mutable Integer m_layoutWidth = -1;
    mutable Integer m_layoutFont = -1;
    mutable Integer m_layoutFlags = -1;
    Integer m_topLine = 0;
    Integer m_scrollX = 0;
    Integer m_desiredX = -1;  // kept across Up/Down moves
    bool m_dragging = false;
};

// The clipboard's text as the edit controls use it (over the program's clipboard).
bool ClipboardHasText();
String ClipboardText();
void SetClipboardText(const String& Text);

}  // namespace gw
