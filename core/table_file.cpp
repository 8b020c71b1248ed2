// The table-file convention: how a table of text cells becomes an XML file and back again.
#include "core/table_file.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/files.h"
#include "platform/runtime/strings.h"
#include "platform/xml/xml_document.h"

#include <cstddef>

namespace gw {

TStringTable::TStringTable(Integer ColCount, Integer RowCount)
    : m_colCount(ColCount < 0 ? 0 : ColCount), m_rowCount(RowCount < 0 ? 0 : RowCount),
      m_cells(static_cast<std::size_t>(m_colCount) * static_cast<std::size_t>(m_rowCount))
{
}

std::size_t TStringTable::Index(Integer ACol, Integer ARow) const
{
    if (ACol < 0 || ACol >= m_colCount) throw EListError(u"Column index out of bounds (" + IntToStr(ACol) + u")");
    if (ARow < 0 || ARow >= m_rowCount) throw EListError(u"Row index out of bounds (" + IntToStr(ARow) + u")");
    return static_cast<std::size_t>(ARow) * static_cast<std::size_t>(m_colCount) + static_cast<std::size_t>(ACol);
}

String TStringTable::GetCellEx(Integer ACol, Integer ARow) const { return m_cells[Index(ACol, ARow)]; }

void TStringTable::SetCellEx(Integer ACol, Integer ARow, const String& Value) { m_cells[Index(ACol, ARow)] = Value; }

String Table_Version_Comment(StringView Version) { return u"SW_VERSION = " + String(Version); }

namespace {

Integer DataColumn(std::size_t Index) { return static_cast<Integer>(Index) + 1; }

void CheckTableCount(const TTableFileLayout& Layout, std::size_t Count)
{
    if (Count != Layout.Tables.size())
        throw EInvalidOperation(u"Table file " + Layout.Root + u": " + IntToStr(Layout.Tables.size()) +
                                u" tables expected, " + IntToStr(Count) + u" given");
}

void WriteRows(TXMLNode Parent, const TTableLayout& Layout, const TCellTable& Table)
{
    for (Integer row = 1; row < Table.RowCount(); ++row) {
        if (Trim(Table.GetCellEx(Layout.KeyColumn, row)).empty()) continue;
        TXMLNode element = Parent.AddChild(Table_Row_Element);
        for (std::size_t c = 0; c < Layout.Columns.size(); ++c)
            element.SetAttribute(Layout.Columns[c].Attribute, Table.GetCellEx(DataColumn(c), row));
    }
}

void ReadRows(const TXMLNode& Parent, const TTableLayout& Layout, TCellTable& Table)
{
    Integer row = 1;
    for (TXMLNode child = Parent.FirstChild(); child && row < Table.RowCount(); child = child.NextSibling(), ++row) {
        for (std::size_t c = 0; c < Layout.Columns.size(); ++c) {
            const TTableColumn& column = Layout.Columns[c];
            String value;
            if (!child.TryGetAttribute(column.Attribute, value)) value = column.ReaderDefault;
            Table.SetCellEx(DataColumn(c), row, value);
        }
    }
}

}  // namespace

void Reset_Table(TCellTable& Table, const TTableLayout& Layout)
{
    for (Integer row = 1; row < Table.RowCount(); ++row) {
        Table.SetCellEx(0, row, IntToStr(row));
        for (std::size_t c = 0; c < Layout.Columns.size(); ++c)
            Table.SetCellEx(DataColumn(c), row, Layout.Columns[c].IsEnable ? String(Table_Check_True) : String());
    }
}

void Write_Table_File(TXMLDocument& Doc, const String& FileName, const TTableFileLayout& Layout,
                      std::span<const TCellTable* const> Tables)
{
    CheckTableCount(Layout, Tables.size());
    Doc.Clear();
    TXMLNode root = Doc.AddChild(Layout.Root);
    Doc.AddComment(Table_Version_Comment(Layout.Version));
    for (std::size_t t = 0; t < Tables.size(); ++t) {
        const TTableLayout& table = Layout.Tables[t];
        TXMLNode parent = table.Element.empty() ? root : root.AddChild(table.Element);
        WriteRows(parent, table, *Tables[t]);
    }
    Doc.SaveToFile(FileName);
}

void Read_Table_File(TXMLDocument& Doc, const String& FileName, const TTableFileLayout& Layout,
                     std::span<TCellTable* const> Tables)
{
    CheckTableCount(Layout, Tables.size());
    for (std::size_t t = 0; t < Tables.size(); ++t) Reset_Table(*Tables[t], Layout.Tables[t]);
    if (!FileExists(FileName)) return;
    Doc.LoadFromFile(FileName);
    // The document element, also behind a declaration or comment that another tool wrote.
    const TXMLNode root = Doc.DocumentElement();
    for (std::size_t t = 0; t < Tables.size(); ++t) {
        const TTableLayout& table = Layout.Tables[t];
        const TXMLNode parent = table.Element.empty() ? root : root.FindChild(table.Element);
        ReadRows(parent, table, *Tables[t]);
    }
}

}  // namespace gw
