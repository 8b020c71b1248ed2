// How much room a cell's graphic takes beside its text, on screen (the painter and the automatic
// sizes ask) and in print; what else the painter asks of a cell: the text it shows (links, group
// counts), the sort indicator's row, the web-address settings; and the repaint of the active
// cell's headers.
#include "grid/foundation/file_picture.h"
#include "grid/foundation/text_utils.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/grouping.h"
#include "grid/model/sort_settings.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/image_formats.h"
#include "platform/graphics/image_list.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/format.h"
#include "platform/runtime/string_list.h"

#include <algorithm>
#include <cmath>

namespace gw {

namespace {

bool Beside(const TCellGraphic& G) { return G.CellHAlign == haBeforeText || G.CellHAlign == haAfterText; }
bool Stacked(const TCellGraphic& G) { return G.CellVAlign == vaUnderText || G.CellVAlign == vaAboveText; }

bool IsCheckBoxType(TCellType T)
{
    return T == ctCheckBox || T == ctDataCheckBox || T == ctVirtCheckBox || T == ctRowCheckBox ||
        T == ctTriStateCheckBox;
}

TPoint ButtonSize(const TCellGraphic& G) { return {G.CellIndex & 0xFFFF, (G.CellIndex >> 16) & 0xFFFF}; }

TPoint InterfaceSize(const TCellGraphic& G)
{
    const ICellPainter* painter = G.Painter();
    return painter ? TPoint{painter->GetWidth(), painter->GetHeight()} : TPoint{};
}

TPoint GraphicObjectSize(const TCellGraphic& G)
{
    if (G.CellType == ctIcon) return G.CellIcon() ? TPoint{G.CellIcon()->Width(), G.CellIcon()->Height()} : TPoint{};
    const TBitmap* bmp = G.Bitmap();
    return bmp ? TPoint{bmp->Width(), bmp->Height()} : TPoint{};
}

}  // namespace

TPoint TExtStringGrid::ImageListSize(Integer ACol, Integer ARow)
{
    const TCustomImageList* images = GetCellImageList(ACol, ARow);
    return images ? TPoint{images->Width(), images->Height()} : TPoint{};
}

TPoint TExtStringGrid::CalcRadioSize(const TCellGraphic& G, bool Print)
{
    const TStrings* items = G.Strings();
    if (!items) return {};
    const TCanvas& canvas = *Canvas();
    const Integer textHeight = canvas.TextHeight(u"gh");
    TPoint size;
    if (G.CellBoolean) {
        for (Integer i = 0; i < items->Count(); ++i) size.X += canvas.TextWidth(items->Strings(i)) + 12;
        size.Y = textHeight;
        return size;
    }
    Integer widest = 0;
    for (Integer i = 0; i < items->Count(); ++i) widest = std::max(widest, canvas.TextWidth(items->Strings(i)));
    size.X = 12 + widest;
    size.Y = (Print ? textHeight : std::max(16, textHeight)) * items->Count();
    return size;
}

TPoint TExtStringGrid::GetCellGraphicSize(Integer ACol, Integer ARow) { return CalcCellGraphicSize(ACol, ARow, 0); }

TPoint TExtStringGrid::CalcCellGraphicSize(Integer ACol, Integer ARow, Integer Reserve)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return {};
    const bool text = !GetCellEx(ACol, ARow).empty();
    const bool wide = Beside(*g) || !text;
    const bool tall = Stacked(*g) || !text;
    bool keepWidth = g->CellType == ctRating;
    TPoint size;
    switch (g->CellType) {
    case ctIcon: {
        const TPoint icon = GraphicObjectSize(*g);
        size = {wide ? icon.X : 0, icon.Y};
        break;
    }
    case ctBitmap: {
        const TPoint bmp = GraphicObjectSize(*g);
        size = {wide ? bmp.X : 0, tall ? bmp.Y : 0};
        break;
    }
    case ctImageList:
    case ctDataImage: {
        const TPoint image = ImageListSize(ACol, ARow);
        size = {wide ? image.X : 0, tall ? image.Y : 0};
        break;
    }
    case ctPicture:
    case ctFilePicture: {
        const TPoint cell = CellSize(ACol, ARow);
        const Integer times = 2;
        size = g->GetPictureSize(cell.X - 1 - times * XYOffset.X, cell.Y - 1 - times * XYOffset.Y - Reserve, text);
        break;
    }
    case ctButton:
    case ctBitButton: {
        size = ButtonSize(*g);
        const Integer captionWidth = Canvas()->TextWidth(g->CellText) + 4;
        if (text) {
            if (g->CellHAlign == haCenter) size.X = 0;
            if (g->CellHAlign == haFull) size.X = captionWidth;
            if (Stacked(*g))
                size.X = 0;
            else
                size.Y = 0;
        } else if (g->CellHAlign == haFull) {
            size.X = captionWidth;
            keepWidth = !g->CellText.empty();
        }
        break;
    }
    case ctInterface:
        size = InterfaceSize(*g);
        if (size.X == 0 || size.Y == 0) size = CellSize(ACol, ARow);
        break;
    case ctProgressPie: size = {20, 20}; break;
    case ctRadioButton: size = {m_controlLook->RadioSize(), m_controlLook->RadioSize()}; break;
    case ctRadio: size = CalcRadioSize(*g, false); break;
    case ctRating: size = {g->CellAngle * 18, 16}; break;
    case ctImages: {
        const TPoint image = ImageListSize(ACol, ARow);
        const Integer count = g->IntList() ? g->IntList()->Count() : 0;
        size = g->CellBoolean ? TPoint{count * image.X, image.Y} : TPoint{image.X, count * image.Y};
        break;
    }
    default:
        if (IsCheckBoxType(g->CellType)) size = {m_controlLook->CheckSize(), m_controlLook->CheckSize()};
        break;
    }
    const TRect cell = CellRect(ACol, ARow);
    if (g->CellVAlign == vaFull) {
        size.Y = cell.Bottom - cell.Top;
        if (g->CellHAlign == haFull) size.X = cell.Right - cell.Left;
    } else if (g->CellHAlign == haFull && !keepWidth) {
        size.X = cell.Right - cell.Left;
    }
    return size;
}

TPoint TExtStringGrid::CalcPrintGraphicSize(Integer ACol, Integer ARow, Integer AvailWidth, Integer AvailHeight,
                                            double Scale)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return {};
    switch (g->CellType) {
    case ctIcon:
    case ctBitmap: return GraphicObjectSize(*g);
    case ctPicture:
    case ctFilePicture: {
        const TPoint size = g->GetPictureSize(AvailWidth, AvailHeight, false);
        return {Integer(std::lround(size.X / Scale)), Integer(std::lround(size.Y / Scale))};
    }
    case ctButton:
    case ctBitButton: return ButtonSize(*g);
    case ctInterface: {
        if (!g->Painter()) return {};
        TPoint size = InterfaceSize(*g);
        const TRect cell = CellRect(ACol, ARow);
        if (size.X == 0) size.X = cell.Right - cell.Left;
        if (size.Y == 0) size.Y = cell.Bottom - cell.Top;
        return size;
    }
    case ctDataImage: return ImageListSize(ACol, ARow);
    case ctImageList: {
        const TPoint image = ImageListSize(ACol, ARow);
        const bool wide = Beside(*g) || GetCellEx(ACol, ARow).empty();
        return {wide ? image.X : 0, image.Y};
    }
    case ctRadioButton: return {m_controlLook->RadioSize(), m_controlLook->RadioSize()};
    case ctProgressPie:
    case ctNode: return {20, 20};
    case ctRadio: return CalcRadioSize(*g, true);
    case ctImages: return CalcCellGraphicSize(ACol, ARow, 0);
    case ctProgress:
    case ctXPProgress: return {ColWidths(ACol), RowHeights(ARow)};
    case ctShape: {
        const Integer side = RowHeights(ARow) - 2 * XYOffset.Y;
        return {side, side};
    }
    default:
        if (IsCheckBoxType(g->CellType)) return {m_controlLook->CheckSize(), m_controlLook->CheckSize()};
        return {};
    }
}

bool TExtStringGrid::IsSortIndicatorCell(Integer ACol, Integer ARow)
{
    const Integer lastRow = ARow + CellSpan(ACol, ARow).Y;
    return lastRow == m_sortSettings->Row() && m_sortSettings->Show() && RowCount() > FixedRows() + 1;
}

// --- the text a cell shows ----------------------------------------------------------------------

namespace {

// Tried in this order; the first that makes a link of an address in the text wins.
constexpr const char16_t* Link_Prefixes[] = {u"HTTP://",  u"WWW.",    u"MAILTO:", u"HTTPS://",
                                             u"NNTP://", u"FILE://", u"FTP://"};

}  // namespace

void TExtStringGrid::GetDisplText(Integer ACol, Integer ARow, String& Value)
{
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    if (m_urlShowInText) {
        String linked;
        for (const char16_t* prefix : Link_Prefixes)
            if (AutoLinkURL(Value, prefix, linked) != 0) {
                Value = linked;
                break;
            }
    }
    if (m_grouping->ShowGroupCount && ACol == 1 && IsNode(ARow)) {
        // The rows of the group that are data rows: the node's own row and its sub-nodes are not.
        const Integer count = GetNodeSpan(ARow) - GetSubNodeCount(ARow) - 1;
        // A user format goes through the runtime's Format, which raises on a mismatch.
        Value += m_grouping->GroupCountFormat.empty() ? u" (" + IntToStr(count) + u")"
                                                      : Format(m_grouping->GroupCountFormat, {count});
    }
}

void TExtStringGrid::SetURLShow(bool Value)
{
    if (m_urlShow == Value) return;
    m_urlShow = Value;
    Invalidate();
}

void TExtStringGrid::SetURLShowInText(bool Value)
{
    if (m_urlShowInText == Value) return;
    m_urlShowInText = Value;
    Invalidate();
}

void TExtStringGrid::SetURLFull(bool Value)
{
    m_urlFull = Value;
    if (m_urlShow) Invalidate();
}

void TExtStringGrid::RepaintActiveHeaders(Integer OldCol, Integer OldRow, Integer NewCol, Integer NewRow)
{
    for (const TPoint cell : {TPoint{OldCol, OldRow}, TPoint{NewCol, NewRow}}) {
        if (FixedRows() > 0) RepaintCell(cell.X, FixedRows() - 1);
        if (FixedCols() > 0) RepaintCell(FixedCols() - 1, cell.Y);
    }
}

}  // namespace gw
