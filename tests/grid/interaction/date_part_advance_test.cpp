// When a digit typed into the date editor moves the caret on to the next part.
#include "grid/interaction/date_part_advance.h"

#include "platform/runtime/unicode.h"

#include <gtest/gtest.h>

namespace gw::test {
namespace {

struct TAdvanceCase {
    const char* Name;
    bool TimeKind;
    const char16_t* Format;
    TPickerParts After;
    bool Moves;
};

TEST(DatePartAdvance, ADigitMovesOnOnlyWhenItChangedAPartThatIsNotTheLast)
{
    const TPickerParts before{2024, 3, 5, 13, 45, 10};
    const TAdvanceCase cases[] = {
        {"default format, day", false, u"", {2024, 3, 1, 13, 45, 10}, true},
        {"default format, month", false, u"", {2024, 1, 5, 13, 45, 10}, true},
        {"default format, year alone stays", false, u"", {2002, 3, 5, 13, 45, 10}, false},
        {"default format, nothing", false, u"", before, false},
        {"default format, a time change is no date part", false, u"", {2024, 3, 5, 9, 45, 10}, false},
        {"last y: year stays", false, u"dd/MM/yyyy", {2002, 3, 5, 13, 45, 10}, false},
        {"last y: day moves", false, u"dd/MM/yyyy", {2024, 3, 1, 13, 45, 10}, true},
        {"last y: day with the year stays", false, u"dd/MM/yyyy", {2002, 3, 1, 13, 45, 10}, false},
        {"last Y in capitals", false, u"dd/MM/YYYY", {2002, 3, 5, 13, 45, 10}, false},
        {"last d: day stays", false, u"yyyy-MM-dd", {2024, 3, 1, 13, 45, 10}, false},
        {"last d: month moves", false, u"yyyy-MM-dd", {2024, 1, 5, 13, 45, 10}, true},
        {"last d: year moves", false, u"yyyy-MM-dd", {2002, 3, 5, 13, 45, 10}, true},
        {"last M: month stays", false, u"yyyy/MM", {2024, 1, 5, 13, 45, 10}, false},
        {"last m: month stays", false, u"yyyy/mm", {2024, 1, 5, 13, 45, 10}, false},
        {"last M: year moves", false, u"yyyy/MM", {2002, 3, 5, 13, 45, 10}, true},
        {"time: hour", true, u"", {2024, 3, 5, 9, 45, 10}, true},
        {"time: minute", true, u"", {2024, 3, 5, 13, 4, 10}, true},
        {"time: second", true, u"HH:mm:ss", {2024, 3, 5, 13, 45, 1}, true},
        {"time: a date change is no time part", true, u"", {2024, 3, 1, 13, 45, 10}, false},
    };
    for (const TAdvanceCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(PickerPartAdvances(c.TimeKind, c.Format, before, c.After), c.Moves);
    }
}

TEST(DatePartAdvance, PartsComeFromTheValueAsTheRuntimeDecodesIt)
{
    // 45356.573032407 is 2024-03-05 13:45:10 (days since 1899-12-30, from Python's datetime).
    const TPickerParts p = PickerPartsOf(45356 + (13 * 3600 + 45 * 60 + 10) / 86400.0);
    EXPECT_EQ(p.Year, 2024);
    EXPECT_EQ(p.Month, 3);
    EXPECT_EQ(p.Day, 5);
    EXPECT_EQ(p.Hour, 13);
    EXPECT_EQ(p.Minute, 45);
    EXPECT_EQ(p.Second, 10);
}

}  // namespace
}  // namespace gw::test
