// The visual-properties file: one walk over the properties, in file order, for writing and reading.
#include "grid/model/visual_props.h"

#include "platform/runtime/atomic_file.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/text_encoding.h"

#include <array>
#include <unordered_map>

namespace gw {

namespace {

constexpr std::array<const char16_t*, 7> kControlStyles = {u"csClassic", u"csFlat",  u"csWinXP", u"csBevel",
                                                           u"csZEQ",     u"csGlyph", u"csTheme"};
// glCustom has no name: it is written empty, and reading it leaves the look.
constexpr std::array<const char16_t*, 9> kLooks = {u"glStandard", u"glSoft",  u"glClassic", u"glZEQ",       u"glXP",
                                                   u"glListView", u"glVista", u"glWin7",    u"glOffice2007"};
constexpr std::array<const char16_t*, 4> kDisplays = {u"bdTile", u"bdFixed", u"bdGradientHorz", u"bdGradientVert"};
constexpr std::array<const char16_t*, 3> kCells = {u"bcNormal", u"bcFixed", u"bcAll"};
constexpr std::array<std::pair<TFontStyle, const char16_t*>, 4> kStyles = {
    {{fsBold, u"fsBold"}, {fsItalic, u"fsItalic"}, {fsUnderline, u"fsUnderline"}, {fsStrikeOut, u"fsStrikeOut"}}};

// The graphics layer names these as well; the file never did.
bool IsLaterAlias(StringView Name)
{
    return SameText(Name, u"clWindowText") || SameText(Name, u"clLtGray") || SameText(Name, u"clDkGray");
}

// Visits every property in the file's order. Reading applies the grid lines right after the
// search footer, as the grid always has; writing keeps them after the grouping.
template <class Props, class V>
void VisitProps(Props& P, V& v, bool ReadOrder)
{
    v.Colour(u"Color", P.Color);
    v.Colour(u"HintColor", P.HintColor);
    v.Colour(u"SelectionColor", P.SelectionColor);
    v.Colour(u"SelectionColorTo", P.SelectionColorTo);
    v.Colour(u"SelectionMirrorColor", P.SelectionMirrorColor);
    v.Colour(u"SelectionMirrorColorTo", P.SelectionMirrorColorTo);
    v.Colour(u"SelectionTextColor", P.SelectionTextColor);
    v.Colour(u"URLColor", P.URLColor);
    v.Flag(u"URLShow", P.URLShow);
    v.Flag(u"URLShowInText", P.URLShowInText);
    v.Colour(u"ScrollColor", P.ScrollColor);
    v.Colour(u"ActiveRowColor", P.ActiveRowColor);
    v.Flag(u"ActiveRowShow", P.ActiveRowShow);
    v.Flag(u"ActiveCellShow", P.ActiveCellShow);
    v.Font(u"Font", P.Font);
    v.Colour(u"ActiveCellColor", P.ActiveCellColor);
    v.Colour(u"ActiveCellColorTo", P.ActiveCellColorTo);
    v.Font(u"ActiveCellFont", P.ActiveCellFont);
    v.Font(u"FixedFont", P.FixedFont);
    v.Colour(u"Balloon.BackgroundColor", P.Balloon.BackgroundColor);
    v.Colour(u"Balloon.TextColor", P.Balloon.TextColor);
    v.LowByte(u"Balloon.Transparency", P.Balloon.Transparency);
    v.Colour(u"Bands.PrimaryColor", P.Bands.PrimaryColor);
    v.Colour(u"Bands.SecondaryColor", P.Bands.SecondaryColor);
    v.Flag(u"Bands.Active", P.Bands.Active);
    v.Colour(u"SortSettings.IndexColor", P.SortSettings.IndexColor);
    v.Colour(u"FloatingFooter.Color", P.FloatingFooter.Color);
    v.Int(u"ControlLook.CheckSize", P.ControlLook.CheckSize);
    v.Colour(u"ControlLook.Color", P.ControlLook.Color);
    v.Colour(u"ControlLook.CommentColor", P.ControlLook.CommentColor);
    v.Enum(u"ControlLook.ControlStyle", P.ControlLook.ControlStyle, kControlStyles);
    v.Colour(u"ControlLook.FixedGradientFrom", P.ControlLook.FixedGradientFrom);
    v.Colour(u"ControlLook.FixedGradientTo", P.ControlLook.FixedGradientTo);
    v.Int(u"ControlLook.RadioSize", P.ControlLook.RadioSize);
    v.Flag(u"ControlLook.FlatButton", P.ControlLook.FlatButton);
    v.Colour(u"ControlLook.ProgressBorderColor", P.ControlLook.ProgressBorderColor);
    v.Flag(u"ControlLook.ProgressXP", P.ControlLook.ProgressXP);
    v.Enum(u"Look", P.Look, kLooks);
    v.Colour(u"SearchFooter.Color", P.SearchFooter.Color);
    v.Colour(u"SearchFooter.ColorTo", P.SearchFooter.ColorTo);
    const auto gridLines = [&] {
        v.Colour(u"GridLineColor", P.GridLineColor);
        v.Colour(u"GridFixedLineColor", P.GridFixedLineColor);
    };
    if (ReadOrder) gridLines();
    v.Colour(u"Grouping.HeaderColor", P.Grouping.HeaderColor);
    v.Colour(u"Grouping.HeaderColorTo", P.Grouping.HeaderColorTo);
    v.Colour(u"Grouping.HeaderTextColor", P.Grouping.HeaderTextColor);
    v.Flag(u"Grouping.HeaderUnderline", P.Grouping.HeaderUnderline);
    v.Colour(u"Grouping.HeaderLineColor", P.Grouping.HeaderLineColor);
    v.Int(u"Grouping.HeaderLineWidth", P.Grouping.HeaderLineWidth);
    v.Colour(u"Grouping.SummaryColor", P.Grouping.SummaryColor);
    v.Colour(u"Grouping.SummaryColorTo", P.Grouping.SummaryColorTo);
    v.Colour(u"Grouping.SummaryTextColor", P.Grouping.SummaryTextColor);
    v.Flag(u"Grouping.SummaryLine", P.Grouping.SummaryLine);
    v.Colour(u"Grouping.SummaryLineColor", P.Grouping.SummaryLineColor);
    v.Int(u"Grouping.SummaryLineWidth", P.Grouping.SummaryLineWidth);
    if (!ReadOrder) gridLines();
    v.Int(u"BackGround.Top", P.BackGround.Top);
    v.Int(u"BackGround.Left", P.BackGround.Left);
    v.Enum(u"BackGround.Display", P.BackGround.Display, kDisplays);
    v.Enum(u"BackGround.Cells", P.BackGround.Cells, kCells);
    v.Colour(u"BackGround.Color", P.BackGround.Color);
    v.Colour(u"BackGround.ColorTo", P.BackGround.ColorTo);
}

class TWriter {
public:
    String Text;

    void Colour(StringView Key, TColor Value) { Line(Key, VisualColorToString(Value)); }
    void Flag(StringView Key, bool Value) { Line(Key, Value ? u"true" : u"false"); }
    void Int(StringView Key, Integer Value) { Line(Key, IntToStr(Value)); }
    void LowByte(StringView Key, Byte Value) { Int(Key, Value); }
    template <class E, size_t N>
    void Enum(StringView Key, E Value, const std::array<const char16_t*, N>& Names)
    {
        const auto ordinal = static_cast<size_t>(Value);
        Line(Key, ordinal < N ? String(Names[ordinal]) : String());
    }
    void Font(StringView Name, const TVisualFont& F)
    {
        const String prefix = String(Name) + u".";
        Colour(prefix + u"Color", F.Color);
        String styles;
        for (const auto& [style, name] : kStyles)
            if (F.Style & style) styles += (styles.empty() ? u"" : u",") + String(name);
        Line(prefix + u"Style", styles);
        Int(prefix + u"Size", F.Size);
        Line(prefix + u"Name", F.Name);
    }

private:
    void Line(StringView Key, StringView Value) { Text += String(Key) + u"=" + String(Value) + u"\r\n"; }
};

class TReader {
public:
    explicit TReader(const TStrings& Lines)
    {
        for (Integer i = 0; i < Lines.Count(); ++i) {
            const String line = Lines.Strings(i);
            const size_t eq = line.find(u'=');
            if (eq != String::npos)
                m_values.try_emplace(UpperCase(StringView(line).substr(0, eq)), line.substr(eq + 1));
        }
    }

    void Colour(StringView Key, TColor& Value)
    {
        const String text = Find(Key);
        Value = text.empty() ? clNone : VisualStringToColor(text);
    }
    void Flag(StringView Key, bool& Value) { Value = UpperCase(Find(Key)) == u"TRUE"; }
    void Int(StringView Key, Integer& Value) { Value = StrToInt(Find(Key)); }
    void LowByte(StringView Key, Byte& Value) { Value = static_cast<Byte>(StrToInt(Find(Key)) & 0xFF); }
    template <class E, size_t N>
    void Enum(StringView Key, E& Value, const std::array<const char16_t*, N>& Names)
    {
        const String text = Find(Key);
        for (size_t i = 0; i < N; ++i)
            if (SameText(text, Names[i])) Value = static_cast<E>(i);
    }
    void Font(StringView Name, TVisualFont& F)
    {
        const String prefix = String(Name) + u".";
        Colour(prefix + u"Color", F.Color);
        const String styles = Find(prefix + u"Style");
        F.Style = 0;
        for (const auto& [style, name] : kStyles)
            if (Pos(name, styles) > 0) F.Style |= style;
        Int(prefix + u"Size", F.Size);
        if (String name = Find(prefix + u"Name"); !name.empty()) F.Name = std::move(name);
    }

private:
    String Find(StringView Key) const
    {
        const auto it = m_values.find(UpperCase(Key));
        return it == m_values.end() ? String() : it->second;
    }

    std::unordered_map<String, String> m_values;
};

}  // namespace

String VisualColorToString(TColor Color)
{
    String name;
    if (ColorToIdent(Color, name) && !IsLaterAlias(name)) return name;
    return u"$" + IntToHex(static_cast<Cardinal>(Color), 8);
}

TColor VisualStringToColor(StringView Text)
{
    Integer value = 0;
    if (!IsLaterAlias(Text) && IdentToColor(Text, value)) return value;
    return StrToInt(Text);
}

void SaveVisualProps(const TVisualProps& Props, const String& FileName)
{
    TWriter writer;
    VisitProps(Props, writer, false);
    try {
        WriteFileAtomic(FileName, StringToAnsi(writer.Text));
    } catch (const EStreamError&) {
        throw EFCreateError(u"Cannot Create " + FileName);
    }
}

void LoadVisualProps(TVisualProps& Props, const String& FileName)
{
    TStringList lines;
    try {
        lines.LoadFromFile(FileName, TTextEncoding::Ansi);
    } catch (const EStreamError&) {
        throw EFOpenError(u"Cannot open file " + FileName);
    }
    TReader reader(lines);
    VisitProps(Props, reader, true);
}

}  // namespace gw
