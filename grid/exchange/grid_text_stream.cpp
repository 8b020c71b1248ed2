// The grid's native text stream read and written without the grid (see the header).
#include "grid/exchange/grid_text_stream.h"

#include "grid/model/ext_grid_error.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/streams.h"

#include <string>

namespace gw {

namespace {

constexpr Char CR = 13;

// The bytes of one read: lines are cut from them unit by unit; End tells where the last line
// taken ended, in bytes from the start.
class TUnitReader {
public:
    explicit TUnitReader(std::string Bytes) : m_bytes(std::move(Bytes)) {}

    bool HasData() const { return m_at < m_bytes.size(); }
    size_t At() const { return m_at; }

    // The units up to the first CR (or the end); the CR and one unit after it are taken too.
    String ReadLine()
    {
        String line;
        for (;;) {
            if (!HasData()) return line;
            const Char unit = ReadUnit();
            if (unit == CR) break;
            line.push_back(unit);
        }
        if (HasData()) ReadUnit();  // the LF
        return line;
    }

private:
    Char ReadUnit()
    {
        if (m_bytes.size() - m_at < 2) throw EExtGridError(u"Grid text stream ends inside a character");
        const auto low = static_cast<uint8_t>(m_bytes[m_at]);
        const auto high = static_cast<uint8_t>(m_bytes[m_at + 1]);
        m_at += 2;
        return static_cast<Char>(low | (high << 8));
    }

    std::string m_bytes;
    size_t m_at = 0;
};

Integer BoundedNumber(StringView Field, Integer Max, const char16_t* What)
{
    const Integer value = StrToInt(Field);
    if (value < 0 || value > Max)
        throw EExtGridError(u"Grid text stream holds " + String(What) + u" out of range: " + String(Field));
    return value;
}

// "n,m": the counts of the first line.
void ReadCounts(StringView Line, TGridTextStream& Result)
{
    const size_t comma = Line.find(u',');
    const StringView cols = Line.substr(0, comma);
    const StringView rows = comma == StringView::npos ? StringView{} : Line.substr(comma + 1);
    Result.ColCount = BoundedNumber(cols, MaxTextStreamCount, u"a column count");
    Result.RowCount = BoundedNumber(rows, MaxTextStreamCount, u"a row count");
    Result.HasCounts = true;
}

// "cw i,w" with the first three units dropped.
TGridTextWidth ReadWidth(StringView Line)
{
    const StringView rest = Line.substr(std::min<size_t>(3, Line.size()));
    const size_t comma = rest.find(u',');
    const StringView width = comma == StringView::npos ? StringView{} : rest.substr(comma + 1);
    return {.Col = BoundedNumber(rest.substr(0, comma), MaxTextStreamCount, u"a column"),
            .Width = BoundedNumber(width, MaxTextStreamWidth, u"a width")};
}

}  // namespace

void WriteGridTextLine(TStream& Stream, StringView Line)
{
    std::string bytes;
    bytes.reserve(2 * Line.size() + 4);
    for (const Char unit : Line) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    bytes.append("\x0D\x00\x0A\x00", 4);
    Stream.WriteBuffer(bytes);
}

TGridTextStream ReadGridTextStream(TStream& Stream)
{
    const Int64 start = Stream.Position();
    TUnitReader reader(Stream.ReadRest());
    Stream.SetPosition(start);  // stays there unless the whole read succeeds

    TGridTextStream result;
    if (reader.HasData()) {
        const String first = reader.ReadLine();
        if (!first.empty()) ReadCounts(first, result);
    }
    size_t lineStart = reader.At();
    while (reader.HasData()) {
        lineStart = reader.At();
        const String line = reader.ReadLine();
        if (line.starts_with(u"cw")) {
            result.Widths.push_back(ReadWidth(line));
            continue;
        }
        const size_t first = line.find(u',');
        const size_t second = first == String::npos ? String::npos : line.find(u',', first + 1);
        if (second == String::npos) {
            Stream.SetPosition(start + static_cast<Int64>(lineStart));
            return result;
        }
        const StringView view(line);
        result.Cells.push_back({.Col = BoundedNumber(view.substr(0, first), MaxTextStreamCount, u"a column"),
                                .Row = BoundedNumber(view.substr(first + 1, second - first - 1),
                                                     MaxTextStreamCount, u"a row"),
                                .Text = line.substr(second + 1)});
    }
    Stream.SetPosition(start + static_cast<Int64>(reader.At()));
    return result;
}

}  // namespace gw
