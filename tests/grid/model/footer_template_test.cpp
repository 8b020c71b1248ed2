// The footer's custom template: placeholders for the current row's cells.
#include "grid/model/footer_template.h"

#include "platform/runtime/convert.h"
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

TEST(FooterTemplate, ExpandsPlaceholders)
{
    struct Case {
        const char16_t* text;
        const char16_t* expanded;
    };
    const Case cases[] = {
        {u"", u""},
        {u"plain <b>text</b>", u"plain <b>text</b>"},
        {u"Total: <#2>", u"Total: [2]"},
        {u"<#0><#1>", u"[0][1]"},
        {u"<#12> of <#3>.", u"[12] of [3]."},
        {u"a<#x>b", u"ab"},  // no integer: dropped
        {u"a<#>b", u"ab"},
        {u"a<#1 2>b", u"ab"},
        {u"a<#-1>b", u"a[-1]b"},
        {u"a<#1>b<#2", u"a[1]b<#2"},  // no ">": the rest as text
        {u"a<#", u"a<#"},
        {u"<#<#1>>", u">"},  // "<#1" is no integer
        {u"x > y <#1>", u"x > y [1]"},
        {u"<<#1>#2>", u"<[1]#2>"},
        {u"<b><#1></b>", u"<b>[1]</b>"},
    };
    for (const Case& c : cases) {
        const String expanded = ExpandTemplate(c.text, [](Integer ACol) { return u"[" + IntToStr(ACol) + u"]"; });
        EXPECT_EQ(expanded, c.expanded) << StringToUtf8(c.text);
    }
}

TEST(FooterTemplate, AsksForEachPlaceholderOnce)
{
    std::vector<Integer> asked;
    const String expanded = ExpandTemplate(u"<#3>-<#3>-<#0>", [&](Integer ACol) {
        asked.push_back(ACol);
        return String(u"c");
    });
    EXPECT_EQ(expanded, u"c-c-c");
    EXPECT_EQ(asked, (std::vector<Integer>{3, 3, 0}));
}

}  // namespace
}  // namespace gw
