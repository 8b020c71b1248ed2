// Cell properties and editor types: creation for a grid, the setters that repaint, the copy rule,
// merge resolution, the ownership of the cell graphic, and the editor kinds.
#include "grid/foundation/cell_properties.h"

#include "platform/runtime/exceptions.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace gw {
namespace {

// A grid as the properties see it: it records what they ask it to repaint.
class TFakeGrid : public TCellPropertiesOwner {
public:
    void RepaintCell(Integer ACol, Integer ARow) override { Repainted.emplace_back(ACol, ARow); }
    std::vector<std::pair<Integer, Integer>> Repainted;
};

// Stands in for the string grid's cell graphic, which the properties own by its class name.
class TNamedObject : public TObject {
public:
    TNamedObject(String AName, bool& AFreed) : m_name(std::move(AName)), m_freed(AFreed) {}
    ~TNamedObject() override { m_freed = true; }
    String ClassName() const override { return m_name; }

private:
    String m_name;
    bool& m_freed;
};

TEST(CellProperties, ANewRecordHoldsTheDefaultsAndMarksItsGrid)
{
    TFakeGrid grid;
    grid.WordWrap = false;  // the record takes the grid's word wrap, not a fixed True
    TCellProperties p(&grid, 3, 7);
    EXPECT_TRUE(grid.FHasCellProps);
    EXPECT_EQ(p.OwnerGrid(), &grid);
    EXPECT_EQ(p.OwnerCol, 3);
    EXPECT_EQ(p.OwnerRow, 7);
    EXPECT_EQ(p.GetBaseCell(3, 7), Point(3, 7));
    EXPECT_TRUE(p.IsBaseCell);
    EXPECT_EQ(p.CellSpanX, -1);
    EXPECT_EQ(p.CellSpanY, -1);
    EXPECT_EQ(p.CellObject, nullptr);
    EXPECT_EQ(p.GraphicObject(), nullptr);
    EXPECT_EQ(p.BrushStyle, bsSolid);
    EXPECT_EQ(p.BrushColor(), clNone);
    EXPECT_EQ(p.BrushColorTo(), clNone);
    EXPECT_EQ(p.FontSize, 0);
    EXPECT_EQ(p.FontColor, clNone);
    EXPECT_EQ(p.FontStyle, 0);
    EXPECT_EQ(p.BorderWidth, 0);
    EXPECT_EQ(p.BorderColor, 0);
    EXPECT_EQ(p.Alignment, taLeftJustify);
    EXPECT_EQ(p.VAlignment(), vtaTop);
    EXPECT_EQ(p.PaintID, 0);
    EXPECT_FALSE(p.WordWrap());
    EXPECT_EQ(p.CalcType, acNONE);
    EXPECT_EQ(p.CalcObject, nullptr);
    EXPECT_EQ(p.NodeLevel, 0);
    EXPECT_EQ(p.Editor, edNormal);
    EXPECT_TRUE(p.FontName.empty());
    EXPECT_FALSE(p.ReadOnly);
    EXPECT_EQ(p.GradientDirection, GradientVertical);
    EXPECT_EQ(p.Control, nullptr);
    EXPECT_TRUE(grid.Repainted.empty());

    grid.WordWrap = true;
    EXPECT_TRUE(TCellProperties(&grid, 0, 0).WordWrap());
    // Without a grid: word wrap on, nothing to mark or repaint.
    TCellProperties loose(nullptr, 1, 1);
    EXPECT_TRUE(loose.WordWrap());
    loose.SetBrushColor(clRed);
    EXPECT_EQ(loose.BrushColor(), clRed);
}

TEST(CellProperties, ColourAlignmentAndWrapSettersRepaintTheirCell)
{
    struct Case {
        const char* what;
        void (*set)(TCellProperties&);
        bool repaints;
    };
    const Case cases[] = {
        {"BrushColor", [](TCellProperties& p) { p.SetBrushColor(clRed); }, true},
        {"BrushColor unchanged", [](TCellProperties& p) { p.SetBrushColor(clNone); }, true},
        {"BrushColorTo", [](TCellProperties& p) { p.SetBrushColorTo(clLime); }, true},
        {"VAlignment", [](TCellProperties& p) { p.SetVAlignment(vtaBottom); }, true},
        {"WordWrap", [](TCellProperties& p) { p.SetWordWrap(false); }, true},
        {"Alignment", [](TCellProperties& p) { p.Alignment = taRightJustify; }, false},
    };
    for (const Case& c : cases) {
        TFakeGrid grid;
        TCellProperties p(&grid, 4, 9);
        c.set(p);
        const std::vector<std::pair<Integer, Integer>> expected =
            c.repaints ? std::vector<std::pair<Integer, Integer>>{{4, 9}} : std::vector<std::pair<Integer, Integer>>{};
        EXPECT_EQ(grid.Repainted, expected) << c.what;
    }
    TFakeGrid grid;
    TCellProperties p(&grid, 0, 0);
    p.SetBrushColor(clRed);
    p.SetBrushColorTo(clLime);
    p.SetVAlignment(vtaCenter);
    p.SetWordWrap(false);
    EXPECT_EQ(p.BrushColor(), clRed);
    EXPECT_EQ(p.BrushColorTo(), clLime);
    EXPECT_EQ(p.VAlignment(), vtaCenter);
    EXPECT_FALSE(p.WordWrap());
}

TEST(CellProperties, BaseCellOfMergedAndPlainCells)
{
    struct Case {
        bool isBase;
        Integer spanX, spanY, col, row;
        TPoint base;
    };
    const Case cases[] = {
        {true, -1, -1, 5, 6, {5, 6}},  // not merged
        {true, 2, 1, 1, 1, {1, 1}},  // base of a 3 x 2 merge
        {false, 2, 1, 3, 2, {1, 1}},  // its last cell
        {false, 0, 1, 1, 2, {1, 1}},  // a cell below the base
        {false, -1, 1, 4, 4, {4, 4}},  // spans of -1 resolve to the cell itself
        {false, 1, -1, 4, 4, {4, 4}},
    };
    for (const Case& c : cases) {
        TCellProperties p(nullptr, c.col, c.row);
        p.IsBaseCell = c.isBase;
        p.CellSpanX = c.spanX;
        p.CellSpanY = c.spanY;
        EXPECT_EQ(p.GetBaseCell(c.col, c.row), c.base) << c.col << "," << c.row;
    }
}

TEST(CellProperties, AssignCopiesTheStreamedFieldsWithoutRepainting)
{
    TFakeGrid grid;
    TObject cellObject, calcObject, graphic;
    TCellProperties from(&grid, 3, 2);
    from.IsBaseCell = false;
    from.CellSpanX = 2;
    from.CellSpanY = 1;
    from.CellObject = &cellObject;
    from.Alignment = taCenter;
    from.BorderColor = clRed;
    from.BorderWidth = 2;
    from.SetBrushColor(clYellow);
    from.SetBrushColorTo(clLime);
    from.BrushStyle = bsCross;
    from.FontColor = clBlue;
    from.FontStyle = fsBold | fsItalic;
    from.FontName = u"Arial";
    from.FontSize = 12;
    from.ReadOnly = true;
    from.Editor = edComboList;
    from.SetVAlignment(vtaBottom);
    from.SetWordWrap(false);
    from.NodeLevel = 3;
    from.PaintID = 17;
    from.CalcType = acSUM;
    from.CalcObject = &calcObject;
    from.GradientDirection = GradientHorizontal;
    from.SetGraphicObject(&graphic);

    TFakeGrid other;
    TCellProperties to(&other, 9, 9);
    to.Assign(&from);
    EXPECT_TRUE(other.Repainted.empty());
    EXPECT_FALSE(to.IsBaseCell);
    EXPECT_EQ(to.CellSpanX, 2);
    EXPECT_EQ(to.CellSpanY, 1);
    EXPECT_EQ(to.OwnerCol, 3);
    EXPECT_EQ(to.OwnerRow, 2);
    EXPECT_EQ(to.CellObject, &cellObject);
    EXPECT_EQ(to.Alignment, taCenter);
    EXPECT_EQ(to.BorderColor, clRed);
    EXPECT_EQ(to.BorderWidth, 2);
    EXPECT_EQ(to.BrushColor(), clYellow);
    EXPECT_EQ(to.BrushStyle, bsCross);
    EXPECT_EQ(to.FontColor, clBlue);
    EXPECT_EQ(to.FontStyle, fsBold | fsItalic);
    EXPECT_EQ(to.FontName, u"Arial");
    EXPECT_EQ(to.FontSize, 12);
    EXPECT_TRUE(to.ReadOnly);
    EXPECT_EQ(to.Editor, edComboList);
    EXPECT_EQ(to.VAlignment(), vtaBottom);
    EXPECT_FALSE(to.WordWrap());
    EXPECT_EQ(to.NodeLevel, 3);
    // Left as they were.
    EXPECT_EQ(to.OwnerGrid(), &other);
    EXPECT_EQ(to.GraphicObject(), nullptr);
    EXPECT_EQ(to.BrushColorTo(), clNone);
    EXPECT_EQ(to.PaintID, 0);
    EXPECT_EQ(to.CalcType, acNONE);
    EXPECT_EQ(to.CalcObject, nullptr);
    EXPECT_EQ(to.GradientDirection, GradientVertical);
    // The copied offsets resolve against the coordinates the caller passes.
    EXPECT_EQ(to.GetBaseCell(5, 5), Point(3, 4));
    from.SetGraphicObject(nullptr);
}

TEST(CellProperties, AssignRefusesOtherSources)
{
    TCellProperties p(nullptr, 0, 0);
    TPersistent other;
    EXPECT_THROW(p.Assign(&other), EConvertError);
    EXPECT_THROW(p.Assign(nullptr), EConvertError);
}

TEST(CellProperties, FreeTheirCellGraphicAndNothingElse)
{
    bool graphicFreed = false, otherFreed = false, replacedFreed = false;
    auto* other = new TNamedObject(u"TBitmap", otherFreed);
    {
        TCellProperties p(nullptr, 0, 0);
        auto* replaced = new TNamedObject(u"TCellGraphic", replacedFreed);
        p.SetGraphicObject(replaced);
        // Replacing frees nothing: the grid removes a graphic before it clears the slot.
        p.SetGraphicObject(new TNamedObject(u"TCellGraphic", graphicFreed));
        EXPECT_FALSE(replacedFreed);
        delete replaced;
        p.CellObject = other;
    }
    EXPECT_TRUE(graphicFreed);
    EXPECT_FALSE(otherFreed);
    {
        TCellProperties p(nullptr, 0, 0);
        p.SetGraphicObject(other);
    }
    EXPECT_FALSE(otherFreed);
    delete other;
}

TEST(EditorTypes, FortyThreeKindsInTheirStoredOrder)
{
    EXPECT_EQ(EditorTypeCount, 43);
    const std::pair<TEditorType, const char16_t*> spots[] = {
        {edNormal, u"edNormal"},
        {edComboList, u"edComboList"},
        {edDataCheckBox, u"edDataCheckBox"},
        {edUnitEditBtn, u"edUnitEditBtn"},
        {edCustom, u"edCustom"},
        {edNone, u"edNone"},
        {edValidChars, u"edValidChars"},
        {edExtGridDropDown, u"edExtGridDropDown"},
        {edPositiveFloat, u"edPositiveFloat"},
        {edMaskEditBtn, u"edMaskEditBtn"},
    };
    for (const auto& [type, name] : spots) EXPECT_EQ(String(EditorTypeNames[type]), String(name));
    EXPECT_EQ(int(edDataCheckBox), 10);
    EXPECT_EQ(int(edNone), 27);
    EXPECT_EQ(int(edMaskEditBtn), 42);
    std::set<String> names;
    for (const char16_t* n : EditorTypeNames) names.insert(n);
    EXPECT_EQ(names.size(), 43u);
}

TEST(EditorTypes, EachKindBelongsToItsEditorFamily)
{
    const std::pair<TEditorFamily, std::vector<int>> families[] = {
        {efText, {0, 11, 12, 13, 14, 15, 16, 18, 19, 29, 39}},
        {efCombo, {2, 3}},
        {efSpin, {1, 20, 21, 22}},
        {efEditButton, {4, 23, 24, 42}},
        {efUnitEditButton, {17, 40, 41}},
        {efDropDown, {30, 31, 32, 33, 34, 35, 36, 37, 38}},
        {efOther, {5, 6, 7, 8, 9, 10, 25, 26, 27, 28}},
    };
    std::set<int> seen;
    for (const auto& [family, types] : families) {
        for (int t : types) {
            EXPECT_EQ(EditorFamily(TEditorType(t)), family) << t;
            seen.insert(t);
        }
    }
    EXPECT_EQ(seen.size(), size_t(EditorTypeCount));
}

}  // namespace
}  // namespace gw
