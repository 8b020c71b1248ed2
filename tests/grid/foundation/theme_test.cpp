// Tests of theme detection and the office-theme notifier on a desktop without visual styles or
// an office suite: classic answers, otUnknown, and registration without effect.
#include "grid/foundation/theme_detection.h"
#include "grid/foundation/theme_notifier.h"

#include "platform/backends/headless/headless_backend.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

TEST(ThemeDetection, ClassicDesktopWithoutOfficeTheme)
{
    for (TThemeLibrary* library : {&ExtXPVS(), &ATXPVS()}) {
        library->LoadThemeLibrary();
        EXPECT_FALSE(library->Loaded());
        library->UnloadThemeLibrary();
        EXPECT_FALSE(library->Loaded());
    }
    EXPECT_NE(&ExtXPVS(), &ATXPVS());  // each unit keeps its own loader
    EXPECT_FALSE(VisualStylesActive());
    EXPECT_FALSE(IsXPOrLater());
    EXPECT_FALSE(IsVistaOrLater());
    EXPECT_FALSE(IsComCtl6());
    EXPECT_EQ(DefaultUIFontName(), u"Tahoma");
    EXPECT_EQ(DetectOfficeVersion(), 0);
    EXPECT_EQ(GetXPColorScheme(), 0);
    EXPECT_EQ(GetCurrentOfficeTheme(), otUnknown);
}

TEST(ThemeDetection, StyleVocabulary)
{
    EXPECT_EQ(int(tsOffice2003Blue), 0);
    EXPECT_EQ(int(tsCustom), 8);
    EXPECT_EQ(int(tsOffice2010Black), 15);
    EXPECT_EQ(int(ot2007Blue), 4);
    EXPECT_EQ(int(otUnknown), 10);
    EXPECT_EQ(WM_OFFICETHEMECHANGE, 0x0BB1u);
    TColorTones t;
    t.Hover.BrushColor = clRed;
    TColorTones u = t;
    EXPECT_EQ(u, t);
    u.Disabled.TextColor = clGray;
    EXPECT_NE(u, t);
}

TEST(ThemeNotifier, OneNotifierUntilItsOwnerGoes)
{
    auto owner = std::make_unique<TComponent>(nullptr);
    TThemeNotifier* notifier = GetThemeNotifier(owner.get());
    ASSERT_NE(notifier, nullptr);
    EXPECT_EQ(notifier->Owner(), owner.get());
    EXPECT_EQ(GetThemeNotifier(nullptr), notifier);
    EXPECT_FALSE(notifier->Watching());
    // Without an office suite registering has no effect and nothing is ever sent.
    notifier->RegisterWindow(1);
    notifier->RegisterWindow(1);
    notifier->UnRegisterWindow(2);
    notifier->UnRegisterWindow(1);
    EXPECT_EQ(notifier->ComponentCount(), 0);  // neither notifier window nor watcher

    owner.reset();  // frees the notifier, which is forgotten
    TComponent second(nullptr);
    TThemeNotifier* next = GetThemeNotifier(&second);
    EXPECT_EQ(next->Owner(), &second);
    delete next;
}

TEST(ThemeNotifier, OwnedByTheMainFormWhenItHasAWindow)
{
    THeadlessBackend backend;
    InitializeUI();
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->HandleNeeded();
    TComponent other(nullptr);
    TThemeNotifier* notifier = GetThemeNotifier(&other);
    EXPECT_EQ(notifier->Owner(), form);
    FinalizeUI();  // the form frees its notifier
    TThemeNotifier* fresh = GetThemeNotifier(&other);
    EXPECT_EQ(fresh->Owner(), &other);
    delete fresh;
}

}  // namespace
}  // namespace gw
