// The table-file convention: how a table of text cells becomes an XML file and back again.
#pragma once

#include "platform/runtime/types.h"

#include <cstddef>
#include <span>
#include <vector>

namespace gw {

class TXMLDocument;

// What the convention needs of a grid: text cells addressed by real column and row, row 0 the
// header row and rows 1 .. RowCount() - 1 the data rows. The column grid plugs in here.
class TCellTable {
public:
    virtual ~TCellTable() = default;
    virtual String GetCellEx(Integer ACol, Integer ARow) const = 0;
    virtual void SetCellEx(Integer ACol, Integer ARow, const String& Value) = 0;
    virtual Integer RowCount() const = 0;
};

// A plain table of texts (ColCount x RowCount, all empty at first).
class TStringTable : public TCellTable {
public:
    TStringTable(Integer ColCount, Integer RowCount);

    String GetCellEx(Integer ACol, Integer ARow) const override;
    void SetCellEx(Integer ACol, Integer ARow, const String& Value) override;
    Integer RowCount() const override { return m_rowCount; }
    Integer ColCount() const { return m_colCount; }

private:
    // Raises EListError for a cell outside the table.
    std::size_t Index(Integer ACol, Integer ARow) const;

    Integer m_colCount = 0;
    Integer m_rowCount = 0;
    std::vector<String> m_cells;
};

// One data column: the attribute that stores it and the reader's default for a missing one.
// Data columns are grid columns 1, 2, ... in order; column 0 (the row number) is not stored.
struct TTableColumn {
    String Attribute;
    String ReaderDefault;
    // The check-box column of enabling: reset to "Y" before reading.
    bool IsEnable = false;
};

// One table of a file: its element under the root (empty: rows directly under the root), its
// key column (a grid column) and its data columns.
struct TTableLayout {
    String Element;
    Integer KeyColumn = 1;
    std::vector<TTableColumn> Columns;
};

// A whole file: the root element, the version put in the comment after it, the tables in the
// order of the window's grids.
struct TTableFileLayout {
    String Root;
    String Version;
    std::vector<TTableLayout> Tables;
};

inline constexpr StringView Table_Row_Element = u"row";
inline constexpr StringView Table_Check_True = u"Y";
// The version comment's text for a file version ("SW_VERSION = 1.009").
String Table_Version_Comment(StringView Version);

// Writes the tables (one per layout table, same order) to FileName, whole or not at all. Every
// data row whose key cell, trimmed, is not empty becomes one row element in order, its cells
// untrimmed; rows with an empty key are skipped, so a gap left by an inserted row loses nothing.
// Doc is emptied first and serves as the working document.
void Write_Table_File(TXMLDocument& Doc, const String& FileName, const TTableFileLayout& Layout,
                      std::span<const TCellTable* const> Tables);

// Resets the tables (row numbers in column 0, "Y" in the enable column, other cells empty),
// then, when the file exists, fills data row i + 1 from the i-th child of the root (or of the
// table element, found by name), attribute by attribute: a missing attribute gives its column's
// reader default. Children beyond the table's data rows are ignored. A file that is not
// well-formed raises EXmlError (after the reset).
void Read_Table_File(TXMLDocument& Doc, const String& FileName, const TTableFileLayout& Layout,
                     std::span<TCellTable* const> Tables);

// The reset alone, for one table.
void Reset_Table(TCellTable& Table, const TTableLayout& Layout);

}  // namespace gw
