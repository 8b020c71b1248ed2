// Column stretching, proportional resizing, the rows automatic column sizing measures, and where
// the grid keeps its column widths.
//
// Created with its owning component; setting Stretch needs that owner to be a string grid.
#pragma once

#include "platform/runtime/component.h"

namespace gw {

enum TColumnSizeLocation : uint8_t { clRegistry, clIniFile };
// The rows automatic column sizing measures: all; those between the fixed rows and the fixed
// footer rows; only the fixed rows.
enum TAutoSizeRows : uint8_t { arAll, arNormal, arFixed };

class TColumnSize : public TPersistent {
public:
    explicit TColumnSize(TComponent* AOwner) : m_owner(AOwner) {}
    String ClassName() const override { return u"TColumnSize"; }
    TPersistent* GetOwner() const override { return m_owner; }
    // From another column size only (anything else is ignored): every value, Stretch as the field
    // without stretching; the owner stays.
    void Assign(TPersistent* Source) override;

    // The grid loads its column widths when its window is created and once it is loaded, and
    // saves them when it is destroyed.
    bool Save = false;
    // INI file name or registry key path (under the current user) of the stored widths, and the
    // section or sub-key inside it.
    String Key;
    String Section;

    // Stores the flag, then stretches StretchColumn to the grid's client width when the grid has
    // a parent window (the stretch returns at once when the flag is off, but still checks the
    // column). An owner that is no string grid raises EInvalidCast, the flag stored already.
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool Value);
    // -1: the last column.
    Integer StretchColumn = -1;
    // On a resize each column gets its noted width times the grid's growth; the widths are noted
    // once the grid is loaded.
    bool SynchWithGrid = false;
    // With SynchWithGrid, only the columns between the fixed left and right columns scale.
    bool SynchNormalCellsOnly = false;
    TColumnSizeLocation Location = clRegistry;
    TAutoSizeRows Rows = arAll;

private:
    TComponent* m_owner;
    bool m_stretch = false;
};

}  // namespace gw
