// The print settings section of an INI file.
#include "grid/model/print_settings_file.h"

#include "grid/foundation/csv_utils.h"
#include "platform/graphics/font.h"
#include "platform/runtime/ini_file.h"
#include "platform/runtime/string_list.h"

namespace gw {

namespace {

// One section of an open INI file, in the section's value forms.
class TPrintSection {
public:
    TPrintSection(const String& FileName, String Section) : m_file(FileName), m_section(std::move(Section)) {}

    void PutInt(StringView Key, Integer Value) { m_file.WriteInteger(m_section, Key, Value); }
    void PutFlag(StringView Key, bool Value) { m_file.WriteString(m_section, Key, Value ? u"Y" : u"N"); }
    void PutText(StringView Key, StringView Value) { m_file.WriteString(m_section, Key, Value); }
    void PutFont(StringView Prefix, const TFont& F)
    {
        const String p(Prefix);
        PutText(p + u"Name", F.Name());
        PutInt(p + u"Size", F.Size());
        PutInt(p + u"Style", F.Style());
        PutInt(p + u"Color", F.Color());
    }

    Integer Int(StringView Key, Integer Default) { return m_file.ReadInteger(m_section, Key, Default); }
    bool Flag(StringView Key, bool Default) { return m_file.ReadString(m_section, Key, Default ? u"Y" : u"N") == u"Y"; }
    String Text(StringView Key) { return m_file.ReadString(m_section, Key, u""); }
    // An ordinal from First to Last, or nothing.
    template <class E>
    void Enum(StringView Key, E& Value, Integer First, Integer Last)
    {
        if (const Integer v = Int(Key, 0); v >= First && v <= Last) Value = static_cast<E>(v);
    }
    TPrintPosition Position(StringView Key)
    {
        const Integer v = Int(Key, 0);
        return v >= 1 && v <= 6 ? static_cast<TPrintPosition>(v) : ppNone;
    }
    void ReadFont(StringView Prefix, TFont& F)
    {
        const String p(Prefix);
        F.SetName(m_file.ReadString(m_section, p + u"Name", u"Arial"));
        F.SetSize(Int(p + u"Size", 10));
        F.SetStyle(static_cast<TFontStyles>(F.Style() | (Int(p + u"Style", 0) & 0x0F)));
        F.SetColor(Int(p + u"Color", 0));
    }

    void Update() { m_file.UpdateFile(); }

private:
    TMemIniFile m_file;
    String m_section;
};

}  // namespace

void SavePrintSettings(const TPrintSettings& S, const String& FileName, const String& Section)
{
    TPrintSection f(FileName, Section);
    f.PutInt(u"ColumnSpacing", S.ColumnSpacing);
    f.PutInt(u"RowSpacing", S.RowSpacing);
    f.PutInt(u"TitleSpacing", S.TitleSpacing);
    f.PutInt(u"FixedHeight", S.FixedHeight);
    f.PutInt(u"FixedWidth", S.FixedWidth);
    f.PutFlag(u"Centered", S.Centered);
    f.PutFlag(u"NoAutoSize", S.NoAutoSize);
    f.PutFlag(u"UseFixedHeight", S.UseFixedHeight);
    f.PutFlag(u"UseFixedWidth", S.UseFixedWidth);
    f.PutFlag(u"RepeatFixedRows", S.RepeatFixedRows);
    f.PutFlag(u"RepeatFixedCols", S.RepeatFixedCols);
    f.PutFlag(u"UseDisplFont", S.UseDisplayFont);
    f.PutFlag(u"UseDefOrientation", S.UseDefaultOrientation);
    f.PutInt(u"Borders", S.Borders);
    f.PutInt(u"BorderColor", S.BorderColor);
    f.PutInt(u"BorderStyle", S.BorderStyle);
    f.PutInt(u"Date", S.Date);
    f.PutInt(u"PageNr", S.PageNr);
    f.PutInt(u"Title", S.Title);
    f.PutInt(u"Time", S.Time);
    f.PutText(u"DateFormat", S.DateFormat);
    f.PutText(u"TitleText", S.TitleText);
    f.PutInt(u"FooterSize", S.FooterSize);
    f.PutInt(u"HeaderSize", S.HeaderSize);
    f.PutInt(u"LeftSize", S.LeftSize);
    f.PutInt(u"RightSize", S.RightSize);
    f.PutInt(u"FitToPage", S.FitToPage);
    f.PutFont(u"Font", *S.Font());
    f.PutFont(u"HeaderFont", *S.HeaderFont());
    f.PutFont(u"FooterFont", *S.FooterFont());
    f.PutText(u"PageNumSep", S.PageNumSep);
    f.PutText(u"PageSuffix", S.PageSuffix);
    f.PutText(u"PagePrefix", S.PagePrefix);
    f.PutInt(u"Orientation", S.Orientation);
    f.PutText(u"TitleLines", EscapeNewlines(S.TitleLines()->Text()));
    f.PutFlag(u"PrintGraphics", S.PrintGraphics);
    f.Update();
}

void LoadPrintSettings(TPrintSettings& S, const String& FileName, const String& Section)
{
    TPrintSection f(FileName, Section);
    S.ColumnSpacing = f.Int(u"ColumnSpacing", 20);
    S.RowSpacing = f.Int(u"RowSpacing", 20);
    S.TitleSpacing = f.Int(u"TitleSpacing", 20);
    S.FixedHeight = f.Int(u"FixedHeight", 0);
    S.FixedWidth = f.Int(u"FixedWidth", 0);
    S.Centered = f.Flag(u"Centered", true);
    S.NoAutoSize = f.Flag(u"NoAutoSize", false);
    S.UseFixedHeight = f.Flag(u"UseFixedHeight", false);
    S.UseFixedWidth = f.Flag(u"UseFixedWidth", false);
    S.RepeatFixedRows = f.Flag(u"RepeatFixedRows", false);
    S.RepeatFixedCols = f.Flag(u"RepeatFixedCols", false);
    S.UseDisplayFont = f.Flag(u"UseDisplFont", false);
    S.UseDefaultOrientation = f.Flag(u"UseDefOrientation", false);
    f.Enum(u"Borders", S.Borders, pbNoborder, pbCustom);
    S.BorderColor = f.Int(u"BorderColor", 0);
    f.Enum(u"BorderStyle", S.BorderStyle, psSolid, psInsideFrame);
    S.Date = f.Position(u"Date");
    S.PageNr = f.Position(u"PageNr");
    S.Title = f.Position(u"Title");
    S.Time = f.Position(u"Time");
    S.DateFormat = f.Text(u"DateFormat");
    S.TitleText = f.Text(u"TitleText");
    S.FooterSize = f.Int(u"FooterSize", 100);
    S.HeaderSize = f.Int(u"HeaderSize", 100);
    S.LeftSize = f.Int(u"LeftSize", 100);
    S.RightSize = f.Int(u"RightSize", 100);
    f.Enum(u"FitToPage", S.FitToPage, fpNever, fpCustom);
    f.ReadFont(u"Font", *S.Font());
    f.ReadFont(u"HeaderFont", *S.HeaderFont());
    f.ReadFont(u"FooterFont", *S.FooterFont());
    S.PageNumSep = f.Text(u"PageNumSep");
    S.PageSuffix = f.Text(u"PageSuffix");
    S.PagePrefix = f.Text(u"PagePrefix");
    f.Enum(u"Orientation", S.Orientation, poPortrait, poLandscape);
    S.TitleLines()->SetText(UnescapeNewlines(f.Text(u"TitleLines")));
    S.PrintGraphics = f.Flag(u"PrintGraphics", false);
    f.Update();
}

}  // namespace gw
