// The text model behind every edit control: text, caret, selection, one-level undo and limits.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// Positions are UTF-16 units from 0 to Length(). The selection runs from the anchor to the
// caret; SelStart is the smaller end. Line breaks are stored as CR LF, as the edit controls of
// the system hand text out; a single-line buffer keeps no line break at all.
class TEditBuffer {
public:
    const String& Text() const { return m_text; }
    Integer Length() const { return Integer(m_text.size()); }
    // Replaces the whole text (case conversion applies, the limit does not): caret to 0, no
    // selection, the undo step forgotten.
    void SetText(StringView Value);

    Integer Caret() const { return m_caret; }
    Integer Anchor() const { return m_anchor; }
    Integer SelStart() const { return m_caret < m_anchor ? m_caret : m_anchor; }
    Integer SelEnd() const { return m_caret < m_anchor ? m_anchor : m_caret; }
    Integer SelLength() const { return SelEnd() - SelStart(); }
    bool HasSelection() const { return m_caret != m_anchor; }
    String SelText() const;
    // EM_SETSEL: the anchor at Start and the caret at End; -1 for End means the end of the
    // text, -1 for Start removes the selection (caret stays). Positions are clamped and never
    // split a surrogate pair or a CR LF pair.
    void SetSel(Integer Start, Integer End);
    void SelectAll() { SetSel(0, -1); }
    // Moves the caret; with Extend the anchor stays, otherwise it follows.
    void MoveCaret(Integer Position, bool Extend);

    // Replaces the selection with S as typed or pasted: case conversion, line breaks removed
    // after the first one in a single-line buffer, text cut at MaxLength. Returns false when
    // nothing changed (nothing to replace and nothing fits).
    bool ReplaceSel(StringView S, bool CanUndo = true);
    // One typed character: like ReplaceSel, but typing in a row forms one undo step and a
    // character that does not fit is refused (false).
    bool TypeChar(Char C);
    // Backspace and Delete: the selection, or one character (a surrogate pair, a CR LF), or
    // with Word the rest of the word before or after the caret.
    bool DeleteBackward(bool Word = false);
    bool DeleteForward(bool Word = false);

    // Word boundaries: words are runs of characters other than blanks, tabs and line breaks.
    Integer PrevWordStart(Integer Position) const;
    Integer NextWordStart(Integer Position) const;
    // The word under Position with its trailing blanks, as a double click selects it.
    void SelectWordAt(Integer Position);

    // One undo step; undoing again redoes.
    bool CanUndo() const { return m_hasUndo; }
    bool Undo();
    void EmptyUndoBuffer()
    {
        m_hasUndo = false;
        m_typing = false;
    }

    // Maximum length in UTF-16 units; 0 means no limit. Lowering it does not cut the text.
    Integer MaxLength = 0;
    TEditCharCase CharCase() const { return m_charCase; }
    // Switching to upper or lower case converts the text already there.
    void SetCharCase(TEditCharCase Value);
    bool Multiline = false;

    // The text converted as this buffer stores it (case, line breaks).
    String Normalize(StringView S) const;
    // A position moved off the middle of a surrogate pair or a CR LF pair.
    Integer ClampPosition(Integer Position) const;

private:
    void SaveUndo();
    String ConvertCase(StringView S) const;

    String m_text;
    Integer m_caret = 0;
    Integer m_anchor = 0;
    TEditCharCase m_charCase = ecNormal;
    bool m_hasUndo = false;
    bool m_typing = false;
    String m_undoText;
    Integer m_undoCaret = 0;
    Integer m_undoAnchor = 0;
};

// True for the characters that separate words in an edit control.
bool IsEditWordBreak(Char C);

}  // namespace gw
