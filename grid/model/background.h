// The picture or gradient painted behind the grid's cells.
#pragma once

#include "grid/model/settings_grid.h"
#include "platform/graphics/colour.h"
#include "platform/runtime/component.h"

#include <memory>

namespace gw {

class TBitmap;

enum TBackGroundDisplay : uint8_t { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
// The cells the background shows under.
enum TBackGroundCells : uint8_t { bcNormal, bcFixed, bcAll };

// Every setter stores the value and repaints the grid.
class TBackGround : public TPersistent {
public:
    explicit TBackGround(TSettingsGrid* AGrid);
    ~TBackGround() override;
    String ClassName() const override { return u"TBackGround"; }

    Integer Top() const { return m_top; }
    void SetTop(Integer Value);
    Integer Left() const { return m_left; }
    void SetLeft(Integer Value);
    TBackGroundDisplay Display() const { return m_display; }
    void SetDisplay(TBackGroundDisplay Value);
    // Owned; the setter copies the given picture in.
    TBitmap* Bitmap() const { return m_bitmap.get(); }
    void SetBitmap(TBitmap* Value);
    TBackGroundCells Cells() const { return m_cells; }
    void SetCells(TBackGroundCells Value);
    TColor Color() const { return m_color; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return m_colorTo; }
    void SetColorTo(TColor Value);

private:
    template <class T>
    void SetAndRepaint(T& Field, T Value);

    TSettingsGrid* FGrid;
    Integer m_top = 0;
    Integer m_left = 0;
    TBackGroundDisplay m_display = bdTile;
    std::unique_ptr<TBitmap> m_bitmap;
    TBackGroundCells m_cells = bcNormal;
    TColor m_color = clWindow;
    TColor m_colorTo = clBtnFace;
};

}  // namespace gw
