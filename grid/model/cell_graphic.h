// The record that describes the one graphic or cell control a grid cell may carry besides its
// text, kept in the graphic slot of the cell's TCellProperties.
//
// Which kind of graphic a record describes is its CellType; every other field is read according
// to that type. Objects the grid created live in the record's owning members and die with it;
// objects a caller handed in are plain references the record never frees.
#pragma once

#include "grid/foundation/cell_shapes.h"
#include "grid/foundation/graphic_kind.h"
#include "grid/foundation/int_list.h"
#include "platform/controls/check_box.h"
#include "platform/graphics/colour.h"
#include "platform/graphics/geometry.h"
#include "platform/runtime/component.h"

#include <memory>
#include <variant>

namespace gw {

class TBitmap;
class TCanvas;
class TExtStringGrid;
class TFilePicture;
class TIcon;
class TPicture;
class TStrings;

enum TCellType : uint8_t {
    ctBitmap,
    ctIcon,
    ctNone,
    ctImageList,
    ctCheckBox,
    ctDataCheckBox,
    ctRotated,
    ctDataImage,
    ctNode,
    ctRadio,
    ctEmpty,
    ctImages,
    ctPicture,
    ctFilePicture,
    ctValue,
    ctProgress,
    ctComment,
    ctButton,
    ctBitButton,
    ctVirtCheckBox,
    ctRowCheckBox,
    ctProgressPie,
    ctSummary,
    ctRangeIndicator,
    ctXPProgress,
    ctInterface,
    ctScrollbar,
    ctRadioButton,
    ctBalloon,
    ctShape,
    ctRating,
    ctTriStateCheckBox,
    ctExpand,
};

enum TCellHAlign : uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign : uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode : uint8_t { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TBalloonIcon : uint8_t { biNone, biInfo, biWarning, biError };

// What a ctInterface cell's object implements to paint the cell itself. The record finds it with
// dynamic_cast on the object it holds: an object without it is not drawn.
class ICellPainter {
public:
    virtual void Draw(TCanvas& Canvas, const TRect& R, Integer ACol, Integer ARow, bool Selected,
                      TExtStringGrid* Grid) = 0;
    virtual Integer GetWidth() const = 0;
    virtual Integer GetHeight() const = 0;
    // True: painted before the cell text, which is drawn over it.
    virtual bool IsBackground() const = 0;

protected:
    ~ICellPainter() = default;
};

// Expand state (Boolean), last radio item chosen by keyboard (Integer) or node value (Integer).
using TCellVar = std::variant<std::monostate, bool, Integer>;

// Its CellType is mirrored into the properties whose graphic slot holds it (see graphic_kind.h).
class TCellGraphic : public TPersistent, public IGraphicKindSource {
public:
    TCellGraphic();
    ~TCellGraphic() override;
    String ClassName() const override { return u"TCellGraphic"; }

    // Copies every plain field and CellCreated from another record; not the objects, the colours
    // kept in the object slots, CellVar or CellCheckBoxState. The copy owns nothing, whatever
    // CellCreated says. Any other source is the persistent default's (EConvertError).
    void Assign(TPersistent* Source) override;

    TKindField<TCellType> CellType{ctNone};
    TCellVAlign CellVAlign = vaTop;
    TCellHAlign CellHAlign = haLeft;
    // By type: image index, padding, packed button size, colour, position, selected item, span.
    Integer CellIndex = 0;
    // Bitmaps and pictures: draw transparent; check boxes and radio buttons: flat look.
    bool CellTransparent = false;
    // The grid created the object of the record. Informational: what the record frees is what its
    // owning members hold, so a copied flag never makes a record free what it did not create.
    bool CellCreated = false;
    // By type: checked, pushed, horizontal layout, contracted, show value, text colours given.
    bool CellBoolean = false;
    // By type: rotation angle, stretch mode, item count, shape, scale, value, page size, balloon
    // flag (1 while a check box or radio button carries a balloon).
    Integer CellAngle = 0;
    // Buttons and expand buttons: where the painter last placed the button inside the cell.
    TPoint CellValue;
    // Error marker start (any type); minimum of progress bars; range of cell scroll bars.
    Integer CellErrFrom = 0;
    // Error marker length (any type); maximum of progress bars.
    Integer CellErrLen = 0;
    // Button caption, comment text, progress format text.
    String CellText;
    TCellVar CellVar;
    TCheckBoxState CellCheckBoxState = cbUnchecked;

    // The object of the record, owned or borrowed: by type the bitmap, picture, file picture,
    // item or balloon list, image-index list or self-painting object.
    TObject* CellBitmap() const { return m_bitmap; }
    // Borrowed: the caller keeps it alive while the cell shows it. An object the record owned
    // before is freed.
    void SetCellBitmap(TObject* Value);
    // Owned: freed with the record or when replaced. Sets CellCreated.
    TObject* AdoptCellBitmap(std::unique_ptr<TObject> Value);
    TIcon* CellIcon() const { return m_icon; }
    void SetCellIcon(TIcon* Value);
    TIcon* AdoptCellIcon(std::unique_ptr<TIcon> Value);
    // The colours some types keep where others keep objects: progress bar, pie, negative range,
    // shape line and empty-star colour (CellBitmapColor); progress background and positive range
    // colour (CellIconColor).
    TColor CellBitmapColor = 0;
    TColor CellIconColor = 0;

    // The object of the bitmap slot as a class, nullptr when it is of another class.
    TBitmap* Bitmap() const;
    TPicture* Picture() const;
    TFilePicture* FilePicture() const;
    TStrings* Strings() const;
    TIntList* IntList() const;
    // A ctInterface cell's painter; nullptr when the object does not implement it.
    ICellPainter* Painter() const;

    // Setters: each sets the type and the named fields and nothing else.
    void SetInterfacedCell(TPersistent* AObject);
    void SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetButton(Integer bw, Integer bh, const String& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(Integer bw, Integer bh, const String& caption, TBitmap* Glyph, TCellHAlign hal, TCellVAlign val);
    void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, Integer padding, TCellHAlign hal,
                    TCellVAlign val);
    void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, Integer padding,
                        TCellHAlign hal, TCellVAlign val);
    // Data: ctDataCheckBox (the state is the cell text), else ctCheckBox.
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetIcon(TIcon* aicon, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(Integer idx, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(Integer idx, TCellHAlign hal, TCellVAlign val);
    // Creates the image-index list of cell (Col, Row), owned, whose changes go to Notifier;
    // dir 0 lays the images out side by side.
    void SetMultiImage(Integer Col, Integer Row, Integer dir, TCellHAlign hal, TCellVAlign val,
                       TImageChangeEvent Notifier);
    // ctRotated, the angle brought into 0 .. 360 (360 stays 360).
    void SetAngle(int16_t AAngle);

    // The size at which a ctPicture or ctFilePicture record draws its picture in an area of cw by
    // rh pixels, by its stretch mode (CellAngle) and padding (CellIndex). (0, 0) for other types.
    // hastext does not change the result.
    TPoint GetPictureSize(Integer cw, Integer rh, bool hastext) const;

    TGraphicKindField& GraphicKindField() override { return CellType; }

private:
    TObject* m_bitmap = nullptr;
    std::unique_ptr<TObject> m_ownedBitmap;
    TIcon* m_icon = nullptr;
    std::unique_ptr<TIcon> m_ownedIcon;
};

}  // namespace gw
