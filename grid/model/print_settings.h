// Options of printing and print preview: page furniture, fonts, borders, margins, scaling. The
// printing code reads them; this record only holds them. Page distances are in tenths of a
// millimetre.
#pragma once

#include "grid/model/settings_grid.h"
#include "platform/graphics/colour.h"
#include "platform/graphics/pen.h"
#include "platform/runtime/component.h"

#include <memory>

namespace gw {

class TFont;
class TStringList;
class TStrings;

// The persistence format stores these three by ordinal: keep their orders.
enum TPrintPosition : uint8_t {
    ppNone,
    ppTopLeft,
    ppTopRight,
    ppTopCenter,
    ppBottomLeft,
    ppBottomRight,
    ppBottomCenter
};
enum TPrintBorders : uint8_t {
    pbNoborder,
    pbSingle,
    pbDouble,
    pbVertical,
    pbHorizontal,
    pbAround,
    pbAroundVertical,
    pbAroundHorizontal,
    pbCustom,
};
enum TFitToPage : uint8_t { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation : uint8_t { poPortrait, poLandscape };

class TPrintSettings : public TPersistent {
public:
    explicit TPrintSettings(TSettingsGrid* AOwner);
    ~TPrintSettings() override;
    String ClassName() const override { return u"TPrintSettings"; }
    // From other print settings only: every value, the fonts' and title lines' contents into this
    // object's own, but not FixedCellsAlways. Any other class raises EInvalidCast and changes
    // nothing.
    void Assign(TPersistent* Source) override;

    TSettingsGrid* Owner() const { return m_owner; }

    TPrintPosition Time = ppNone;
    TPrintPosition Date = ppNone;
    TPrintPosition PageNr = ppNone;
    // Between page number and page count; empty, or a one-page print, prints the number alone.
    String PageNumSep = u"/";
    String DateFormat = u"dd/mm/yyyy";
    TPrintPosition Title = ppNone;
    // The fonts and title lines are owned; the setters copy the given object's content.
    TFont* Font() const { return m_font.get(); }
    void SetFont(TFont* Value);
    TFont* HeaderFont() const { return m_headerFont.get(); }
    void SetHeaderFont(TFont* Value);
    TFont* FooterFont() const { return m_footerFont.get(); }
    void SetFooterFont(TFont* Value);
    TPrintBorders Borders = pbSingle;
    // Pen style of the printed cell borders.
    TPenStyle BorderStyle = psSolid;
    String TitleText;
    TStrings* TitleLines() const;
    void SetTitleLines(TStrings* Value);
    // The printed table is centred horizontally on the page.
    bool Centered = true;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    Integer FooterSize = 0;
    Integer HeaderSize = 0;
    Integer LeftSize = 0;
    Integer RightSize = 0;
    Integer ColumnSpacing = 0;
    Integer RowSpacing = 0;
    Integer TitleSpacing = 0;
    TPrinterOrientation Orientation = poPortrait;
    String PagePrefix;
    String PageSuffix;
    Integer FixedHeight = 0;
    bool UseFixedHeight = false;
    Integer FixedWidth = 0;
    bool UseFixedWidth = false;
    TFitToPage FitToPage = fpNever;
    bool NoAutoSize = false;
    // Cell graphics are printed.
    bool PrintGraphics = false;
    // Title of the print job.
    String JobName;
    bool NoAutoSizeRow = false;
    // Added to the printed page number and page count.
    Integer PageNumberOffset = 0;
    Integer MaxPagesOffset = 0;
    TFont* FixedFont() const { return m_fixedFont.get(); }
    void SetFixedFont(TFont* Value);
    // Print with the grid's own font instead of Font.
    bool UseDisplayFont = true;
    // Leave the printer's orientation as it is instead of applying Orientation.
    bool UseDefaultOrientation = false;
    bool FixedCellsAlways = false;
    TColor BorderColor = clBlack;

private:
    TSettingsGrid* m_owner;
    std::unique_ptr<TFont> m_font;
    std::unique_ptr<TFont> m_headerFont;
    std::unique_ptr<TFont> m_footerFont;
    std::unique_ptr<TStringList> m_titleLines;
    std::unique_ptr<TFont> m_fixedFont;
};

}  // namespace gw
