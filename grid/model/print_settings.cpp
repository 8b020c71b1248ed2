// Print settings: the owned fonts and title lines, and the copy rule.
#include "grid/model/print_settings.h"

#include "platform/graphics/font.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/string_list.h"

namespace gw {

TPrintSettings::TPrintSettings(TSettingsGrid* AOwner)
    : m_owner(AOwner), m_font(std::make_unique<TFont>()), m_headerFont(std::make_unique<TFont>()),
      m_footerFont(std::make_unique<TFont>()), m_titleLines(std::make_unique<TStringList>()),
      m_fixedFont(std::make_unique<TFont>())
{
}

TPrintSettings::~TPrintSettings() = default;

TStrings* TPrintSettings::TitleLines() const { return m_titleLines.get(); }

void TPrintSettings::SetFont(TFont* Value) { m_font->Assign(Value); }
void TPrintSettings::SetHeaderFont(TFont* Value) { m_headerFont->Assign(Value); }
void TPrintSettings::SetFooterFont(TFont* Value) { m_footerFont->Assign(Value); }
void TPrintSettings::SetFixedFont(TFont* Value) { m_fixedFont->Assign(Value); }
void TPrintSettings::SetTitleLines(TStrings* Value) { m_titleLines->Assign(Value); }

void TPrintSettings::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TPrintSettings*>(Source);
    if (!from) throw EInvalidCast(u"Invalid class typecast");
    Time = from->Time;
    Date = from->Date;
    PageNr = from->PageNr;
    PageNumSep = from->PageNumSep;
    DateFormat = from->DateFormat;
    Title = from->Title;
    m_font->Assign(from->m_font.get());
    m_headerFont->Assign(from->m_headerFont.get());
    m_footerFont->Assign(from->m_footerFont.get());
    Borders = from->Borders;
    BorderStyle = from->BorderStyle;
    TitleText = from->TitleText;
    m_titleLines->Assign(from->m_titleLines.get());
    Centered = from->Centered;
    RepeatFixedRows = from->RepeatFixedRows;
    RepeatFixedCols = from->RepeatFixedCols;
    FooterSize = from->FooterSize;
    HeaderSize = from->HeaderSize;
    LeftSize = from->LeftSize;
    RightSize = from->RightSize;
    ColumnSpacing = from->ColumnSpacing;
    RowSpacing = from->RowSpacing;
    TitleSpacing = from->TitleSpacing;
    Orientation = from->Orientation;
    PagePrefix = from->PagePrefix;
    PageSuffix = from->PageSuffix;
    FixedHeight = from->FixedHeight;
    UseFixedHeight = from->UseFixedHeight;
    FixedWidth = from->FixedWidth;
    UseFixedWidth = from->UseFixedWidth;
    FitToPage = from->FitToPage;
    NoAutoSize = from->NoAutoSize;
    PrintGraphics = from->PrintGraphics;
    JobName = from->JobName;
    NoAutoSizeRow = from->NoAutoSizeRow;
    PageNumberOffset = from->PageNumberOffset;
    MaxPagesOffset = from->MaxPagesOffset;
    m_fixedFont->Assign(from->m_fixedFont.get());
    UseDisplayFont = from->UseDisplayFont;
    UseDefaultOrientation = from->UseDefaultOrientation;
    BorderColor = from->BorderColor;
}

}  // namespace gw
