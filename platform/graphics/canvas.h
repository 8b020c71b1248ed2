// The canvas: pen, brush and font drawing on an image surface with the platform's pixel rules.
//
// Pixel rules: a pixel (x, y) is the unit square whose top-left corner is (x, y); rectangles
// cover Left..Right-1 and Top..Bottom-1; a line from A to B covers A but not B; nothing is
// anti-aliased, text included, so the same calls give the same pixels everywhere.
#pragma once

#include "platform/graphics/brush.h"
#include "platform/graphics/colour.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/pen.h"
#include "platform/graphics/region.h"
#include "platform/runtime/component.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace gw {

class TGraphic;

// DrawText flags.
constexpr Cardinal DT_TOP = 0x0;
constexpr Cardinal DT_LEFT = 0x0;
constexpr Cardinal DT_CENTER = 0x1;
constexpr Cardinal DT_RIGHT = 0x2;
constexpr Cardinal DT_VCENTER = 0x4;
constexpr Cardinal DT_BOTTOM = 0x8;
constexpr Cardinal DT_WORDBREAK = 0x10;
constexpr Cardinal DT_SINGLELINE = 0x20;
constexpr Cardinal DT_EXPANDTABS = 0x40;
constexpr Cardinal DT_NOCLIP = 0x100;
constexpr Cardinal DT_EXTERNALLEADING = 0x200;
constexpr Cardinal DT_CALCRECT = 0x400;
constexpr Cardinal DT_NOPREFIX = 0x800;
constexpr Cardinal DT_EDITCONTROL = 0x2000;
constexpr Cardinal DT_PATH_ELLIPSIS = 0x4000;
constexpr Cardinal DT_END_ELLIPSIS = 0x8000;
constexpr Cardinal DT_RTLREADING = 0x20000;
constexpr Cardinal DT_WORD_ELLIPSIS = 0x40000;
constexpr Cardinal DT_HIDEPREFIX = 0x100000;

// Raster operations of CopyRect / BitBlt (S source, D destination, P brush).
using TCopyMode = Cardinal;
constexpr TCopyMode cmBlackness = 0x00000042;
constexpr TCopyMode cmDstInvert = 0x00550009;
constexpr TCopyMode cmMergeCopy = 0x00C000CA;  // S and P
constexpr TCopyMode cmMergePaint = 0x00BB0226;  // not S or D
constexpr TCopyMode cmNotSrcCopy = 0x00330008;  // not S
constexpr TCopyMode cmNotSrcErase = 0x001100A6;  // not (S or D)
constexpr TCopyMode cmPatCopy = 0x00F00021;  // P
constexpr TCopyMode cmPatInvert = 0x005A0049;  // P xor D
constexpr TCopyMode cmSrcAnd = 0x008800C6;  // S and D
constexpr TCopyMode cmSrcCopy = 0x00CC0020;  // S
constexpr TCopyMode cmSrcErase = 0x00440328;  // S and not D
constexpr TCopyMode cmSrcInvert = 0x00660046;  // S xor D
constexpr TCopyMode cmSrcPaint = 0x00EE0086;  // S or D
constexpr TCopyMode cmWhiteness = 0x00FF0062;
constexpr TCopyMode SRCCOPY = cmSrcCopy;
constexpr TCopyMode SRCAND = cmSrcAnd;
constexpr TCopyMode SRCPAINT = cmSrcPaint;
constexpr TCopyMode SRCINVERT = cmSrcInvert;
constexpr TCopyMode DSTINVERT = cmDstInvert;

// The result of raster operation Rop for one pixel ($00BBGGRR values).
uint32_t ApplyRasterOp(TCopyMode Rop, uint32_t Source, uint32_t Dest, uint32_t Pattern);

enum TFillStyle { fsSurface, fsBorder };
enum TBkMode { TRANSPARENT = 1, OPAQUE = 2 };

// GetDeviceCaps indices.
enum TDeviceCap { HORZRES = 8, VERTRES = 10, BITSPIXEL = 12, PLANES = 14, LOGPIXELSX = 88, LOGPIXELSY = 90 };

struct TTextMetric {
    Integer tmHeight = 0;  // ascent + descent
    Integer tmAscent = 0;
    Integer tmDescent = 0;
    Integer tmInternalLeading = 0;  // cell height minus em height
    Integer tmExternalLeading = 0;  // recommended gap between lines
    Integer tmAveCharWidth = 0;
    Integer tmMaxCharWidth = 0;
};

// One line as DrawText lays it out: its text (accelerator marks removed, ellipsis applied),
// the index of the underlined accelerator character (-1 none) and its width in pixels.
struct TTextLine {
    String Text;
    Integer Underline = -1;
    Integer Width = 0;
};

// A canvas draws on a cairo image surface (ARGB32 or RGB24) it holds a reference to. Without
// a surface it draws nothing but still measures text, so layout code runs anywhere.
// Drawing operations are virtual so that a recording canvas can log them (recording_canvas.h).
class TCanvas : public TPersistent {
public:
    TCanvas();
    explicit TCanvas(cairo_surface_t* Surface);
    ~TCanvas() override;
    String ClassName() const override { return u"TCanvas"; }

    // The surface drawn on (nullptr: none). The canvas keeps its own reference.
    cairo_surface_t* Handle() const { return m_surface; }
    void SetHandle(cairo_surface_t* Surface);
    bool HandleAllocated() const { return m_surface != nullptr; }
    Integer SurfaceWidth() const;
    Integer SurfaceHeight() const;

    TFont* Font() const { return m_font.get(); }
    TPen* Pen() const { return m_pen.get(); }
    TBrush* Brush() const { return m_brush.get(); }
    void SetFont(TFont* Value) { m_font->Assign(Value); }
    void SetPen(TPen* Value) { m_pen->Assign(Value); }
    void SetBrush(TBrush* Value) { m_brush->Assign(Value); }

    TPoint PenPos() const { return m_penPos; }
    void SetPenPos(TPoint Value) { m_penPos = Value; }
    TCopyMode CopyMode = cmSrcCopy;

    // Text background: a change of the brush sets it (solid brush: opaque, else transparent);
    // SetBkMode overrides it until the brush changes again.
    TBkMode BkMode() const { return m_bkMode; }
    void SetBkMode(TBkMode Mode) { m_bkMode = Mode; }

    // Logical (0, 0) lies at device pixel Origin.
    TPoint Origin() const { return m_origin; }
    void SetOrigin(TPoint Value) { m_origin = Value; }
    void MoveOrigin(Integer dx, Integer dy)
    {
        m_origin.X += dx;
        m_origin.Y += dy;
    }

    // Right-to-left orientation: logical x runs leftwards from device x Origin.X + Width. An
    // edge x lands on Origin.X + Width - x, so a rectangle [L, R) covers exactly the mirror image
    // of its left-to-right pixels; a pixel x (a point, a line's pixels) lands on the mirror of its
    // square, Origin.X + Width - x - 1, so lines mirror exactly too (a mirrored device context of
    // the platform puts them a pixel right of that; painting here needs no such correction).
    // Text and pictures keep their direction: each is placed where its logical extent maps, never
    // drawn mirror-image.
    // TCanvasOrientationScope switches it for a block; SaveDC and RestoreDC keep it.
    bool RightToLeftOrientation() const { return m_rightToLeft; }
    Integer MirrorWidth() const { return m_mirrorWidth; }
    void SetRightToLeftOrientation(bool Value, Integer Width);
    // Logical to device edges and back (origin and orientation); rectangles stay ordered.
    Integer LogicalToDeviceX(Integer X) const { return m_origin.X + (m_rightToLeft ? m_mirrorWidth - X : X); }
    TRect LogicalToDevice(const TRect& R) const;
    TRect DeviceToLogical(const TRect& R) const;

    // Clipping. The device clip is the back end's (a window's visible part), in device pixels;
    // the clip region is the program's, in device pixels too, as the platform keeps it; the
    // rectangles of IntersectClipRect/ExcludeClipRect are logical. Drawing covers both.
    void SetDeviceClip(const TRegion* Region);
    virtual void SelectClipRgn(const TRegion* Region);
    virtual void IntersectClipRect(const TRect& R);
    virtual void ExcludeClipRect(const TRect& R);
    // The program's clip region, false when there is none.
    bool GetClipRgn(TRegion& Region) const;
    // The bounds of what can be drawn, in logical pixels.
    TRect ClipRect() const;

    // Saves origin, clips, modes, pen, brush and font; RestoreDC(-1) restores the last save.
    Integer SaveDC();
    void RestoreDC(Integer Saved);

    // Lines and shapes.
    virtual void MoveTo(Integer X, Integer Y);
    virtual void LineTo(Integer X, Integer Y);
    virtual void Polyline(std::span<const TPoint> Points);
    virtual void Polygon(std::span<const TPoint> Points);
    virtual void Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    virtual void RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3);
    virtual void Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2);
    void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
    virtual void FillRect(const TRect& R);
    virtual void FrameRect(const TRect& R);
    // Inverts every second pixel of the outline (XOR), so drawing it twice removes it.
    virtual void DrawFocusRect(const TRect& R);
    virtual void FloodFill(Integer X, Integer Y, TColor Color, TFillStyle FillStyle);
    // Outside the surface or the clip: Pixels gives clNone, SetPixel does nothing.
    TColor Pixels(Integer X, Integer Y) const;
    virtual void SetPixel(Integer X, Integer Y, TColor Color);

    // Text. TextOut draws with (X, Y) as the top-left of the text cell; the pen position moves
    // to the end of the text.
    virtual void TextOut(Integer X, Integer Y, StringView Text);
    // Clipped to R; with a brush that is not clear, R is filled first.
    virtual void TextRect(const TRect& R, Integer X, Integer Y, StringView Text);
    Integer TextWidth(StringView Text) const;
    Integer TextHeight(StringView Text) const;
    TSize TextExtent(StringView Text) const;
    TTextMetric GetTextMetrics() const;
    // The platform's formatted text drawing; returns the height of the text. With DT_CALCRECT
    // nothing is drawn and R becomes the rectangle the text needs.
    virtual Integer DrawText(StringView Text, TRect& R, Cardinal Format);
    // The lines DrawText would draw in R with that format (for layout code and tests).
    std::vector<TTextLine> LayoutText(StringView Text, const TRect& R, Cardinal Format) const;

    // Pictures and copies between canvases (CopyMode applies to CopyRect).
    virtual void Draw(Integer X, Integer Y, TGraphic* Graphic);
    virtual void StretchDraw(const TRect& R, TGraphic* Graphic);
    virtual void CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect);

    void Lock() { ++m_lockCount; }
    void Unlock()
    {
        if (m_lockCount > 0) --m_lockCount;
    }
    Integer LockCount() const { return m_lockCount; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

    // Hooks around composite drawing (frame controls, edges) so a recording canvas can log the
    // composite call instead of its parts. The base does nothing.
    virtual void BeginCall(const char* Name, std::initializer_list<Integer> Args);
    virtual void EndCall();

    // Internal helpers for the drawing routines of this library (pixel access in device space).
    struct Impl;
    Impl& Internals() const { return *m_impl; }

protected:
    void Changing();
    void Changed();

private:
    void BrushChanged();

    cairo_surface_t* m_surface = nullptr;
    std::unique_ptr<TFont> m_font;
    std::unique_ptr<TPen> m_pen;
    std::unique_ptr<TBrush> m_brush;
    std::unique_ptr<Impl> m_impl;
    // The device x where a text or picture Width wide starts when its logical extent starts at X.
    Integer DeviceLeft(Integer X, Integer Width) const { return LogicalToDeviceX(X) - (m_rightToLeft ? Width : 0); }

    TPoint m_penPos;
    TPoint m_origin;
    bool m_rightToLeft = false;
    Integer m_mirrorWidth = 0;
    TBkMode m_bkMode = OPAQUE;
    Integer m_lockCount = 0;
};

// GDI-style entry points used by transcribed painting code.
Integer GetDeviceCaps(const TCanvas& Canvas, Integer Index);
// Copies W x H pixels from (XSrc, YSrc) of Source to (X, Y) of Dest with raster operation Rop
// (the destination canvas's brush is the pattern).
void BitBlt(TCanvas& Dest, Integer X, Integer Y, Integer W, Integer H, TCanvas& Source, Integer XSrc, Integer YSrc,
            TCopyMode Rop);

// Scope that marks a composite drawing call on a canvas (see TCanvas::BeginCall).
class TCanvasCallScope {
public:
    TCanvasCallScope(TCanvas& Canvas, const char* Name, std::initializer_list<Integer> Args) : m_canvas(Canvas)
    {
        m_canvas.BeginCall(Name, Args);
    }
    ~TCanvasCallScope() { m_canvas.EndCall(); }
    TCanvasCallScope(const TCanvasCallScope&) = delete;
    TCanvasCallScope& operator=(const TCanvasCallScope&) = delete;

private:
    TCanvas& m_canvas;
};

// Switches a canvas's orientation for a block (right to left across Width, or back to left to
// right) and puts the one it had back when the block ends.
class TCanvasOrientationScope {
public:
    TCanvasOrientationScope(TCanvas& Canvas, bool RightToLeft, Integer Width)
        : m_canvas(Canvas), m_rightToLeft(Canvas.RightToLeftOrientation()), m_width(Canvas.MirrorWidth())
    {
        m_canvas.SetRightToLeftOrientation(RightToLeft, Width);
    }
    ~TCanvasOrientationScope() { m_canvas.SetRightToLeftOrientation(m_rightToLeft, m_width); }
    TCanvasOrientationScope(const TCanvasOrientationScope&) = delete;
    TCanvasOrientationScope& operator=(const TCanvasOrientationScope&) = delete;

private:
    TCanvas& m_canvas;
    bool m_rightToLeft;
    Integer m_width;
};

// Writes the surface to a PNG file (for tests and for a person to look at); EFCreateError on
// failure.
void SaveSurfaceToPng(cairo_surface_t* Surface, const String& FileName);

}  // namespace gw
