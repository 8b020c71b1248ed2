// The string grid's cell graphics: finding, attaching and removing a cell's TCellGraphic, the
// Add/Create/Has/Get/Remove family of each kind, markers, comments, cell scroll bars, image
// indexes, rotated text, button geometry and the hooks of this group.
#include "grid/foundation/file_picture.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/model/control_look.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/image_formats.h"

#include <typeinfo>

namespace gw {

// --- lookup ------------------------------------------------------------------------------------

TCellGraphic* TExtStringGrid::OwnCellGraphic(Integer ACol, Integer ARow) const
{
    if (ACol < 0 || ARow < 0) return nullptr;
    return CellGraphicOf(GetGraphicObjectEx(ACol, ARow));
}

TCellGraphic* TExtStringGrid::CellGraphicOf(TObject* Graphic)
{
    // The exact class first: whole-column walks ask this of every cell.
    if (!Graphic || typeid(*Graphic) == typeid(TCellGraphic)) return static_cast<TCellGraphic*>(Graphic);
    return dynamic_cast<TCellGraphic*>(Graphic);
}

TCellGraphic* TExtStringGrid::GetCellGraphic(Integer ACol, Integer ARow)
{
    if (ACol != 0 || !m_mouseActions->HotmailRowSelect()) return OwnCellGraphic(ACol, ARow);
    // The shared row check box, filled afresh: the header row shows the whole grid's state.
    TCellGraphic& g = *m_cellGraphic;
    g.CellType = ctRowCheckBox;
    g.CellTransparent = m_controlLook->ControlStyle() == csFlat;
    g.CellAngle = 0;
    if (ARow == 0) {
        const Integer selected = RowSelectCount();
        const Integer normal = RowCount() - FixedRows();
        g.CellBoolean = selected >= normal;
        g.CellAngle = selected >= 1 && selected < normal ? 1 : 0;
    } else {
        g.CellBoolean = GetRowSelect(RealRowIndex(ARow));
    }
    return &g;
}

TCellType TExtStringGrid::GetCellType(Integer ACol, Integer ARow)
{
    if (ACol < 0 || ARow < 0) return ctEmpty;
    TObject* slot = GetGraphicObjectEx(ACol, ARow);
    auto* g = dynamic_cast<TCellGraphic*>(slot);
    if (slot && !g) return ctEmpty;
    if (ACol == 0 && m_mouseActions->HotmailRowSelect()) return ctRowCheckBox;
    return g ? g->CellType : ctEmpty;
}

TCellGraphic* TExtStringGrid::BaseCellGraphic(Integer ACol, Integer ARow)
{
    if (ACol < 0 || ARow < 0) return nullptr;
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellGraphic(base.X, base.Y);
}

bool TExtStringGrid::HasCellTypeIn(Integer ACol, Integer ARow, std::initializer_list<TCellType> Types)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    return g && std::find(Types.begin(), Types.end(), g->CellType) != Types.end();
}

bool TExtStringGrid::HasControlGraphic(Integer ACol, Integer ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    switch (GetCellType(base.X, base.Y)) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadio:
    case ctButton:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox: return true;
    default: return false;
    }
}

bool TExtStringGrid::HasDataGraphic(Integer ACol, Integer ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    const TCellType t = GetCellType(base.X, base.Y);
    return t == ctDataCheckBox || t == ctDataImage || t == ctVirtCheckBox || t == ctRowCheckBox;
}

bool TExtStringGrid::HasCheckBox(Integer ACol, Integer ARow)
{
    return HasCellTypeIn(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
}

bool TExtStringGrid::HasDataCheckBox(Integer ACol, Integer ARow)
{
    return HasCellTypeIn(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

bool TExtStringGrid::HasBalloon(Integer ACol, Integer ARow) { return HasCellTypeIn(ACol, ARow, {ctBalloon}); }
bool TExtStringGrid::IsRadio(Integer ACol, Integer ARow) { return HasCellTypeIn(ACol, ARow, {ctRadio}); }
bool TExtStringGrid::HasExpand(Integer ACol, Integer ARow) { return HasCellTypeIn(ACol, ARow, {ctExpand}); }
bool TExtStringGrid::HasProgress(Integer ACol, Integer ARow) { return HasCellTypeIn(ACol, ARow, {ctProgress}); }
bool TExtStringGrid::HasRating(Integer ACol, Integer ARow) { return HasCellTypeIn(ACol, ARow, {ctRating}); }
bool TExtStringGrid::HasScrollBar(Integer ACol, Integer ARow) { return HasCellTypeIn(ACol, ARow, {ctScrollbar}); }
bool TExtStringGrid::HasButton(Integer ACol, Integer ARow)
{
    return HasCellTypeIn(ACol, ARow, {ctButton, ctBitButton});
}

bool TExtStringGrid::HasRadioButton(Integer ACol, Integer ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctRadioButton;
}

bool TExtStringGrid::HasDataImage(Integer ACol, Integer ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctDataImage;
}

// --- attaching and removing --------------------------------------------------------------------

TCellGraphic* TExtStringGrid::CreateCellGraphic(Integer ACol, Integer ARow)
{
    // The cell's own slot, never the shared row check box GetCellGraphic may answer with: the
    // old record is freed only once the new one is stored.
    // Stored straight into the properties: no text is written around it, so a cell whose shown
    // text differs from its stored one keeps both.
    TCellGraphic* old = OwnCellGraphic(ACol, ARow);
    auto record = std::make_unique<TCellGraphic>();
    GetCellProperties(ACol, ARow)->SetGraphicObject(record.get());
    delete old;
    if (NumHiddenColumns() > 0 && MapRealToDisplCol(ACol) != ACol) RepaintCell(MapRealToDisplCol(ACol), ARow);
    return record.release();
}

bool TExtStringGrid::RemoveCellGraphic(Integer ACol, Integer ARow)
{
    TCellGraphic* g = OwnCellGraphic(ACol, ARow);
    if (!g) return false;
    GetGridObject(ACol, ARow)->SetGraphicObject(nullptr);
    delete g;
    if (!(ComponentState() & csDestroying)) RepaintCell(ACol, ARow);
    return true;
}

bool TExtStringGrid::RemoveCellGraphicOfType(Integer ACol, Integer ARow, TCellType AType)
{
    return GetCellType(ACol, ARow) == AType && RemoveCellGraphic(ACol, ARow);
}

// --- bitmaps, pictures, icons, interfaced cells ------------------------------------------------

TBitmap* TExtStringGrid::CreateBitmap(Integer ACol, Integer ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* bmp = static_cast<TBitmap*>(g->AdoptCellBitmap(std::make_unique<TBitmap>()));
    g->SetBitmap(bmp, Transparent, hal, val);
    return bmp;
}

void TExtStringGrid::AddBitmap(Integer ACol, Integer ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                               TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TExtStringGrid::GetBitmap(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctBitmap ? g->Bitmap() : nullptr;
}

bool TExtStringGrid::HasBitmap(Integer ACol, Integer ARow) { return GetBitmap(ACol, ARow) != nullptr; }
bool TExtStringGrid::RemoveBitmap(Integer ACol, Integer ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }

void TExtStringGrid::AddInterfacedCell(Integer ACol, Integer ARow, TPersistent* AObject)
{
    CreateCellGraphic(ACol, ARow)->SetInterfacedCell(AObject);
}

TPersistent* TExtStringGrid::GetInterfacedCell(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctInterface ? dynamic_cast<TPersistent*>(g->CellBitmap()) : nullptr;
}

bool TExtStringGrid::RemoveInterfacedCell(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctInterface);
}

TPicture* TExtStringGrid::CreatePicture(Integer ACol, Integer ARow, bool Transparent, TStretchMode StretchMode,
                                        Integer Padding, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* picture = static_cast<TPicture*>(g->AdoptCellBitmap(std::make_unique<TPicture>()));
    g->SetPicture(picture, Transparent, StretchMode, Padding, hal, val);
    return picture;
}

void TExtStringGrid::AddPicture(Integer ACol, Integer ARow, TPicture* APicture, bool Transparent,
                                TStretchMode StretchMode, Integer Padding, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TExtStringGrid::GetPicture(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctPicture ? g->Picture() : nullptr;
}

bool TExtStringGrid::HasPicture(Integer ACol, Integer ARow) { return GetPicture(ACol, ARow) != nullptr; }
bool TExtStringGrid::RemovePicture(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctPicture);
}

TFilePicture* TExtStringGrid::CreateFilePicture(Integer ACol, Integer ARow, bool Transparent, TStretchMode StretchMode,
                                                Integer Padding, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* picture = static_cast<TFilePicture*>(g->AdoptCellBitmap(std::make_unique<TFilePicture>()));
    g->SetFilePicture(picture, Transparent, StretchMode, Padding, hal, val);
    return picture;
}

void TExtStringGrid::AddFilePicture(Integer ACol, Integer ARow, TFilePicture* AFilePicture, bool Transparent,
                                    TStretchMode StretchMode, Integer Padding, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TExtStringGrid::GetFilePicture(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctFilePicture ? g->FilePicture() : nullptr;
}

bool TExtStringGrid::RemoveFilePicture(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctFilePicture);
}

TIcon* TExtStringGrid::CreateIcon(Integer ACol, Integer ARow, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    TIcon* icon = g->AdoptCellIcon(std::make_unique<TIcon>());
    g->SetIcon(icon, hal, val);
    return icon;
}

void TExtStringGrid::AddIcon(Integer ACol, Integer ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetIcon(AIcon, hal, val);
}

bool TExtStringGrid::RemoveIcon(Integer ACol, Integer ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctIcon); }

// --- progress, range, shapes, ratings ----------------------------------------------------------

void TExtStringGrid::AddProgressPie(Integer ACol, Integer ARow, TColor Color, Integer Value)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctProgressPie;
    g->CellHAlign = haBeforeText;
    g->CellVAlign = vaTop;
    g->CellBitmapColor = Color;
    g->CellAngle = Value;
}

void TExtStringGrid::SetProgressPie(Integer ACol, Integer ARow, Integer Value)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctProgressPie) return;
    g->CellAngle = Value;
    RepaintCell(ACol, ARow);
}

bool TExtStringGrid::RemoveProgressPie(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctProgressPie);
}

void TExtStringGrid::AddExtProgress(Integer ACol, Integer ARow, Integer Min, Integer Max)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctXPProgress;
    g->CellHAlign = haLeft;
    g->CellVAlign = vaTop;
    g->CellErrFrom = Min;
    g->CellErrLen = Max;
}

bool TExtStringGrid::RemoveExtProgress(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctXPProgress);
}

void TExtStringGrid::AddProgress(Integer ACol, Integer ARow, TColor FGColor, TColor BKColor)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctProgress;
    g->CellHAlign = haLeft;
    g->CellVAlign = vaTop;
    g->CellBitmapColor = FGColor;
    g->CellIconColor = BKColor;
    g->CellErrFrom = 0;
    g->CellErrLen = 100;
    if (AutoNumAlign) SetAlignments(ACol, ARow, taRightJustify);
}

void TExtStringGrid::AddProgressEx(Integer ACol, Integer ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor)
{
    AddProgress(ACol, ARow, FGColor, BKColor);
    TCellGraphic* g = OwnCellGraphic(ACol, ARow);
    g->CellIndex = Integer(FGTextColor);
    g->CellAngle = Integer(BKTextColor);
    g->CellBoolean = true;
}

void TExtStringGrid::AddProgressFormatted(Integer ACol, Integer ARow, TColor FGColor, TColor FGTextColor,
                                          TColor BKColor, TColor BKTextColor, const String& Fmt, Integer Min,
                                          Integer Max)
{
    AddProgressEx(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor);
    TCellGraphic* g = OwnCellGraphic(ACol, ARow);
    g->CellErrFrom = Min;
    g->CellErrLen = Max;
    g->CellText = Fmt;
}

bool TExtStringGrid::RemoveProgress(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctProgress);
}

void TExtStringGrid::AddRangeIndicator(Integer ACol, Integer ARow, Integer Range, TColor NegColor, TColor PosColor,
                                       bool ShowValue)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctRangeIndicator;
    g->CellHAlign = haLeft;
    g->CellVAlign = vaTop;
    g->CellIndex = Range;
    g->CellBitmapColor = NegColor;
    g->CellIconColor = PosColor;
    g->CellBoolean = ShowValue;
}

bool TExtStringGrid::RemoveRangeIndicator(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
}

void TExtStringGrid::AddShape(Integer ACol, Integer ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                              TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctShape;
    g->CellAngle = Integer(Shape);
    g->CellIndex = Integer(FillColor);
    g->CellBitmapColor = LineColor;
    g->CellHAlign = hal;
    g->CellVAlign = val;
}

void TExtStringGrid::SetShapeColor(Integer ACol, Integer ARow, TColor Value)
{
    if (GetCellType(ACol, ARow) == ctShape) GetCellGraphic(ACol, ARow)->CellIndex = Integer(Value);
}

TColor TExtStringGrid::GetShapeColor(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctShape ? TColor(g->CellIndex) : clNone;
}

bool TExtStringGrid::RemoveShape(Integer ACol, Integer ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctShape); }

void TExtStringGrid::AddRating(Integer ACol, Integer ARow, Integer Scale, TColor FillColor, TColor EmptyColor)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctRating;
    g->CellAngle = Scale;
    g->CellHAlign = haFull;
    g->CellIndex = Integer(FillColor);
    g->CellBitmapColor = EmptyColor;
}

bool TExtStringGrid::RemoveRating(Integer ACol, Integer ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRating); }

// --- comments and markers ----------------------------------------------------------------------

void TExtStringGrid::AddComment(Integer ACol, Integer ARow, const String& Comment)
{
    AddColorComment(ACol, ARow, Comment, m_controlLook->CommentColor());
}

void TExtStringGrid::AddColorComment(Integer ACol, Integer ARow, const String& Comment, TColor Color)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctComment;
    g->CellHAlign = haLeft;
    g->CellVAlign = vaTop;
    g->CellText = Comment;
    g->CellIndex = Integer(Color);
}

bool TExtStringGrid::IsComment(Integer ACol, Integer ARow, String& Comment)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctComment) return false;
    Comment = g->CellText;
    return true;
}

String TExtStringGrid::GetComment(Integer ACol, Integer ARow)
{
    String comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TExtStringGrid::SetComment(Integer ACol, Integer ARow, const String& Value)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        AddComment(ACol, ARow, Value);
    else if (g->CellType == ctComment)
        g->CellText = Value;
}

bool TExtStringGrid::RemoveComment(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctComment);
}

void TExtStringGrid::RemoveAllComments()
{
    String comment;
    for (Integer r = 0; r < RowCount(); ++r)
        for (Integer c = 0; c < ColCount(); ++c)
            if (IsComment(c, r, comment)) RemoveComment(c, r);
}

void TExtStringGrid::AddMarker(Integer ACol, Integer ARow, Integer ErrPos, Integer ErrLen)
{
    TCellGraphic* g = OwnCellGraphic(ACol, ARow);
    if (!g) {
        g = CreateCellGraphic(ACol, ARow);
        g->CellType = ctEmpty;
    }
    g->CellErrFrom = ErrPos;
    g->CellErrLen = ErrLen;
    RepaintCell(ACol, ARow);
}

void TExtStringGrid::RemoveMarker(Integer ACol, Integer ARow)
{
    TCellGraphic* g = OwnCellGraphic(ACol, ARow);
    if (!g) return;
    if (g->CellType == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    g->CellErrFrom = 0;
    g->CellErrLen = 0;
    RepaintCell(ACol, ARow);
}

void TExtStringGrid::RemoveAllMarkers()
{
    for (Integer r = 0; r < RowCount(); ++r)
        for (Integer c = 0; c < ColCount(); ++c) RemoveMarker(c, r);
}

void TExtStringGrid::GetMarker(Integer ACol, Integer ARow, Integer& ErrPos, Integer& ErrLen)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    ErrPos = g ? g->CellErrFrom : 0;
    ErrLen = g ? g->CellErrLen : 0;
}

// --- cell scroll bars --------------------------------------------------------------------------

void TExtStringGrid::AddScrollBar(Integer ACol, Integer ARow, bool AutoRange)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctScrollbar;
    g->CellAngle = 0;
    g->CellErrFrom = 100;
    g->CellBoolean = AutoRange;
    // The automatic range follows the cell at once, as it does on every later change.
    if (AutoRange) CellChanged(ACol, ARow);
}

bool TExtStringGrid::RemoveScrollBar(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctScrollbar);
}

bool TExtStringGrid::HasAutoRangeScrollBar(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    return g && g->CellType == ctScrollbar && g->CellBoolean;
}

void TExtStringGrid::SetScrollPosition(Integer ACol, Integer ARow, Integer Pos)
{
    TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctScrollbar) return;
    g->CellIndex = Pos;
    RepaintCell(ACol, ARow);
}

Integer TExtStringGrid::GetScrollPosition(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    return g && g->CellType == ctScrollbar ? g->CellIndex : -1;
}

void TExtStringGrid::SetScrollProp(Integer ACol, Integer ARow, TPoint Prop)
{
    TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctScrollbar) return;
    g->CellAngle = Prop.X;
    g->CellErrFrom = Prop.Y;
}

TPoint TExtStringGrid::GetScrollProp(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctScrollbar) return {-1, -1};
    return {g->CellAngle, g->CellErrFrom};
}

// --- buttons -----------------------------------------------------------------------------------

void TExtStringGrid::AddButton(Integer ACol, Integer ARow, Integer bw, Integer bh, const String& Caption,
                               TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void TExtStringGrid::AddBitButton(Integer ACol, Integer ARow, Integer bw, Integer bh, const String& Caption,
                                  TBitmap* Glyph, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TExtStringGrid::CreateBitButton(Integer ACol, Integer ARow, Integer bw, Integer bh, const String& Caption,
                                         TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* glyph = static_cast<TBitmap*>(g->AdoptCellBitmap(std::make_unique<TBitmap>()));
    g->SetBitButton(bw, bh, Caption, glyph, hal, val);
    return glyph;
}

bool TExtStringGrid::RemoveButton(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctButton) || RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

bool TExtStringGrid::RemoveBitButton(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TExtStringGrid::RemoveAllButtons()
{
    for (Integer c = 0; c < ColCount(); ++c)
        for (Integer r = 0; r < RowCount(); ++r)
            if (HasButton(c, r)) RemoveButton(c, r);
}

void TExtStringGrid::SetButtonText(Integer ACol, Integer ARow, const String& Caption)
{
    TCellGraphic* g = GetCellGraphic(MapDisplToRealCol(ACol), ARow);
    if (!g) return;
    g->CellText = Caption;
    RepaintCell(ACol, ARow);
}

String TExtStringGrid::GetButtonText(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = GetCellGraphic(MapDisplToRealCol(ACol), ARow);
    return g ? g->CellText : String();
}

void TExtStringGrid::PushButton(Integer ACol, Integer ARow, bool Down)
{
    TCellGraphic* g = GetCellGraphic(MapDisplToRealCol(ACol), ARow);
    if (!g || g->CellType == ctNode) return;
    g->CellBoolean = Down;
    RepaintCell(ACol, ARow);
}

TRect TExtStringGrid::CellButtonRect(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = GetCellGraphic(MapDisplToRealCol(ACol), ARow);
    if (!g) return {};
    const TRect cell = CellRect(ACol, ARow);
    const Integer width = g->CellIndex & 0xFFFF;
    const Integer height = (g->CellIndex >> 16) & 0xFFFF;
    TRect r{cell.Left + g->CellValue.X, cell.Top + g->CellValue.Y, 0, 0};
    r.Right = r.Left + width;
    r.Bottom = r.Top + height;
    if (g->CellVAlign == vaFull) {
        r.Top = cell.Top;
        r.Bottom = cell.Bottom;
    }
    if (g->CellHAlign == haFull) {
        r.Left = cell.Left;
        r.Right = cell.Right;
    }
    return r;
}

TRect TExtStringGrid::CellExpandRect(Integer ACol, Integer ARow)
{
    if (!HasExpand(ACol, ARow)) return {};
    const TRect cell = CellRect(ACol, ARow);
    return {cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13};
}

// --- images and rotated text -------------------------------------------------------------------

TCustomImageList* TExtStringGrid::GetCellImageList(Integer /*ACol*/, Integer /*ARow*/) { return GridImages; }

void TExtStringGrid::AddImageIdx(Integer ACol, Integer ARow, Integer Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (GridImages) CreateCellGraphic(ACol, ARow)->SetImageIdx(Aidx, hal, val);
}

bool TExtStringGrid::RemoveImageIdx(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctImageList);
}

Integer TExtStringGrid::GetImageIdx(Integer ACol, Integer ARow)
{
    if (!GridImages || GetCellType(ACol, ARow) != ctImageList) return -1;
    return GetCellGraphic(ACol, ARow)->CellIndex;
}

void TExtStringGrid::SetImageIdx(Integer ACol, Integer ARow, Integer Value)
{
    if (GridImages && GetCellType(ACol, ARow) == ctImageList) GetCellGraphic(ACol, ARow)->CellIndex = Value;
}

void TExtStringGrid::AddDataImage(Integer ACol, Integer ARow, Integer Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!GridImages) return;
    CreateCellGraphic(ACol, ARow)->SetDataImage(Aidx, hal, val);
    if (GetCellEx(ACol, ARow).empty()) SetInts(ACol, ARow, Aidx);
}

bool TExtStringGrid::RemoveDataImage(Integer ACol, Integer ARow)
{
    if (!RemoveCellGraphicOfType(ACol, ARow, ctDataImage)) return false;
    SetCellEx(ACol, ARow, u"");
    return true;
}

void TExtStringGrid::AddMultiImage(Integer ACol, Integer ARow, Integer Dir, TCellHAlign hal, TCellVAlign val)
{
    if (!GridImages) return;
    CreateCellGraphic(ACol, ARow)->SetMultiImage(ACol, ARow, Dir, hal, val, [this](TObject*, Integer C, Integer R) {
        RepaintCell(C, R);
    });
}

bool TExtStringGrid::RemoveMultiImage(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctImages);
}

TIntList* TExtStringGrid::GetCellImages(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctImages ? g->IntList() : nullptr;
}

void TExtStringGrid::AddRotated(Integer ACol, Integer ARow, int16_t AAngle, const String& S)
{
    CreateCellGraphic(ACol, ARow)->SetAngle(AAngle);
    SetCellEx(ACol, ARow, S);
}

void TExtStringGrid::SetRotated(Integer ACol, Integer ARow, int16_t AAngle)
{
    TCellGraphic* g = OwnCellGraphic(ACol, ARow);
    (g ? g : CreateCellGraphic(ACol, ARow))->SetAngle(AAngle);
}

bool TExtStringGrid::IsRotated(Integer ACol, Integer ARow)
{
    Integer angle = 0;
    return IsRotated(ACol, ARow, angle);
}

bool TExtStringGrid::IsRotated(Integer ACol, Integer ARow, Integer& AAngle)
{
    if (GetCellType(ACol, ARow) != ctRotated) return false;
    AAngle = GetCellGraphic(ACol, ARow)->CellAngle;
    return true;
}

bool TExtStringGrid::RemoveRotated(Integer ACol, Integer ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctRotated);
}

Integer TExtStringGrid::GetGraphicSortKey(Integer ACol, Integer ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return -1;
    const void* object = nullptr;
    switch (g->CellType) {
    case ctImageList: return g->CellIndex;
    case ctBitmap: object = g->CellBitmap(); break;
    case ctIcon: object = g->CellIcon(); break;
    default: return -1;
    }
    if (!object) return -1;
    // Numbers, not addresses: the order of first sight is the same on every run.
    auto [it, added] = m_graphicSortKeys.try_emplace(object, Integer(m_graphicSortKeys.size()));
    return it->second;
}

// --- hooks of this group -----------------------------------------------------------------------

bool TExtStringGrid::DoRatingChange(Integer ACol, Integer ARow, double& NewRate)
{
    bool allow = true;
    if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

void TExtStringGrid::DoColorSelect(Integer ACol, Integer ARow, TColor AColor)
{
    if (OnColorSelect) OnColorSelect(this, ACol, ARow, AColor, ColorToString(AColor));
}

void TExtStringGrid::DoImageSelect(Integer ACol, Integer ARow, Integer AIndex)
{
    if (OnImageSelect) OnImageSelect(this, ACol, ARow, AIndex);
}

}  // namespace gw
