// The grid's sort settings: what the sorts read at every comparison, what a click on a header
// does, how the sort indicator is drawn, and the short text the sort state is saved as
// ("u2", "d0", "i;u1;d3"). Loading such a text sorts the grid at once.
#pragma once

#include "grid/model/settings_grid.h"
#include "grid/model/sort_style.h"
#include "platform/graphics/colour.h"
#include "platform/runtime/component.h"

#include <memory>

namespace gw {

class TBitmap;

// The key held down to add a column to the indexed sort's list.
enum TIndexSortKey : uint8_t { ikShift, ikCtrl };

class TSortSettings : public TPersistent {
public:
    explicit TSortSettings(TSettingsGrid* AOwner);
    ~TSortSettings() override;
    String ClassName() const override { return u"TSortSettings"; }
    // From other sort settings only (anything else is ignored): every published value, the
    // glyphs' pictures into this object's own bitmaps, Show and Row as the fields (no repaint, no
    // check).
    void Assign(TPersistent* Source) override;

    // "i;" and the sort-column list when IndexShow, else "u" or "d" and Column ("u-1" unsorted).
    String SaveToString() const;
    // Reads such a text and sorts: nothing for an empty text; otherwise Show goes on, and a text
    // of one character raises "Invalid sort settings specifier". A text holding "i;" turns the
    // indexed sort on and, when a list follows the first two characters, loads it and sorts by
    // it. Any other text sets the direction (ascending when it holds a "u") and, when the text
    // after its first character is a decimal integer, sorts by that column.
    void LoadFromString(StringView Value);
    // Unsorted: Column -1, the sort-column list emptied, the header row repainted.
    void Remove();
    // The other direction; nothing is sorted or repainted.
    void ToggleDirection();

    bool AutoSortForGrouping = true;
    // Header clicks split merged column cells before sorting and merge them again after.
    bool AutoColumnMerge = false;
    // The sort column of the plain sort; -1: not sorted.
    Integer Column = -1;
    // Click-to-sort and the sort indicator; repaints the grid when it changes.
    bool Show() const { return FSortShow; }
    void SetShow(bool Value);
    // Header clicks build the sort-column list and sort by it.
    bool IndexShow = false;
    // Background of the place number in the indexed sort's indicator.
    TColor IndexColor = clYellow;
    TIndexSortKey IndexSortKey = ikShift;
    // Equal rows are ordered by the following columns or list entries.
    bool Full = true;
    // A sort moves only the cells of the sort column.
    bool SingleColumn = false;
    // Empty texts are placed by BlankPos instead of by the format.
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = blFirst;
    // The comparison starts from the automatic format.
    bool AutoFormat = true;
    TSortDirection Direction = sdAscending;
    // The four glyphs are owned; the setters copy the picture in.
    TBitmap* UpGlyph() const { return FSortUpGlyph.get(); }
    void SetUpGlyph(TBitmap* Value);
    TBitmap* DownGlyph() const { return FSortDownGlyph.get(); }
    void SetDownGlyph(TBitmap* Value);
    // Without AutoFormat, the comparison starts without case instead of alphabetic.
    bool IgnoreCase = false;
    TBitmap* IndexUpGlyph() const { return FIndexUpGlyph.get(); }
    void SetIndexUpGlyph(TBitmap* Value);
    TBitmap* IndexDownGlyph() const { return FIndexDownGlyph.get(); }
    void SetIndexDownGlyph(TBitmap* Value);
    // Direction of the first click on a column.
    TSortDirection InitSortDirection = sdAscending;
    // Clicks on the headers of fixed columns sort too.
    bool FixedCols = false;
    // With fixed columns, the texts of column 0 stay in place while rows move.
    bool NormalCellsOnly = false;
    // The fixed row whose cells sort on a click and carry the indicator: it must be one of the
    // fixed rows ("Sort row should be smaller than number of fixed rows"; a negative row raises
    // "Sort row should not be negative"), the old value staying otherwise.
    Integer Row() const { return FSortRow; }
    void SetRow(Integer Value);
    // A further click on the sort column, once the direction has left InitSortDirection, restores
    // the unsorted order.
    bool UndoSort = false;
    // Comparisons read the displayed texts instead of the stored ones.
    bool SortOnVirtualCells = true;
    // Gradient of the sorted column's header cell instead of the header look, when HeaderColor is
    // not clNone. Each setter repaints the last fixed row when the value changes.
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value);
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value);
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(TColor Value);
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor Value);

private:
    void SetHeaderColour(TColor& Field, TColor Value);
    void RepaintHeaderRow() const;

    TSettingsGrid* FGrid;
    bool FSortShow = false;
    std::unique_ptr<TBitmap> FSortUpGlyph;
    std::unique_ptr<TBitmap> FSortDownGlyph;
    std::unique_ptr<TBitmap> FIndexUpGlyph;
    std::unique_ptr<TBitmap> FIndexDownGlyph;
    Integer FSortRow = 0;
    TColor FHeaderColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderMirrorColor = clNone;
    TColor FHeaderMirrorColorTo = clNone;
};

}  // namespace gw
