// The recording canvas: every outermost drawing call is logged, then drawn.
#include "platform/graphics/recording_canvas.h"

#include "platform/graphics/graphic.h"
#include "platform/runtime/unicode.h"

namespace gw {

namespace {
// A rectangle's edges, then any further arguments.
std::vector<Integer> Edges(const TRect& R, std::initializer_list<Integer> More = {})
{
    std::vector<Integer> out{R.Left, R.Top, R.Right, R.Bottom};
    out.insert(out.end(), More);
    return out;
}

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
    Record("SelectClipRgn", Region ? Edges(Region->Bounds()) : std::vector<Integer>{}, {},
           [&] { TCanvas::SelectClipRgn(Region); });
}

void TRecordingCanvas::IntersectClipRect(const TRect& R)
{
    Record("IntersectClipRect", Edges(R), {}, [&] { TCanvas::IntersectClipRect(R); });
}

void TRecordingCanvas::ExcludeClipRect(const TRect& R)
{
    Record("ExcludeClipRect", Edges(R), {}, [&] { TCanvas::ExcludeClipRect(R); });
}

void TRecordingCanvas::MoveTo(Integer X, Integer Y)
{
    Record("MoveTo", {X, Y}, {}, [&] { TCanvas::MoveTo(X, Y); });
}

void TRecordingCanvas::LineTo(Integer X, Integer Y)
{
    Record("LineTo", {X, Y}, {}, [&] { TCanvas::LineTo(X, Y); });
}

void TRecordingCanvas::Polyline(std::span<const TPoint> Points)
{
    Record("Polyline", Flatten(Points), {}, [&] { TCanvas::Polyline(Points); });
}

void TRecordingCanvas::Polygon(std::span<const TPoint> Points)
{
    Record("Polygon", Flatten(Points), {}, [&] { TCanvas::Polygon(Points); });
}

void TRecordingCanvas::Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    Record("Rectangle", {X1, Y1, X2, Y2}, {}, [&] { TCanvas::Rectangle(X1, Y1, X2, Y2); });
}

void TRecordingCanvas::RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3)
{
    Record("RoundRect", {X1, Y1, X2, Y2, X3, Y3}, {}, [&] { TCanvas::RoundRect(X1, Y1, X2, Y2, X3, Y3); });
}

void TRecordingCanvas::Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2)
{
    Record("Ellipse", {X1, Y1, X2, Y2}, {}, [&] { TCanvas::Ellipse(X1, Y1, X2, Y2); });
}

void TRecordingCanvas::FillRect(const TRect& R)
{
    Record("FillRect", Edges(R), {}, [&] { TCanvas::FillRect(R); });
}

void TRecordingCanvas::FrameRect(const TRect& R)
{
    Record("FrameRect", Edges(R), {}, [&] { TCanvas::FrameRect(R); });
}

void TRecordingCanvas::DrawFocusRect(const TRect& R)
{
    Record("DrawFocusRect", Edges(R), {}, [&] { TCanvas::DrawFocusRect(R); });
}

void TRecordingCanvas::FloodFill(Integer X, Integer Y, TColor Color, TFillStyle FillStyle)
{
    Record("FloodFill", {X, Y, Color, Integer(FillStyle)}, {}, [&] { TCanvas::FloodFill(X, Y, Color, FillStyle); });
}

void TRecordingCanvas::SetPixel(Integer X, Integer Y, TColor Color)
{
    Record("SetPixel", {X, Y, Color}, {}, [&] { TCanvas::SetPixel(X, Y, Color); });
}

void TRecordingCanvas::TextOut(Integer X, Integer Y, StringView Text)
{
    Record("TextOut", {X, Y}, Text, [&] { TCanvas::TextOut(X, Y, Text); });
}

void TRecordingCanvas::TextRect(const TRect& R, Integer X, Integer Y, StringView Text)
{
    Record("TextRect", Edges(R, {X, Y}), Text, [&] { TCanvas::TextRect(R, X, Y, Text); });
}

Integer TRecordingCanvas::DrawText(StringView Text, TRect& R, Cardinal Format)
{
    return Record("DrawText", Edges(R, {Integer(Format)}), Text, [&] { return TCanvas::DrawText(Text, R, Format); });
}

void TRecordingCanvas::Draw(Integer X, Integer Y, TGraphic* Graphic)
{
    Record("Draw", {X, Y}, Graphic ? Graphic->ClassName() : u"nil", [&] { TCanvas::Draw(X, Y, Graphic); });
}

void TRecordingCanvas::StretchDraw(const TRect& R, TGraphic* Graphic)
{
    Record("StretchDraw", Edges(R), Graphic ? Graphic->ClassName() : u"nil", [&] { TCanvas::StretchDraw(R, Graphic); });
}

void TRecordingCanvas::CopyRect(const TRect& Dest, TCanvas* Source, const TRect& SourceRect)
{
    std::vector<Integer> args = Edges(Dest);
    for (Integer v : Edges(SourceRect, {Integer(CopyMode)})) args.push_back(v);
    Record("CopyRect", std::move(args), {}, [&] { TCanvas::CopyRect(Dest, Source, SourceRect); });
}

}  // namespace gw
