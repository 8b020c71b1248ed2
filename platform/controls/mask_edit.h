// TCustomMaskEdit and TMaskEdit: the edit box that takes its input through an edit mask.
#pragma once

#include "platform/controls/edit.h"
#include "platform/controls/edit_mask.h"

namespace gw {

// Without a mask this is the plain edit. With one, the buffer (EditText) always holds one
// character per mask position, literals in place and BlankChar in empty positions; typing
// overwrites, skips literals and refuses characters a position does not take; Text strips the
// literals unless the mask saves them. Leaving the control after a change with a required
// position empty raises EDBEditError and keeps the focus; Escape abandons the changes.
class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
    String ClassName() const override { return u"TCustomMaskEdit"; }

    void DefaultHandler(TMessage& Message) override;

    const String& EditMask() const { return m_maskText; }
    void SetEditMask(const String& Value);
    bool IsMasked() const { return m_mask.IsMasked(); }
    const TEditMask& Mask() const { return m_mask; }
    // The text as shown, blanks and literals included.
    const String& EditText() const { return m_engine.Buffer.Text(); }
    void SetEditText(const String& Value);
    // Raises EDBEditError (and puts the caret on the first missing position) when a required
    // position is empty.
    virtual void ValidateEdit();
    // Restores the text the control had when it got the focus.
    void Reset();

protected:
    String EditTextFor(const String& Value) const override;
    String TextForEditText(const String& EditText) const override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void DoEnter() override;
    void Dispatch(TMessage& Message) override;

private:
    void CMExit(TMessage& M);
    // Keys and characters through the mask.
    void NativeChar(TMessage& M);
    void NativeKeyDown(TMessage& M);
    void MaskedChar(Char C);
    // C is a literal of the mask at or after From: the caret moves past it; false when not.
    bool SkipToLiteral(Integer From, Char C);
    void MaskedBackspace();
    // The clipboard and replacements through the mask.
    void MaskedCut();
    void MaskedClear();
    void MaskedPasteClipboard();
    void MaskedPaste(const String& S);
    // After a change of the buffer: the edit's change handling, when the text changed.
    void CommitIfChanged(const String& Before);
    // Empties the input positions in [Start, End); false when read-only.
    bool ClearRange(Integer Start, Integer End);
    void Replace(Integer Start, const String& S);

    String m_maskText;
    TEditMask m_mask;
    String m_oldEditText;
};

class TMaskEdit : public TCustomMaskEdit {
public:
    explicit TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
    String ClassName() const override { return u"TMaskEdit"; }
};

}  // namespace gw
