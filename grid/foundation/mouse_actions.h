// The mouse options of a grid: selection, direct editing, sizing and wheel rules.
//
// Created, owned and freed by its grid, which connects the events.
#pragma once

#include "platform/runtime/component.h"
#include "platform/runtime/string_list.h"

#include <functional>
#include <memory>

namespace gw {

enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };

// Asks the owning grid whether it is in the form designer.
using TIsDesigningEvent = std::function<void(TObject* Sender, bool& Designing)>;

class TMouseActions : public TPersistent {
public:
    explicit TMouseActions(TComponent* AOwner);
    ~TMouseActions() override;
    String ClassName() const override { return u"TMouseActions"; }
    TPersistent* GetOwner() const override { return m_owner; }
    // From another TMouseActions only (anything else is ignored), without events: every option
    // but EditOnDblClickOnly, FixedComboValues, HotmailRowSelect and SizeFixedRow.
    void Assign(TPersistent* Source) override;

    bool ColSelect = false;
    bool RowSelect = false;
    bool AllSelect = false;
    bool DirectEdit = false;
    bool DirectComboDrop = false;
    bool DirectComboClose = false;
    bool DirectDateClose = false;
    bool DirectDateDrop = false;
    // The three disjunct selections exclude each other only in the form designer: setting one on
    // there switches the other two off. At run time they may be on together.
    bool DisjunctRowSelect() const { return m_disjunctRowSelect; }
    void SetDisjunctRowSelect(bool Value);
    bool DisjunctColSelect() const { return m_disjunctColSelect; }
    void SetDisjunctColSelect(bool Value);
    bool AllColumnSize = false;
    bool AllRowSize = false;
    bool CaretPositioning = false;
    bool SizeFixedCol = false;
    bool SizeFixedRow = false;
    bool DisjunctCellSelect() const { return m_disjunctCellSelect; }
    void SetDisjunctCellSelect(bool Value);
    TGridFixedCellEdit FixedRowsEdit = fceNone;
    TGridFixedCellEdit FixedColsEdit = fceNone;
    TGridFixedCellEditor FixedRowsEditor = fceEdit;
    TGridFixedCellEditor FixedColsEditor = fceEdit;
    // Switching it on switches DisjunctRowSelect and CheckAllCheck on; every set fires OnInvalidate.
    bool HotmailRowSelect() const { return m_hotmailRowSelect; }
    void SetHotmailRowSelect(bool Value);
    bool RangeSelectAndEdit = false;
    bool NoAutoRangeScroll = false;
    bool PreciseCheckBoxCheck = false;
    bool PreciseNodeClick = true;
    bool CheckAllCheck = false;
    bool NodeAllExpandContract = false;
    bool MoveRowOnNodeClick = false;
    bool RowSelectPersistent = false;
    bool SelectOnRightClick = false;
    bool NoScrollOnPartialRow = false;
    Integer WheelIncrement = 0;
    // Fires OnChange when the value changes.
    TWheelAction WheelAction() const { return m_wheelAction; }
    void SetWheelAction(TWheelAction Value);
    bool AutoSizeColOnDblClick = true;
    // Switching it on fires OnDisableEdit.
    bool EditOnDblClickOnly() const { return m_editOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool Value);
    bool DisjunctRowSelectNoCtrl = false;
    // Owned; the setter copies the given strings.
    TStringList* FixedComboValues() const { return m_fixedComboValues.get(); }
    void SetFixedComboValues(const TStrings* Value);

    // DisjunctRowSelect itself, without the designer's rule.
    bool DisjunctRowSelectDirect() const { return m_disjunctRowSelect; }
    void SetDisjunctRowSelectDirect(bool Value) { m_disjunctRowSelect = Value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDisableEdit;
    TIsDesigningEvent OnIsDesigning;

private:
    bool Designing();

    TComponent* m_owner;
    bool m_disjunctRowSelect = false;
    bool m_disjunctColSelect = false;
    bool m_disjunctCellSelect = false;
    bool m_hotmailRowSelect = false;
    TWheelAction m_wheelAction = waMoveSelection;
    bool m_editOnDblClickOnly = false;
    std::unique_ptr<TStringList> m_fixedComboValues;
};

}  // namespace gw
