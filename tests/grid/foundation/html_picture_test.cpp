// Tests of the mark-up picture, the picture cache and the picture container.
//
// GIF frames are checked against ImageMagick's identify, JPEG pixels against djpeg, both run on
// the fixtures of data/ (made by make_fixtures.py).
#include "grid/foundation/html_picture.h"
#include "grid/foundation/picture_cache.h"
#include "grid/foundation/picture_container.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/resources.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace gw {
namespace {

String Fixture(const std::string& name) { return Utf8ToString(test::fixture(name).string()); }

// One line per frame as identify reports it.
struct TIdentified {
    Integer Width, Height, Left, Top, Delay, ScreenWidth, ScreenHeight;
    std::string Dispose;
};

std::vector<TIdentified> Identify(const std::filesystem::path& file)
{
    int status = -1;
    const std::string out =
        test::runCommand("identify -format '%w %h %X %Y %T %W %H %D\\n' '" + file.string() + "'", &status);
    EXPECT_EQ(status, 0) << out;
    std::vector<TIdentified> frames;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream f(line);
        TIdentified i{};
        f >> i.Width >> i.Height >> i.Left >> i.Top >> i.Delay >> i.ScreenWidth >> i.ScreenHeight >> i.Dispose;
        frames.push_back(i);
    }
    return frames;
}

Integer DisposalNumber(const std::string& name)
{
    if (name == "None") return 1;
    if (name == "Background") return 2;
    if (name == "Previous") return 3;
    return 0;  // "Undefined"
}

TEST(HTMLPicture, GifFramesAgreeWithIdentify)
{
    for (const char* file : {"frames.gif", "frames_app_first.gif", "single.gif", "plain87.gif"}) {
        SCOPED_TRACE(file);
        const std::vector<TIdentified> expected = Identify(test::fixture(file));
        ASSERT_FALSE(expected.empty());
        THTMLPicture picture;
        picture.LoadFromFile(Fixture(file));
        ASSERT_FALSE(picture.Empty());
        EXPECT_TRUE(picture.IsGIF());
        ASSERT_EQ(picture.FrameCount(), static_cast<Integer>(expected.size()));
        EXPECT_EQ(picture.MaxWidth(), expected[0].ScreenWidth);
        EXPECT_EQ(picture.MaxHeight(), expected[0].ScreenHeight);
        for (Integer n = 1; n <= picture.FrameCount(); ++n) {
            const TIdentified& e = expected[static_cast<size_t>(n) - 1];
            picture.SetFrame(n);
            EXPECT_EQ(picture.Width(), e.Width) << n;
            EXPECT_EQ(picture.Height(), e.Height) << n;
            EXPECT_EQ(picture.FrameXPos(), e.Left) << n;
            EXPECT_EQ(picture.FrameYPos(), e.Top) << n;
            EXPECT_EQ(picture.GetFrameTime(n), e.Delay) << n;
            EXPECT_EQ(picture.FrameDisposal(), DisposalNumber(e.Dispose)) << n;
        }
        EXPECT_EQ(picture.GetFrameTime(0), -1);
        EXPECT_EQ(picture.GetFrameTime(picture.FrameCount() + 1), -1);
    }
}

TEST(HTMLPicture, EachFrameIsDecodedOnItsOwn)
{
    THTMLPicture picture;
    picture.LoadFromFile(Fixture("frames.gif"));
    const TColor colours[] = {clRed, clBlue, clLime};
    for (Integer n = 1; n <= 3; ++n) {
        picture.SetFrame(n);
        const std::unique_ptr<TBitmap> pixels = picture.ToBitmap();
        for (Integer y = 0; y < pixels->Height(); ++y)
            for (Integer x = 0; x < pixels->Width(); ++x)
                ASSERT_EQ(pixels->PixelColor(x, y), colours[n - 1]) << n << " " << x << "," << y;
    }
    // A frame number below 1 shows the first frame; one past the last has no image to show.
    picture.SetFrame(0);
    EXPECT_EQ(picture.Width(), 8);
    EXPECT_EQ(picture.ToBitmap()->PixelColor(0, 0), clRed);
    EXPECT_THROW(picture.SetFrame(4), EInvalidGraphic);
}

TEST(HTMLPicture, JpegPixelsAgreeWithDjpeg)
{
    test::ScratchDir dir("html_picture_jpeg");
    const auto ppm = dir / "photo.ppm";
    int status = -1;
    const std::string out = test::runCommand(
        "djpeg -outfile '" + ppm.string() + "' '" + test::fixture("photo.jpg").string() + "'", &status);
    ASSERT_EQ(status, 0) << out;
    const std::string bytes = test::readBytes(ppm);
    std::istringstream header(bytes);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    header >> magic >> width >> height >> maximum;
    ASSERT_EQ(magic, "P6");
    const size_t start = static_cast<size_t>(header.tellg()) + 1;
    ASSERT_EQ(bytes.size(), start + size_t(width) * height * 3);

    THTMLPicture picture;
    picture.LoadFromURL(u"file://" + Fixture("photo.jpg"));
    ASSERT_EQ(picture.Width(), width);
    ASSERT_EQ(picture.Height(), height);
    EXPECT_FALSE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), -1);
    EXPECT_EQ(picture.MaxWidth(), width);
    const std::unique_ptr<TBitmap> pixels = picture.ToBitmap();
    int worst = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const TColor c = pixels->PixelColor(x, y);
            const auto* p = reinterpret_cast<const uint8_t*>(bytes.data() + start + (size_t(y) * width + x) * 3);
            worst = std::max(
                {worst, std::abs(GetRValue(c) - p[0]), std::abs(GetGValue(c) - p[1]), std::abs(GetBValue(c) - p[2])});
        }
    EXPECT_LE(worst, 1);
}

// Bytes that look like a frame's header but lie inside another block (here a comment) are no
// frame: the frames are found by walking the blocks, not by searching the bytes.
TEST(HTMLPicture, FrameHeadersInsideOtherBlocksAreNoFrames)
{
    const std::string single = test::readBytes(test::fixture("single.gif"));
    const size_t control = single.find("\x21\xF9\x04");
    ASSERT_NE(control, std::string::npos);
    const std::string lookalike("\x21\xF9\x04\x00\x0A\x00\x00\x00\x2C\x00\x00\x00\x00\x05\x00\x05\x00\x00", 18);
    const std::string comment = std::string("\x21\xFE", 2) + char(lookalike.size()) + lookalike + '\0';
    test::ScratchDir dir("html_picture_comment");
    const auto file = dir / "comment.gif";
    test::writeBytes(file, single.substr(0, control) + comment + single.substr(control));
    const std::vector<TIdentified> expected = Identify(file);
    ASSERT_EQ(expected.size(), 1u);
    THTMLPicture picture;
    picture.LoadFromFile(Utf8ToString(file.string()));
    EXPECT_EQ(picture.FrameCount(), 1);
    EXPECT_EQ(picture.Width(), expected[0].Width);
    EXPECT_EQ(picture.Height(), expected[0].Height);
    EXPECT_EQ(picture.GetFrameTime(1), expected[0].Delay);
    EXPECT_EQ(picture.ToBitmap()->PixelColor(1, 1), clBlack);
}

// Every truncation of a GIF, and bytes that look like frame headers at the very end, load or
// raise the decoding error; nothing is read past the data (the sanitizer build checks that).
TEST(HTMLPicture, TruncatedAndCraftedGifsStayInsideTheirData)
{
    const std::string whole = test::readBytes(test::fixture("frames.gif"));
    for (size_t length = 0; length <= whole.size(); ++length) {
        THTMLPicture picture;
        try {
            picture.LoadFromBytes(whole.substr(0, length));
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), u"Could not load image. Invalid format");
        }
        EXPECT_LE(picture.FrameCount(), 3) << length;
        for (Integer n = 0; n <= 4; ++n) picture.GetFrameTime(n);
    }
    // The descriptor of the third frame cut short: that frame does not count.
    const size_t third = whole.rfind('\x2C');
    THTMLPicture cut;
    EXPECT_NO_THROW(cut.LoadFromBytes(whole.substr(0, third + 5)));
    EXPECT_EQ(cut.FrameCount(), 2);
    // A graphic control extension and a "," as the data's last bytes.
    const std::string header = whole.substr(0, 13 + 6);
    for (const std::string& tail : {std::string("\x21\xF9\x04\x00\x0A\x00\x00\x00\x2C", 9), std::string("\x21\xF9", 2),
                                    std::string("\x2C\x00\x00", 3)}) {
        THTMLPicture crafted;
        EXPECT_THROW(crafted.LoadFromBytes(header + tail), EInvalidGraphic);
        EXPECT_EQ(crafted.FrameCount(), 0);
        EXPECT_EQ(crafted.GetFrameTime(1), -1);
    }
}

// The fuzzer's GIF whose frame is wider than any surface can be: a decoding error that says so,
// not an escaping platform error.
TEST(HTMLPicture, AFrameTooLargeToHoldIsADecodingError)
{
    THTMLPicture picture;
    try {
        picture.LoadFromBytes(test::readBytes(test::fixture("fuzz-regress-gif-huge-frame.gif")));
        ADD_FAILURE() << "no error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), u"Could not allocate memory for image");
    }
    EXPECT_EQ(picture.Width(), 0);
    for (int tick = 0; tick < 4; ++tick) picture.Step();  // frames that cannot be held show nothing
}

// The fuzzer's GIF with a frame of no width: the frame shows nothing.
TEST(HTMLPicture, AFrameWithoutPixelsShowsNothing)
{
    THTMLPicture picture;
    picture.LoadFromBytes(test::readBytes(test::fixture("fuzz-regress-gif-empty-frame.gif")));
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width() * picture.Height(), 0);
    EXPECT_EQ(picture.ToBitmap()->Width() * picture.ToBitmap()->Height(), 0);
    TBitmap target(8, 8);
    target.Canvas()->Draw(0, 0, &picture);
}

TEST(HTMLPicture, StepFollowsTheFrameDelays)
{
    THTMLPicture picture;
    picture.LoadFromFile(Fixture("frames.gif"));  // delays 10, 25 and 5 hundredths
    // One call is a tenth of a second; the first call only reads the first frame's delay.
    struct Tick {
        bool changed;
        Integer frame;
    };
    const Tick ticks[] = {{false, 1}, {true, 2}, {false, 2}, {false, 2}, {true, 3},
                          {true, 1},  {true, 2}, {false, 2}, {true, 3}};
    for (size_t i = 0; i < std::size(ticks); ++i) {
        EXPECT_EQ(picture.Step(), ticks[i].changed) << i;
        EXPECT_EQ(picture.Frame(), ticks[i].frame) << i;
    }
    EXPECT_EQ(picture.Width(), 4);  // the third frame was decoded on the way

    THTMLPicture single;
    single.LoadFromFile(Fixture("single.gif"));
    EXPECT_EQ(single.FrameCount(), 1);
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(single.Step());
    THTMLPicture empty;
    EXPECT_FALSE(empty.Step());
}

TEST(HTMLPicture, FrameNumbersWrapWithoutDecoding)
{
    THTMLPicture picture;
    picture.LoadFromFile(Fixture("frames.gif"));
    Integer changes = 0;
    picture.OnFrameChange = [&](TObject*) { ++changes; };
    picture.SetFrame(3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.Width(), 4);
    picture.FrameNext();
    EXPECT_EQ(picture.Frame(), 1);
    EXPECT_EQ(picture.Width(), 4);  // not decoded
    picture.FramePrev();
    EXPECT_EQ(picture.Frame(), 3);
    picture.FramePrev();
    EXPECT_EQ(picture.Frame(), 2);
    EXPECT_EQ(changes, 1);
}

TEST(HTMLPicture, LoadingFailuresAndSources)
{
    THTMLPicture picture;
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_TRUE(picture.Asynch);
    EXPECT_FALSE(picture.Busy());
    EXPECT_EQ(picture.Frame(), 1);

    Integer changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    try {
        picture.LoadFromBytes("not a picture");
        ADD_FAILURE() << "no error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), u"Could not load image. Invalid format");
    }
    EXPECT_FALSE(picture.Empty());  // the data is kept, undecoded
    EXPECT_EQ(changes, 0);
    picture.LoadFromFile(Fixture("missing.gif"));
    EXPECT_TRUE(picture.Empty());
    picture.LoadFromFile(Fixture("make_fixtures.py"));
    EXPECT_TRUE(picture.Empty());
    picture.LoadFromStream(nullptr);
    EXPECT_TRUE(picture.Empty());
    // A device never ends: only ordinary files are read.
    picture.LoadFromFile(u"/dev/zero");
    EXPECT_TRUE(picture.Empty());
    picture.LoadFromURL(u"FILE:///DEV/ZERO");
    EXPECT_TRUE(picture.Empty());

    TMemoryStream stream;
    stream.WriteBuffer(test::readBytes(test::fixture("single.gif")));
    picture.LoadFromStream(&stream);  // the whole stream, whatever its position
    EXPECT_EQ(picture.Width(), 10);
    EXPECT_EQ(changes, 1);
    TMemoryStream saved;
    picture.WriteData(&saved);
    EXPECT_EQ(saved.Bytes(), stream.Bytes());

    // Sources: resources by name, files by a path in any case, other URLs not fetched.
    static const std::string logo = test::readBytes(test::fixture("single.gif"));
    RegisterResource("PICTURE_TEST_LOGO", "RCDATA", reinterpret_cast<const unsigned char*>(logo.data()), logo.size());
    struct Source {
        String url;
        bool asynch;
        Integer width;
        String id, fetchUrl;
        bool busy;
    };
    const String upperPath = u"FILE://" + Fixture("FRAMES.GIF");
    const String backslashes = u"FILE://" + Utf8ToString(test::fixture("").parent_path().string()) + u"\\SINGLE.GIF";
    const Source sources[] = {
        {u"res://picture_test_logo", false, 10, u"res://picture_test_logo", u"", false},
        {u"RES://NO_SUCH_PICTURE", false, 0, u"RES://NO_SUCH_PICTURE", u"", false},
        {u"file://" + Fixture("single.gif"), false, 10, u"file://" + Fixture("single.gif"), u"", false},
        {upperPath, false, 8, upperPath, u"", false},
        {backslashes, false, 10, backslashes, u"", false},
        {u"http://example.org/a.gif", false, 0, u"http://example.org/a.gif", u"http://example.org/a.gif", false},
        {u"http://example.org/a.gif", true, 0, u"", u"http://example.org/a.gif", true},
    };
    for (const Source& s : sources) {
        THTMLPicture p;
        p.Asynch = s.asynch;
        p.LoadFromURL(s.url);
        EXPECT_EQ(p.Width(), s.width) << StringToUtf8(s.url);
        EXPECT_EQ(p.ID, s.id) << StringToUtf8(s.url);
        EXPECT_EQ(p.URL(), s.fetchUrl) << StringToUtf8(s.url);
        EXPECT_EQ(p.Busy(), s.busy) << StringToUtf8(s.url);
    }
    THTMLPicture byNumber;
    EXPECT_THROW(byNumber.LoadFromResourceID(31999), EResNotFound);
}

TEST(HTMLPicture, AssignCopiesDataAndStartsAtTheFirstFrame)
{
    THTMLPicture source;
    source.LoadFromFile(Fixture("frames.gif"));
    source.SetFrame(2);
    THTMLPicture copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.Frame(), 1);
    EXPECT_EQ(copy.Width(), 8);
    EXPECT_EQ(copy.FrameCount(), 3);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Width(), 0);
    TBitmap other(4, 4);
    copy.Assign(&source);
    copy.Assign(&other);  // another graphic class: empty
    EXPECT_TRUE(copy.Empty());
}

TEST(HTMLPicture, DrawsAtItsSizeOrStretched)
{
    THTMLPicture picture;
    picture.LoadFromFile(Fixture("single.gif"));
    TBitmap target(40, 30);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(Rect(0, 0, 40, 30));
    target.Canvas()->Draw(5, 4, &picture);
    EXPECT_EQ(target.PixelColor(5, 4), clYellow);
    EXPECT_EQ(target.PixelColor(6, 5), clBlack);  // the picture's one black pixel at (1, 1)
    EXPECT_EQ(target.PixelColor(14, 10), clYellow);
    EXPECT_EQ(target.PixelColor(15, 4), clWhite);
    picture.Stretch = true;
    target.Canvas()->StretchDraw(Rect(20, 0, 40, 14), &picture);
    EXPECT_EQ(target.PixelColor(39, 13), clYellow);
    EXPECT_EQ(target.PixelColor(22, 2), clBlack);  // (1, 1) doubled
    THTMLPicture empty;
    target.Canvas()->Draw(0, 0, &empty);  // nothing, no failure
}

TEST(HTMLPictureCache, FindsByExactIDAndAnimates)
{
    THTMLPictureCache cache;
    THTMLPicture* upper = cache.AddPicture();
    upper->Asynch = false;
    upper->LoadFromURL(u"FILE://" + Fixture("frames.gif"));
    THTMLPicture* lower = cache.AddPicture();
    lower->LoadFromURL(u"file://" + Fixture("frames.gif"));
    EXPECT_EQ(cache.Count(), 2);
    EXPECT_EQ(cache.FindPicture(u"FILE://" + Fixture("frames.gif")), upper);
    EXPECT_EQ(cache.FindPicture(u"file://" + Fixture("frames.gif")), lower);
    EXPECT_EQ(cache.FindPicture(u"File://" + Fixture("frames.gif")), nullptr);
    EXPECT_EQ(cache.GetPicture(1), lower);
    EXPECT_THROW(cache.GetPicture(2), EListError);
    EXPECT_FALSE(cache.Animate());
    EXPECT_TRUE(cache.Animate());
    EXPECT_EQ(upper->Frame(), 2);
    EXPECT_EQ(lower->Frame(), 2);
    cache.SetPicture(0, std::make_unique<THTMLPicture>());
    EXPECT_EQ(cache.FindPicture(u"FILE://" + Fixture("frames.gif")), nullptr);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
}

TEST(PictureContainer, FindsByNameWithoutCase)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->Name = u"Logo";
    item->Tag = 7;
    item->Picture()->LoadFromFile(Fixture("single.gif"));
    TPictureItem* second = container.Items()->Add();
    second->Name = u"LOGO";
    EXPECT_EQ(container.FindPicture(u"logo"), item->Picture());
    EXPECT_EQ(container.FindPicture(u"LOGO"), item->Picture());
    EXPECT_EQ(container.FindPicture(u"other"), nullptr);
    EXPECT_EQ(container.Items()->GetOwner(), &container);

    // Items copy name, tag and picture; another class cannot be assigned.
    TPictureContainer other(nullptr);
    other.SetItems(container.Items());
    ASSERT_EQ(other.Items()->Count(), 2);
    EXPECT_EQ(other.Items()->Items(0)->Name, u"Logo");
    EXPECT_EQ(other.Items()->Items(0)->Tag, 7);
    EXPECT_EQ(other.Items()->Items(0)->Picture()->Width(), 10);
    EXPECT_NE(other.Items()->Items(0)->Picture(), item->Picture());
    EXPECT_THROW(item->Assign(&other), EInvalidCast);
    second->SetPicture(item->Picture());
    EXPECT_EQ(second->Picture()->Width(), 10);

    TPictureItem* animated = container.Items()->Insert(0);
    animated->Picture()->LoadFromFile(Fixture("frames.gif"));
    EXPECT_FALSE(container.Items()->Animate());
    EXPECT_TRUE(container.Items()->Animate());
}

}  // namespace
}  // namespace gw
