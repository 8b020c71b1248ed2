// The cell graphic record: its slots, setters, copy rule and picture sizing.
#include "grid/model/cell_graphic.h"

#include "grid/foundation/file_picture.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_formats.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/string_list.h"

#include <algorithm>

namespace gw {

TCellGraphic::TCellGraphic() = default;
TCellGraphic::~TCellGraphic() = default;

void TCellGraphic::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TCellGraphic*>(Source);
    if (!from) {
        TPersistent::Assign(Source);
        return;
    }
    CellType = from->CellType;
    CellVAlign = from->CellVAlign;
    CellHAlign = from->CellHAlign;
    CellIndex = from->CellIndex;
    CellTransparent = from->CellTransparent;
    CellValue = from->CellValue;
    CellAngle = from->CellAngle;
    CellBoolean = from->CellBoolean;
    CellErrFrom = from->CellErrFrom;
    CellErrLen = from->CellErrLen;
    CellText = from->CellText;
    CellCreated = from->CellCreated;
}

void TCellGraphic::SetCellBitmap(TObject* Value)
{
    // Storing the object the record already owns keeps it owned.
    if (m_ownedBitmap.get() != Value) m_ownedBitmap.reset();
    m_bitmap = Value;
}

TObject* TCellGraphic::AdoptCellBitmap(std::unique_ptr<TObject> Value)
{
    m_ownedBitmap = std::move(Value);
    m_bitmap = m_ownedBitmap.get();
    CellCreated = true;
    return m_bitmap;
}

void TCellGraphic::SetCellIcon(TIcon* Value)
{
    if (m_ownedIcon.get() != Value) m_ownedIcon.reset();
    m_icon = Value;
}

TIcon* TCellGraphic::AdoptCellIcon(std::unique_ptr<TIcon> Value)
{
    m_ownedIcon = std::move(Value);
    m_icon = m_ownedIcon.get();
    CellCreated = true;
    return m_icon;
}

TBitmap* TCellGraphic::Bitmap() const { return dynamic_cast<TBitmap*>(m_bitmap); }
TPicture* TCellGraphic::Picture() const { return dynamic_cast<TPicture*>(m_bitmap); }
TFilePicture* TCellGraphic::FilePicture() const { return dynamic_cast<TFilePicture*>(m_bitmap); }
TStrings* TCellGraphic::Strings() const { return dynamic_cast<TStrings*>(m_bitmap); }
TIntList* TCellGraphic::IntList() const { return dynamic_cast<TIntList*>(m_bitmap); }
ICellPainter* TCellGraphic::Painter() const { return dynamic_cast<ICellPainter*>(m_bitmap); }

void TCellGraphic::SetInterfacedCell(TPersistent* AObject)
{
    SetCellBitmap(AObject);
    CellType = ctInterface;
}

void TCellGraphic::SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    SetCellBitmap(ABmp);
    CellTransparent = Transparent;
    CellHAlign = hal;
    CellVAlign = val;
    CellType = ctBitmap;
}

void TCellGraphic::SetButton(Integer bw, Integer bh, const String& caption, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctButton;
    CellHAlign = hal;
    CellVAlign = val;
    // Height in the high word, width in the low one, as the button rectangle reads them.
    CellIndex = Integer((uint32_t(bh) << 16) | (uint32_t(bw) & 0xFFFF));
    CellBoolean = false;
    CellText = caption;
}

void TCellGraphic::SetBitButton(Integer bw, Integer bh, const String& caption, TBitmap* Glyph, TCellHAlign hal,
                                TCellVAlign val)
{
    SetButton(bw, bh, caption, hal, val);
    CellType = ctBitButton;
    SetCellBitmap(Glyph);
}

void TCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, Integer padding,
                              TCellHAlign hal, TCellVAlign val)
{
    CellType = ctPicture;
    CellHAlign = hal;
    CellVAlign = val;
    SetCellBitmap(APicture);
    CellTransparent = Transparent;
    CellAngle = StretchMode;
    CellIndex = padding;
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, Integer padding,
                                  TCellHAlign hal, TCellVAlign val)
{
    CellType = ctFilePicture;
    CellHAlign = hal;
    CellVAlign = val;
    SetCellBitmap(APicture);
    CellTransparent = Transparent;
    CellAngle = StretchMode;
    CellIndex = padding;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    CellType = Data ? ctDataCheckBox : ctCheckBox;
    CellAngle = 0;
    CellBoolean = Value;
    CellHAlign = hal;
    CellVAlign = val;
    CellTransparent = Flat;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctTriStateCheckBox;
    CellCheckBoxState = Value;
    CellBoolean = false;
    CellHAlign = hal;
    CellVAlign = val;
    CellTransparent = Flat;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctRadioButton;
    CellAngle = 0;
    CellBoolean = Value;
    CellHAlign = hal;
    CellVAlign = val;
    CellTransparent = Flat;
}

void TCellGraphic::SetIcon(TIcon* aicon, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctIcon;
    SetCellIcon(aicon);
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetDataImage(Integer idx, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctDataImage;
    CellIndex = idx;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetImageIdx(Integer idx, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctImageList;
    CellIndex = idx;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetMultiImage(Integer Col, Integer Row, Integer dir, TCellHAlign hal, TCellVAlign val,
                                 TImageChangeEvent Notifier)
{
    CellType = ctImages;
    CellHAlign = hal;
    CellVAlign = val;
    CellBoolean = dir == 0;
    auto list = std::make_unique<TIntList>(Col, Row);
    list->OnChange = std::move(Notifier);
    AdoptCellBitmap(std::move(list));
}

void TCellGraphic::SetAngle(int16_t AAngle)
{
    CellType = ctRotated;
    Integer angle = AAngle;
    while (angle < 0) angle += 360;
    while (angle > 360) angle -= 360;
    CellAngle = angle;
}

namespace {

// The picture's own size: a picture's, or the size a file picture noted when its name was set.
TPoint NaturalSize(const TCellGraphic& G)
{
    if (G.CellType == ctPicture) {
        if (const TPicture* p = G.Picture()) return {p->Width(), p->Height()};
    } else if (const TFilePicture* p = G.FilePicture()) {
        return {p->Width(), p->Height()};
    }
    return {};
}

double Ratio(Integer Available, Integer Natural) { return Natural > 0 ? double(Available) / Natural : 1.0; }

Integer Scaled(Integer Natural, double Ratio) { return Integer(Round(Natural * Ratio)); }

// The natural size scaled by the smaller of the two ratios along that ratio's side.
TPoint KeepAspect(TPoint Natural, TPoint Available, double rx, double ry)
{
    if (rx >= ry) return {Scaled(Natural.X, ry), Available.Y};
    return {Available.X, Scaled(Natural.Y, rx)};
}

}  // namespace

TPoint TCellGraphic::GetPictureSize(Integer cw, Integer rh, bool /*hastext*/) const
{
    if (CellType != ctPicture && CellType != ctFilePicture) return {};
    const TPoint natural = NaturalSize(*this);
    const TPoint available{cw - CellIndex, rh - CellIndex};
    const bool fits = natural.X <= available.X && natural.Y <= available.Y;
    const double rx = Ratio(available.X, natural.X);
    const double ry = Ratio(available.Y, natural.Y);
    switch (CellAngle) {
    case Stretch: return available;
    case StretchWithAspectRatio: return KeepAspect(natural, available, rx, ry);
    case Shrink: return fits ? natural : available;
    case ShrinkWithAspectRatio:
        return fits ? natural : KeepAspect(natural, available, std::min(rx, 1.0), std::min(ry, 1.0));
    default: return natural;
    }
}

}  // namespace gw
