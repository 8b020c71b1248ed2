// The column grid's columns: one TGridColumnItem per real column in a TGridColumnCollection.
//
// Item i describes real column i (hidden columns included). A property whose change the grid must
// see has a setter (repaint, or the collection's Update, which keeps ColCount in step); a property
// the grid only reads when it asks the column is a public field.
#pragma once

#include "grid/foundation/editor_types.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/sort_style.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"
#include "platform/runtime/collection.h"
#include "platform/runtime/string_list.h"

#include <memory>

namespace gw {

class TExtColumnGrid;
class TGridColumnCollection;
class TPopupMenu;

enum TColumnPopupType : uint8_t {
    cpFixedCellsRClick,
    cpFixedCellsLClick,
    cpNormalCellsRClick,
    cpNormalCellsLClick,
    cpAllCellsRClick,
    cpAllCellsLClick
};

class TGridColumnItem : public TCollectionItem {
public:
    // Without a collection (the grid's spare item) the fonts keep the font defaults and Color is 0.
    explicit TGridColumnItem(TCollection* Collection);
    ~TGridColumnItem() override;
    String ClassName() const override { return u"TGridColumnItem"; }

    // From another column item only; anything else is ignored. ColumnPopupType,
    // PrintBorderCustom and PrintFontCustom are not copied; nothing is notified.
    void Assign(TPersistent* Source) override;
    // As Assign, without ComboItems, DropDownCount, HeaderFont, Header, Name and Tag; Color and
    // Font come from the owning grid.
    void AssignVisuals(TPersistent* Source);
    // Every property, ColumnPopupType, PrintBorderCustom and PrintFontCustom included: a moved or
    // regrouped column keeps all it had.
    void AssignAll(const TGridColumnItem& Source);
    String GetDisplayName() const;
    String DisplayName() const override { return GetDisplayName(); }

    // The grid of the collection, or nullptr.
    TExtColumnGrid* Grid() const;

    // ---- properties with an effect ----
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);
    TCellBorders Borders() const { return m_borders; }
    void SetBorders(TCellBorders Value);
    TPen* BorderPen() const { return m_borderPen.get(); }
    void SetBorderPen(TPen* Value);
    TColor Color() const { return m_color; }
    void SetColor(TColor Value);
    TStringList* ComboItems() const { return m_comboItems.get(); }
    void SetComboItems(TStrings* Value);
    TEditorType Editor() const { return m_editor; }
    void SetEditor(TEditorType Value);
    TStringList* Filter() const { return m_filter.get(); }
    void SetFilter(TStrings* Value);
    bool Fixed() const { return m_fixed; }
    void SetFixed(bool Value);
    const String& FloatFormat() const { return m_floatFormat; }
    void SetFloatFormat(const String& Value);
    TFont* Font() const { return m_font.get(); }
    void SetFont(TFont* Value);
    const String& Header() const { return m_header; }
    void SetHeader(const String& Value);
    // The field alone, as the grid sets it from ColumnHeaders.
    void SetHeaderField(const String& Value) { m_header = Value; }
    TAlignment HeaderAlignment() const { return m_headerAlignment; }
    void SetHeaderAlignment(TAlignment Value);
    TFont* HeaderFont() const { return m_headerFont.get(); }
    void SetHeaderFont(TFont* Value);
    bool Password() const { return m_password; }
    void SetPassword(bool Value);
    TPen* PrintBorderPen() const { return m_printBorderPen.get(); }
    void SetPrintBorderPen(TPen* Value);
    TFont* PrintFont() const { return m_printFont.get(); }
    void SetPrintFont(TFont* Value);
    bool ShowBands() const { return m_showBands; }
    void SetShowBands(bool Value);
    // The grid's width of the column (the kept width of a hidden one); 0 outside a collection.
    Integer Width() const;
    void SetWidth(Integer Value);
    // The width field alone, as the grid writes its widths back.
    Integer WidthField() const { return m_width; }
    void SetWidthField(Integer Value) { m_width = Value; }

    // Components owned elsewhere: the grid hears when they are freed and forgets them.
    TPopupMenu* ColumnPopup() const { return m_columnPopup; }
    void SetColumnPopup(TPopupMenu* Value);
    TComponent* EditLink() const { return m_editLink; }
    void SetEditLink(TComponent* Value);

    // ---- the cells of this column ----
    String GetRows(Integer ARow) const;
    void SetRows(Integer ARow, const String& Value);
    TDateTime GetDates(Integer ARow) const;
    void SetDates(Integer ARow, TDateTime Value);
    double GetFloats(Integer ARow) const;
    void SetFloats(Integer ARow, double Value);
    Integer GetInts(Integer ARow) const;
    void SetInts(Integer ARow, Integer Value);
    TDateTime GetTimes(Integer ARow) const;
    void SetTimes(Integer ARow, TDateTime Value);

    // ---- stored only: read when the grid asks the column ----
    Integer AutoMinSize = 0;
    Integer AutoMaxSize = 0;
    String CheckFalse = u"N";
    String CheckTrue = u"Y";
    TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
    Integer DropDownCount = 8;
    Integer EditLength = 0;
    String EditMask;
    bool FilterCaseSensitive = false;
    Integer MinSize = 0;
    Integer MaxSize = 0;
    String Name;
    bool PrintBorderCustom = true;
    TCellBorders PrintBorders = cbTop | cbLeft | cbRight | cbBottom;
    TColor PrintColor = TColor(0xFFFFFF);
    bool PrintFontCustom = true;
    bool ReadOnly = false;
    TSortStyle SortStyle = ssAutomatic;
    String SortPrefix;
    String SortSuffix;
    Integer SpinMax = 0;
    Integer SpinMin = 0;
    Integer SpinStep = 1;
    Integer Tag = 0;
    // The default position (not published).
    Integer DefIdx = 0;

private:
    void CopyCommon(const TGridColumnItem& Source);
    void NotifyUpdate() { Changed(false); }
    void RepaintGrid() const;

    TAlignment m_alignment = taLeftJustify;
    TCellBorders m_borders = 0;
    std::unique_ptr<TPen> m_borderPen = std::make_unique<TPen>();
    TColor m_color = TColor(0);
    std::unique_ptr<TStringList> m_comboItems = std::make_unique<TStringList>();
    TEditorType m_editor = edNormal;
    std::unique_ptr<TStringList> m_filter = std::make_unique<TStringList>();
    bool m_fixed = false;
    String m_floatFormat;
    std::unique_ptr<TFont> m_font = std::make_unique<TFont>();
    String m_header;
    TAlignment m_headerAlignment = taLeftJustify;
    std::unique_ptr<TFont> m_headerFont = std::make_unique<TFont>();
    bool m_password = false;
    std::unique_ptr<TPen> m_printBorderPen = std::make_unique<TPen>();
    std::unique_ptr<TFont> m_printFont = std::make_unique<TFont>();
    bool m_showBands = false;
    Integer m_width = 50;
    TPopupMenu* m_columnPopup = nullptr;
    TComponent* m_editLink = nullptr;
};

class TGridColumnCollection : public TCollection {
public:
    explicit TGridColumnCollection(TExtColumnGrid* AOwner);
    String ClassName() const override { return u"TGridColumnCollection"; }
    TPersistent* GetOwner() const override;
    TExtColumnGrid* Grid() const { return FOwner; }

    // Appends an item that looks like the last one (AssignVisuals), with its own index as DefIdx.
    TGridColumnItem* Add();
    // Inserts an item with the constructor's defaults.
    TGridColumnItem* Insert(Integer Index);
    TGridColumnItem* Items(Integer Index) const { return static_cast<TGridColumnItem*>(TCollection::Items(Index)); }
    TGridColumnItem* GetItem(Integer Index) const { return Items(Index); }
    void SetItem(Integer Index, TGridColumnItem* Value) { Items(Index)->Assign(Value); }
    // Brings the item count in step with the grid and records the present order as the default.
    void SetOrganization();
    // Moves every column back to its DefIdx; ends whatever the values.
    void ResetOrganization();

    // While set, Update does no more than the base collection.
    bool FNoRecursiveUpdate = false;

protected:
    void Update(TCollectionItem* Item) override;

private:
    TExtColumnGrid* FOwner;
};

}  // namespace gw
