// The string grid's cells: compact texts in rows that move as a whole.
#include "platform/grids/cell_store.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>
#include <utility>

namespace gw {

namespace {

// A text of more than three units: its length, then the units.
struct THeapText {
    uint32_t Length;
    char16_t* Units() { return reinterpret_cast<char16_t*>(this + 1); }
};

THeapText* NewHeapText(std::size_t Length)
{
    auto* block = static_cast<THeapText*>(::operator new(sizeof(THeapText) + Length * sizeof(char16_t)));
    block->Length = uint32_t(Length);
    return block;
}

}  // namespace

// --- TCellText ------------------------------------------------------------------------------------

TCellText& TCellText::operator=(TCellText&& Other) noexcept
{
    if (this != &Other) {
        Free();
        m_bits = Other.m_bits;
        Other.m_bits = 0;
    }
    return *this;
}

void TCellText::Free()
{
    if (m_bits != 0 && !IsInline()) ::operator delete(reinterpret_cast<void*>(m_bits));
}

StringView TCellText::View() const
{
    if (m_bits == 0) return {};
    if (IsInline()) return {m_inline.Units, std::size_t((m_inline.Head >> 1) & 3)};
    auto* heap = reinterpret_cast<THeapText*>(m_bits);
    return {heap->Units(), heap->Length};
}

void TCellText::Assign(StringView Value)
{
    if (Value.empty()) {
        Clear();
        return;
    }
    if (Value.size() <= std::size_t(MaxInline)) {
        char16_t units[MaxInline];  // Value may view this very cell
        std::memcpy(units, Value.data(), Value.size() * sizeof(char16_t));
        Free();
        m_bits = 0;
        m_inline.Head = uint16_t(1 | (Value.size() << 1));
        std::memcpy(m_inline.Units, units, Value.size() * sizeof(char16_t));
        return;
    }
    if (m_bits != 0 && !IsInline() && reinterpret_cast<THeapText*>(m_bits)->Length == Value.size()) {
        std::memmove(reinterpret_cast<THeapText*>(m_bits)->Units(), Value.data(), Value.size() * sizeof(char16_t));
        return;
    }
    // The new block is made before the old one goes, so a value viewing the old one survives.
    THeapText* block = NewHeapText(Value.size());
    std::memcpy(block->Units(), Value.data(), Value.size() * sizeof(char16_t));
    Free();
    m_bits = reinterpret_cast<uintptr_t>(block);
}

// --- TGridCellRow ----------------------------------------------------------------------------------

TGridCellRow::TGridCellRow(TGridCellRow&& Other) noexcept
    : m_texts(Other.m_texts), m_objects(Other.m_objects), m_size(Other.m_size)
{
    Other.m_texts = nullptr;
    Other.m_objects = nullptr;
    Other.m_size = 0;
}

TGridCellRow& TGridCellRow::operator=(TGridCellRow&& Other) noexcept
{
    if (this != &Other) {
        Release();
        m_texts = Other.m_texts;
        m_objects = Other.m_objects;
        m_size = Other.m_size;
        Other.m_texts = nullptr;
        Other.m_objects = nullptr;
        Other.m_size = 0;
    }
    return *this;
}

void TGridCellRow::Release()
{
    delete[] m_texts;
    delete[] m_objects;
    m_texts = nullptr;
    m_objects = nullptr;
    m_size = 0;
}

void TGridCellRow::Reserve(Integer Count)
{
    if (Count > Size()) Reallocate(Count);
}

// New arrays of Count slots holding the first cells that fit; slots past the old size are empty.
void TGridCellRow::Reallocate(Integer Count)
{
    const Integer kept = std::min(Count, Size());
    auto* texts = new TCellText[std::size_t(Count)];
    std::move(m_texts, m_texts + kept, texts);
    TObject** objects = nullptr;
    if (m_objects) {
        objects = new TObject*[std::size_t(Count)]();
        std::copy(m_objects, m_objects + kept, objects);
    }
    delete[] m_texts;
    delete[] m_objects;
    m_texts = texts;
    m_objects = objects;
    m_size = uint32_t(Count);
}

void TGridCellRow::Resize(Integer Count)
{
    Count = std::max(Count, 0);
    if (Count >= Size()) {
        Reserve(Count);
        return;
    }
    if (Count == 0) {
        Release();
        return;
    }
    Reallocate(Count);
}

void TGridCellRow::ExchangeCell(TGridCellRow& Other, Integer I)
{
    if (I < 0 || (!Holds(I) && !Other.Holds(I))) return;
    Reserve(I + 1);
    Other.Reserve(I + 1);
    std::swap(m_texts[I], Other.m_texts[I]);
    TObject* mine = Object(I);
    SetObject(I, Other.Object(I));
    Other.SetObject(I, mine);
}

void TGridCellRow::SetObject(Integer I, TObject* Value)
{
    if (!m_objects) {
        if (!Value) return;
        m_objects = new TObject*[m_size]();
    }
    m_objects[I] = Value;
}

void TGridCellRow::Move(Integer From, Integer To)
{
    Reserve(std::max(From, To) + 1);
    auto rotate = [&](auto* Items) {
        if (From < To)
            std::rotate(Items + From, Items + From + 1, Items + To + 1);
        else
            std::rotate(Items + To, Items + From, Items + From + 1);
    };
    rotate(m_texts);
    if (m_objects) rotate(m_objects);
}

void TGridCellRow::Insert(Integer At, Integer Count)
{
    if (At >= Size()) return;  // nothing stands there to move
    const Integer old = Size();
    Reserve(old + Count);
    std::move_backward(m_texts + At, m_texts + old, m_texts + old + Count);
    if (m_objects) {
        std::copy_backward(m_objects + At, m_objects + old, m_objects + old + Count);
        std::fill(m_objects + At, m_objects + At + Count, nullptr);
    }
}

void TGridCellRow::Erase(Integer At, Integer Count)
{
    if (At >= Size()) return;
    const Integer end = std::min(Size(), At + Count);
    std::move(m_texts + end, m_texts + Size(), m_texts + At);
    for (Integer i = Size() - (end - At); i < Size(); ++i) m_texts[i].Clear();
    if (m_objects) {
        std::copy(m_objects + end, m_objects + Size(), m_objects + At);
        std::fill(m_objects + Size() - (end - At), m_objects + Size(), nullptr);
    }
}

// --- TGridCellStore -------------------------------------------------------------------------------

TGridCellStore::~TGridCellStore() = default;

const TGridCellRow* TGridCellStore::Row(Integer ARow) const
{
    return ARow >= 0 && ARow < RowExtent() ? &m_rows[std::size_t(ARow)] : nullptr;
}

TGridCellRow* TGridCellStore::Row(Integer ARow)
{
    if (ARow < 0) return nullptr;
    if (ARow >= RowExtent()) m_rows.resize(std::size_t(ARow) + 1);
    return &m_rows[std::size_t(ARow)];
}

StringView TGridCellStore::Text(Integer ACol, Integer ARow) const
{
    const TGridCellRow* row = Row(ARow);
    return row && ACol >= 0 && ACol < row->Size() ? row->Text(ACol).View() : StringView();
}

void TGridCellStore::SetText(Integer ACol, Integer ARow, StringView Value)
{
    if (ACol < 0 || ARow < 0) return;
    if (Value.empty()) {
        // Emptying makes no room: a cell outside the rows is empty already.
        if (ARow < RowExtent() && ACol < m_rows[std::size_t(ARow)].Size()) m_rows[std::size_t(ARow)].Text(ACol).Clear();
        return;
    }
    TGridCellRow* row = Row(ARow);
    if (ACol >= row->Size()) {
        // Value may view a short text held in this row's cells, which growing moves.
        const String kept(Value);
        row->Reserve(std::max(ACol + 1, ColumnHint));
        row->Text(ACol).Assign(kept);
        return;
    }
    row->Text(ACol).Assign(Value);
}

TObject* TGridCellStore::Object(Integer ACol, Integer ARow) const
{
    const TGridCellRow* row = Row(ARow);
    return row && ACol >= 0 && ACol < row->Size() ? row->Object(ACol) : nullptr;
}

void TGridCellStore::SetObject(Integer ACol, Integer ARow, TObject* Value)
{
    if (ACol < 0 || ARow < 0) return;
    if (!Value && (ARow >= RowExtent() || ACol >= m_rows[std::size_t(ARow)].Size())) return;
    TGridCellRow* row = Row(ARow);
    if (ACol >= row->Size()) row->Reserve(std::max(ACol + 1, ColumnHint));
    row->SetObject(ACol, Value);
}

void TGridCellStore::InsertRows(Integer At, Integer Count)
{
    if (At < 0 || Count <= 0 || At >= RowExtent()) return;  // below the rows there is nothing to move
    std::vector<TGridCellRow> fresh(static_cast<std::size_t>(Count));
    m_rows.insert(m_rows.begin() + At, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
}

void TGridCellStore::DeleteRows(Integer At, Integer Count)
{
    if (At < 0 || Count <= 0 || At >= RowExtent()) return;
    const Integer end = std::min(RowExtent(), At + Count);
    m_rows.erase(m_rows.begin() + At, m_rows.begin() + end);
}

void TGridCellStore::MoveRow(Integer From, Integer To, Integer FirstCol)
{
    if (From == To || From < 0 || To < 0) return;
    Row(std::max(From, To));  // both rows exist from here on
    auto rows = m_rows.begin();
    if (From < To)
        std::rotate(rows + From, rows + From + 1, rows + To + 1);
    else
        std::rotate(rows + To, rows + From, rows + From + 1);
    // The kept cells went along: walk them back, one exchange per row passed.
    for (Integer c = 0; c < FirstCol; ++c) {
        if (From < To)
            for (Integer r = To; r > From; --r) m_rows[std::size_t(r)].ExchangeCell(m_rows[std::size_t(r) - 1], c);
        else
            for (Integer r = To; r < From; ++r) m_rows[std::size_t(r)].ExchangeCell(m_rows[std::size_t(r) + 1], c);
    }
}

void TGridCellStore::ExchangeRows(Integer A, Integer B)
{
    if (A == B || A < 0 || B < 0) return;
    Row(std::max(A, B));
    std::swap(m_rows[std::size_t(A)], m_rows[std::size_t(B)]);
}

void TGridCellStore::MoveColumn(Integer From, Integer To)
{
    if (From == To || From < 0 || To < 0) return;
    const Integer low = std::min(From, To);
    // Only rows that reach into the moved range change.
    for (TGridCellRow& row : m_rows)
        if (row.Size() > low) row.Move(From, To);
}

void TGridCellStore::InsertColumns(Integer At, Integer Count)
{
    if (At < 0 || Count <= 0) return;
    for (TGridCellRow& row : m_rows) row.Insert(At, Count);
}

void TGridCellStore::DeleteColumns(Integer At, Integer Count)
{
    if (At < 0 || Count <= 0) return;
    for (TGridCellRow& row : m_rows) row.Erase(At, Count);
}

Integer TGridCellStore::ColumnExtent(Integer ARow) const
{
    const TGridCellRow* row = Row(ARow);
    return row ? row->Size() : 0;
}

bool TGridCellStore::RowHasObjects(Integer ARow) const
{
    const TGridCellRow* row = Row(ARow);
    return row && row->HasObjects();
}

void TGridCellStore::ClearRow(Integer ARow)
{
    if (ARow >= 0 && ARow < RowExtent()) m_rows[std::size_t(ARow)] = TGridCellRow();
}

TGridCellRow TGridCellStore::TakeRow(Integer ARow)
{
    if (ARow < 0 || ARow >= RowExtent()) return {};
    return std::exchange(m_rows[std::size_t(ARow)], TGridCellRow());
}

TGridCellRow TGridCellStore::PutRow(Integer ARow, TGridCellRow Row)
{
    if (ARow < 0) return Row;
    if (Row.Size() == 0 && ARow >= RowExtent()) return {};  // an empty row there is what the store answers already
    return std::exchange(*this->Row(ARow), std::move(Row));
}

}  // namespace gw
