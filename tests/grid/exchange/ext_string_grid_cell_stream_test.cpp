// The string grid's cell stream written for a rectangle: the exact bytes of a plain cell, the
// properties and graphics of rich cells read back record by record, what an application owns
// left out, 16-bit positions, the full-grid flag, progress, and streams cut or malformed.
#include "grid/exchange/cell_stream.h"
#include "grid/foundation/file_picture.h"
#include "grid/foundation/int_list.h"
#include "grid/model/ext_string_grid.h"
#include "platform/backends/headless/harness.h"
#include "tests/grid/exchange/recording_grid.h"
#include "platform/graphics/bitmap.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gw::test {
namespace {

using namespace std::string_literals;

class GridCellStream : public ::testing::Test {
protected:
    GridCellStream()
    {
        g.SetColCount(4);
        g.SetRowCount(4);
        g.SetDefaultColWidth(64);
        g.SetDefaultRowHeight(24);
    }
    std::string Save(const TGridRect& R)
    {
        TMemoryStream stream;
        g.SaveRectToBinStream(R, &stream);
        return std::string(stream.Bytes());
    }
    TCellStream Read(const TGridRect& R) { return ReadCellStream(Save(R)); }

    THarness h;
    TRecordingGrid g{nullptr};
};

// A short string: its length byte and its bytes.
std::string Short(const std::string& S) { return std::string(1, char(S.size())) + S; }

// The stream of one empty cell without properties is the header and a cell record holding only
// its position and HasProp.
TEST_F(GridCellStream, APlainEmptyCellIsTheHeaderAndOneSmallRecord)
{
    const std::string header = "TPF0"s + Short("TGridPropIO") + "\x00"s +                     //
                               Short("ColCount") + "\x02\x01"s + Short("RowCount") + "\x02\x01"s +  //
                               Short("ColWidths") + "\x06\x02" "64"s + Short("RowHeights") + "\x06\x02" "24"s +
                               Short("FullGrid") + "\x08"s + Short("ID") + "\x02\x00"s + "\x00\x00"s;
    const std::string cell = "TPF0"s + Short("TGridCellIO") + "\x00"s + Short("Col") + "\x02\x02"s + Short("Row") +
                             "\x02\x01"s + Short("HasProp") + "\x08"s + "\x00\x00"s;
    EXPECT_EQ(Save({.Left = 2, .Top = 1, .Right = 2, .Bottom = 1}), header + cell);
    g.SetCellEx(2, 1, u"ab");
    const std::string withText = "TPF0"s + Short("TGridCellIO") + "\x00"s + Short("Col") + "\x02\x02"s +
                                 Short("Row") + "\x02\x01"s + Short("Cell") + "\x06\x02" "ab"s + Short("HasProp") +
                                 "\x08"s + "\x00\x00"s;
    EXPECT_EQ(Save({.Left = 2, .Top = 1, .Right = 2, .Bottom = 1}), header + withText);
}

TEST_F(GridCellStream, EveryPositionOfTheRectangleHasACellRowsOuter)
{
    g.SetCellEx(1, 2, u"x");
    g.SetColWidths(2, 99);
    g.SetRowHeights(3, 31);
    const TCellStream s = Read({.Left = 1, .Top = 2, .Right = 2, .Bottom = 3});
    EXPECT_EQ(s.Header.Find("ColCount")->Int, 2);
    EXPECT_EQ(s.Header.Find("RowCount")->Int, 2);
    EXPECT_EQ(s.Header.Find("ColWidths")->Text, u"64,99");
    EXPECT_EQ(s.Header.Find("RowHeights")->Text, u"24,31");
    ASSERT_EQ(s.Cells.size(), 4u);
    const std::vector<std::pair<Integer, Integer>> expected = {{1, 2}, {2, 2}, {1, 3}, {2, 3}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(s.Cells[i].Cell.Find("Col")->Int, expected[i].first) << i;
        EXPECT_EQ(s.Cells[i].Cell.Find("Row")->Int, expected[i].second) << i;
    }
    EXPECT_EQ(s.Cells[0].Cell.Find("Cell")->Text, u"x");
    EXPECT_EQ(s.Cells[1].Cell.Find("Cell"), nullptr) << "an empty text is not written";
}

TEST_F(GridCellStream, FullGridFollowsTheSaveRangeSetting)
{
    const struct {
        bool SaveFixedCells;
        TGridRect R;
        bool Full;
    } cases[] = {
        {true, {.Left = 0, .Top = 0, .Right = 3, .Bottom = 3}, true},
        {true, {.Left = 1, .Top = 1, .Right = 3, .Bottom = 3}, false},
        {false, {.Left = 1, .Top = 1, .Right = 3, .Bottom = 3}, true},
        {false, {.Left = 0, .Top = 0, .Right = 3, .Bottom = 3}, false},
        {true, {.Left = 0, .Top = 0, .Right = 3, .Bottom = 2}, false},
    };
    for (const auto& c : cases) {
        g.SaveFixedCells = c.SaveFixedCells;
        EXPECT_EQ(Read(c.R).Header.Find("FullGrid")->Type, c.Full ? vaTrue : vaFalse)
            << c.SaveFixedCells << " " << c.R.Left << "," << c.R.Bottom;
    }
}

TEST_F(GridCellStream, PositionsAreKeptInSixteenBits)
{
    g.SetColCount(65540);
    g.SetCellEx(65537, 1, u"far");
    const TCellStream s = Read({.Left = 65535, .Top = 1, .Right = 65537, .Bottom = 1});
    ASSERT_EQ(s.Cells.size(), 3u);
    EXPECT_EQ(s.Cells[0].Cell.Find("Col")->Int, 65535);
    EXPECT_EQ(s.Cells[1].Cell.Find("Col")->Int, 0);
    EXPECT_EQ(s.Cells[2].Cell.Find("Col")->Int, 1);
    EXPECT_EQ(s.Cells[2].Cell.Find("Cell")->Text, u"far");
}

TEST_F(GridCellStream, PropertiesAreWrittenInFullAndReadBack)
{
    g.SetCellEx(1, 1, u"styled");
    g.SetFontNames(1, 1, u"Courier New");
    g.SetFontColors(1, 1, clRed);
    g.SetFontStyles(1, 1, fsBold | fsStrikeOut);
    g.SetFontSizes(1, 1, 14);
    g.SetColors(1, 1, TColor(0x123456));
    g.SetAlignments(1, 1, taCenter);
    g.SetReadOnly(1, 1, true);
    TCellProperties* p = g.GetCellProperties(1, 1);
    p->SetVAlignment(vtaBottom);
    p->Editor = edComboList;
    p->NodeLevel = 2;
    p->BorderWidth = 300;
    const TCellStream s = Read({.Left = 1, .Top = 1, .Right = 1, .Bottom = 1});
    ASSERT_EQ(s.Cells.size(), 1u);
    ASSERT_TRUE(s.Cells[0].Properties.has_value());
    const TComponentRecord& r = *s.Cells[0].Properties;
    std::vector<std::string> names;
    for (const TRecordProperty& prop : r.Properties) names.push_back(prop.Name);
    EXPECT_EQ(names, (std::vector<std::string>{
                         "CellProperties.IsBaseCell", "CellProperties.CellSpanX", "CellProperties.CellSpanY",
                         "CellProperties.Alignment", "CellProperties.BorderColor", "CellProperties.BorderWidth",
                         "CellProperties.BrushColor", "CellProperties.BrushColorTo", "CellProperties.BrushStyle",
                         "CellProperties.CellObject", "CellProperties.FontColor", "CellProperties.FontName",
                         "CellProperties.FontSize", "CellProperties.FontStyle", "CellProperties.Editor",
                         "CellProperties.GradientDirection", "CellProperties.ReadOnly", "CellProperties.VAlignment",
                         "CellProperties.WordWrap", "CellProperties.NodeLevel", "HasGraphic"}));
    EXPECT_EQ(r.Find("CellProperties.FontName")->Text, u"Courier New");
    EXPECT_EQ(r.Find("CellProperties.FontColor")->Ident, "clRed");
    EXPECT_EQ(r.Find("CellProperties.FontStyle")->Set, (std::vector<std::string>{"fsBold", "fsStrikeOut"}));
    EXPECT_EQ(r.Find("CellProperties.FontSize")->Int, 14);
    EXPECT_EQ(r.Find("CellProperties.BrushColor")->Int, 0x123456);
    EXPECT_EQ(r.Find("CellProperties.Alignment")->Ident, "taCenter");
    EXPECT_EQ(r.Find("CellProperties.VAlignment")->Ident, "vtaBottom");
    EXPECT_EQ(r.Find("CellProperties.Editor")->Ident, "edComboList");
    EXPECT_EQ(r.Find("CellProperties.ReadOnly")->Type, vaTrue);
    EXPECT_EQ(r.Find("CellProperties.NodeLevel")->Int, 2);
    EXPECT_EQ(r.Find("CellProperties.BorderWidth")->Int, 300);
    EXPECT_EQ(r.Find("HasGraphic")->Type, vaFalse);
    EXPECT_EQ(s.Cells[0].Cell.Find("HasProp")->Type, vaTrue);
}

// An object reference is an address in this process: it never leaves it.
TEST_F(GridCellStream, AnObjectReferenceIsNeverWrittenOut)
{
    TStringList object;
    g.GetCellProperties(1, 1)->CellObject = &object;
    const TCellStream s = Read({.Left = 1, .Top = 1, .Right = 1, .Bottom = 1});
    EXPECT_EQ(s.Cells[0].Properties->Find("CellProperties.CellObject")->Int, 0);
}

// A merged area's cells all carry the base cell's text and their own merge fields.
TEST_F(GridCellStream, MergedCellsCarryTheBaseText)
{
    g.SetCellEx(1, 1, u"base");
    g.MergeCells(1, 1, 2, 1);
    const TCellStream s = Read({.Left = 1, .Top = 1, .Right = 2, .Bottom = 1});
    ASSERT_EQ(s.Cells.size(), 2u);
    EXPECT_EQ(s.Cells[1].Cell.Find("Cell")->Text, u"base");
    EXPECT_EQ(s.Cells[0].Properties->Find("CellProperties.CellSpanX")->Int, 1);
    EXPECT_EQ(s.Cells[1].Properties->Find("CellProperties.IsBaseCell")->Type, vaFalse);
}

TEST_F(GridCellStream, GraphicsCarryTheirRecordAndPayload)
{
    g.AddCheckBox(0, 0, cbChecked);
    TStrings* items = g.CreateRadio(1, 0, 1, 2);
    items->Add(u"first");
    items->Add(u"second");
    TCellGraphic* multi = g.CreateCellGraphic(2, 0);
    multi->SetMultiImage(2, 0, 0, haRight, vaCenter, nullptr);  // a grid without images cannot add one
    multi->IntList()->Add(7);
    multi->IntList()->Add(-1);
    TBitmap* made = g.CreateBitmap(3, 0, true, haLeft, vaTop);
    made->SetSize(2, 3);
    const String picturePath = Utf8ToString(::testing::TempDir()) + u"cell_stream_picture.bmp";
    TBitmap(2, 2).SaveToFile(picturePath);
    g.CreateFilePicture(0, 1, false, Stretch, 3, haLeft, vaTop)->SetFilename(picturePath);
    g.AddComment(1, 1, u"note");
    const TCellStream s = Read({.Left = 0, .Top = 0, .Right = 3, .Bottom = 1});
    ASSERT_EQ(s.Cells.size(), 8u);

    const auto& check = s.Cells[0];
    ASSERT_TRUE(check.Graphic.has_value());
    EXPECT_EQ(check.Graphic->Find("CellGraphic.CellType")->Ident, "ctTriStateCheckBox");
    EXPECT_EQ(check.Graphic->Find("CellGraphic.CellCheckBoxState")->Ident, "cbChecked");
    EXPECT_FALSE(check.Payload.has_value());

    const auto& radio = s.Cells[1];
    ASSERT_TRUE(radio.Payload.has_value());
    EXPECT_EQ(radio.Graphic->Find("CellGraphic.CellIndex")->Int, 2);
    EXPECT_EQ(radio.Payload->ClassName, "TGridSLIO");
    EXPECT_EQ(radio.Payload->Find("Strings.Strings")->List, (std::vector<String>{u"first", u"second"}));

    const auto& images = s.Cells[2];
    EXPECT_EQ(images.Graphic->Find("CellGraphic.CellHAlign")->Ident, "haRight");
    EXPECT_EQ(images.Graphic->Find("CellGraphic.CellVAlign")->Ident, "vaCenter");
    EXPECT_EQ(images.Payload->Find("Strings.Strings")->List, (std::vector<String>{u"7", u"-1"}));

    const auto& bitmap = s.Cells[3];
    ASSERT_TRUE(bitmap.Payload.has_value());
    EXPECT_EQ(bitmap.Payload->ClassName, "TGridBMPIO");
    const std::string data = bitmap.Payload->Find("Bitmap.Data")->Binary;
    ASSERT_GT(data.size(), 6u);
    const uint32_t count = uint8_t(data[0]) | uint8_t(data[1]) << 8 | uint8_t(data[2]) << 16 | uint32_t(uint8_t(data[3])) << 24;
    EXPECT_EQ(count, data.size() - 4) << "a byte count, then the bitmap file";
    EXPECT_EQ(data.substr(4, 2), "BM");
    TBitmap back;
    back.LoadFromBytes(std::string_view(data).substr(4));
    EXPECT_EQ(back.Width(), 2);
    EXPECT_EQ(back.Height(), 3);

    const auto& file = s.Cells[4];
    EXPECT_EQ(file.Payload->ClassName, "TGridFilePicIO");
    EXPECT_EQ(file.Payload->Find("Picture.Filename")->Text, picturePath);
    EXPECT_EQ(file.Graphic->Find("CellGraphic.CellIndex")->Int, 3);

    const auto& comment = s.Cells[5];
    EXPECT_EQ(comment.Graphic->Find("CellGraphic.CellText")->Text, u"note");
    EXPECT_FALSE(comment.Payload.has_value());
    EXPECT_FALSE(s.Cells[6].Properties.has_value());
}

// A picture the application lent the cell is not the grid's to copy: no graphic record.
TEST_F(GridCellStream, ABorrowedBitmapIsLeftOut)
{
    TBitmap lent(4, 4);
    g.AddBitmap(1, 1, &lent, false, haLeft, vaTop);
    const TCellStream s = Read({.Left = 1, .Top = 1, .Right = 1, .Bottom = 1});
    ASSERT_TRUE(s.Cells[0].Properties.has_value());
    EXPECT_EQ(s.Cells[0].Properties->Find("HasGraphic")->Type, vaFalse);
    EXPECT_FALSE(s.Cells[0].Graphic.has_value());
}

TEST_F(GridCellStream, ProgressAndExportNotificationsFollowTheRows)
{
    g.SetRowCount(12);
    std::vector<int> progress;
    g.OnFileProgress = [&](TObject*, int16_t p) { progress.push_back(p); };
    Save({.Left = 0, .Top = 8, .Right = 1, .Bottom = 11});
    EXPECT_EQ(progress, (std::vector<int>{0, 33, 67, 100})) << "the share of the rectangle, not of the grid";
    EXPECT_EQ(g.Log, (std::vector<std::string>{"export 0 8", "export 5 8", "export 5 9", "export 5 10", "export 5 11",
                                               "export 2 -1"}));
    progress.clear();
    Save({.Left = 0, .Top = 2, .Right = 1, .Bottom = 2});
    EXPECT_EQ(progress, (std::vector<int>{0}));
}

// Cut anywhere inside a record, a stream is refused; cut between records it reads as the cells
// before the cut.
TEST_F(GridCellStream, CutStreamsAreRefusedInsideRecords)
{
    g.SetCellEx(1, 1, u"t\u00e9xt");
    g.AddCheckBox(2, 1, true, false);
    g.SetFontNames(2, 1, u"Arial");
    const std::string whole = Save({.Left = 1, .Top = 1, .Right = 2, .Bottom = 2});
    const size_t cells = ReadCellStream(whole).Cells.size();
    ASSERT_EQ(cells, 4u);
    size_t boundaries = 0;
    for (size_t n = 0; n < whole.size(); ++n) {
        try {
            const TCellStream s = ReadCellStream(std::string_view(whole).substr(0, n));
            ++boundaries;
            EXPECT_LT(s.Cells.size(), cells) << n;
        } catch (const EReadError&) {
        }
    }
    // The cells end after the header, after each whole cell (its properties and graphic too), and
    // one byte later, since a cell record needs at least two bytes.
    EXPECT_EQ(boundaries, 8u);
    EXPECT_THROW(ReadCellStream(whole.substr(0, 4) + "X" + whole.substr(5)), EReadError);
}

}  // namespace
}  // namespace gw::test
