// The mark-up renderer's elements: pictures (IMG, BODY BACKGROUND) and embedded controls.
#include "grid/foundation/markup_renderer_impl.h"
#include "grid/foundation/picture_cache.h"
#include "grid/foundation/picture_container.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/frame_controls.h"
#include "platform/graphics/image_list.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/strings.h"

#include <algorithm>
#include <cmath>

namespace gw::detail {

THTMLPicture* FindMarkupPicture(const TMarkupDrawArgs& Args, StringView Source)
{
    if (Source.find(u"://") != StringView::npos) {
        if (!Args.PictureCache) return nullptr;
        if (THTMLPicture* cached = Args.PictureCache->FindPicture(Source)) return cached;
        // Loaded once: a source that gives no picture stays in the cache as an empty one.
        THTMLPicture* picture = Args.PictureCache->AddPicture();
        picture->Asynch = false;
        try {
            picture->LoadFromURL(Source);
        } catch (const Exception&) {
        }
        return Args.PictureCache->FindPicture(Source);
    }
    if (Source.find(u':') == StringView::npos && Args.PictureContainer)
        return Args.PictureContainer->FindPicture(Source);
    return nullptr;
}

namespace {

bool IsImageListSource(StringView Source) { return Source.find(u"IDX:") != StringView::npos; }

// The shell's icon lists are not part of this platform: such sources show nothing.
bool IsShellIconSource(StringView Source)
{
    return Source.find(u"SSYS:") != StringView::npos || Source.find(u"LSYS:") != StringView::npos;
}

Integer Scaled(Integer Value, double Scale) { return static_cast<Integer>(std::lround(Value * Scale)); }

// A picture's display size: WIDTH and HEIGHT as given, one of them with the other following the
// picture's aspect, or the picture's own size.
TSize DisplaySize(const THTMLPicture& Picture, Integer Width, Integer Height)
{
    const Integer w = Picture.Width(), h = Picture.Height();
    if (Width > 0 && Height > 0) return {Width, Height};
    if (Width > 0) return {Width, w > 0 ? static_cast<Integer>(int64_t(h) * Width / w) : 0};
    if (Height > 0) return {h > 0 ? static_cast<Integer>(int64_t(w) * Height / h) : 0, Height};
    return {w, h};
}

}  // namespace

// An element narrower than the line that would pass its right edge starts the next line; only a
// layout pass decides that.
bool TMarkupRenderer::ElementFits(TPass& P, Integer Width)
{
    if (P.Kind == TPassKind::Layout && Width < P.Rect.Width() && P.Used + Width > P.Rect.Width()) {
        P.Overflow = true;
        return false;
    }
    return true;
}

void TMarkupRenderer::AdvanceElement(TPass& P, Integer Width, Integer Height)
{
    P.Used += Width;
    P.Line->Height = std::max(P.Line->Height, Height);
}

bool TMarkupRenderer::MouseOverElement(const TPass& P, Integer Width, Integer Height) const
{
    const Integer offset = MouseOffset(P);
    return offset > P.Used && offset < P.Used + Width && m_args.MouseY > P.Rect.Top &&
        m_args.MouseY < P.Rect.Top + Height;
}

void TMarkupRenderer::OnImage(TPass& P, StringView Upper)
{
    TPassState& st = *P.State;
    String source, value;
    GetMarkupAttribute(Upper, Upper, u"SRC", source);
    const Integer width = GetMarkupAttribute(Upper, Upper, u"WIDTH", value) ? MarkupNumber(value) : 0;
    const Integer height = GetMarkupAttribute(Upper, Upper, u"HEIGHT", value) ? MarkupNumber(value) : 0;
    Integer elementWidth = 0, elementHeight = 0;
    TImageList* images = nullptr;
    Integer index = -1;
    THTMLPicture* picture = nullptr;
    TSize display;
    if (IsImageListSource(source)) {
        index = MarkupNumber(StringView(source).substr(std::min<size_t>(4, source.size())));
        if (m_args.Images && index >= 0 && index < m_args.Images->Count()) {
            images = m_args.Images;
            elementWidth = PixelsX(images->Width());
            elementHeight = PixelsY(images->Height());
        }
    } else if (!IsShellIconSource(source)) {
        picture = FindMarkupPicture(m_args, source);
        if (picture && picture->Empty()) picture = nullptr;
        if (picture) {
            display = DisplaySize(*picture, width, height);
            const bool sized = width > 0 || height > 0;
            elementWidth = PixelsX(sized ? display.cx : picture->MaxWidth());
            elementHeight = PixelsY(sized ? display.cy : picture->MaxHeight());
        }
    }
    ++st.PictureCount;
    if (!ElementFits(P, elementWidth)) {
        --st.PictureCount;  // counted again on the next line
        return;
    }
    if (st.InAnchor && MouseOverElement(P, elementWidth, elementHeight)) {
        P.ElementHit = true;
        m_result.AnchorValue = st.AnchorValue;
        m_result.AnchorTitle = st.AnchorTitle;
    }
    if (P.Drawing()) {
        const Integer x = PlaceLeft(P, P.Used, elementWidth), y = P.Rect.Top;
        if (images && !m_args.Printing) {
            images->Draw(&m_canvas, x, y, index, true);
        } else if (images) {
            TBitmap bitmap;
            images->GetBitmap(index, &bitmap);
            m_canvas.StretchDraw(
                Bounds(x, y, Scaled(images->Width(), m_args.PrintScale), Scaled(images->Height(), m_args.PrintScale)),
                &bitmap);
        } else if (picture && (width > 0 || height > 0)) {
            TTemporaryChange<bool> stretch(picture->Stretch, true);
            m_canvas.StretchDraw(Bounds(x, y, display.cx, display.cy), picture);
        } else if (picture) {
            if (picture->FrameCount() > 1) {
                // The frames of an animation are drawn on the background, each at its place.
                ApplyBrush(m_background);
                m_canvas.FillRect(Bounds(x, y, picture->MaxWidth(), picture->MaxHeight()));
            }
            m_canvas.Draw(x + picture->FrameXPos(), y + picture->FrameYPos(), picture);
        }
    }
    AdvanceElement(P, elementWidth, elementHeight);
    if (P.Kind == TPassKind::Layout && Upper.find(u"ALIGN") != StringView::npos) {
        TLineMetrics& line = *P.Line;
        if (Upper.find(u"\"TOP") != StringView::npos)
            line.Raise = line.Height - line.GhHeight;
        else if (Upper.find(u"\"MIDDLE") != StringView::npos)
            line.Raise = (line.Height - line.GhHeight) / 2;
    }
}

void TMarkupRenderer::OnControl(TPass& P, StringView Tag)
{
    const TControlTag control = ParseControlTag(Tag);
    const bool box = control.Type == u"CHECK" || control.Type == u"RADIO";
    Integer elementWidth = 0, elementHeight = 0;
    if (!control.Width.empty()) {
        ApplyFont(P.State->Font, P.Drawing());
        if (MarkupStrictNumber(control.Width, elementWidth)) elementHeight = TextHeight(u"gh") + 10;
        Integer height = 25;
        MarkupStrictNumber(control.Height, height);
        P.Line->Height = std::max(P.Line->Height, height > 25 ? height - 2 : (box ? 16 : 23));
        // Right to left the element stands where the width it advances by ends.
        const Integer x = PlaceLeft(P, P.Used, box ? 16 : elementWidth);
        if (P.Drawing()) DrawControl(P, control, x, elementWidth, elementHeight);
    }
    if (control.Type == u"BUTTON" || control.Type == u"COMBO") elementHeight = 25;
    if (box) elementWidth = elementHeight = 16;
    if (!ElementFits(P, elementWidth)) return;
    const bool named = m_args.HitTest && !m_args.ControlID.empty() && control.ID == m_args.ControlID;
    if (named || MouseOverElement(P, elementWidth, elementHeight)) {
        P.ElementHit = true;
        m_result.AnchorValue = u"ctrl";
        m_result.ControlRect = Bounds(PlaceLeft(P, P.Used, elementWidth), P.Rect.Top, elementWidth, elementHeight);
        m_result.ControlValue = control.Value;
        m_result.ControlID = control.ID;
        m_result.ControlType = control.Type;
    }
    AdvanceElement(P, elementWidth, elementHeight);
}

// The classic look of the platform: white boxes with a grey border, frame-control buttons. Right
// to left an element takes the mirror image of its place; what is inside it keeps its direction.
void TMarkupRenderer::DrawControl(TPass& P, const TControlTag& Control, Integer Left, Integer Width,
                                  Integer& ElementHeight)
{
    const Integer x = Left, b = P.Rect.Bottom, h = P.Line->Height;
    const TColor border = IsThemeActive() ? TColorOf(0xB99D7F) : TColorOf(0x808080);
    const bool checked = UpperCase(Control.Value) == u"TRUE";
    const Cardinal valueFormat = DT_SINGLELINE | DT_VCENTER;
    auto whiteBox = [&] {
        m_canvas.Brush()->SetColor(clWhite);
        m_canvas.Pen()->SetColor(border);
        m_canvas.Rectangle(x, b - h + 4, x + Width, b + 2);
        m_canvas.Pen()->SetColor(m_savedPenColor);
        m_canvas.Brush()->SetStyle(bsClear);
    };
    const String& type = Control.Type;
    if (type == u"EDIT" || type == u"PASSWORD" || type == u"MASK") {
        whiteBox();
        const String shown = type == u"PASSWORD" ? String(Control.Value.size(), u'*') : Control.Value;
        TRect r = Rect(x + 2, b - h + 4, x + Width, b);
        m_canvas.DrawText(shown, r, valueFormat);
    } else if (type == u"COMBO") {
        whiteBox();
        TRect r = Rect(x + 4, b - h + 4, x + Width - 18, b);
        m_canvas.DrawText(Control.Value, r, valueFormat);
        TRect arrow = Rect(x + Width - 18, b - h + 5, x + Width - 1, b + 1);
        DrawFrameControl(m_canvas, arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    } else if (type == u"CHECK") {
        // 13 pixels wide in 16: two pixels in from the side the line starts at.
        const Integer left = RightToLeft() ? x + 1 : x + 2;
        TRect r = Rect(left, b - 15, left + 13, b);
        DrawFrameControl(m_canvas, r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
    } else if (type == u"RADIO") {
        TRect r = Rect(x + 2, b - 14, x + 14, b);
        DrawFrameControl(m_canvas, r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
    } else if (type == u"BUTTON") {
        ElementHeight = 24;
        Integer height = 25;
        MarkupStrictNumber(Control.Height, height);
        const Integer along = MouseOffset(P);
        const bool hot = along > P.Used - 2 && along < P.Used - 2 + Width && m_args.MouseY > b - ElementHeight - 2 &&
            m_args.MouseY < b - 2;
        TRect face = Rect(x + 2, b - height, x + Width - 2, b);
        DrawFrameControl(m_canvas, face, DFC_BUTTON, DFCS_BUTTONPUSH | (hot && m_args.MouseDown ? DFCS_PUSHED : 0));
        TRect caption = Rect(x + 4, b - height + 2, x + Width - 4, b - 2);
        m_canvas.Brush()->SetStyle(bsClear);
        m_canvas.DrawText(Control.Value, caption, valueFormat | DT_CENTER);
    }
    ApplyBrush(P.State->Brush);
}

// The picture tiled over the whole text rectangle from its top-left corner, clipped to it.
void TMarkupRenderer::TileBackground(StringView Source)
{
    TImageList* images = nullptr;
    Integer index = -1;
    THTMLPicture* picture = nullptr;
    Integer width = 0, height = 0;
    if (IsImageListSource(Source)) {
        index = MarkupNumber(Source.substr(std::min<size_t>(4, Source.size())));
        if (m_args.Images && index >= 0 && index < m_args.Images->Count()) {
            images = m_args.Images;
            width = images->Width();
            height = images->Height();
        }
    } else if (!IsShellIconSource(Source)) {
        picture = FindMarkupPicture(m_args, Source);
        if (picture && !picture->Empty()) {
            width = picture->Width();
            height = picture->Height();
        }
    }
    // Only the part that can show is tiled: a small picture over a tall rectangle would
    // otherwise be drawn without end.
    TRect area;
    if (width <= 0 || height <= 0 || !IntersectRect(area, m_args.Rect, m_canvas.ClipRect())) return;
    area.Left = m_args.Rect.Left + (area.Left - m_args.Rect.Left) / width * width;
    area.Top = m_args.Rect.Top + (area.Top - m_args.Rect.Top) / height * height;
    const Integer saved = m_canvas.SaveDC();
    TScopeExit restore([&] { m_canvas.RestoreDC(saved); });
    m_canvas.IntersectClipRect(m_args.Rect);
    for (Integer y = area.Top; y < area.Bottom; y += height)
        for (Integer x = area.Left; x < area.Right; x += width) {
            if (images)
                images->Draw(&m_canvas, x, y, index, true);
            else
                m_canvas.Draw(x, y, picture);
        }
}

}  // namespace gw::detail
