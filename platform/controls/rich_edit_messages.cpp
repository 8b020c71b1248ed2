// TCustomRichEdit's programmatic messages: RTF through WM_SETTEXT, the event mask, the selection
// as a range, character formats and drawing a range (EM_FORMATRANGE). Keys and the mouse are the
// memo's (rich_edit.cpp holds the formats, RTF and drawing).
#include "platform/controls/control_message_records.h"
#include "platform/controls/rich_edit.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/unicode.h"

#include <algorithm>

namespace gw {

using namespace detail;

namespace {

// Every attribute a character format record can carry.
constexpr Cardinal AllFormatFields =
    CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_OFFSET | CFM_COLOR | CFM_SIZE;

// The record's effects and values for a format (sizes in twips, the window text colour as
// automatic).
void FillCharFormat(TCharFormatW& Cf, const TCharFormat& F)
{
    const Cardinal none = 0;
    Cf.dwEffects = ((F.Style & fsBold) ? Cardinal(CFE_BOLD) : none) |
        ((F.Style & fsItalic) ? Cardinal(CFE_ITALIC) : none) |
        ((F.Style & fsUnderline) ? Cardinal(CFE_UNDERLINE) : none) |
        ((F.Style & fsStrikeOut) ? Cardinal(CFE_STRIKEOUT) : none) |
        (F.Color == clWindowText ? Cardinal(CFE_AUTOCOLOR) : none);
    Cf.yHeight = F.Size * 20;
    Cf.yOffset = F.Offset;
    Cf.crTextColor = F.Color == clWindowText ? 0 : F.Color;
}

// Base changed by the attributes the record's mask names; Fields says which fields changed.
TCharFormat ReadCharFormat(const TCharFormatW& Cf, const TCharFormat& Base, Cardinal& Fields)
{
    Fields = 0;
    TCharFormat value = Base;
    auto bit = [&](Cardinal Mask, Cardinal Effect, TFontStyles Style) {
        if (!(Cf.dwMask & Mask)) return;
        value.Style = (Cf.dwEffects & Effect) ? (value.Style | Style) : (value.Style & ~Style);
        Fields |= fStyle;
    };
    bit(CFM_BOLD, CFE_BOLD, fsBold);
    bit(CFM_ITALIC, CFE_ITALIC, fsItalic);
    bit(CFM_UNDERLINE, CFE_UNDERLINE, fsUnderline);
    bit(CFM_STRIKEOUT, CFE_STRIKEOUT, fsStrikeOut);
    if (Cf.dwMask & CFM_COLOR) {
        value.Color = (Cf.dwEffects & CFE_AUTOCOLOR) ? clWindowText : Cf.crTextColor;
        Fields |= fColor;
    }
    if (Cf.dwMask & CFM_SIZE) {
        value.Size = std::max(1, Cf.yHeight / 20);
        Fields |= fSize;
    }
    if (Cf.dwMask & CFM_OFFSET) {
        value.Offset = Cf.yOffset;
        Fields |= fOffset;
    }
    return value;
}

}  // namespace

void TCustomRichEdit::DefaultHandler(TMessage& M)
{
    switch (M.Msg) {
    case WM_SETTEXT: WMSetText(M); return;
    case EM_SETEVENTMASK: EMSetEventMask(M); return;
    case EM_GETEVENTMASK: M.Result = LRESULT(m_eventMask); return;
    case EM_REQUESTRESIZE: CheckResize(true); return;
    case EM_EXGETSEL: EMExGetSel(M); return;
    case EM_EXSETSEL: EMExSetSel(M); return;
    case EM_GETCHARFORMAT: EMGetCharFormat(M); return;
    case EM_SETCHARFORMAT: EMSetCharFormat(M); return;
    case EM_FORMATRANGE: EMFormatRange(M); return;
    default: TCustomMemo::DefaultHandler(M); return;
    }
}

void TCustomRichEdit::WMSetText(TMessage& M)
{
    // A text that starts as RTF is loaded as a document; any other is plain, in the default
    // format.
    const String value = TWMText(M).Value();
    if (!m_loading && !PlainText && IsRtf(StringToUtf8(StringView(value).substr(0, 16)))) {
        SetRtfText(StringToUtf8(value));
        M.Result = 1;
        return;
    }
    TScopeExit reset{[this] { m_resetFormats = false; }};
    m_resetFormats = !m_loading;
    TCustomMemo::DefaultHandler(M);
}

void TCustomRichEdit::EMSetEventMask(TMessage& M)
{
    const Cardinal old = m_eventMask;
    m_eventMask = Cardinal(TWMLParamValue(M).Value);
    M.Result = LRESULT(old);
}

void TCustomRichEdit::EMExGetSel(TMessage& M)
{
    if (TCharRange* r = TWMRecord<TCharRange>(M).Data) *r = {m_engine.Buffer.SelStart(), m_engine.Buffer.SelEnd()};
}

void TCustomRichEdit::EMExSetSel(TMessage& M)
{
    if (const TCharRange* r = TWMRecord<const TCharRange>(M).Data) m_engine.SetSel(r->cpMin, r->cpMax);
    M.Result = m_engine.Buffer.SelEnd();
}

Cardinal TCustomRichEdit::UniformFields(const TCharFormat& F) const
{
    // Attributes that differ inside the selection are left out of the mask.
    Cardinal mask = AllFormatFields;
    const TEditBuffer& b = m_engine.Buffer;
    for (Integer i = b.SelStart() + 1; i < b.SelEnd(); ++i) {
        const TCharFormat g = FormatAt(i);
        if ((g.Style & fsBold) != (F.Style & fsBold)) mask &= ~Cardinal(CFM_BOLD);
        if ((g.Style & fsItalic) != (F.Style & fsItalic)) mask &= ~Cardinal(CFM_ITALIC);
        if ((g.Style & fsUnderline) != (F.Style & fsUnderline)) mask &= ~Cardinal(CFM_UNDERLINE);
        if (g.Offset != F.Offset) mask &= ~Cardinal(CFM_OFFSET);
        if (g.Color != F.Color) mask &= ~Cardinal(CFM_COLOR);
        if (g.Size != F.Size) mask &= ~Cardinal(CFM_SIZE);
    }
    return mask;
}

void TCustomRichEdit::EMGetCharFormat(TMessage& M)
{
    const TEMCharFormat cf(M);
    if (!cf.Format) return;
    const TCharFormat f = cf.OfDefault() ? m_default : SelAttributes()->Get();
    cf.Format->dwMask = !cf.OfDefault() && m_engine.Buffer.HasSelection() ? UniformFields(f) : AllFormatFields;
    FillCharFormat(*cf.Format, f);
    M.Result = LRESULT(cf.Format->dwMask);
}

void TCustomRichEdit::EMSetCharFormat(TMessage& M)
{
    const TEMCharFormat cf(M);
    if (!cf.Format) return;
    Cardinal fields = 0;
    const TCharFormat value = ReadCharFormat(*cf.Format, cf.OfDefault() ? m_default : SelAttributes()->Get(), fields);
    if (cf.Scope & SCF_ALL)
        ApplyFormat(0, Integer(m_formats.size()), value, fields);
    else if (cf.Scope & SCF_SELECTION)
        SelAttributes()->Set(value, fields);
    else
        DefAttributes()->Set(value, fields);
    M.Result = 1;
}

void TCustomRichEdit::EMFormatRange(TMessage& M)
{
    const TEMFormatRange request(M);
    const TFormatRange* fr = request.Range;
    if (!fr) {
        M.Result = 0;  // nothing is cached between calls
        return;
    }
    const TRect px = Rect(fr->rc.Left / TwipsPerPixel, fr->rc.Top / TwipsPerPixel, fr->rc.Right / TwipsPerPixel,
                          fr->rc.Bottom / TwipsPerPixel);
    if (request.Render && fr->hdc)
        M.Result = DrawRange(*fr->hdc, px, fr->chrg.cpMin, fr->chrg.cpMax);
    else
        M.Result = fr->chrg.cpMax < 0 ? m_engine.Buffer.Length() : fr->chrg.cpMax;
}

}  // namespace gw
