// The cell graphic record: what each setter touches, the angle rule, picture sizing, what the
// record frees when it goes, and the copy rule.
#include "grid/foundation/cell_properties.h"
#include "grid/foundation/file_picture.h"
#include "grid/model/cell_graphic.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_formats.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/unicode.h"
#include "tests/grid/model/counted.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace gw {
namespace {

// --- Counting fakes ----------------------------------------------------------------------------

using test::Counted;

// An object that paints its cell itself.
class TPainter : public TPersistent, public ICellPainter {
public:
    void Draw(TCanvas&, const TRect&, Integer, Integer, bool, TExtStringGrid*) override {}
    Integer GetWidth() const override { return 7; }
    Integer GetHeight() const override { return 9; }
    bool IsBackground() const override { return false; }
};

// The objects of one test: those a caller supplies (kept alive by the test) and those the record
// is given to own; every one counts its destruction in Deaths.
class Objects {
public:
    int Deaths = 0;

    template <class T>
    T* Supplied()
    {
        auto made = std::make_unique<Counted<T>>(Deaths);
        T* raw = made.get();
        m_kept.push_back(std::move(made));
        return raw;
    }
    template <class T>
    std::unique_ptr<T> Created()
    {
        return std::make_unique<Counted<T>>(Deaths);
    }
    // A token whose last copy going away counts as a death.
    std::shared_ptr<int> Token()
    {
        return std::shared_ptr<int>(new int(0), [this](int* p) {
            delete p;
            ++Deaths;
        });
    }

private:
    std::vector<std::unique_ptr<TObject>> m_kept;
};

// --- Destructor rows ---------------------------------------------------------------------------

// The way the grid attaches objects: supplied ones through the setter, created ones adopted first
// and then handed to the same setter.
struct DestructorRow {
    const char* Name;
    std::function<void(TCellGraphic&, Objects&)> Attach;
    bool Freed;
};

template <class T>
T* Adopt(TCellGraphic& G, std::unique_ptr<T> Object)
{
    return static_cast<T*>(G.AdoptCellBitmap(std::move(Object)));
}

void AddBalloon(TCellGraphic& G, Objects& O)
{
    G.CellAngle = 1;
    Adopt(G, O.Created<TStringList>());
}

std::vector<DestructorRow> DestructorRows()
{
    return {
        {"bitmap supplied",
         [](TCellGraphic& g, Objects& o) { g.SetBitmap(o.Supplied<TBitmap>(), false, haLeft, vaTop); }, false},
        {"bitmap created",
         [](TCellGraphic& g, Objects& o) { g.SetBitmap(Adopt(g, o.Created<TBitmap>()), false, haLeft, vaTop); }, true},
        {"icon supplied", [](TCellGraphic& g, Objects& o) { g.SetIcon(o.Supplied<TIcon>(), haLeft, vaTop); }, false},
        {"icon created",
         [](TCellGraphic& g, Objects& o) { g.SetIcon(g.AdoptCellIcon(o.Created<TIcon>()), haLeft, vaTop); }, true},
        {"radio items supplied",
         [](TCellGraphic& g, Objects& o) {
             g.CellType = ctRadio;
             g.SetCellBitmap(o.Supplied<TStringList>());
         },
         false},
        {"radio items created",
         [](TCellGraphic& g, Objects& o) {
             g.CellType = ctRadio;
             Adopt(g, o.Created<TStringList>());
         },
         true},
        {"picture supplied",
         [](TCellGraphic& g, Objects& o) { g.SetPicture(o.Supplied<TPicture>(), false, noStretch, 0, haLeft, vaTop); },
         false},
        {"picture created",
         [](TCellGraphic& g, Objects& o) {
             g.SetPicture(Adopt(g, o.Created<TPicture>()), false, noStretch, 0, haLeft, vaTop);
         },
         true},
        {"file picture supplied",
         [](TCellGraphic& g, Objects& o) {
             g.SetFilePicture(o.Supplied<TFilePicture>(), false, noStretch, 0, haLeft, vaTop);
         },
         false},
        {"file picture created",
         [](TCellGraphic& g, Objects& o) {
             g.SetFilePicture(Adopt(g, o.Created<TFilePicture>()), false, noStretch, 0, haLeft, vaTop);
         },
         true},
        {"button glyph supplied",
         [](TCellGraphic& g, Objects& o) { g.SetBitButton(20, 10, u"Go", o.Supplied<TBitmap>(), haLeft, vaTop); },
         false},
        {"button glyph created",
         [](TCellGraphic& g, Objects& o) {
             g.SetBitButton(20, 10, u"Go", Adopt(g, o.Created<TBitmap>()), haLeft, vaTop);
         },
         true},
        {"image indexes",
         [](TCellGraphic& g, Objects& o) {
             g.SetMultiImage(1, 2, 0, haLeft, vaTop, [token = o.Token()](TObject*, Integer, Integer) {});
         },
         true},
        {"balloon",
         [](TCellGraphic& g, Objects& o) {
             g.CellType = ctBalloon;
             Adopt(g, o.Created<TStringList>());
         },
         true},
        {"check box with balloon",
         [](TCellGraphic& g, Objects& o) {
             g.SetCheckBox(true, false, false, haLeft, vaTop);
             AddBalloon(g, o);
         },
         true},
        {"data check box with balloon",
         [](TCellGraphic& g, Objects& o) {
             g.SetCheckBox(true, true, false, haLeft, vaTop);
             AddBalloon(g, o);
         },
         true},
        {"radio button with balloon",
         [](TCellGraphic& g, Objects& o) {
             g.SetRadioButton(true, false, haLeft, vaTop);
             AddBalloon(g, o);
         },
         true},
        {"painter", [](TCellGraphic& g, Objects& o) { g.SetInterfacedCell(o.Supplied<TPainter>()); }, false},
        // A copy says "created" but holds nothing of its source: its own supplied bitmap stays.
        {"created flag copied onto a supplied bitmap",
         [](TCellGraphic& g, Objects& o) {
             g.SetBitmap(o.Supplied<TBitmap>(), false, haLeft, vaTop);
             TCellGraphic source;
             source.CellCreated = true;
             g.Assign(&source);
             ASSERT_TRUE(g.CellCreated);
         },
         false},
    };
}

TEST(CellGraphicDestructor, FreesWhatItCreatedAndNothingElse)
{
    for (const DestructorRow& row : DestructorRows()) {
        SCOPED_TRACE(row.Name);
        Objects objects;
        auto graphic = std::make_unique<TCellGraphic>();
        row.Attach(*graphic, objects);
        ASSERT_EQ(objects.Deaths, 0) << "nothing dies while it is attached";
        graphic.reset();
        EXPECT_EQ(objects.Deaths, row.Freed ? 1 : 0);
    }
}

TEST(CellGraphicDestructor, ReplacingACreatedObjectFreesItOnce)
{
    Objects objects;
    auto graphic = std::make_unique<TCellGraphic>();
    graphic->SetBitmap(Adopt(*graphic, objects.Created<TBitmap>()), false, haLeft, vaTop);
    TBitmap* supplied = objects.Supplied<TBitmap>();
    graphic->SetBitmap(supplied, false, haLeft, vaTop);
    EXPECT_EQ(objects.Deaths, 1);
    EXPECT_EQ(graphic->CellBitmap(), supplied);
    graphic.reset();
    EXPECT_EQ(objects.Deaths, 1);
}

// The cell's properties own the record and, through it, what the record created.
TEST(CellGraphicDestructor, GoesWithTheCellProperties)
{
    Objects objects;
    auto properties = std::make_unique<TCellProperties>(nullptr, 0, 0);
    auto* graphic = new TCellGraphic;
    graphic->SetPicture(Adopt(*graphic, objects.Created<TPicture>()), true, Stretch, 2, haCenter, vaCenter);
    properties->SetGraphicObject(graphic);
    properties.reset();
    EXPECT_EQ(objects.Deaths, 1);
}

// --- Setters -----------------------------------------------------------------------------------

// Everything a setter may touch, compared as a whole.
struct Fields {
    TCellType Type;
    TCellVAlign VAlign;
    TCellHAlign HAlign;
    Integer Index;
    bool Transparent;
    bool Created;
    bool Boolean;
    Integer Angle;
    TPoint Value;
    Integer ErrFrom;
    Integer ErrLen;
    String Text;
    TCellVar Var;
    TCheckBoxState State;
    TObject* Bitmap;
    TIcon* Icon;
    TColor BitmapColor;
    TColor IconColor;
    friend bool operator==(const Fields&, const Fields&) = default;
};

void PrintTo(const Fields& f, std::ostream* os)
{
    *os << "type " << int(f.Type) << " valign " << int(f.VAlign) << " halign " << int(f.HAlign) << " index " << f.Index
        << " transparent " << f.Transparent << " created " << f.Created << " boolean " << f.Boolean << " angle "
        << f.Angle << " value " << f.Value.X << "," << f.Value.Y << " err " << f.ErrFrom << "+" << f.ErrLen << " text "
        << StringToUtf8(f.Text) << " var#" << f.Var.index() << " state " << int(f.State) << " bitmap " << f.Bitmap
        << " icon " << f.Icon;
}

Fields Read(const TCellGraphic& g)
{
    return {g.CellType,    g.CellVAlign,        g.CellHAlign,   g.CellIndex,   g.CellTransparent, g.CellCreated,
            g.CellBoolean, g.CellAngle,         g.CellValue,    g.CellErrFrom, g.CellErrLen,      g.CellText,
            g.CellVar,     g.CellCheckBoxState, g.CellBitmap(), g.CellIcon(),  g.CellBitmapColor, g.CellIconColor};
}

// A record whose every field holds a value no setter writes.
void FillSentinels(TCellGraphic& g)
{
    g.CellType = ctValue;
    g.CellVAlign = vaAboveText;
    g.CellHAlign = haAfterText;
    g.CellIndex = 777;
    g.CellTransparent = true;
    g.CellBoolean = true;
    g.CellAngle = 55;
    g.CellValue = {3, 4};
    g.CellErrFrom = 5;
    g.CellErrLen = 6;
    g.CellText = u"x";
    g.CellVar = Integer(9);
    g.CellCheckBoxState = cbGrayed;
    g.CellBitmapColor = 0x111111;
    g.CellIconColor = 0x222222;
}

struct SetterRow {
    const char* Name;
    std::function<void(TCellGraphic&)> Apply;
    // The sentinel fields as the setter must leave them.
    std::function<void(Fields&)> Expect;
};

TEST(CellGraphicSetters, SetTheTypeAndTheirFieldsAndNothingElse)
{
    TBitmap bitmap;
    TIcon icon;
    TPicture picture;
    TFilePicture filePicture;
    TPainter painter;
    const std::vector<SetterRow> rows = {
        {"SetInterfacedCell", [&](TCellGraphic& g) { g.SetInterfacedCell(&painter); },
         [&](Fields& f) {
             f.Type = ctInterface;
             f.Bitmap = &painter;
         }},
        {"SetBitmap", [&](TCellGraphic& g) { g.SetBitmap(&bitmap, false, haCenter, vaBottom); },
         [&](Fields& f) {
             f.Type = ctBitmap;
             f.Bitmap = &bitmap;
             f.Transparent = false;
             f.HAlign = haCenter;
             f.VAlign = vaBottom;
         }},
        {"SetButton", [](TCellGraphic& g) { g.SetButton(70, 20, u"OK", haRight, vaCenter); },
         [](Fields& f) {
             f.Type = ctButton;
             f.HAlign = haRight;
             f.VAlign = vaCenter;
             f.Index = 20 * 65536 + 70;
             f.Boolean = false;
             f.Text = u"OK";
         }},
        {"SetBitButton", [&](TCellGraphic& g) { g.SetBitButton(70, 20, u"OK", &bitmap, haRight, vaCenter); },
         [&](Fields& f) {
             f.Type = ctBitButton;
             f.HAlign = haRight;
             f.VAlign = vaCenter;
             f.Index = 20 * 65536 + 70;
             f.Boolean = false;
             f.Text = u"OK";
             f.Bitmap = &bitmap;
         }},
        {"SetPicture",
         [&](TCellGraphic& g) { g.SetPicture(&picture, false, ShrinkWithAspectRatio, 3, haFull, vaFull); },
         [&](Fields& f) {
             f.Type = ctPicture;
             f.HAlign = haFull;
             f.VAlign = vaFull;
             f.Bitmap = &picture;
             f.Transparent = false;
             f.Angle = ShrinkWithAspectRatio;
             f.Index = 3;
         }},
        {"SetFilePicture", [&](TCellGraphic& g) { g.SetFilePicture(&filePicture, false, Shrink, 4, haLeft, vaTop); },
         [&](Fields& f) {
             f.Type = ctFilePicture;
             f.HAlign = haLeft;
             f.VAlign = vaTop;
             f.Bitmap = &filePicture;
             f.Transparent = false;
             f.Angle = Shrink;
             f.Index = 4;
         }},
        {"SetCheckBox data", [](TCellGraphic& g) { g.SetCheckBox(false, true, false, haBeforeText, vaUnderText); },
         [](Fields& f) {
             f.Type = ctDataCheckBox;
             f.Angle = 0;
             f.Boolean = false;
             f.HAlign = haBeforeText;
             f.VAlign = vaUnderText;
             f.Transparent = false;
         }},
        {"SetCheckBox plain", [](TCellGraphic& g) { g.SetCheckBox(false, false, false, haLeft, vaTop); },
         [](Fields& f) {
             f.Type = ctCheckBox;
             f.Angle = 0;
             f.Boolean = false;
             f.HAlign = haLeft;
             f.VAlign = vaTop;
             f.Transparent = false;
         }},
        {"SetCheckBox tri-state", [](TCellGraphic& g) { g.SetCheckBox(cbChecked, false, haLeft, vaTop); },
         [](Fields& f) {
             f.Type = ctTriStateCheckBox;
             f.State = cbChecked;
             f.Boolean = false;
             f.HAlign = haLeft;
             f.VAlign = vaTop;
             f.Transparent = false;
         }},
        {"SetRadioButton", [](TCellGraphic& g) { g.SetRadioButton(false, false, haCenter, vaCenter); },
         [](Fields& f) {
             f.Type = ctRadioButton;
             f.Angle = 0;
             f.Boolean = false;
             f.HAlign = haCenter;
             f.VAlign = vaCenter;
             f.Transparent = false;
         }},
        {"SetIcon", [&](TCellGraphic& g) { g.SetIcon(&icon, haRight, vaBottom); },
         [&](Fields& f) {
             f.Type = ctIcon;
             f.Icon = &icon;
             f.HAlign = haRight;
             f.VAlign = vaBottom;
         }},
        {"SetDataImage", [](TCellGraphic& g) { g.SetDataImage(3, haLeft, vaTop); },
         [](Fields& f) {
             f.Type = ctDataImage;
             f.Index = 3;
             f.HAlign = haLeft;
             f.VAlign = vaTop;
         }},
        {"SetImageIdx", [](TCellGraphic& g) { g.SetImageIdx(4, haLeft, vaTop); },
         [](Fields& f) {
             f.Type = ctImageList;
             f.Index = 4;
             f.HAlign = haLeft;
             f.VAlign = vaTop;
         }},
        {"SetAngle", [](TCellGraphic& g) { g.SetAngle(-90); },
         [](Fields& f) {
             f.Type = ctRotated;
             f.Angle = 270;
         }},
    };
    for (const SetterRow& row : rows) {
        SCOPED_TRACE(row.Name);
        TCellGraphic graphic;
        FillSentinels(graphic);
        Fields expected = Read(graphic);
        row.Expect(expected);
        row.Apply(graphic);
        EXPECT_EQ(Read(graphic), expected);
    }
}

TEST(CellGraphicSetters, MultiImageOwnsAListOfItsCellThatReportsChanges)
{
    TCellGraphic graphic;
    FillSentinels(graphic);
    std::vector<std::tuple<Integer, Integer>> reports;
    graphic.SetMultiImage(3, 8, 1, haRight, vaBottom,
                          [&](TObject*, Integer ACol, Integer ARow) { reports.emplace_back(ACol, ARow); });
    EXPECT_EQ(graphic.CellType, ctImages);
    EXPECT_FALSE(graphic.CellBoolean) << "direction 1 stacks the images";
    EXPECT_TRUE(graphic.CellCreated);
    EXPECT_EQ(graphic.CellHAlign, haRight);
    EXPECT_EQ(graphic.CellVAlign, vaBottom);
    EXPECT_EQ(graphic.CellIndex, 777) << "untouched";
    TIntList* list = graphic.IntList();
    ASSERT_NE(list, nullptr);
    list->Add(5);
    EXPECT_EQ(reports, (std::vector<std::tuple<Integer, Integer>>{{3, 8}}));

    TCellGraphic sideBySide;
    sideBySide.SetMultiImage(0, 0, 0, haLeft, vaTop, nullptr);
    EXPECT_TRUE(sideBySide.CellBoolean);
}

TEST(CellGraphicSetters, ButtonSizeKeepsTheWidthInTheLowWord)
{
    TCellGraphic graphic;
    graphic.SetButton(0x12345, 3, u"", haLeft, vaTop);
    EXPECT_EQ(graphic.CellIndex, (3 << 16) | 0x2345);
}

TEST(CellGraphicSetters, AngleIsBroughtIntoZeroTo360)
{
    const std::vector<std::pair<int16_t, Integer>> cases = {
        {-90, 270}, {720, 360}, {360, 360},  {0, 0},     {-1, 359},
        {361, 1},   {-360, 0},  {-361, 359}, {32767, 7}, {-32768, 352},
    };
    for (auto [angle, expected] : cases) {
        TCellGraphic graphic;
        graphic.SetAngle(angle);
        EXPECT_EQ(graphic.CellAngle, expected) << angle;
        EXPECT_EQ(graphic.CellType, ctRotated);
    }
}

TEST(CellGraphic, CreatedEmptyAndUntyped)
{
    TCellGraphic graphic;
    EXPECT_EQ(graphic.CellType, ctNone);
    EXPECT_FALSE(graphic.CellCreated);
    EXPECT_EQ(graphic.CellHAlign, haLeft);
    EXPECT_EQ(graphic.CellVAlign, vaTop);
    EXPECT_EQ(graphic.CellIndex, 0);
    EXPECT_EQ(graphic.CellBitmap(), nullptr);
    EXPECT_EQ(graphic.CellIcon(), nullptr);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(graphic.CellVar));
    EXPECT_EQ(graphic.ClassName(), u"TCellGraphic") << "the cell properties free graphics by this name";
}

TEST(CellGraphic, PainterIsFoundOnlyOnObjectsThatPaint)
{
    TPainter painter;
    TBitmap bitmap;
    TCellGraphic graphic;
    graphic.SetInterfacedCell(&painter);
    ASSERT_NE(graphic.Painter(), nullptr);
    EXPECT_EQ(graphic.Painter()->GetWidth(), 7);
    graphic.SetInterfacedCell(&bitmap);
    EXPECT_EQ(graphic.Painter(), nullptr);
    EXPECT_EQ(graphic.Bitmap(), &bitmap);
    EXPECT_EQ(graphic.Picture(), nullptr);
}

// --- Assign ------------------------------------------------------------------------------------

TEST(CellGraphicAssign, CopiesPlainFieldsAndLeavesObjectsColoursVarAndStateAlone)
{
    Objects objects;
    TCellGraphic source;
    source.SetButton(40, 12, u"Copy", haRight, vaBottom);
    source.CellBoolean = true;
    source.CellTransparent = true;
    source.CellAngle = 33;
    source.CellValue = {10, 20};
    source.CellErrFrom = 2;
    source.CellErrLen = 5;
    source.CellVar = true;
    source.CellCheckBoxState = cbChecked;
    source.CellBitmapColor = clRed;
    source.CellIconColor = clBlue;
    Adopt(source, objects.Created<TBitmap>());
    source.AdoptCellIcon(objects.Created<TIcon>());

    auto target = std::make_unique<TCellGraphic>();
    TBitmap* own = objects.Supplied<TBitmap>();
    target->SetBitmap(own, false, haLeft, vaTop);
    target->CellVar = Integer(-1);
    target->CellCheckBoxState = cbGrayed;
    target->CellBitmapColor = clGreen;
    target->Assign(&source);

    EXPECT_EQ(target->CellType, ctButton);
    EXPECT_EQ(target->CellHAlign, haRight);
    EXPECT_EQ(target->CellVAlign, vaBottom);
    EXPECT_EQ(target->CellIndex, source.CellIndex);
    EXPECT_TRUE(target->CellTransparent);
    EXPECT_TRUE(target->CellBoolean);
    EXPECT_EQ(target->CellAngle, 33);
    EXPECT_EQ(target->CellValue, (TPoint{10, 20}));
    EXPECT_EQ(target->CellErrFrom, 2);
    EXPECT_EQ(target->CellErrLen, 5);
    EXPECT_EQ(target->CellText, u"Copy");
    EXPECT_TRUE(target->CellCreated);

    EXPECT_EQ(target->CellBitmap(), own);
    EXPECT_EQ(target->CellIcon(), nullptr);
    EXPECT_EQ(target->CellVar, TCellVar(Integer(-1)));
    EXPECT_EQ(target->CellCheckBoxState, cbGrayed);
    EXPECT_EQ(target->CellBitmapColor, clGreen);
    EXPECT_EQ(target->CellIconColor, 0);

    target.reset();
    EXPECT_EQ(objects.Deaths, 0) << "the copy frees neither its supplied bitmap nor the source's objects";
}

TEST(CellGraphicAssign, RefusesOtherClasses)
{
    TCellGraphic graphic;
    TBitmap bitmap;
    EXPECT_THROW(graphic.Assign(&bitmap), EConvertError);
    EXPECT_THROW(graphic.Assign(nullptr), EConvertError);
}

// --- Picture size ------------------------------------------------------------------------------

struct SizeCase {
    TStretchMode Mode;
    TPoint Natural;
    TPoint Area;
    Integer Padding;
    TPoint Expected;
};

const std::vector<SizeCase>& SizeCases()
{
    static const std::vector<SizeCase> cases = {
        {noStretch, {100, 50}, {60, 60}, 0, {100, 50}},
        {Stretch, {100, 50}, {60, 60}, 0, {60, 60}},
        {StretchWithAspectRatio, {100, 50}, {60, 60}, 0, {60, 30}},
        {Shrink, {100, 50}, {60, 60}, 0, {60, 60}},
        {ShrinkWithAspectRatio, {100, 50}, {60, 60}, 0, {60, 30}},
        {noStretch, {100, 50}, {200, 200}, 0, {100, 50}},
        {Stretch, {100, 50}, {200, 200}, 0, {200, 200}},
        {StretchWithAspectRatio, {100, 50}, {200, 200}, 0, {200, 100}},
        {Shrink, {100, 50}, {200, 200}, 0, {100, 50}},
        {ShrinkWithAspectRatio, {100, 50}, {200, 200}, 0, {100, 50}},
        // A tall picture takes the height's ratio the other way round.
        {StretchWithAspectRatio, {50, 100}, {60, 60}, 0, {30, 60}},
        {ShrinkWithAspectRatio, {50, 100}, {60, 60}, 0, {30, 60}},
        // Padding comes off each side of the area once.
        {Stretch, {100, 50}, {60, 60}, 5, {55, 55}},
        {Shrink, {50, 50}, {60, 60}, 5, {50, 50}},
        {Shrink, {56, 50}, {60, 60}, 5, {55, 55}},
        {StretchWithAspectRatio, {100, 50}, {60, 60}, 5, {55, 28}},
        // Halves round to the even neighbour: 12.5 gives 12, 17.5 gives 18.
        {StretchWithAspectRatio, {100, 25}, {50, 50}, 0, {50, 12}},
        {StretchWithAspectRatio, {100, 35}, {50, 50}, 0, {50, 18}},
        // Fitting exactly is fitting; one pixel more is not.
        {Shrink, {60, 60}, {60, 60}, 0, {60, 60}},
        {Shrink, {61, 60}, {60, 60}, 0, {60, 60}},
        {ShrinkWithAspectRatio, {120, 60}, {60, 60}, 0, {60, 30}},
        // A mode past the last one draws at the natural size.
        {TStretchMode(7), {100, 50}, {60, 60}, 0, {100, 50}},
    };
    return cases;
}

void ExpectSizes(TCellGraphic& Graphic, const std::function<void(TPoint)>& SetNatural, bool OnlyFilePictureSizes)
{
    for (const SizeCase& c : SizeCases()) {
        if (OnlyFilePictureSizes && (c.Natural.X <= 0 || c.Natural.Y <= 0)) continue;
        SCOPED_TRACE(testing::Message() << "mode " << int(c.Mode) << " natural " << c.Natural.X << "x" << c.Natural.Y
                                        << " area " << c.Area.X << "x" << c.Area.Y << " padding " << c.Padding);
        SetNatural(c.Natural);
        Graphic.CellAngle = c.Mode;
        Graphic.CellIndex = c.Padding;
        EXPECT_EQ(Graphic.GetPictureSize(c.Area.X, c.Area.Y, false), c.Expected);
        EXPECT_EQ(Graphic.GetPictureSize(c.Area.X, c.Area.Y, true), c.Expected) << "text does not matter";
    }
}

TEST(CellGraphicPictureSize, PictureByStretchMode)
{
    TPicture picture;
    TCellGraphic graphic;
    graphic.SetPicture(&picture, false, noStretch, 0, haLeft, vaTop);
    ExpectSizes(
        graphic,
        [&](TPoint Natural) {
            TBitmap bitmap(Natural.X, Natural.Y);
            picture.SetGraphic(&bitmap);
        },
        false);
}

TEST(CellGraphicPictureSize, FilePictureUsesTheSizeNotedFromItsFile)
{
    test::ScratchDir dir("cell_graphic_file_picture");
    TFilePicture picture;
    TCellGraphic graphic;
    graphic.SetFilePicture(&picture, false, noStretch, 0, haLeft, vaTop);
    ExpectSizes(
        graphic,
        [&](TPoint Natural) {
            const String file = Utf8ToString((dir / "p.bmp").string());
            TBitmap(Natural.X, Natural.Y).SaveToFile(file);
            picture.SetFilename(file);
        },
        true);
}

TEST(CellGraphicPictureSize, ZeroNaturalWidthCountsAsRatioOne)
{
    TPicture picture;
    TBitmap empty(0, 50);
    picture.SetGraphic(&empty);
    ASSERT_EQ(picture.Width(), 0);
    TCellGraphic graphic;
    // rx is 1.0 and ry 1.2: the width side wins, with the height kept at 50.
    graphic.SetPicture(&picture, false, StretchWithAspectRatio, 0, haLeft, vaTop);
    EXPECT_EQ(graphic.GetPictureSize(60, 60, false), (TPoint{60, 50}));
    // Too high to fit: rx stays 1.0 and ry is 0.8, so the height side wins and the width scales to 0.
    graphic.CellAngle = ShrinkWithAspectRatio;
    EXPECT_EQ(graphic.GetPictureSize(60, 40, false), (TPoint{0, 40}));
}

TEST(CellGraphicPictureSize, NothingForOtherTypesOrAMissingPicture)
{
    TCellGraphic graphic;
    graphic.SetButton(70, 20, u"", haLeft, vaTop);
    EXPECT_EQ(graphic.GetPictureSize(60, 60, false), (TPoint{0, 0}));
    TCellGraphic empty;
    empty.SetPicture(nullptr, false, noStretch, 0, haLeft, vaTop);
    EXPECT_EQ(empty.GetPictureSize(60, 60, false), (TPoint{0, 0}));
    TBitmap notAPicture;
    empty.SetCellBitmap(&notAPicture);
    EXPECT_EQ(empty.GetPictureSize(60, 60, false), (TPoint{0, 0}));
}

}  // namespace
}  // namespace gw
