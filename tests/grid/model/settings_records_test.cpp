// The grid's five settings records: what their setters repaint or start, and what Assign copies.
#include "grid/model/cell_node.h"
#include "grid/model/column_size.h"
#include "grid/model/html_settings.h"
#include "grid/model/print_settings.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/string_list.h"
#include "tests/grid/model/assign_table.h"
#include "tests/grid/model/fake_settings_grid.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

using test::AssignCase;
using test::ExpectAssignTable;
using test::Member;
using test::Property;
using test::TFakeSettingsGrid;
using Log = std::vector<std::string>;

// --- TCellNode ---------------------------------------------------------------------------------

struct NodeSetter {
    const char* Name;
    std::function<void(TCellNode&)> SetSame;
    std::function<void(TCellNode&)> SetOther;
};

TEST(CellNode, TreeSettersRepaintOnceOnAChangeAndNotForTheSameValue)
{
    const std::vector<NodeSetter> setters = {
        {"NodeType", [](TCellNode& n) { n.SetNodeType(cnXP); }, [](TCellNode& n) { n.SetNodeType(cnFlat); }},
        {"ShowTree", [](TCellNode& n) { n.SetShowTree(true); }, [](TCellNode& n) { n.SetShowTree(false); }},
        {"ShowTreeFull", [](TCellNode& n) { n.SetShowTreeFull(true); }, [](TCellNode& n) { n.SetShowTreeFull(false); }},
        {"NodeIndent", [](TCellNode& n) { n.SetNodeIndent(12); }, [](TCellNode& n) { n.SetNodeIndent(20); }},
        {"TreeColor", [](TCellNode& n) { n.SetTreeColor(clGray); }, [](TCellNode& n) { n.SetTreeColor(clSilver); }},
    };
    for (const NodeSetter& s : setters) {
        SCOPED_TRACE(s.Name);
        TFakeSettingsGrid grid;
        TCellNode node(&grid);
        s.SetSame(node);
        EXPECT_EQ(grid.Log, Log{});
        s.SetOther(node);
        EXPECT_EQ(grid.Log, Log{"Repaint"}) << "at once, not deferred";
    }
}

TEST(CellNode, GlyphsAndPlainFieldsRepaintNothing)
{
    TFakeSettingsGrid grid;
    TCellNode node(&grid);
    TBitmap glyph(9, 9);
    node.SetExpandGlyph(&glyph);
    node.SetContractGlyph(&glyph);
    node.Color = clRed;
    node.NodeColor = clBlue;
    node.ExpandOne = true;
    EXPECT_EQ(grid.Log, Log{});
    EXPECT_EQ(node.ExpandGlyph()->Width(), 9);
    EXPECT_NE(node.ExpandGlyph(), &glyph) << "the picture is copied into the node's own bitmap";
}

TEST(CellNode, AssignCopiesEverythingWithoutRepaintingAndKeepsTheOwner)
{
    TFakeSettingsGrid grid;
    TFakeSettingsGrid other;
    const auto make = [&] { return std::make_unique<TCellNode>(&grid); };
    ExpectAssignTable<TCellNode>(
        make,
        {
            Member<TCellNode>("Color", &TCellNode::Color, clRed, true),
            Member<TCellNode>("ExpandOne", &TCellNode::ExpandOne, true, true),
            Property<TCellNode>("NodeType", &TCellNode::NodeType, &TCellNode::SetNodeType, cnLeaf, true),
            Member<TCellNode>("NodeColor", &TCellNode::NodeColor, clBlue, true),
            Property<TCellNode>("NodeIndent", &TCellNode::NodeIndent, &TCellNode::SetNodeIndent, 30, true),
            Property<TCellNode>("ShowTree", &TCellNode::ShowTree, &TCellNode::SetShowTree, false, true),
            Property<TCellNode>("ShowTreeFull", &TCellNode::ShowTreeFull, &TCellNode::SetShowTreeFull, false, true),
            Property<TCellNode>("TreeColor", &TCellNode::TreeColor, &TCellNode::SetTreeColor, clSilver, true),
            {"ExpandGlyph", [](TCellNode& n) { n.ExpandGlyph()->SetSize(4, 5); },
             [](const TCellNode& a, const TCellNode& b) {
                 return a.ExpandGlyph()->Height() == b.ExpandGlyph()->Height();
             },
             true},
            {"ContractGlyph", [](TCellNode& n) { n.ContractGlyph()->SetSize(6, 7); },
             [](const TCellNode& a, const TCellNode& b) {
                 return a.ContractGlyph()->Height() == b.ContractGlyph()->Height();
             },
             true},
        });
    grid.Log.clear();
    TCellNode source(&other);
    source.SetNodeIndent(40);
    TCellNode target(&grid);
    target.Assign(&source);
    EXPECT_EQ(target.Owner(), &grid);
    EXPECT_EQ(grid.Log, Log{});
}

TEST(CellNode, AssignFromAnotherClassChangesNothingAndRaisesNothing)
{
    TCellNode node(nullptr);
    node.SetNodeIndent(33);
    THTMLSettings html;
    EXPECT_NO_THROW(node.Assign(&html));
    EXPECT_EQ(node.NodeIndent(), 33);
}

// --- TColumnSize -------------------------------------------------------------------------------

TEST(ColumnSize, StretchRunsTheGridsStretchForTheStretchColumnEitherWay)
{
    TFakeSettingsGrid grid;
    TColumnSize size(&grid);
    size.StretchColumn = 3;
    bool stretchSeen = false;
    grid.OnStretch = [&](Integer) { stretchSeen = size.Stretch(); };
    size.SetStretch(true);
    EXPECT_TRUE(stretchSeen) << "the flag is stored before the stretch runs";
    size.SetStretch(false);
    size.SetStretch(false);
    EXPECT_EQ(grid.Log, (Log{"Stretch 3", "Stretch 3", "Stretch 3"})) << "no comparison, and off runs it too";
}

TEST(ColumnSize, WithoutAParentWindowOnlyTheFlagIsStored)
{
    TFakeSettingsGrid grid;
    grid.Parent = false;
    TColumnSize size(&grid);
    size.SetStretch(true);
    EXPECT_TRUE(size.Stretch());
    EXPECT_EQ(grid.Log, Log{});
}

TEST(ColumnSize, AnOwnerThatIsNoGridRaisesAfterStoringTheFlag)
{
    TComponent owner(nullptr);
    TColumnSize size(&owner);
    EXPECT_THROW(size.SetStretch(true), EInvalidCast);
    EXPECT_TRUE(size.Stretch());
    TColumnSize orphan(nullptr);
    EXPECT_NO_THROW(orphan.SetStretch(true)) << "no grid, nothing to stretch";
}

TEST(ColumnSize, TheStretchsRangeErrorComesThroughWithTheFlagStored)
{
    TFakeSettingsGrid grid;
    TColumnSize size(&grid);
    size.StretchColumn = 9;
    size.SetStretch(true);
    grid.OnStretch = [](Integer) { throw Exception(u"Stretch column index out of range"); };
    try {
        size.SetStretch(false);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), u"Stretch column index out of range");
    }
    EXPECT_FALSE(size.Stretch());
}

TEST(ColumnSize, AssignCopiesEveryValueWithoutStretching)
{
    TFakeSettingsGrid grid;
    const auto make = [&] { return std::make_unique<TColumnSize>(&grid); };
    ExpectAssignTable<TColumnSize>(
        make,
        {
            Member<TColumnSize>("Rows", &TColumnSize::Rows, arFixed, true),
            Member<TColumnSize>("Save", &TColumnSize::Save, true, true),
            Member<TColumnSize>("Key", &TColumnSize::Key, u"Software\\Grid", true),
            Member<TColumnSize>("Section", &TColumnSize::Section, u"Widths", true),
            {"Stretch", [](TColumnSize& s) { s.SetStretch(true); },
             [](const TColumnSize& a, const TColumnSize& b) { return a.Stretch() == b.Stretch(); }, true},
            Member<TColumnSize>("StretchColumn", &TColumnSize::StretchColumn, 2, true),
            Member<TColumnSize>("SynchWithGrid", &TColumnSize::SynchWithGrid, true, true),
            Member<TColumnSize>("SynchNormalCellsOnly", &TColumnSize::SynchNormalCellsOnly, true, true),
            Member<TColumnSize>("Location", &TColumnSize::Location, clIniFile, true),
        });
    grid.Log.clear();
    TColumnSize source(&grid);
    source.SetStretch(true);
    grid.Log.clear();
    TComponent owner(nullptr);
    TColumnSize target(&owner);
    target.Assign(&source);
    EXPECT_TRUE(target.Stretch());
    EXPECT_EQ(grid.Log, Log{});
    EXPECT_EQ(target.GetOwner(), &owner);
    THTMLSettings html;
    EXPECT_NO_THROW(target.Assign(&html));
}

// --- THTMLSettings -----------------------------------------------------------------------------

TEST(HTMLSettings, AssignKeepsExportImagesAndColumnWidths)
{
    using H = THTMLSettings;
    ExpectAssignTable<H>(
        [] { return std::make_unique<H>(); },
        {
            Member<H>("AutoPreview", &H::AutoPreview, true, true),
            Member<H>("ConvertSpecialChars", &H::ConvertSpecialChars, true, true),
            Member<H>("NonBreakingText", &H::NonBreakingText, true, true),
            Member<H>("SaveColor", &H::SaveColor, false, true),
            Member<H>("SaveFonts", &H::SaveFonts, false, true),
            Member<H>("FooterFile", &H::FooterFile, u"f.html", true),
            Member<H>("HeaderFile", &H::HeaderFile, u"h.html", true),
            Member<H>("BorderSize", &H::BorderSize, 3, true),
            Member<H>("CellSpacing", &H::CellSpacing, 4, true),
            Member<H>("CellPadding", &H::CellPadding, 5, true),
            Member<H>("TableStyle", &H::TableStyle, u"class=x", true),
            Member<H>("PrefixTag", &H::PrefixTag, u"<p>", true),
            Member<H>("SuffixTag", &H::SuffixTag, u"</p>", true),
            Member<H>("Summary", &H::Summary, u"sum", true),
            Member<H>("Width", &H::Width, 50, true),
            Member<H>("XHTML", &H::XHTML, true, true),
            Member<H>("ExportImages", &H::ExportImages, false, false),
            {"ColWidths", [](H& h) { h.ColWidths()->Add(80); },
             [](const H& a, const H& b) { return a.ColWidths()->StrValue() == b.ColWidths()->StrValue(); }, false},
        });
    THTMLSettings html;
    TCellNode node(nullptr);
    EXPECT_NO_THROW(html.Assign(&node));
}

// --- TPrintSettings ----------------------------------------------------------------------------

// A font's content, compared as a whole.
bool SameFont(const TFont* a, const TFont* b)
{
    return a->Name() == b->Name() && a->Height() == b->Height() && a->Style() == b->Style() && a->Color() == b->Color();
}

AssignCase<TPrintSettings> FontCase(const char* Name, TFont* (TPrintSettings::*Font)() const)
{
    return {Name,
            [Font](TPrintSettings& p) {
                (p.*Font)()->SetName(u"Courier New");
                (p.*Font)()->SetStyle(fsBold);
            },
            [Font](const TPrintSettings& a, const TPrintSettings& b) { return SameFont((a.*Font)(), (b.*Font)()); },
            true};
}

TEST(PrintSettings, AssignCopiesEverythingButFixedCellsAlways)
{
    using P = TPrintSettings;
    ExpectAssignTable<P>(
        [] { return std::make_unique<P>(nullptr); },
        {
            Member<P>("Time", &P::Time, ppTopLeft, true),
            Member<P>("Date", &P::Date, ppTopRight, true),
            Member<P>("PageNr", &P::PageNr, ppBottomCenter, true),
            Member<P>("PageNumSep", &P::PageNumSep, u" of ", true),
            Member<P>("DateFormat", &P::DateFormat, u"yyyy-mm-dd", true),
            Member<P>("Title", &P::Title, ppTopCenter, true),
            FontCase("Font", &P::Font),
            FontCase("HeaderFont", &P::HeaderFont),
            FontCase("FooterFont", &P::FooterFont),
            Member<P>("Borders", &P::Borders, pbAroundVertical, true),
            Member<P>("BorderStyle", &P::BorderStyle, psDashDot, true),
            Member<P>("TitleText", &P::TitleText, u"Slaves", true),
            {"TitleLines", [](P& p) { p.TitleLines()->Add(u"line"); },
             [](const P& a, const P& b) { return a.TitleLines()->Text() == b.TitleLines()->Text(); }, true},
            Member<P>("Centered", &P::Centered, false, true),
            Member<P>("RepeatFixedRows", &P::RepeatFixedRows, true, true),
            Member<P>("RepeatFixedCols", &P::RepeatFixedCols, true, true),
            Member<P>("FooterSize", &P::FooterSize, 1, true),
            Member<P>("HeaderSize", &P::HeaderSize, 2, true),
            Member<P>("LeftSize", &P::LeftSize, 3, true),
            Member<P>("RightSize", &P::RightSize, 4, true),
            Member<P>("ColumnSpacing", &P::ColumnSpacing, 5, true),
            Member<P>("RowSpacing", &P::RowSpacing, 6, true),
            Member<P>("TitleSpacing", &P::TitleSpacing, 7, true),
            Member<P>("Orientation", &P::Orientation, poLandscape, true),
            Member<P>("PagePrefix", &P::PagePrefix, u"p.", true),
            Member<P>("PageSuffix", &P::PageSuffix, u"!", true),
            Member<P>("FixedHeight", &P::FixedHeight, 8, true),
            Member<P>("UseFixedHeight", &P::UseFixedHeight, true, true),
            Member<P>("FixedWidth", &P::FixedWidth, 9, true),
            Member<P>("UseFixedWidth", &P::UseFixedWidth, true, true),
            Member<P>("FitToPage", &P::FitToPage, fpShrink, true),
            Member<P>("NoAutoSize", &P::NoAutoSize, true, true),
            Member<P>("PrintGraphics", &P::PrintGraphics, true, true),
            Member<P>("JobName", &P::JobName, u"job", true),
            Member<P>("NoAutoSizeRow", &P::NoAutoSizeRow, true, true),
            Member<P>("PageNumberOffset", &P::PageNumberOffset, 10, true),
            Member<P>("MaxPagesOffset", &P::MaxPagesOffset, 11, true),
            FontCase("FixedFont", &P::FixedFont),
            Member<P>("UseDisplayFont", &P::UseDisplayFont, false, true),
            Member<P>("UseDefaultOrientation", &P::UseDefaultOrientation, true, true),
            Member<P>("FixedCellsAlways", &P::FixedCellsAlways, true, false),
            Member<P>("BorderColor", &P::BorderColor, clRed, true),
        });
}

TEST(PrintSettings, AssignKeepsItsOwnFontObjectsAndOwner)
{
    TFakeSettingsGrid grid;
    TPrintSettings source(nullptr);
    source.Font()->SetSize(20);
    TPrintSettings target(&grid);
    TFont* own = target.Font();
    TStrings* lines = target.TitleLines();
    target.Assign(&source);
    EXPECT_EQ(target.Font(), own);
    EXPECT_EQ(target.TitleLines(), lines);
    EXPECT_EQ(target.Font()->Size(), 20);
    EXPECT_EQ(target.Owner(), &grid);
}

TEST(PrintSettings, AssignFromAnotherClassRaisesAndChangesNothing)
{
    TPrintSettings print(nullptr);
    print.JobName = u"mine";
    THTMLSettings html;
    EXPECT_THROW(print.Assign(&html), EInvalidCast);
    EXPECT_THROW(print.Assign(nullptr), EInvalidCast);
    EXPECT_EQ(print.JobName, u"mine");
}

TEST(PrintSettings, FontAndTitleSettersCopyIntoTheOwnedObjects)
{
    TPrintSettings print(nullptr);
    TFont font;
    font.SetName(u"Arial");
    TFont* own = print.HeaderFont();
    print.SetHeaderFont(&font);
    EXPECT_EQ(print.HeaderFont(), own);
    EXPECT_EQ(print.HeaderFont()->Name(), u"Arial");
    TStringList lines;
    lines.Add(u"a");
    lines.Add(u"b");
    print.SetTitleLines(&lines);
    EXPECT_EQ(print.TitleLines()->Count(), 2);
    lines.Clear();
    EXPECT_EQ(print.TitleLines()->Count(), 2);
}

}  // namespace
}  // namespace gw
