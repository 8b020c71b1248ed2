// Embedded resources: lookup by name without case or by number, and the build-time generator.
#include "platform/runtime/resources.h"

#include "platform/runtime/exceptions.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace gw {
namespace {

const unsigned char kArrow[] = {'B', 'M', 1, 2};
const unsigned char kData[] = {'x'};

class Resources : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterResource("res_test_Arrow", "BITMAP", kArrow, sizeof kArrow);
        RegisterResource("9101", "CURSOR", kData, sizeof kData);
        RegisterResource("res_test_Arrow", "RCDATA", kData, sizeof kData);
    }
};

TEST_F(Resources, FoundByNameWithoutCaseOrByNumber)
{
    const TResource* r = FindResource(u"RES_TEST_arrow", u"bitmap");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Name, u"RES_TEST_ARROW");
    EXPECT_EQ(r->Data, std::string_view("BM\x01\x02", 4));
    EXPECT_EQ(FindResource(u"res_test_arrow", u"RCDATA")->Data, "x");
    EXPECT_NE(FindResource(u"res_test_arrow", u""), nullptr) << "any type";

    for (const char16_t* name : {u"#9101", u"9101"}) {
        const TResource* c = FindResource(name, u"CURSOR");
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Id, 9101);
    }
    EXPECT_EQ(FindResource(9101, u"CURSOR")->Data, "x");
    EXPECT_EQ(FindResource(u"res_test_arrow", u"ICON"), nullptr);
    EXPECT_EQ(FindResource(9102, u""), nullptr);
    try {
        LoadResource(u"NOPE", u"BITMAP");
        FAIL();
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), u"Resource NOPE not found");
    }
}

// The generator of gw_resources (cmake/gw.cmake in script mode) writes a byte array and a
// registration per file, typed by extension, named by base name.
TEST_F(Resources, GeneratorWritesArraysAndRegistrations)
{
    test::ScratchDir dir("resources_gen");
    test::writeBytes(dir / "Arrow.bmp", std::string("BM\0\xFF", 4));
    test::writeBytes(dir / "101.cur", "");
    test::writeBytes(dir / "table.xml", "<a/>");
    const auto out = dir / "gen.cpp";
    const std::string gwCmake = test::fixture("../../../../cmake/gw.cmake").string();
    const std::string command = "cmake -DGW_RESOURCE_OUTPUT=" + out.string() +
        " \"-DGW_RESOURCE_FILES=" + (dir / "Arrow.bmp").string() + "|" + (dir / "101.cur").string() + "|" +
        (dir / "table.xml").string() + "\" -DGW_RESOURCE_TARGET=demo -P " + gwCmake;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string text = test::readBytes(out);
    EXPECT_NE(text.find("0x42,0x4d,0x00,0xff,0};"), std::string::npos) << text;
    EXPECT_NE(text.find("RegisterResource(\"Arrow\", \"BITMAP\", data0, 4);"), std::string::npos);
    EXPECT_NE(text.find("RegisterResource(\"101\", \"CURSOR\", data1, 0);"), std::string::npos);
    EXPECT_NE(text.find("RegisterResource(\"table\", \"RCDATA\", data2, 4);"), std::string::npos);
}

}  // namespace
}  // namespace gw
