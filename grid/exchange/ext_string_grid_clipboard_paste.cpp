// TExtStringGrid: cells from the clipboard - the paste dispatcher, the text parser with its
// permissions, events, growth and undo, the selection and save-range pastes, and the text
// written without the clipboard. A paste ended by an error is taken back whole.
#include "grid/exchange/clipboard_text.h"
#include "grid/foundation/csv_utils.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/undo_redo.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/floating_footer.h"
#include "grid/model/show_modified.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/text_encoding.h"
#include "platform/ui/clipboard.h"

#include <algorithm>

namespace gw {

// What a paste changed, newest last: cells written (their text or check state before) and rows
// inserted; and the counts the grid had.
struct TPasteJournal {
    struct TChange {
        Integer Col = -1;  // real column; -1 for an inserted row
        Integer Row = -1;
        String Text;
        bool Check = false;
        bool State = false;
    };
    std::vector<TChange> Changes;
    Integer ColCount = 0;
    Integer RowCount = 0;
};

namespace {

bool HasWideForm(const String& Text) { return Text.size() >= 2 && Text[0] == u'|' && Text[1] == u'\\'; }

bool IsLastFieldSkipped(const std::vector<TClipLine>& Lines, size_t Line, size_t Field)
{
    return Field + 1 == Lines[Line].Fields.size() && Lines[Line].Fields[Field].empty() && !MoreTextFollows(Lines, Line);
}

// The column count that holds every field the parser writes from ACol on.
Integer ColumnsNeeded(const std::vector<TClipLine>& Lines, Integer ACol)
{
    Integer needed = 0;
    for (size_t i = 0; i < Lines.size(); ++i) {
        size_t fields = Lines[i].Fields.size();
        if (IsLastFieldSkipped(Lines, i, fields - 1)) --fields;
        needed = std::max(needed, ACol + static_cast<Integer>(fields));
    }
    return needed;
}

// The row count after the parser's growth from ARow: one row each time the next line's row
// reaches Limit (the row count, less a footer row).
Integer RowsNeeded(const std::vector<TClipLine>& Lines, Integer ARow, Integer RowCount, bool FooterRow)
{
    Integer r = ARow;
    for (size_t i = 0; i < Lines.size(); ++i) {
        if (!Lines[i].EndsWithBreak || !MoreTextFollows(Lines, i)) continue;
        ++r;
        if (r == RowCount - (FooterRow ? 1 : 0)) ++RowCount;
    }
    return RowCount;
}

}  // namespace

// --- the hooks ----------------------------------------------------------------------------------

bool TExtStringGrid::UseFormattedClipboard() { return Navigation()->AllowFmtClipboard; }
void TExtStringGrid::PasteStarting() {}
void TExtStringGrid::PasteFinished() {}

void TExtStringGrid::MarkPastedRowsModified(TPoint /*SourceTopLeft*/, const TGridRect& R, TClipOperation /*Operation*/)
{
    if (!ShowModified()->Enabled) return;
    for (Integer r = std::max(R.Top, 0); r <= R.Bottom && r < RowCount(); ++r) SetRowModified(r, true);
}

void TExtStringGrid::SetCellWithUndo(Integer ACol, Integer ARow, const String& Value)
{
    // The undo record addresses real columns: a displayed index would undo into another column
    // while columns are hidden.
    const Integer real = RealColIndex(ACol);
    if (UndoRedo()) UndoRedo()->RegisterChange(real, ARow, GetCellEx(real, ARow), Value);
    if (HasCheckBox(real, ARow)) {
        String checked;
        GetCheckTrue(real, ARow, checked);
        ChangeCheckBoxState(real, ARow, Value == checked);
    } else {
        SetCellEx(real, ARow, Value);
    }
    if (real != ACol) RepaintCell(ACol, ARow);
}

// --- the journal --------------------------------------------------------------------------------

void TExtStringGrid::PasteWrite(Integer ACol, Integer ARow, const String& Value)
{
    if (FPasteJournal) {
        const Integer real = RealColIndex(ACol);
        TPasteJournal::TChange change{real, ARow, GetCellEx(real, ARow)};
        change.Check = HasCheckBox(real, ARow) && GetCheckBoxState(real, ARow, change.State);
        FPasteJournal->Changes.push_back(std::move(change));
    }
    SetCellWithUndo(ACol, ARow, Value);
}

void TExtStringGrid::PasteInsertRow(Integer ARow)
{
    if (FPasteJournal) FPasteJournal->Changes.push_back({.Col = -1, .Row = ARow, .Text = {}});
    InsertRows(ARow, 1, true);
}

void TExtStringGrid::PasteGrow(Integer Cols, Integer Rows)
{
    if (Cols > ColCount()) SetColCount(Cols);
    if (Rows > RowCount()) SetRowCount(Rows);
}

namespace {

// Opens the journal of the outermost paste; when that paste is left by an error, everything it
// changed is put back, newest first, and the counts return.
class TPasteTransaction {
public:
    TPasteTransaction(TExtStringGrid& Grid, TPasteJournal*& Slot) : m_grid(Grid), m_slot(Slot), m_outer(!Slot)
    {
        if (!m_outer) return;
        m_journal.ColCount = Grid.ColCount();
        m_journal.RowCount = Grid.RowCount();
        m_slot = &m_journal;
    }
    TPasteTransaction(const TPasteTransaction&) = delete;
    TPasteTransaction& operator=(const TPasteTransaction&) = delete;
    ~TPasteTransaction()
    {
        if (!m_outer) return;
        m_slot = nullptr;
        if (!m_committed) TakeBack();
    }
    void Commit() { m_committed = true; }

private:
    void TakeBack() noexcept
    {
        try {
            for (auto it = m_journal.Changes.rbegin(); it != m_journal.Changes.rend(); ++it) {
                if (it->Col < 0)
                    m_grid.RemoveRows(it->Row, 1);
                else if (it->Check)
                    m_grid.SetCheckBoxState(it->Col, it->Row, it->State);
                else
                    m_grid.SetCellEx(it->Col, it->Row, it->Text);
            }
            if (m_grid.RowCount() > m_journal.RowCount) m_grid.SetRowCount(m_journal.RowCount);
            if (m_grid.ColCount() > m_journal.ColCount) m_grid.SetColCount(m_journal.ColCount);
        } catch (...) {
            // The paste's own error is the one the caller hears of.
        }
    }

    TExtStringGrid& m_grid;
    TPasteJournal*& m_slot;
    TPasteJournal m_journal;
    bool m_outer;
    bool m_committed = false;
};

}  // namespace

// --- the text parser ----------------------------------------------------------------------------

bool TExtStringGrid::PasteCellAllowed(Integer ACol, Integer ARow, String& Value, bool Wide)
{
    bool allow = true;
    if (Wide) {
        String wide = DecodeWideCellText(Value);
        if (OnClipboardBeforePasteWideCell) OnClipboardBeforePasteWideCell(this, ACol, ARow, wide, allow);
        Value = EncodeWideCellText(wide);
    } else if (OnClipboardBeforePasteCell) {
        OnClipboardBeforePasteCell(this, ACol, ARow, Value, allow);
    }
    return allow;
}

void TExtStringGrid::PastedCell(Integer ACol, Integer ARow, const String& Value, bool Wide)
{
    if (Wide) {
        if (OnClipboardAfterPasteWideCell) OnClipboardAfterPasteWideCell(this, ACol, ARow, DecodeWideCellText(Value));
    } else if (OnClipboardAfterPasteCell) {
        OnClipboardAfterPasteCell(this, ACol, ARow, Value);
    }
}

Integer TExtStringGrid::PasteTextAt(Integer ACol, Integer ARow, Integer& Cols, Integer& Rows, const String& Text)
{
    const TNavigation& nav = *Navigation();
    if (ACol < 0 || ARow < 0) return 0;
    // A resize-handle paste counts as editing in general (FEditDisable), each cell by its own right.
    if (!(Options() & goEditing) && !nav.AllowClipboardAlways && !MouseActions()->RangeSelectAndEdit && !FEditDisable)
        return 0;
    TPasteTransaction transaction(*this, FPasteJournal);
    TExtGridUndoRedo* undo = UndoRedo();
    if (undo) undo->StartSequence();
    TScopeExit stopUndo([undo] {
        if (undo) undo->StopSequence();
    });
    TUpdateScope<TExtStringGrid> update(*this);
    const std::vector<TClipLine> lines = SplitClipboardText(Text);
    FPasteTrailingBreak = lines.size() > 1 && !MoreTextFollows(lines, lines.size() - 2);
    const bool footerRow = FloatingFooter()->Visible() && FloatingFooter()->FooterStyle() == fsFixedLastRow;
    const bool inserting = nav.ClipboardPasteAction == paInsert;
    PasteGrow(nav.AllowClipboardColGrow ? ColumnsNeeded(lines, ACol) : 0,
              nav.AllowClipboardRowGrow && !inserting ? RowsNeeded(lines, ARow, RowCount(), footerRow) : 0);
    Cols = 0;
    Rows = 0;
    Integer count = 0, r = ARow;
    TGridRect written{ACol, ARow, ACol, ARow};
    for (size_t i = 0; i < lines.size(); ++i) {
        const TClipLine& line = lines[i];
        ++Rows;
        ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, r);
        const bool emptyLine = line.Fields.size() == 1 && line.Fields.front().empty();
        if (!emptyLine && inserting && r <= RowCount()) PasteInsertRow(r);
        Cols = static_cast<Integer>(line.Fields.size());
        for (size_t k = 0; k < line.Fields.size(); ++k, ++count) {
            const Integer c = ACol + static_cast<Integer>(k);
            if (c >= ColCount() || r >= RowCount() || IsLastFieldSkipped(lines, i, k)) continue;
            if (!ClipboardMayWrite(c, r)) continue;
            String field = UnquotePastedField(line.Fields[k]);
            const bool wide = HasWideForm(field);
            if (!PasteCellAllowed(c, r, field, wide)) continue;
            PasteWrite(c, r, field);
            written.Left = std::min(written.Left, c);
            written.Right = std::max(written.Right, c);
            written.Bottom = std::max(written.Bottom, r);
            PastedCell(c, r, field, wide);
        }
        if (!line.EndsWithBreak || !MoreTextFollows(lines, i)) continue;
        ++r;
        if (inserting && nav.AllowClipboardRowGrow && r == RowCount() - (footerRow ? 1 : 0)) PasteGrow(0, RowCount() + 1);
    }
    MarkPastedRowsModified(FClipTopLeft, written, FClipLastOp);
    transaction.Commit();
    written.Left = RealColIndex(written.Left);
    written.Right = RealColIndex(written.Right);
    NotifyCellsChanged(written);
    return count;
}

// --- the dispatcher -----------------------------------------------------------------------------

Integer TExtStringGrid::PasteClipboardAt(Integer ACol, Integer ARow, Integer& Cols, Integer& Rows)
{
    TClipboard& clipboard = *Clipboard();
    clipboard.Open();
    TScopeExit close([&clipboard] { clipboard.Close(); });
    const UINT rtf = RegisterClipboardFormat(u"Rich Text Format");
    if (Navigation()->AllowRTFClipboard && clipboard.HasFormat(rtf)) {
        std::string bytes;
        clipboard.GetBuffer(rtf, bytes);
        bytes.resize(std::min(bytes.size(), bytes.find('\0')));
        const String text = AnsiToString(bytes);
        if (ACol >= 0 && ARow >= 0 && ACol < ColCount() && ARow < RowCount() && IsEditable(RealColIndex(ACol), ARow))
            PasteWrite(ACol, ARow, text);
        Cols = 1;
        Rows = 1;
        return 0;
    }
    if (!clipboard.HasFormat(CF_TEXT)) return 0;
    const String text = clipboard.AsText();
    return text.empty() ? 0 : PasteTextAt(ACol, ARow, Cols, Rows, text);
}

// --- the pastes ---------------------------------------------------------------------------------

void TExtStringGrid::PasteSelectionFromClipboard()
{
    ImportNotification(isImportStart, -1);
    TScopeExit done([this] { ImportNotification(isImportDone, -1); });
    FPasteAll = false;
    NormalizeMergedSelection();
    const TGridRect S = Selection();
    TPasteTransaction transaction(*this, FPasteJournal);
    Integer cols = 0, rows = 0;
    FPasteTrailingBreak = false;
    const Integer n = PasteClipboardAt((Options() & goRowSelect) ? FixedCols() : S.Left, S.Top, cols, rows);
    const Integer cells = (S.Bottom - S.Top + 1) * (S.Right - S.Left + 1);
    if (Navigation()->AllowSmartClipboard && n != cells + 1) SmartFill(S, n, cols, rows);
    transaction.Commit();
    NotifyCellsChanged(S);
    AllCellsChanged();
}

void TExtStringGrid::PasteFromClipboard()
{
    ImportNotification(isImportStart, -1);
    TScopeExit done([this] { ImportNotification(isImportDone, -1); });
    FPasteAll = true;
    TPasteTransaction transaction(*this, FPasteJournal);
    Integer cols = 0, rows = 0;
    PasteClipboardAt(SaveStartCol(), SaveStartRow(), cols, rows);
    transaction.Commit();
    AllCellsChanged();
}

void TExtStringGrid::SetSelectionAsText(const String& Value)
{
    const TGridRect S = Selection();
    const std::vector<TClipLine> lines = SplitClipboardText(Value);
    const bool footerRow = FloatingFooter()->Visible() && FloatingFooter()->FooterStyle() == fsFixedLastRow;
    TUpdateScope<TExtStringGrid> update(*this);
    PasteGrow(ColumnsNeeded(lines, S.Left), RowsNeeded(lines, S.Top, RowCount(), footerRow));
    Integer r = S.Top, right = S.Left;
    for (size_t i = 0; i < lines.size(); ++i) {
        for (size_t k = 0; k < lines[i].Fields.size(); ++k) {
            const Integer c = S.Left + static_cast<Integer>(k);
            if (c >= ColCount() || r >= RowCount() || IsLastFieldSkipped(lines, i, k)) continue;
            String field = UnquotePastedField(lines[i].Fields[k]);
            if (HasWideForm(field)) field = EncodeWideCellText(DecodeWideCellText(field));
            SetGridCell(RealColIndex(c), r, field);
            right = std::max(right, c);
        }
        if (lines[i].EndsWithBreak && MoreTextFollows(lines, i)) ++r;
    }
    NotifyCellsChanged({RealColIndex(S.Left), S.Top, RealColIndex(right), std::min(r, RowCount() - 1)});
}

}  // namespace gw
