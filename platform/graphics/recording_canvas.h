// A canvas for tests that logs every drawing call with its arguments and the pen, brush and
// font in force, and draws as well when it has a surface.
#pragma once

#include "platform/graphics/canvas.h"

#include <string>
#include <vector>

namespace gw {

struct TCanvasCall {
    std::string Name;
    std::vector<Integer> Args;
    String Text;
    TColor PenColor = clBlack;
    TPenStyle PenStyle = psSolid;
    TPenMode PenMode = pmCopy;
    Integer PenWidth = 1;
    TColor BrushColor = clWhite;
    TBrushStyle BrushStyle = bsSolid;
    TColor FontColor = clBlack;
    Integer FontHeight = 0;
    TFontStyles FontStyle = 0;
    Integer FontOrientation = 0;

    // "Name(a,b,c)" plus ' "text"' when there is text.
    std::string ToString() const;
};

class TRecordingCanvas : public TCanvas {
public:
    TRecordingCanvas() = default;
    explicit TRecordingCanvas(cairo_surface_t* Surface) : TCanvas(Surface) {}
    String ClassName() const override { return u"TRecordingCanvas"; }

    const std::vector<TCanvasCall>& Calls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }
    // The calls as ToString lines, for compact comparisons.
    std::vector<std::string> Log() const;

    using TCanvas::Ellipse;
    using TCanvas::Rectangle;

    void SelectClipRgn(const TRegion* Region) override;
    void IntersectClipRect(const TRect& R) override;
    void ExcludeClipRect(const TRect& R) override;
    void MoveTo(Integer X, Integer Y) override;
    void LineTo(Integer X, Integer Y) override;
    void Polyline(std::span<const TPoint> Points) override;
    void Polygon(std::span<const TPoint> Points) override;
    void Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2) override;
    void RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3) override;
    void Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2) override;
    void FillRect(const TRect& R) override;
    void FrameRect(const TRect& R) override;
    void DrawFocusRect(const TRect& R) override;
    void FloodFill(Integer X, Integer Y, TColor Color, TFillStyle FillStyle) override;
    void SetPixel(Integer X, Integer Y, TColor Color) override;
    void TextOut(Integer X, Integer Y, StringView Text) override;
    void TextRect(const TRect& R, Integer X, Integer Y, StringView Text) override;
    Integer DrawText(StringView Text, TRect& R, Cardinal Format) override;
    void Draw(Integer X, Integer Y, TGraphic* Graphic) override;
    void StretchDraw(const TRect& R, TGraphic* Graphic) override;
    void CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect) override;
    void BeginCall(const char* Name, std::initializer_list<Integer> Args) override;
    void EndCall() override;

private:
    // Logs a call unless it is part of a call already logged; the depth marks nesting.
    bool Enter(const char* Name, std::vector<Integer> Args, StringView Text = {});

    // Logs the call (when outermost), then makes it with every call inside it unlogged.
    template <typename F>
    auto Record(const char* Name, std::vector<Integer> Args, StringView Text, F&& Call)
    {
        Enter(Name, std::move(Args), Text);
        Depth d(m_depth);
        return Call();
    }

    struct Depth {
        explicit Depth(Integer& d) : d(d) { ++d; }
        ~Depth() { --d; }
        Depth(const Depth&) = delete;
        Depth& operator=(const Depth&) = delete;
        Integer& d;
    };

    std::vector<TCanvasCall> m_calls;
    Integer m_depth = 0;
};

}  // namespace gw
