// Tests of the rich edit: the RTF subset read and written, formats following edits, the
// character-format messages, selection and resize notifications, drawing a range.
#include "platform/controls/rich_edit.h"

#include "platform/backends/headless/harness.h"
#include "platform/graphics/canvas.h"
#include "platform/runtime/streams.h"

#include <cairo.h>
#include <gtest/gtest.h>

namespace gw::test {
namespace {

TCharFormat Fmt(TFontStyles Style, TColor Color = clWindowText, Integer Size = 8, Integer Offset = 0)
{
    return {Style, Color, Size, Offset};
}

TEST(RichText, RoundTripOfTheSubset)
{
    TRichText t;
    t.Text = u"Bold red\r\nsmall x2 {\\} caf\u00e9 \u20ac";
    const TCharFormat plain = Fmt(0);
    t.Formats.assign(t.Text.size(), plain);
    for (int i = 0; i < 4; ++i) t.Formats[std::size_t(i)] = Fmt(fsBold);
    for (int i = 5; i < 8; ++i) t.Formats[std::size_t(i)] = Fmt(fsItalic | fsUnderline, clRed);
    for (int i = 10; i < 15; ++i) t.Formats[std::size_t(i)] = Fmt(0, clWindowText, 14);
    t.Formats[17] = Fmt(0, clWindowText, 8, 40);  // the 2 raised
    const std::string rtf = WriteRtf(t, u"Tahoma");
    EXPECT_TRUE(IsRtf(rtf));
    for (unsigned char c : rtf) EXPECT_LT(c, 128) << "RTF is written in 7-bit ASCII";
    const TRichText back = ReadRtf(rtf, plain);
    EXPECT_EQ(back.Text, t.Text);
    ASSERT_EQ(back.Formats.size(), t.Formats.size());
    for (std::size_t i = 0; i < t.Formats.size(); ++i) EXPECT_EQ(back.Formats[i], t.Formats[i]) << "character " << i;
}

TEST(RichText, ReadsForeignDocumentsAndSkipsWhatItDoesNotKnow)
{
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl ;\\red0\\green0\\blue255;}"
                            "{\\*\\generator Some Writer;}{\\info{\\title T}}"
                            "\\pard\\f0\\fs20 Hello \\cf1\\b blue\\b0\\cf0  \\'e9t\\'e9\\par "
                            "\\u8364?uro{\\i  it}\\line end\\par}";
    const TRichText t = ReadRtf(rtf, Fmt(0));
    EXPECT_EQ(t.Text, u"Hello blue \u00e9t\u00e9\r\n\u20acuro it\r\nend");
    EXPECT_EQ(t.Formats[6], Fmt(fsBold, RGB(0, 0, 255), 10));
    EXPECT_EQ(t.Formats[0].Size, 10);
    EXPECT_EQ(t.Formats[Integer(t.Text.find(u"it"))].Style, fsItalic);
    EXPECT_EQ(t.Formats[Integer(t.Text.find(u"end"))].Style, 0) << "the group's italics ended with it";
    // Broken input ends where it ends, without failing.
    EXPECT_EQ(ReadRtf("{\\rtf1 abc{\\b de", Fmt(0)).Text, u"abcde");
    // A parameter is a signed 16-bit number: longer runs of digits are held at its ends.
    EXPECT_EQ(ReadRtf("{\\rtf1\\fs99999999999999999999999 x}", Fmt(0)).Formats[0].Size, 16384);
    EXPECT_EQ(ReadRtf("{\\rtf1\\up-99999999999999999999999 x}", Fmt(0)).Formats[0].Offset, -327680);
}

class RichEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(Application);
        form->SetBounds(100, 100, 400, 300);
        rich = new TRichEdit(form);
        rich->SetParent(form);
        rich->SetBounds(10, 10, 300, 150);
        rich->OnSelectionChange = [this](TObject*) { ++selChanges; };
        rich->OnResizeRequest = [this](TObject*, TRect& R) { requested = R; };
        form->Show();
        rich->SetFocus();
        h.ProcessMessages();
    }

    THarness h;
    TForm* form = nullptr;
    TRichEdit* rich = nullptr;
    int selChanges = 0;
    TRect requested;
};

TEST_F(RichEditTest, TypedTextTakesTheFormatBeforeItAndSelAttributesFormatsTheSelection)
{
    h.Type(u"plain ");
    rich->SelAttributes()->SetStyle(fsBold);  // nothing selected: the text typed next
    h.Type(u"bold");
    EXPECT_EQ(rich->Formats()[0].Style, 0);
    EXPECT_EQ(rich->Formats()[7].Style, fsBold);
    h.Press(VK_HOME);
    h.Type(u">");
    EXPECT_EQ(rich->Formats()[0].Style, 0);
    rich->SetSelStart(1);
    rich->SetSelLength(5);
    rich->SelAttributes()->SetColor(clRed);
    EXPECT_EQ(rich->Formats()[1].Color, clRed);
    EXPECT_EQ(rich->Formats()[7].Color, clWindowText);
    rich->SetSelStart(8);
    rich->SetSelLength(2);
    h.Press(VK_DELETE);
    EXPECT_EQ(rich->Text(), u">plain bd");
    EXPECT_EQ(rich->Formats().size(), rich->Text().size());
    EXPECT_EQ(rich->Formats()[8].Style, fsBold);
}

TEST_F(RichEditTest, OffsetThroughTheCharacterFormatMessages)
{
    rich->SetText(u"x2");
    rich->Perform(EM_SETSEL, 1, 2);
    TCharFormatW cf;
    cf.dwMask = CFM_OFFSET;
    cf.yOffset = 40;
    rich->Perform(EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&cf));
    TCharFormatW got;
    got.dwMask = CFM_OFFSET;
    rich->Perform(EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&got));
    EXPECT_EQ(got.yOffset, 40);
    rich->Perform(EM_SETSEL, 0, 2);
    rich->Perform(EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&got));
    EXPECT_FALSE(got.dwMask & CFM_OFFSET) << "mixed offsets are left out of the mask";
    EXPECT_EQ(rich->Formats()[0].Offset, 0);
}

TEST_F(RichEditTest, StreamsCarryRtfAndTextStaysPlain)
{
    rich->SetText(u"first\r\nsecond");
    rich->Perform(EM_SETSEL, 0, 5);
    rich->SelAttributes()->SetStyle(fsItalic);
    TMemoryStream out;
    rich->Lines()->SaveToStream(&out);
    out.SetPosition(0);
    const std::string bytes = out.ReadRest();
    EXPECT_TRUE(IsRtf(bytes));
    rich->Clear();
    out.SetPosition(0);
    rich->Lines()->LoadFromStream(&out);
    EXPECT_EQ(rich->Text(), u"first\r\nsecond");
    EXPECT_EQ(rich->Lines()->Count(), 2);
    EXPECT_EQ(rich->Formats()[0].Style, fsItalic);
    EXPECT_EQ(rich->Formats()[8].Style, 0);
    rich->PlainText = true;
    TMemoryStream plain;
    rich->Lines()->SaveToStream(&plain);
    plain.SetPosition(0);
    EXPECT_FALSE(IsRtf(plain.ReadRest()));
}

TEST_F(RichEditTest, SelectionAndResizeNotifications)
{
    selChanges = 0;
    h.Type(u"ab");
    EXPECT_EQ(selChanges, 2);
    h.Press(VK_LEFT, ssShift);
    EXPECT_EQ(selChanges, 3);
    const Integer oneLine = requested.Height();
    EXPECT_GT(oneLine, 0);
    h.Press(VK_END);
    h.Press(VK_RETURN);
    h.Type(u"c");
    EXPECT_GT(requested.Height(), oneLine) << "a new line asks for more height";
    rich->Perform(EM_SETEVENTMASK, 0, 0);
    selChanges = 0;
    h.Type(u"d");
    EXPECT_EQ(selChanges, 0);
}

TEST_F(RichEditTest, FormatRangeDrawsTheTextOntoACanvas)
{
    rich->SetText(u"Drawn");
    rich->SelectAll();
    rich->SelAttributes()->SetColor(clRed);
    std::shared_ptr<cairo_surface_t> surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 100, 30),
                                             cairo_surface_destroy);
    TCanvas canvas(surface.get());
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, 100, 30));
    TFormatRange fr;
    fr.hdc = fr.hdcTarget = &canvas;
    fr.rc = Rect(0, 0, 100 * TwipsPerPixel, 30 * TwipsPerPixel);
    fr.rcPage = fr.rc;
    fr.chrg = {0, -1};
    EXPECT_EQ(rich->Perform(EM_FORMATRANGE, 1, LPARAM(&fr)), 5);
    rich->Perform(EM_FORMATRANGE, 0, 0);
    int red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            if (canvas.Pixels(x, y) == clRed) ++red;
    EXPECT_GT(red, 10);
}

}  // namespace
}  // namespace gw::test
