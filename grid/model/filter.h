// The grid's filter conditions: one item per condition, kept in the grid's Filter collection.
// The filter engine of the grid applies them; these classes only hold and find them.
#pragma once

#include "grid/model/settings_grid.h"
#include "platform/runtime/collection.h"

namespace gw {

// How a condition joins the ones before it.
enum TFilterOperation : uint8_t { foSHORT, foNONE, foAND, foXOR, foOR };
// Which text of a cell the condition tests.
enum TFilterCells : uint8_t { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
// fmContains: the condition is plain text looked for anywhere in the cell (type-ahead narrowing).
enum TFilterMethod : uint8_t { fmExpression, fmLiteral, fmContains };

class TFilterData : public TCollectionItem {
public:
    explicit TFilterData(TCollection* Collection) : TCollectionItem(Collection) {}
    String ClassName() const override { return u"TFilterData"; }
    // From another condition only (any other class raises EInvalidCast); Method is not copied.
    void Assign(TPersistent* Source) override;

    int16_t Column = 0;
    String Condition;
    bool CaseSensitive = true;
    TFilterCells Data = fcVirtual;
    String Prefix;
    String Suffix;
    // Set by TFilter::Add.
    TFilterOperation Operation = foSHORT;
    TFilterMethod Method = fmExpression;
};

class TFilter : public TCollection {
public:
    // AOwner: the grid, or nullptr for a filter that belongs to none.
    explicit TFilter(TSettingsGrid* AOwner);
    String ClassName() const override { return u"TFilter"; }
    // The grid, as a persistent object.
    TPersistent* GetOwner() const override;

    // Appends a condition: foNONE when it is the only one, else foAND.
    TFilterData* Add();
    // Inserts a condition at Index (0 .. Count; EListError outside), its operation foSHORT.
    TFilterData* Insert(Integer Index);
    TFilterData* Items(Integer Index) const { return static_cast<TFilterData*>(TCollection::Items(Index)); }
    TFilterData* GetItem(Integer Index) const { return Items(Index); }
    // Assigns Value into the condition at Index.
    void SetItem(Integer Index, TFilterData* Value) { Items(Index)->Assign(Value); }

    // The first condition on column Col; without one, a new one added for it.
    TFilterData* GetColFilter(Integer Col);
    bool HasFilter(Integer Col) const;
    // Deletes every condition on column Col, then repaints the column's header cell (Col, 0),
    // where the filter glyph is shown.
    void RemoveColumnFilter(Integer Col);

private:
    TSettingsGrid* FOwner;
};

}  // namespace gw
