// The recording canvas: every outermost drawing call is logged, then drawn.
#include "platform/graphics/recording_canvas.h"

#include "platform/graphics/graphic.h"
#include "platform/runtime/unicode.h"

namespace gw {

std::string TCanvasCall::ToString() const
{
    std::string s = Name + "(";
    for (size_t i = 0; i < Args.size(); ++i) s += (i ? "," : "") + std::to_string(Args[i]);
    s += ")";
    if (!Text.empty()) s += " \"" + StringToUtf8(Text) + "\"";
    return s;
}

std::vector<std::string> TRecordingCanvas::Log() const
{
    std::vector<std::string> out;
    for (const auto& c : m_calls) out.push_back(c.ToString());
    return out;
}

bool TRecordingCanvas::Enter(const char* Name, std::vector<Integer> Args, StringView Text)
{
    if (m_depth > 0) return false;
    TCanvasCall c;
    c.Name = Name;
    c.Args = std::move(Args);
    c.Text = String(Text);
    c.PenColor = Pen()->Color();
    c.PenStyle = Pen()->Style();
    c.PenMode = Pen()->Mode();
    c.PenWidth = Pen()->Width();
    c.BrushColor = Brush()->Color();
    c.BrushStyle = Brush()->Style();
    c.FontColor = Font()->Color();
    c.FontHeight = Font()->Height();
    c.FontStyle = Font()->Style();
    c.FontOrientation = Font()->Orientation();
    m_calls.push_back(std::move(c));
    return true;
}

void TRecordingCanvas::BeginCall(const char* Name, std::initializer_list<Integer> Args)
{
    Enter(Name, std::vector<Integer>(Args));
    ++m_depth;
}

void TRecordingCanvas::EndCall() { --m_depth; }

void TRecordingCanvas::SelectClipRgn(const TRegion* Region)
{
    TRect b = Region ? Region->Bounds() : TRect{};
    Enter("SelectClipRgn", Region ? std::vector<Integer>{b.Left, b.Top, b.Right, b.Bottom} : std::vector<Integer>{});
    Depth d(m_depth);
    TCanvas::SelectClipRgn(Region);
}

void TRecordingCanvas::IntersectClipRect(const TRect& R)
{
    Enter("IntersectClipRect", {R.Left, R.Top, R.Right, R.Bottom});
    Depth d(m_depth);
    TCanvas::IntersectClipRect(R);
}

void TRecordingCanvas::ExcludeClipRect(const TRect& R)
{
    Enter("ExcludeClipRect", {R.Left, R.Top, R.Right, R.Bottom});
    Depth d(m_depth);
    TCanvas::ExcludeClipRect(R);
}

void TRecordingCanvas::MoveTo(Integer X, Integer Y)
{
    Enter("MoveTo", {X, Y});
    Depth d(m_depth);
    TCanvas::MoveTo(X, Y);
}

void TRecordingCanvas::LineTo(Integer X, Integer Y)
{
    Enter("LineTo", {X, Y});
    Depth d(m_depth);
    TCanvas::LineTo(X, Y);
}

namespace {
std::vector<Integer> Flatten(std::span<const TPoint> Points)
{
    std::vector<Integer> out;
    for (const auto& p : Points) {
        out.push_back(p.X);
        out.push_back(p.Y);
    }
    return out;
}
}  // namespace

void TRecordingCanvas::Polyline(std::span<const TPoint> Points)
{
    Enter("Polyline", Flatten(Points));
    Depth d(m_depth);
    TCanvas::Polyline(Points);
}

void TRecordingCanvas::Polygon(std::span<const TPoint> Points)
{
    Enter("Polygon", Flatten(Points));
    Depth d(m_depth);
    TCanvas::Polygon(Points);
}

void TRecordingCanvas::Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    Enter("Rectangle", {X1, Y1, X2, Y2});
    Depth d(m_depth);
    TCanvas::Rectangle(X1, Y1, X2, Y2);
}

void TRecordingCanvas::RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3)
{
    Enter("RoundRect", {X1, Y1, X2, Y2, X3, Y3});
    Depth d(m_depth);
    TCanvas::RoundRect(X1, Y1, X2, Y2, X3, Y3);
}

void TRecordingCanvas::Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    Enter("Ellipse", {X1, Y1, X2, Y2});
    Depth d(m_depth);
    TCanvas::Ellipse(X1, Y1, X2, Y2);
}

void TRecordingCanvas::FillRect(const TRect& R)
{
    Enter("FillRect", {R.Left, R.Top, R.Right, R.Bottom});
    Depth d(m_depth);
    TCanvas::FillRect(R);
}

void TRecordingCanvas::FrameRect(const TRect& R)
{
    Enter("FrameRect", {R.Left, R.Top, R.Right, R.Bottom});
    Depth d(m_depth);
    TCanvas::FrameRect(R);
}

void TRecordingCanvas::DrawFocusRect(const TRect& R)
{
    Enter("DrawFocusRect", {R.Left, R.Top, R.Right, R.Bottom});
    Depth d(m_depth);
    TCanvas::DrawFocusRect(R);
}

void TRecordingCanvas::FloodFill(Integer X, Integer Y, TColor Color, TFillStyle FillStyle)
{
    Enter("FloodFill", {X, Y, Color, Integer(FillStyle)});
    Depth d(m_depth);
    TCanvas::FloodFill(X, Y, Color, FillStyle);
}

void TRecordingCanvas::SetPixel(Integer X, Integer Y, TColor Color)
{
    Enter("SetPixel", {X, Y, Color});
    Depth d(m_depth);
    TCanvas::SetPixel(X, Y, Color);
}

void TRecordingCanvas::TextOut(Integer X, Integer Y, StringView Text)
{
    Enter("TextOut", {X, Y}, Text);
    Depth d(m_depth);
    TCanvas::TextOut(X, Y, Text);
}

void TRecordingCanvas::TextRect(const TRect& R, Integer X, Integer Y, StringView Text)
{
    Enter("TextRect", {R.Left, R.Top, R.Right, R.Bottom, X, Y}, Text);
    Depth d(m_depth);
    TCanvas::TextRect(R, X, Y, Text);
}

Integer TRecordingCanvas::DrawText(StringView Text, TRect& R, Cardinal Format)
{
    Enter("DrawText", {R.Left, R.Top, R.Right, R.Bottom, Integer(Format)}, Text);
    Depth d(m_depth);
    return TCanvas::DrawText(Text, R, Format);
}

void TRecordingCanvas::Draw(Integer X, Integer Y, TGraphic* Graphic)
{
    Enter("Draw", {X, Y}, Graphic ? Graphic->ClassName() : u"nil");
    Depth d(m_depth);
    TCanvas::Draw(X, Y, Graphic);
}

void TRecordingCanvas::StretchDraw(const TRect& R, TGraphic* Graphic)
{
    Enter("StretchDraw", {R.Left, R.Top, R.Right, R.Bottom}, Graphic ? Graphic->ClassName() : u"nil");
    Depth d(m_depth);
    TCanvas::StretchDraw(R, Graphic);
}

void TRecordingCanvas::CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect)
{
    Enter("CopyRect", {Dest.Left, Dest.Top, Dest.Right, Dest.Bottom, SourceRect.Left, SourceRect.Top,
                       SourceRect.Right, SourceRect.Bottom, Integer(CopyMode)});
    Depth d(m_depth);
    TCanvas::CopyRect(Dest, Source, SourceRect);
}

}  // namespace gw
