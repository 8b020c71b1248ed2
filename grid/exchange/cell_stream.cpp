// The cell stream's value names and its splitting into cells (see the header).
#include "grid/exchange/cell_stream.h"

#include "grid/foundation/editor_types.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"

#include <array>
#include <span>

namespace gw {

namespace {

constexpr std::array<std::string_view, 3> Alignments = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::array<std::string_view, 8> BrushStyles = {"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                                         "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
constexpr std::array<std::string_view, 3> VAlignments = {"vtaTop", "vtaCenter", "vtaBottom"};
constexpr std::array<std::string_view, 2> GradientDirections = {"GradientVertical", "GradientHorizontal"};
constexpr std::array<std::string_view, ctExpand + 1> CellTypes = {
    "ctBitmap",      "ctIcon",        "ctNone",          "ctImageList",      "ctCheckBox",    "ctDataCheckBox",
    "ctRotated",     "ctDataImage",   "ctNode",          "ctRadio",          "ctEmpty",       "ctImages",
    "ctPicture",     "ctFilePicture", "ctValue",         "ctProgress",       "ctComment",     "ctButton",
    "ctBitButton",   "ctVirtCheckBox", "ctRowCheckBox",  "ctProgressPie",    "ctSummary",     "ctRangeIndicator",
    "ctXPProgress",  "ctInterface",   "ctScrollbar",     "ctRadioButton",    "ctBalloon",     "ctShape",
    "ctRating",      "ctTriStateCheckBox", "ctExpand"};
constexpr std::array<std::string_view, 6> CellVAligns = {"vaTop",       "vaBottom",    "vaCenter",
                                                         "vaUnderText", "vaAboveText", "vaFull"};
constexpr std::array<std::string_view, 6> CellHAligns = {"haLeft",       "haRight",     "haCenter",
                                                         "haBeforeText", "haAfterText", "haFull"};
constexpr std::array<std::string_view, 3> CheckBoxStates = {"cbUnchecked", "cbChecked", "cbGrayed"};

std::string_view NameIn(std::span<const std::string_view> Names, Integer Value)
{
    return Value >= 0 && size_t(Value) < Names.size() ? Names[size_t(Value)] : std::string_view{};
}

[[noreturn]] void Bad(const std::string& What) { throw EReadError(u"Invalid cell stream: " + Utf8ToString(What)); }

TComponentRecord ReadOf(TRecordReader& Reader, std::string_view ClassName)
{
    TComponentRecord record = Reader.Read();
    if (record.ClassName != ClassName) Bad(std::string(ClassName) + " expected, " + record.ClassName + " found");
    return record;
}

bool BooleanOf(const TComponentRecord& Record, std::string_view Name)
{
    const TRecordValue* v = Record.Find(Name);
    return v != nullptr && v->Type == vaTrue;
}

}  // namespace

std::string_view AlignmentName(Integer Value) { return NameIn(Alignments, Value); }
std::string_view BrushStyleName(Integer Value) { return NameIn(BrushStyles, Value); }
std::string_view VAlignmentName(Integer Value) { return NameIn(VAlignments, Value); }
std::string_view GradientDirectionName(Integer Value) { return NameIn(GradientDirections, Value); }
std::string_view CellTypeName(Integer Value) { return NameIn(CellTypes, Value); }
std::string_view CellVAlignName(Integer Value) { return NameIn(CellVAligns, Value); }
std::string_view CellHAlignName(Integer Value) { return NameIn(CellHAligns, Value); }
std::string_view CheckBoxStateName(Integer Value) { return NameIn(CheckBoxStates, Value); }

std::string EditorTypeName(Integer Value)
{
    return Value >= 0 && Value < EditorTypeCount ? StringToUtf8(EditorTypeNames[size_t(Value)]) : std::string();
}

std::vector<std::string_view> FontStyleNames(TFontStyles Value)
{
    std::vector<std::string_view> names;
    if (Value & fsBold) names.push_back("fsBold");
    if (Value & fsItalic) names.push_back("fsItalic");
    if (Value & fsUnderline) names.push_back("fsUnderline");
    if (Value & fsStrikeOut) names.push_back("fsStrikeOut");
    return names;
}

std::string_view PayloadClassName(TCellType Type)
{
    switch (Type) {
    case ctBitmap:
    case ctBitButton: return "TGridBMPIO";
    case ctIcon: return "TGridIconIO";
    case ctRadio:
    case ctImages: return "TGridSLIO";
    case ctPicture: return "TGridPicIO";
    case ctFilePicture: return "TGridFilePicIO";
    default: return {};
    }
}

std::optional<TCellType> CellTypeOfName(std::string_view Name)
{
    for (size_t i = 0; i < CellTypes.size(); ++i)
        if (CellTypes[i] == Name) return static_cast<TCellType>(i);
    return std::nullopt;
}

TCellStream ReadCellStream(std::string_view Bytes)
{
    TRecordReader reader(Bytes);
    TCellStream stream;
    stream.Header = ReadOf(reader, "TGridPropIO");
    // A cell takes one record of at least a dozen bytes: the loop ends with the bytes.
    while (reader.Left() >= 2) {
        TCellStreamCell cell;
        cell.Cell = ReadOf(reader, "TGridCellIO");
        if (BooleanOf(cell.Cell, "HasProp")) {
            cell.Properties = ReadOf(reader, "TGridCellPropIO");
            if (BooleanOf(*cell.Properties, "HasGraphic")) {
                cell.Graphic = ReadOf(reader, "TGridGraphicIO");
                const TRecordValue* type = cell.Graphic->Find("CellGraphic.CellType");
                const std::optional<TCellType> kind =
                    type != nullptr && type->Type == vaIdent ? CellTypeOfName(type->Ident) : std::nullopt;
                const std::string_view payload = kind ? PayloadClassName(*kind) : std::string_view{};
                if (!payload.empty()) cell.Payload = ReadOf(reader, payload);
            }
        }
        stream.Cells.push_back(std::move(cell));
    }
    return stream;
}

}  // namespace gw
