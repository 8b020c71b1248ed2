// File pictures: the size read when the name is set, drawing from the file, and a file that
// has gone or was spoilt since.
#include "grid/foundation/file_picture.h"

#include "platform/graphics/bitmap.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/unicode.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace gw {
namespace {

class FilePictureTest : public ::testing::Test {
protected:
    FilePictureTest() : dir("file_picture")
    {
        TBitmap red(6, 4, pf24bit);
        red.Canvas()->Brush()->SetColor(clRed);
        red.Canvas()->FillRect(Rect(0, 0, 6, 4));
        red.SaveToFile(file);
    }

    // A white canvas to draw on.
    static std::unique_ptr<TBitmap> WhiteBitmap()
    {
        auto target = std::make_unique<TBitmap>(20, 20, pf24bit);
        target->Canvas()->Brush()->SetColor(clWhite);
        target->Canvas()->FillRect(Rect(0, 0, 20, 20));
        return target;
    }

    test::ScratchDir dir;
    String file = Utf8ToString((dir / "red.bmp").string());
};

TEST_F(FilePictureTest, NamingAFileRecordsItsSizeAndDrawingStretchesIt)
{
    TFilePicture p;
    p.SetFilename(file);
    EXPECT_EQ(p.Filename(), file);
    EXPECT_EQ(p.Width(), 6);
    EXPECT_EQ(p.Height(), 4);
    auto owner = WhiteBitmap();
    TBitmap& target = *owner;
    p.DrawPicture(*target.Canvas(), Rect(2, 2, 14, 10));
    EXPECT_EQ(target.PixelColor(3, 3), clRed);
    EXPECT_EQ(target.PixelColor(13, 9), clRed);
    EXPECT_EQ(target.PixelColor(15, 11), clWhite);
    EXPECT_EQ(target.PixelColor(1, 1), clWhite);
}

TEST_F(FilePictureTest, AFileGoneSinceItWasNamedDrawsNothing)
{
    TFilePicture p;
    p.SetFilename(file);
    std::filesystem::remove(dir / "red.bmp");
    auto owner = WhiteBitmap();
    TBitmap& target = *owner;
    EXPECT_NO_THROW(p.DrawPicture(*target.Canvas(), Rect(0, 0, 20, 20)));
    EXPECT_EQ(target.PixelColor(10, 10), clWhite);
    test::writeBytes(dir / "red.bmp", "BM not a bitmap");
    EXPECT_NO_THROW(p.DrawPicture(*target.Canvas(), Rect(0, 0, 20, 20)));
    EXPECT_EQ(target.PixelColor(10, 10), clWhite);
    // The size is that of the file when it was named.
    EXPECT_EQ(p.Width(), 6);
}

TEST_F(FilePictureTest, NamingAMissingOrSpoiltFileReportsTheError)
{
    TFilePicture p;
    p.SetFilename(file);
    const String missing = Utf8ToString((dir / "none.bmp").string());
    EXPECT_THROW(p.SetFilename(missing), EFOpenError);
    EXPECT_EQ(p.Filename(), missing);
    EXPECT_EQ(p.Width(), 0);
    EXPECT_EQ(p.Height(), 0);
    test::writeBytes(dir / "bad.png", "\x89PNG\r\n\x1a\n broken");
    EXPECT_THROW(p.SetFilename(Utf8ToString((dir / "bad.png").string())), Exception);
    EXPECT_EQ(p.Width(), 0);
}

TEST_F(FilePictureTest, AnEmptyNameClearsThePictureAndDrawsNothing)
{
    TFilePicture p;
    p.SetFilename(file);
    p.SetFilename(u"");
    EXPECT_EQ(p.Width(), 0);
    auto owner = WhiteBitmap();
    TBitmap& target = *owner;
    p.DrawPicture(*target.Canvas(), Rect(0, 0, 20, 20));
    EXPECT_EQ(target.PixelColor(10, 10), clWhite);
}

TEST_F(FilePictureTest, AssignCopiesNameAndSizeWithoutReading)
{
    TFilePicture from, to;
    from.SetFilename(file);
    std::filesystem::remove(dir / "red.bmp");
    to.Assign(&from);
    EXPECT_EQ(to.Filename(), file);
    EXPECT_EQ(to.Width(), 6);
    EXPECT_EQ(to.Height(), 4);
    TPersistent other;
    EXPECT_THROW(to.Assign(&other), EConvertError);
}

}  // namespace
}  // namespace gw
