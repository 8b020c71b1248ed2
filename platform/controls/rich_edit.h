// TCustomRichEdit and TRichEdit: the memo with character formats, RTF in and out, and drawing
// of a formatted range onto any canvas.
#pragma once

#include "platform/controls/memo.h"
#include "platform/controls/rich_text.h"
#include "platform/runtime/streams.h"

namespace gw {

// Character format record of EM_GETCHARFORMAT / EM_SETCHARFORMAT (sizes in twips).
struct TCharFormatW {
    Cardinal cbSize = sizeof(TCharFormatW);
    Cardinal dwMask = 0;
    Cardinal dwEffects = 0;
    Integer yHeight = 0;
    Integer yOffset = 0;
    TColor crTextColor = 0;
};
enum : UINT { EM_GETCHARFORMAT = WM_USER + 58, EM_SETCHARFORMAT = WM_USER + 68 };
enum : Cardinal {
    CFM_BOLD = 0x1,
    CFM_ITALIC = 0x2,
    CFM_UNDERLINE = 0x4,
    CFM_STRIKEOUT = 0x8,
    CFM_OFFSET = 0x10000000,
    CFM_COLOR = 0x40000000,
    CFM_SIZE = 0x80000000,
    CFE_BOLD = 0x1,
    CFE_ITALIC = 0x2,
    CFE_UNDERLINE = 0x4,
    CFE_STRIKEOUT = 0x8,
    CFE_AUTOCOLOR = 0x40000000,
};
enum : WPARAM { SCF_DEFAULT = 0, SCF_SELECTION = 1, SCF_ALL = 4 };

struct TCharRange {
    Integer cpMin = 0;
    Integer cpMax = 0;
};
// EN_SELCHANGE (WM_NOTIFY) record.
struct TSelChange {
    NMHDR nmhdr;
    TCharRange chrg;
    Word seltyp = 0;
};
// EN_REQUESTRESIZE (WM_NOTIFY) record: the size the content needs.
struct TReqResize {
    NMHDR nmhdr;
    TRect rc;
};
// EM_FORMATRANGE record. Rectangles are in twips (1440 per inch, 15 per pixel here).
struct TFormatRange {
    TCanvas* hdc = nullptr;
    TCanvas* hdcTarget = nullptr;
    TRect rc;
    TRect rcPage;
    TCharRange chrg;
};
constexpr Integer TwipsPerPixel = 1440 / 96;

// EM_GETCHARFORMAT / EM_SETCHARFORMAT: which format (SCF_*) and the caller's record.
struct TEMCharFormat {
    explicit TEMCharFormat(const TMessage& M) : Scope(M.WParam), Format(reinterpret_cast<TCharFormatW*>(M.LParam)) {}
    WPARAM Scope;
    TCharFormatW* Format;
    bool OfDefault() const { return Scope == SCF_DEFAULT; }
};
// EM_FORMATRANGE: draw the range or only measure it, and the caller's record (nullptr: forget
// what was cached, of which there is nothing).
struct TEMFormatRange {
    explicit TEMFormatRange(const TMessage& M)
        : Render(M.WParam != 0), Range(reinterpret_cast<const TFormatRange*>(M.LParam))
    {
    }
    bool Render;
    const TFormatRange* Range;
};

namespace detail {
// The fields of a character format a change sets.
enum : Cardinal { fStyle = 1, fColor = 2, fSize = 4, fOffset = 8 };
}  // namespace detail

class TCustomRichEdit;

// The format of the selection (or, without one, of the text typed next), read and written.
class TTextAttributes {
public:
    TTextAttributes(TCustomRichEdit& Edit, bool Default) : m_edit(Edit), m_default(Default) {}
    TFontStyles Style() const { return Get().Style; }
    void SetStyle(TFontStyles Value);
    TColor Color() const { return Get().Color; }
    void SetColor(TColor Value);
    Integer Size() const { return Get().Size; }
    void SetSize(Integer Value);
    Integer Offset() const { return Get().Offset; }
    void SetOffset(Integer Value);

private:
    friend class TCustomRichEdit;
    TCharFormat Get() const;
    void Set(const TCharFormat& Mask, Cardinal Fields);
    TCustomRichEdit& m_edit;
    bool m_default;
};

// The lines of a rich edit: reading a stream or file that holds RTF loads the formatted text
// (unless PlainText); writing gives RTF (unless PlainText). Text and the items stay plain.
class TRichEditStrings : public TMemoStrings {
public:
    explicit TRichEditStrings(TCustomRichEdit& Edit);
    String ClassName() const override { return u"TRichEditStrings"; }
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream) const;
    void LoadFromFile(const String& FileName);
    void SaveToFile(const String& FileName) const;

private:
    TCustomRichEdit& m_rich;
};

// The rich edit. Each character has a format; text typed takes the format before it (or the
// one set through SelAttributes with nothing selected). EN_SELCHANGE and EN_REQUESTRESIZE go
// to the parent as WM_NOTIFY when the event mask (EM_SETEVENTMASK) asks for them; the control
// asks for both itself, as the class library does.
class TCustomRichEdit : public TCustomMemo {
public:
    explicit TCustomRichEdit(TComponent* AOwner);
    String ClassName() const override { return u"TCustomRichEdit"; }

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    TRichEditStrings* Lines() const { return m_richLines; }
    bool PlainText = false;
    TTextAttributes* SelAttributes() { return &m_selAttributes; }
    TTextAttributes* DefAttributes() { return &m_defAttributes; }

    // The document as RTF, and loading one (text and formats replaced, one OnChange).
    std::string RtfText() const;
    void SetRtfText(std::string_view Rtf);
    const std::vector<TCharFormat>& Formats() const { return m_formats; }
    TCharFormat DefaultFormat() const;

    // Draws characters [First, Last) (Last -1: to the end) into R of a canvas, line by line;
    // returns the first character that did not fit.
    Integer DrawRange(TCanvas& Canvas, const TRect& R, Integer First, Integer Last) const;
    // The size the whole text needs (width of the widest line, height of all lines).
    TSize ContentSize() const;

    TNotifyEvent OnSelectionChange;
    std::function<void(TObject* Sender, TRect& Rect)> OnResizeRequest;

protected:
    void EditTextChanged() override;
    void PaintWindow(TCanvas& Canvas) override;
    void CreateWnd() override;

private:
    friend class TTextAttributes;
    friend class TRichEditStrings;
    // Reflected notifications and the font (rich_edit.cpp).
    void CNNotify(TMessage& M);
    void RequestResize(const TReqResize& Request);
    void CMFontChanged(TMessage& M);
    // The rich edit's own messages (rich_edit_messages.cpp).
    void WMSetText(TMessage& M);
    void EMSetEventMask(TMessage& M);
    void EMExGetSel(TMessage& M);
    void EMExSetSel(TMessage& M);
    void EMGetCharFormat(TMessage& M);
    void EMSetCharFormat(TMessage& M);
    void EMFormatRange(TMessage& M);
    // The attributes (CFM_*) that are the same for every selected character as for F.
    Cardinal UniformFields(const TCharFormat& F) const;
    void ApplyFormat(Integer Start, Integer End, const TCharFormat& Value, Cardinal Fields);
    TCharFormat FormatAt(Integer Position) const;
    void CheckSelChange();
    void CheckResize(bool Force);
    void SendNotify(NMHDR& Header);
    // Font for a format.
    void SelectFormat(TCanvas& Canvas, const TCharFormat& F) const;
    Integer LineHeightOf(Integer Start, Integer End) const;

    TRichEditStrings* m_richLines = nullptr;  // owned by the memo
    std::vector<TCharFormat> m_formats;
    String m_shadow;
    bool m_resetFormats = false;
    bool m_loading = false;
    bool m_hasInsertFormat = false;
    TCharFormat m_insertFormat;
    TCharFormat m_default;
    Cardinal m_eventMask = ENM_CHANGE | ENM_SELCHANGE | ENM_REQUESTRESIZE;
    TCharRange m_lastSel{-1, -1};
    TSize m_lastSize{-1, -1};
    TTextAttributes m_selAttributes{*this, false};
    TTextAttributes m_defAttributes{*this, true};
};

class TRichEdit : public TCustomRichEdit {
public:
    explicit TRichEdit(TComponent* AOwner) : TCustomRichEdit(AOwner) {}
    String ClassName() const override { return u"TRichEdit"; }
};

}  // namespace gw
