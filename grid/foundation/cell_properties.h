// The per-cell record of the grid's cell store: everything a cell holds beyond its text
// (colours, font, alignment, merge, attached objects, a hosted control, read-only state).
//
// The store keeps one only for a cell that needs it, so a plain text cell costs its text alone.
#pragma once

#include "grid/foundation/editor_types.h"
#include "grid/foundation/graphic_kind.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/colour.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"
#include "platform/runtime/component.h"
#include "platform/ui/alignment.h"

namespace gw {

class TControl;

enum TVAlignment : uint8_t { vtaTop, vtaCenter, vtaBottom };
enum TCellGradientDirection : uint8_t { GradientVertical, GradientHorizontal };
// How a footer or group calculation combines a column.
enum TColumnCalcType : uint8_t {
    acNONE,
    acSUM,
    acAVG,
    acCOUNT,
    acMIN,
    acMAX,
    acSPREAD,
    acCUSTOM,
    acDISTINCT,
    acSTDDEV,
};

// What cell properties need of the grid whose cells they belong to: the grid's cell store
// (TBaseGrid) derives from it.
class TCellPropertiesOwner {
public:
    // The word wrap new cell properties start with.
    bool WordWrap = true;
    // Set when any TCellProperties of this grid is created, so that painting and clearing can
    // skip the property lookups while no cell has any; the string grid clears it when it clears
    // the whole grid.
    bool FHasCellProps = false;

    // Repaints the cell (all of a merged cell) once the grid's window exists. Properties keep the
    // cell they were made for, so that cell may since have moved or left the store: any column
    // and row must be accepted.
    virtual void RepaintCell(Integer ACol, Integer ARow) = 0;

protected:
    ~TCellPropertiesOwner() = default;
};

// Merge fields, as the cell store sets them: a cell outside any merge is its own base cell with
// both spans -1; the base (top-left) cell of a w x h merge has spans w - 1 and h - 1; every other
// cell of the merge is no base cell and holds its column and row offset from the base.
//
// Ownership: the store's cell slot owns the properties (they move with the cell, never copied).
// The properties own their graphic object when its class is "TCellGraphic" and free it with
// themselves; CellObject, CalcObject and Control are references the grid never frees.
class TCellProperties : public TPersistent {
public:
    // AOwner may be nullptr for properties that belong to no grid (a copy being read or
    // assigned): they start with word wrap on and repaint nothing.
    TCellProperties(TCellPropertiesOwner* AOwner, Integer ACol, Integer ARow);
    ~TCellProperties() override;
    String ClassName() const override { return u"TCellProperties"; }

    // Copies every streamed property but the graphic object, BrushColorTo and GradientDirection,
    // without repainting; OwnerCol and OwnerRow are copied too. Any other source raises
    // EConvertError.
    void Assign(TPersistent* Source) override;

    // The base cell of the merge this cell belongs to, given the cell's own column and row.
    TPoint GetBaseCell(Integer ACol, Integer ARow) const;

    TCellPropertiesOwner* OwnerGrid() const { return m_ownerGrid; }
    // The cell the properties were created for (or copied from); not streamed.
    Integer OwnerCol;
    Integer OwnerRow;
    // The object the grid's users attach to the cell; never freed by the grid.
    TObject* CellObject = nullptr;
    // Where the string grid keeps the cell's TCellGraphic; replacing it frees nothing, the
    // destructor frees a TCellGraphic still held.
    TObject* GraphicObject() const { return m_graphicObject; }
    void SetGraphicObject(TObject* Value);
    // The kind of the record in the graphic slot, kept in step with it (an IGraphicKindSource);
    // NoGraphicKind when the slot holds none.
    uint8_t GraphicKind() const { return m_graphicKind.Kind(); }
    TBrushStyle BrushStyle = bsSolid;
    // The four setters below store the value and repaint the cell.
    TColor BrushColor() const { return m_brushColor; }
    void SetBrushColor(TColor Value);
    TColor BrushColorTo() const { return m_brushColorTo; }
    void SetBrushColorTo(TColor Value);
    Integer FontSize = 0;  // 0: the cell's default
    TColor FontColor = clNone;
    TFontStyles FontStyle = 0;
    Integer CellSpanY = -1;
    Integer CellSpanX = -1;

private:
    // Beside the merge fields a cell's text access reads anyway: the column walks that read the
    // kind then touch no further memory of the cell.
    TGraphicKindMirror m_graphicKind;

public:
    Integer BorderWidth = 0;
    TColor BorderColor = 0;
    TAlignment Alignment = taLeftJustify;
    TVAlignment VAlignment() const { return m_vAlignment; }
    void SetVAlignment(TVAlignment Value);
    // The paint pass in which this base cell was last painted through one of its other cells.
    Integer PaintID = 0;
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool Value);
    bool IsBaseCell = true;
    TColumnCalcType CalcType = acNONE;
    TObject* CalcObject = nullptr;
    // Outline nesting depth of the cell's row (column 0 carries it).
    Integer NodeLevel = 0;
    TEditorType Editor = edNormal;
    String FontName;  // empty: the cell's default
    bool ReadOnly = false;
    TCellGradientDirection GradientDirection = GradientVertical;
    // A control shown in the cell; its rectangle is then computed even when it is not visible.
    TControl* Control = nullptr;

private:
    void Repaint() const;

    TCellPropertiesOwner* m_ownerGrid;
    TObject* m_graphicObject = nullptr;
    TColor m_brushColor = clNone;
    TColor m_brushColorTo = clNone;
    TVAlignment m_vAlignment = vtaTop;
    bool m_wordWrap;
};

}  // namespace gw
