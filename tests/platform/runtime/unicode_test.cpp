// UTF-8 and UTF-16 conversions at the system's boundaries.
#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

TEST(Unicode, RoundTripsEveryPlaneAndRejectsBadBytes)
{
    struct Case {
        std::string utf8;
        String utf16;
        bool valid;
    };
    const Case cases[] = {
        {"abc", u"abc", true},
        {"\xC3\xA9", u"\u00E9", true},
        {"\xE2\x80\x9C\xE2\x80\x9D", u"\u201C\u201D", true},
        {"\xF0\x9F\x98\x80", u"\U0001F600", true},
        {"\xC0\xAF", u"\uFFFD\uFFFD", false},  // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", false},  // surrogate
        {"a\xE2\x82", u"a\uFFFD\uFFFD", false},  // truncated
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToString(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(IsValidUtf8(c.utf8), c.valid) << c.utf8;
        if (c.valid) {
            EXPECT_EQ(StringToUtf8(c.utf16), c.utf8);
        }
    }
    EXPECT_EQ(StringToUtf8(String(1, u'\xD800')), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace gw
