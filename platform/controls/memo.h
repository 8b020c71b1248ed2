// TCustomMemo and TMemo: the multi-line edit with its lines as a string list and scroll bars.
#pragma once

#include "platform/controls/edit.h"
#include "platform/runtime/string_list.h"

#include <memory>

namespace gw {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo;

// The memo's text seen as lines (the hard lines: a word-wrapped line is one item). Every change
// goes through the memo's text, so OnChange fires for it.
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo& Memo) : m_memo(Memo) {}
    String ClassName() const override { return u"TMemoStrings"; }

    Integer Count() const override;
    String Get(Integer Index) const override;
    void Put(Integer Index, const String& S) override;
    void Clear() override;
    void Delete(Integer Index) override;
    void Insert(Integer Index, const String& S) override;
    String Text() const override;
    void SetText(StringView Value) override;

private:
    std::vector<String> Split() const;
    void Join(const std::vector<String>& Lines);

    TCustomMemo& m_memo;
};

class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* AOwner);
    ~TCustomMemo() override;
    String ClassName() const override { return u"TCustomMemo"; }

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    LRESULT DialogCode() const override;

    TStrings* Lines() const { return m_lines.get(); }
    void SetLines(TStrings* Value) { m_lines->Assign(Value); }
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool WordWrap() const { return m_wordWrapProp; }
    void SetWordWrap(bool Value);
    bool WantReturns() const { return m_wantReturns; }
    void SetWantReturns(bool Value);
    bool WantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool Value);
    // Column and line of the caret (hard lines).
    TPoint CaretPos() const;
    void SetCaretPos(TPoint Value);

protected:
    // A descendant with a richer line list puts its own in place (constructor only).
    void ReplaceLines(std::unique_ptr<TMemoStrings> Lines) { m_lines = std::move(Lines); }
    Cardinal EditStyle() const override;
    void ApplyStyle(Cardinal Style) override;
    void CreateWnd() override;
    void KeyPress(Char& Key) override;

private:
    bool HasVScroll() const { return m_scrollBars == ssVertical || m_scrollBars == ssBoth; }
    bool HasHScroll() const { return m_scrollBars == ssHorizontal || m_scrollBars == ssBoth; }
    // The window's scroll bars show the lines and the width of the text.
    void UpdateScrollBars();
    void Scroll(bool Vertical, Word Code, Integer Thumb);
    void WMScroll(TMessage& M);
    void NativeWheel(TMessage& M);

    std::unique_ptr<TMemoStrings> m_lines;
    TScrollStyle m_scrollBars = ssNone;
    bool m_wordWrapProp = true;
    bool m_wantReturns = true;
    bool m_wantTabs = false;
};

class TMemo : public TCustomMemo {
public:
    explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
    String ClassName() const override { return u"TMemo"; }
};

}  // namespace gw
