// File dialogs: filters, default extension, the option checks, all answered by a responder.
#include "platform/controls/common_dialogs.h"
#include "platform/graphics/graphic.h"
#include "platform/runtime/files.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/dialogs.h"
#include "std_controls_harness.h"
#include "tests/support/test_support.h"

namespace gw::test {
namespace {

TEST(FileFilter, Parsing)
{
    EXPECT_EQ(ParseFileFilter(u"Management Information Base (*.mib)|*.mib"),
              (std::vector<TFileFilter>{{u"Management Information Base (*.mib)", {u"*.mib"}}}));
    EXPECT_EQ(ParseFileFilter(u"Pictures|*.bmp; *.png|All|*.*"),
              (std::vector<TFileFilter>{{u"Pictures", {u"*.bmp", u"*.png"}}, {u"All", {u"*.*"}}}));
    EXPECT_TRUE(ParseFileFilter(u"").empty());
    EXPECT_TRUE(ParseFileFilter(u"Description only").empty());
}

TEST(FileFilter, DefaultExtension)
{
    auto mib = ParseFileFilter(u"Management Information Base (*.mib)|*.mib|All files|*.*");
    struct Case {
        const char16_t* name;
        Integer index;
        const char16_t* defaultExt;
        const char16_t* expected;
    };
    const Case cases[] = {
        {u"/p/traps", 1, u"*.mib", u"/p/traps.mib"},   // "*.mib" as the configurator gives it
        {u"/p/traps", 2, u"*.mib", u"/p/traps.mib"},   // "All files" names no extension
        {u"/p/traps", 2, u".txt", u"/p/traps.txt"},
        {u"/p/traps", 1, u"", u"/p/traps"},            // no default extension: as typed
        {u"/p/traps.txt", 1, u"mib", u"/p/traps.txt"}, // an extension typed is kept
        {u"/p/traps.", 1, u"mib", u"/p/traps.mib"},
        {u"/p.d/traps", 2, u"*.*", u"/p.d/traps"},     // a wildcard is no extension
        {u"", 1, u"mib", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyDefaultExt(c.name, mib, c.index, c.defaultExt), c.expected) << c.index;
}

class FileDialogTest : public StdControlsTest {
protected:
    void SetUp() override
    {
        StdControlsTest::SetUp();
        previous = SetFileDialogHandler([this](const TFileDialogRequest& R, TFileDialogAnswer& A) {
            requests.push_back(R);
            if (answers.empty()) return false;
            A = answers.front();
            answers.pop_front();
            return !A.FileName.empty();
        });
    }
    void TearDown() override
    {
        SetFileDialogHandler(previous);
        StdControlsTest::TearDown();
    }

    TFileDialogHandler previous;
    std::vector<TFileDialogRequest> requests;
    std::deque<TFileDialogAnswer> answers;
};

TEST_F(FileDialogTest, SaveAppliesFilterAndDefaultExtension)
{
    TSaveDialog d(nullptr);
    d.Filter = u"Electronic Data Sheet (*.eds)|*.eds";
    d.DefaultExt = u"*.eds";
    d.Title = u"Save EDS";
    d.InitialDir = u"/tmp/x";
    answers.push_back({u"/data/gateway", {}, 0});
    ASSERT_TRUE(d.Execute());
    EXPECT_EQ(d.FileName, u"/data/gateway.eds");
    EXPECT_EQ(d.Files()->Count(), 1);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Kind, TFileDialogKind::Save);
    EXPECT_EQ(requests[0].Title, u"Save EDS");
    EXPECT_EQ(requests[0].Filters.at(0).Masks.at(0), u"*.eds");
    // A bare name lands in the initial folder.
    answers.push_back({u"plain", {}, 0});
    ASSERT_TRUE(d.Execute());
    EXPECT_EQ(d.FileName, u"/tmp/x/plain.eds");
}

TEST_F(FileDialogTest, CancelLeavesThePropertiesAlone)
{
    TOpenDialog d(nullptr);
    d.FileName = u"before";
    d.FilterIndex = 2;
    EXPECT_FALSE(d.Execute());
    EXPECT_EQ(d.FileName, u"before");
    EXPECT_EQ(d.FilterIndex, 2);
}

TEST_F(FileDialogTest, OverwritePromptAsksAndNoSendsTheUserBack)
{
    ScratchDir dir("controls_save_dialog");
    String existing = Utf8ToString((dir / "ParGen.xml").string());
    WriteFileBytes(existing, "x");
    TSaveDialog d(nullptr);
    d.Options |= ofOverwritePrompt;
    answers.push_back({existing, {}, 0});
    answers.push_back({existing, {}, 0});
    // The first time the user refuses to replace, the second time accepts.
    std::vector<TModalResult> replies{mrNo, mrYes};
    std::vector<String> asked;
    auto answerBox = [&] {
        for (Integer i = 0; i < Screen->FormCount(); ++i)
            if (auto* box = dynamic_cast<TMessageForm*>(Screen->Forms(i)); box && box->Visible()) {
                asked.push_back(box->Message());
                box->ClickButton(replies.at(asked.size() - 1));
                return true;
            }
        return false;
    };
    backend.OnWait = answerBox;
    ASSERT_TRUE(d.Execute());
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].Attempt, 1);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_NE(asked[0].find(u"already exists"), String::npos);
    EXPECT_EQ(d.FileName, existing);
}

TEST_F(FileDialogTest, FileMustExistRefusesMissingFiles)
{
    ScratchDir dir("controls_open_dialog");
    String present = Utf8ToString((dir / "a.lng").string());
    WriteFileBytes(present, "x");
    TOpenDialog d(nullptr);
    d.Options |= ofFileMustExist;
    answers.push_back({Utf8ToString((dir / "missing.lng").string()), {}, 0});
    answers.push_back({present, {}, 3});
    String told;
    backend.OnWait = [&] {
        for (Integer i = 0; i < Screen->FormCount(); ++i)
            if (auto* box = dynamic_cast<TMessageForm*>(Screen->Forms(i)); box && box->Visible()) {
                told = box->Message();
                return box->ClickButton(mrOk);
            }
        return false;
    };
    ASSERT_TRUE(d.Execute());
    EXPECT_NE(told.find(u"File not found"), String::npos);
    EXPECT_EQ(d.FileName, present);
    EXPECT_EQ(d.FilterIndex, 3);
}

TEST(FileDialogNoDisplay, ExecuteWithoutAChooserRaises)
{
    TFileDialogHandler saved = SetFileDialogHandler(nullptr);
    TOpenDialog d(nullptr);
    EXPECT_THROW(d.Execute(), EInvalidOperation);
    SetFileDialogHandler(saved);
}

}  // namespace
}  // namespace gw::test
