// The string grid's visual-properties file: its colours, fonts and looks as "Key=Value" lines
// (CR LF, Windows-1252). The grid fills a TVisualProps to save and applies one after loading.
#pragma once

#include "grid/model/background.h"
#include "grid/model/control_look.h"
#include "grid/model/grid_look.h"
#include "platform/graphics/colour.h"
#include "platform/graphics/font.h"

namespace gw {

// A font as the file keeps it. Its colour defaults to the window text colour, written as a
// number ("$FF000008"), which the file's names do not cover.
struct TVisualFont {
    TColor Color = clWindowText;
    TFontStyles Style = 0;
    Integer Size = 8;
    String Name = u"Tahoma";
};

// The properties the file stores, named as their keys; the grid's defaults.
struct TVisualProps {
    TColor Color = clWindow;
    TColor HintColor = clInfoBk;
    TColor SelectionColor = clHighlight;
    TColor SelectionColorTo = clNone;
    TColor SelectionMirrorColor = clNone;
    TColor SelectionMirrorColorTo = clNone;
    TColor SelectionTextColor = clHighlightText;
    TColor URLColor = clBlue;
    bool URLShow = false;
    bool URLShowInText = false;
    TColor ScrollColor = clNone;
    TColor ActiveRowColor = clInfoBk;
    bool ActiveRowShow = false;
    bool ActiveCellShow = false;
    TVisualFont Font;
    TColor ActiveCellColor = clGray;
    TColor ActiveCellColorTo = clNone;
    TVisualFont ActiveCellFont;
    TVisualFont FixedFont;
    struct {
        TColor BackgroundColor = clNone;
        TColor TextColor = clNone;
        Byte Transparency = 0;
    } Balloon;
    struct {
        TColor PrimaryColor = clInfoBk;
        TColor SecondaryColor = clWindow;
        bool Active = false;
    } Bands;
    struct {
        TColor IndexColor = clYellow;
    } SortSettings;
    struct {
        TColor Color = clBtnFace;
    } FloatingFooter;
    struct {
        Integer CheckSize = 15;
        TColor Color = clBlack;
        TColor CommentColor = clRed;
        TControlStyle ControlStyle = csWinXP;
        TColor FixedGradientFrom = clWhite;
        TColor FixedGradientTo = clBtnFace;
        Integer RadioSize = 10;
        bool FlatButton = false;
        TColor ProgressBorderColor = clGray;
        bool ProgressXP = false;
    } ControlLook;
    TGridLook Look = glClassic;
    struct {
        TColor Color = clWhite;
        TColor ColorTo = clWhite;
    } SearchFooter;
    struct {
        TColor HeaderColor = clNone;
        TColor HeaderColorTo = clNone;
        TColor HeaderTextColor = clNone;
        bool HeaderUnderline = false;
        TColor HeaderLineColor = clBlue;
        Integer HeaderLineWidth = 2;
        TColor SummaryColor = clNone;
        TColor SummaryColorTo = clNone;
        TColor SummaryTextColor = clNone;
        bool SummaryLine = false;
        TColor SummaryLineColor = clBlue;
        Integer SummaryLineWidth = 2;
    } Grouping;
    TColor GridLineColor = clSilver;
    TColor GridFixedLineColor = clGray;
    struct {
        Integer Top = 0;
        Integer Left = 0;
        TBackGroundDisplay Display = bdTile;
        TBackGroundCells Cells = bcNormal;
        TColor Color = clNone;
        TColor ColorTo = clNone;
    } BackGround;
};

// Writes every property, one line each in the file's order, through the atomic writer. A file
// that cannot be written raises EFCreateError "Cannot Create <name>" and keeps what it held.
void SaveVisualProps(const TVisualProps& Props, const String& FileName);

// Applies the file's keys to Props one by one (keys without case; a missing one reads as empty).
// An empty colour is clNone; a missing flag is false; an integer must be one (EConvertError
// otherwise, and so for a colour that is neither a name nor a number): Props then keeps the keys
// applied before, which the grid applies as well. An empty font name and an enumeration value
// that names nothing leave the property. A file that cannot be read raises EFOpenError
// "Cannot open file <name>" and changes nothing.
void LoadVisualProps(TVisualProps& Props, const String& FileName);

// Colours as the file names them: the 51 names of the classic palette and system colours (not
// the graphics layer's later aliases), else "$" and eight hexadecimal digits.
String VisualColorToString(TColor Color);
// A name of those (without case) or an integer text; EConvertError otherwise.
TColor VisualStringToColor(StringView Text);

}  // namespace gw
