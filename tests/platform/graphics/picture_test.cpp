// Pictures: BMP of every depth, PNG, JPEG against djpeg, GIF frames, icons and TPicture.
#include "pixel_map.h"

#include "platform/graphics/image_formats.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/resources.h"
#include "platform/runtime/streams.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <ctime>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace gw {
namespace {

struct Ppm {
    Integer w = 0, h = 0;
    std::string rgb;
    TColor At(Integer x, Integer y) const
    {
        size_t i = (size_t(y) * w + x) * 3;
        return RGB(uint8_t(rgb[i]), uint8_t(rgb[i + 1]), uint8_t(rgb[i + 2]));
    }
};

Ppm ReadPpm(const std::string& bytes)
{
    std::istringstream in(bytes);
    std::string magic;
    int max = 0;
    Ppm p;
    in >> magic >> p.w >> p.h >> max;
    in.get();
    p.rgb.assign(std::istreambuf_iterator<char>(in), {});
    return p;
}

String Fixture(const char* name) { return Utf8ToString(test::fixture(name).string()); }

void ExpectSamePixels(const TBitmap& bmp, const Ppm& ppm, const char* what)
{
    ASSERT_EQ(bmp.Width(), ppm.w) << what;
    ASSERT_EQ(bmp.Height(), ppm.h) << what;
    for (Integer y = 0; y < ppm.h; ++y)
        for (Integer x = 0; x < ppm.w; ++x)
            ASSERT_EQ(bmp.PixelColor(x, y), ppm.At(x, y)) << what << " at " << x << "," << y;
}

TEST(Bmp, EveryDepthDecodesToTheSourcePixels)
{
    const Ppm pattern = ReadPpm(test::readBytes(test::fixture("pattern.ppm")));
    const Ppm mono = ReadPpm(test::readBytes(test::fixture("mono.ppm")));
    struct Case {
        const char* file;
        const Ppm* source;
        TPixelFormat format;
    };
    const Case cases[] = {
        {"mono1.bmp", &mono, pf1bit},
        {"pattern4.bmp", &pattern, pf4bit},
        {"pattern4rle.bmp", &pattern, pf4bit},
        {"pattern8.bmp", &pattern, pf8bit},
        {"pattern8rle.bmp", &pattern, pf8bit},
        {"pattern24.bmp", &pattern, pf24bit},
        {"pattern24topdown.bmp", &pattern, pf24bit},
        {"pattern32.bmp", &pattern, pf32bit},
    };
    for (const auto& c : cases) {
        TBitmap bmp;
        bmp.LoadFromFile(Fixture(c.file));
        EXPECT_EQ(bmp.PixelFormat(), c.format) << c.file;
        ExpectSamePixels(bmp, *c.source, c.file);
    }
}

TEST(Bmp, SavedFilesOfEveryDepthReadBackAndImageMagickAgrees)
{
    const Ppm pattern = ReadPpm(test::readBytes(test::fixture("pattern.ppm")));
    TBitmap source;
    source.LoadFromFile(Fixture("pattern24.bmp"));
    test::ScratchDir dir("bmp_save");
    for (TPixelFormat f : {pf4bit, pf8bit, pf24bit, pf32bit}) {
        TBitmap copy;
        copy.Assign(&source);
        copy.SetPixelFormat(f);
        auto file = dir / ("out" + std::to_string(int(f)) + ".bmp");
        copy.SaveToFile(Utf8ToString(file.string()));
        TBitmap back;
        back.LoadFromFile(Utf8ToString(file.string()));
        EXPECT_EQ(back.PixelFormat(), f);
        ExpectSamePixels(back, pattern, "saved");
        // An independent reader sees the same picture.
        auto ppm = dir / "check.ppm";
        std::string cmd = "convert '" + file.string() + "' -depth 8 '" + ppm.string() + "' 2>/dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
        ExpectSamePixels(back, ReadPpm(test::readBytes(ppm)), "imagemagick");
    }
    // One bit: black and white survive; other colours go to the nearer one.
    TBitmap mono;
    mono.LoadFromFile(Fixture("mono1.bmp"));
    TBitmap back;
    back.LoadFromBytes(mono.SaveToBytes());
    ExpectSamePixels(back, ReadPpm(test::readBytes(test::fixture("mono.ppm"))), "1 bit");
}

TEST(Bmp, SixteenColourResourceBitmapLoadsByName)
{
    static const std::string data = test::readBytes(test::fixture("pattern4.bmp"));
    RegisterResource("TESTGLYPH16", "BITMAP", reinterpret_cast<const unsigned char*>(data.data()), data.size());
    TBitmap bmp;
    bmp.LoadFromResourceName(u"TestGlyph16");
    EXPECT_EQ(bmp.PixelFormat(), pf4bit);
    ExpectSamePixels(bmp, ReadPpm(test::readBytes(test::fixture("pattern.ppm"))), "resource");
    EXPECT_THROW(bmp.LoadFromResourceName(u"NO_SUCH_GLYPH"), EResNotFound);
}

TEST(Bmp, DamagedDataIsRefusedWithoutHarm)
{
    std::string good = test::readBytes(test::fixture("pattern24.bmp"));
    const std::string cases[] = {
        "",
        "BM",
        "XX" + good.substr(2),
        good.substr(0, 60),
        good.substr(0, 18) + std::string("\xFF\xFF\xFF\x7F", 4) + good.substr(22),  // absurd width
        // the lowest height, top-down: negating it would overflow (found by fuzzing)
        good.substr(0, 22) + std::string("\x00\x00\x00\x80", 4) + good.substr(26),
    };
    for (const auto& bytes : cases) {
        TBitmap bmp(3, 3);
        EXPECT_THROW(bmp.LoadFromBytes(bytes), EInvalidGraphic);
        EXPECT_EQ(bmp.Width(), 3);  // unchanged
    }
    std::string rle = test::readBytes(test::fixture("pattern8rle.bmp"));
    TBitmap bmp;
    EXPECT_THROW(bmp.LoadFromBytes(rle.substr(0, rle.size() - 20)), EInvalidGraphic);
}

TEST(Bitmap, SizeFormatScanLineAndTransparency)
{
    TBitmap bmp(4, 3);
    EXPECT_EQ(bmp.PixelColor(0, 0), clBlack);  // new pixels are black
    bmp.Canvas()->Brush()->SetColor(clRed);
    bmp.Canvas()->FillRect(Rect(0, 0, 4, 3));
    bmp.SetSize(6, 4);
    EXPECT_EQ(bmp.PixelColor(3, 2), clRed);  // kept
    EXPECT_EQ(bmp.PixelColor(5, 3), clBlack);
    uint8_t* row = bmp.ScanLine(1);
    row[0] = 0x10;  // B
    row[1] = 0x20;  // G
    row[2] = 0x30;  // R
    EXPECT_EQ(bmp.PixelColor(0, 1), RGB(0x30, 0x20, 0x10));
    EXPECT_THROW(bmp.ScanLine(4), ERangeError);
    // The automatic transparent colour is the bottom-left pixel.
    bmp.Canvas()->SetPixel(0, 3, clLime);
    EXPECT_EQ(bmp.TransparentColor(), clLime);
    bmp.SetTransparentColor(clRed);
    EXPECT_EQ(bmp.TransparentMode(), tmFixed);
    EXPECT_EQ(bmp.TransparentColor(), clRed);
    bmp.SetTransparentMode(tmAuto);
    EXPECT_EQ(bmp.TransparentColor(), clLime);

    // A transparent draw leaves the key colour's pixels alone.
    TBitmap glyph(3, 1);
    glyph.Canvas()->SetPixel(0, 0, clFuchsia);
    glyph.Canvas()->SetPixel(1, 0, clBlue);
    glyph.Canvas()->SetPixel(2, 0, clFuchsia);
    glyph.SetTransparent(true);
    auto target = test::WhiteBitmap(4, 1);
    target->Canvas()->Draw(1, 0, &glyph);
    EXPECT_EQ(test::PixelMap(*target, {{clWhite, '.'}, {clBlue, 'b'}})[0], "..b.");
    glyph.SetTransparent(false);
    target->Canvas()->Draw(0, 0, &glyph);
    EXPECT_EQ(target->PixelColor(0, 0), clFuchsia);
}

TEST(Bitmap, ImpossibleSizesAndStreams)
{
    TBitmap bmp(2, 2);
    EXPECT_THROW(bmp.SetSize(100000, 100000), EOutOfResources);
    EXPECT_EQ(bmp.Width(), 2);
    bmp.SetSize(-5, 3);
    EXPECT_EQ(bmp.Width(), 0);
    EXPECT_TRUE(bmp.Empty());

    TMemoryStream stream;
    TBitmap source;
    source.LoadFromFile(Fixture("pattern24.bmp"));
    source.SaveToStream(&stream);
    stream.SetPosition(0);
    TBitmap back;
    back.LoadFromStream(&stream);
    ExpectSamePixels(back, ReadPpm(test::readBytes(test::fixture("pattern.ppm"))), "stream");
}

TEST(Bitmap, StretchCopyRectAndRasterOperations)
{
    TBitmap src(2, 1);
    src.Canvas()->SetPixel(0, 0, clRed);
    src.Canvas()->SetPixel(1, 0, clBlue);
    auto dst = test::WhiteBitmap(4, 2);
    dst->Canvas()->StretchDraw(Rect(0, 0, 4, 2), &src);
    const std::map<TColor, char> legend{{clWhite, '.'}, {clRed, 'r'},    {clBlue, 'b'},
                                        {clBlack, '#'}, {0x00FFFF, 'y'}, {0xFFFF00, 'c'}};
    EXPECT_EQ(test::PixelMap(*dst, legend), (std::vector<std::string>{"rrbb", "rrbb"}));

    struct Case {
        TCopyMode rop;
        TColor dest;
        TColor expect;
    };
    const Case cases[] = {
        {SRCCOPY, clWhite, clRed},       {SRCAND, clYellow, RGB(255, 0, 0)}, {SRCPAINT, clBlue, clFuchsia},
        {SRCINVERT, clWhite, clAqua},    {DSTINVERT, clWhite, clBlack},      {cmBlackness, clWhite, clBlack},
        {cmWhiteness, clBlack, clWhite}, {cmNotSrcCopy, clWhite, clAqua},
    };
    for (const auto& c : cases) {
        TBitmap d(1, 1);
        d.Canvas()->SetPixel(0, 0, c.dest);
        BitBlt(*d.Canvas(), 0, 0, 1, 1, *src.Canvas(), 0, 0, c.rop);
        EXPECT_EQ(d.PixelColor(0, 0), c.expect) << std::hex << c.rop;
    }
    // Overlapping copy within one canvas reads the source first.
    TBitmap row(4, 1);
    row.Canvas()->SetPixel(0, 0, clRed);
    row.Canvas()->SetPixel(1, 0, clBlue);
    row.Canvas()->CopyRect(Rect(1, 0, 3, 1), row.Canvas(), Rect(0, 0, 2, 1));
    EXPECT_EQ(test::PixelMap(row, legend)[0], "rrb#");
}

TEST(Png, RoundTripKeepsPixelsAndSurfaceExportWorks)
{
    TBitmap bmp;
    bmp.LoadFromFile(Fixture("pattern24.bmp"));
    TPngImage png;
    png.Assign(&bmp);
    TPngImage back;
    back.LoadFromBytes(png.SaveToBytes());
    ExpectSamePixels(back.Image(), ReadPpm(test::readBytes(test::fixture("pattern.ppm"))), "png");
    EXPECT_THROW(back.LoadFromBytes("\x89PNG\r\n\x1a\nbroken"), EInvalidGraphic);

    auto file = test::picturePath("picture_surface.png");
    SaveSurfaceToPng(bmp.Surface(), Utf8ToString(file.string()));
    TPicture picture;
    picture.LoadFromFile(Utf8ToString(file.string()));
    ASSERT_NE(dynamic_cast<TPngImage*>(picture.Graphic()), nullptr);
    ExpectSamePixels(*picture.Bitmap(), ReadPpm(test::readBytes(test::fixture("pattern.ppm"))), "export");
}

TEST(Jpeg, DecodeMatchesDjpegAndEncodingAtQuality90IsClose)
{
    TJPEGImage jpeg;
    jpeg.LoadFromFile(Fixture("photo.jpg"));
    const Ppm reference = ReadPpm(test::readBytes(test::fixture("photo_djpeg.ppm")));
    ASSERT_EQ(jpeg.Width(), reference.w);
    ASSERT_EQ(jpeg.Height(), reference.h);
    int worst = 0;
    for (Integer y = 0; y < reference.h; ++y)
        for (Integer x = 0; x < reference.w; ++x) {
            TColor a = jpeg.Image().PixelColor(x, y), b = reference.At(x, y);
            worst = std::max({worst, std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                              std::abs(GetBValue(a) - GetBValue(b))});
        }
    EXPECT_LE(worst, 1);

    EXPECT_EQ(jpeg.CompressionQuality, 90);
    TJPEGImage again;
    again.LoadFromBytes(jpeg.SaveToBytes());
    const Ppm source = ReadPpm(test::readBytes(test::fixture("photo.ppm")));
    long total = 0;
    for (Integer y = 0; y < source.h; ++y)
        for (Integer x = 0; x < source.w; ++x) {
            TColor a = again.Image().PixelColor(x, y), b = source.At(x, y);
            total += std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
                std::abs(GetBValue(a) - GetBValue(b));
        }
    EXPECT_LT(double(total) / (source.w * source.h * 3), 6.0);

    std::string bytes = test::readBytes(test::fixture("photo.jpg"));
    EXPECT_THROW(again.LoadFromBytes(bytes.substr(0, 100)), EInvalidGraphic);
    EXPECT_THROW(again.LoadFromBytes("\xFF\xD8 not a jpeg"), EInvalidGraphic);
}

TEST(Gif, FramesPositionsDelaysDisposalAndTransparency)
{
    TGIFImage gif;
    gif.LoadFromFile(Fixture("anim.gif"));
    EXPECT_EQ(gif.LogicalWidth(), 6);
    EXPECT_EQ(gif.LogicalHeight(), 4);
    ASSERT_EQ(gif.FrameCount(), 3);
    EXPECT_EQ(gif.Frames(1).Left, 3);
    EXPECT_EQ(gif.Frames(1).Top, 1);
    EXPECT_EQ(gif.Frames(1).Width, 2);
    EXPECT_EQ(gif.Frames(0).Delay, 20);
    EXPECT_EQ(gif.Frames(1).Delay, 30);
    EXPECT_EQ(gif.Frames(1).Disposal, 3);
    const std::map<TColor, char> legend{{clRed, 'r'}, {clBlue, 'b'}};
    using Rows = std::vector<std::string>;
    EXPECT_EQ(test::PixelMap(gif.Image(), legend), (Rows{"rrrrrr", "rrrrrr", "rrrrrr", "rrrrrr"}));
    gif.SetFrame(1);
    EXPECT_EQ(test::PixelMap(gif.Image(), legend), (Rows{"rrrrrr", "rrrbbr", "rrrbbr", "rrrrrr"}));
    gif.SetFrame(2);  // frame 1 is disposed back to what was before it
    EXPECT_EQ(test::PixelMap(gif.Image(), legend), (Rows{"bbrrrr", "bbrrrr", "rrrrrr", "rrrrrr"}));
    EXPECT_THROW(gif.SetFrame(3), ERangeError);

    TGIFImage trans;
    trans.LoadFromFile(Fixture("trans.gif"));
    const Ppm pattern = ReadPpm(test::readBytes(test::fixture("pattern.ppm")));
    auto target = test::WhiteBitmap(7, 5);
    target->Canvas()->Brush()->SetColor(clLime);
    target->Canvas()->FillRect(Rect(0, 0, 7, 5));
    target->Canvas()->Draw(0, 0, &trans);
    for (Integer y = 0; y < 5; ++y)
        for (Integer x = 0; x < 7; ++x)
            EXPECT_EQ(target->PixelColor(x, y), pattern.At(x, y) == clWhite ? clLime : pattern.At(x, y));

    std::string bytes = test::readBytes(test::fixture("anim.gif"));
    EXPECT_THROW(gif.LoadFromBytes(bytes.substr(0, 20)), EInvalidGraphic);
    EXPECT_THROW(gif.LoadFromBytes("GIF89a"), EInvalidGraphic);
}

// A few dozen bytes may declare a frame of tens of millions of pixels with an LZW stream that
// ends at once: decoding costs what the data holds, and the undecoded pixels take index 0.
TEST(Gif, HugeFrameWithEmptyStreamDecodesQuickly)
{
    const std::string bytes("GIF89a\x38\x39\x61\x0a\x80\x00\x00"  // 14648 x 2657, two colours
                            "\xff\x00\x00\x00\x00\xff"  // red, blue
                            "\x2c\x00\x00\x00\x00\x38\x39\x61\x0a\x00"
                            "\x02\x01\x2c\x00\x3b",  // clear code, end code, trailer
                            34);
    // Processor time, not wall time, so that a loaded machine does not fail the test; decoding
    // pixel by pixel took well over ten seconds here; filling the 39 million pixels takes about two
    // under the sanitizers, and up to four with the page faults of a machine short of memory.
    const std::clock_t start = std::clock();
    TGIFImage gif;
    gif.LoadFromBytes(bytes);
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_LT(seconds, 8.0);
    ASSERT_EQ(gif.FrameCount(), 1);
    EXPECT_EQ(gif.LogicalWidth(), 14648);
    EXPECT_EQ(gif.LogicalHeight(), 2657);
    EXPECT_EQ(gif.Image().PixelColor(0, 0), clRed);
    EXPECT_EQ(gif.Image().PixelColor(14647, 2656), clRed);
    EXPECT_EQ(gif.Image().PixelColor(7000, 1300), clRed);
}

TEST(Gif, LargeInterlacedPictureDecodesAsImageMagickDoes)
{
    TGIFImage gif;
    gif.LoadFromFile(Fixture("busy_interlaced.gif"));
    EXPECT_TRUE(gif.Frames(0).Interlaced);
    ExpectSamePixels(gif.Image(), ReadPpm(test::readBytes(test::fixture("busy_gif.ppm"))), "gif");
}

TEST(Picture, DetectsTheFormatAndConvertsToBitmap)
{
    struct Case {
        const char* file;
        const char* className;
    };
    const Case cases[] = {{"pattern24.bmp", "TBitmap"}, {"photo.jpg", "TJPEGImage"}, {"anim.gif", "TGIFImage"}};
    for (const auto& c : cases) {
        TPicture p;
        p.LoadFromFile(Fixture(c.file));
        EXPECT_EQ(p.Graphic()->ClassName(), S(c.className));
        Integer w = p.Width();
        EXPECT_EQ(p.Bitmap()->Width(), w);
        TPicture copy;
        copy.Assign(&p);
        EXPECT_EQ(copy.Width(), w);
    }
    // A JPEG becomes a 24-bit bitmap; drawing on the picture's bitmap tells the picture.
    TPicture jpeg;
    jpeg.LoadFromFile(Fixture("photo.jpg"));
    int changes = 0;
    jpeg.OnChange = [&](TObject*) { ++changes; };
    TBitmap* bitmap = jpeg.Bitmap();
    EXPECT_EQ(bitmap->PixelFormat(), pf24bit);
    changes = 0;
    bitmap->Canvas()->FillRect(Rect(0, 0, 2, 2));
    EXPECT_GT(changes, 0);

    TPicture p;
    EXPECT_THROW(p.LoadFromBytes("plain text"), EInvalidGraphic);
    EXPECT_THROW(p.LoadFromFile(u"/nonexistent/file.bmp"), EFOpenError);
}

// Pictures come from files a user picks: a damaged one of any format is refused (or, where the
// damage leaves a readable picture, read), and never read past its end or crashes the program.
TEST(Picture, DamagedFilesOfEveryFormatAreRefusedWithoutHarm)
{
    TBitmap pattern;
    pattern.LoadFromFile(Fixture("pattern24.bmp"));
    TPngImage png;
    png.Assign(&pattern);
    TIcon icon;
    icon.Assign(&pattern);
    std::vector<std::pair<std::string, std::string>> sources = {{"png", png.SaveToBytes()},
                                                                {"ico", icon.SaveToBytes()}};
    for (const char* file : {"pattern24.bmp", "pattern8rle.bmp", "pattern4rle.bmp", "mono1.bmp", "photo.jpg",
                             "anim.gif", "busy_interlaced.gif", "trans.gif"})
        sources.emplace_back(file, test::readBytes(test::fixture(file)));

    for (const auto& [name, good] : sources) {
        ASSERT_GT(good.size(), 40u) << name;
        std::vector<std::string> damaged;
        for (size_t cut : {size_t{8}, good.size() / 4, good.size() / 2, good.size() - 1})
            damaged.push_back(good.substr(0, cut));
        // Single bytes spoilt across the header and the data.
        for (size_t at : {size_t{6}, size_t{10}, size_t{14}, size_t{18}, size_t{22}, size_t{26}, good.size() / 3,
                          good.size() / 2, good.size() - 8})
            for (char value : {'\x00', '\xFF', '\x7F'}) {
                std::string bytes = good;
                bytes[at] = value;
                damaged.push_back(bytes);
            }
        for (size_t i = 0; i < damaged.size(); ++i) {
            SCOPED_TRACE(name + " variant " + std::to_string(i));
            TPicture picture;
            try {
                picture.LoadFromBytes(damaged[i]);
            } catch (const EInvalidGraphic&) {
                continue;
            }
            // Read after all: it must be a usable picture.
            ASSERT_NE(picture.Graphic(), nullptr);
            auto target = test::WhiteBitmap(40, 40);
            target->Canvas()->Draw(0, 0, picture.Graphic());
            EXPECT_GE(picture.Bitmap()->Width(), 0);
        }
    }
}

TEST(Icon, BitmapIconWithMaskAndWrittenIconReadBack)
{
    // An icon made by ImageMagick from the pattern with white made transparent.
    test::ScratchDir dir("icon");
    auto ico = dir / "pattern.ico";
    std::string cmd = "convert '" + test::fixture("trans.gif").string() + "' -define icon:format=bmp '" + ico.string() +
        "' 2>/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    TIcon icon;
    icon.LoadFromFile(Utf8ToString(ico.string()));
    EXPECT_EQ(icon.Width(), 7);
    auto target = test::WhiteBitmap(7, 5);
    target->Canvas()->Brush()->SetColor(clLime);
    target->Canvas()->FillRect(Rect(0, 0, 7, 5));
    target->Canvas()->Draw(0, 0, &icon);
    const Ppm pattern = ReadPpm(test::readBytes(test::fixture("pattern.ppm")));
    for (Integer y = 0; y < 5; ++y)
        for (Integer x = 0; x < 7; ++x)
            EXPECT_EQ(target->PixelColor(x, y), pattern.At(x, y) == clWhite ? clLime : pattern.At(x, y));
    EXPECT_THROW(icon.LoadFromBytes(std::string("\0\0\1\0\0\0", 6)), EInvalidGraphic);
    // An entry whose image header is too short is refused, not read past.
    std::string bytes = test::readBytes(ico);
    uint32_t offset = uint8_t(bytes[18]) | (uint8_t(bytes[19]) << 8);
    bytes[offset] = 8;
    EXPECT_THROW(icon.LoadFromBytes(bytes), EInvalidGraphic);
    EXPECT_EQ(icon.Width(), 7);  // the icon loaded before is kept
}

}  // namespace
}  // namespace gw
