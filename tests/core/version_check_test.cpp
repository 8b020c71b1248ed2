// Tests of the version numbers and of the update check against a responder on 127.0.0.1.
#include "core/version_check.h"

#include "core/maker_web.h"
#include "platform/net/http_client.h"
#include "platform/runtime/unicode.h"
#include "tests/support/loopback_http.h"

#include <gtest/gtest.h>

#include <chrono>

namespace gw::test {
namespace {

TEST(VersionCheck, VersionNumbers)
{
    const std::pair<const char16_t*, Integer> cases[] = {
        {u"1.001", 1001},
        {u"VER. 1.002", 1002},
        {u"ver. 2.000", 2000},
        {u"VER.  1.002 ", 1002},
        {u"VER. 1.1", -1},
        {u"VER. 1.00", -1},
        {u"", -1},
        {u"VER. x.yzw", -1},
        {u"VER. 1.0021", 1002},  // characters 1, 3, 4 and 5 only
        {u"VER. 12.345", -1},  // the dot is not looked for: "1.34" is no number
        {u"VERSION", -1},  // no blank: the whole text, too short
    };
    for (const auto& [text, number] : cases) EXPECT_EQ(Conv_Version(text), number) << StringToUtf8(text);
}

struct CheckCase {
    const char* label;
    std::string answer;  // empty with silent or refused: see below
    bool silent = false;
    bool refused = false;
    bool newer = false;
};

TEST(VersionCheck, AnswersOfTheVersionService)
{
    const CheckCase cases[] = {
        {"newer", Answer("200 OK", "VER. 1.002"), false, false, true},
        {"newer in lower case", Answer("200 OK", "ver. 2.000\r\n"), false, false, true},
        {"same", Answer("200 OK", "VER. 1.001")},
        {"older", Answer("200 OK", "VER. 1.000")},
        {"none published", Answer("200 OK", "VER. 0.000")},
        {"too short", Answer("200 OK", "VER. 1.1")},
        {"empty", Answer("200 OK", "")},
        {"garbage", Answer("200 OK", "<html>Service unavailable</html>")},
        {"error status with a version", Answer("404 Not Found", "VER. 9.999")},
        {"not HTTP at all", "garbage\r\n\r\n"},
        {"silence past the limit", "", true},
        {"refused connection", "", false, true},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.label);
        THttpClient client;
        client.UserAgent = String(Configurator_User_Agent);
        client.TotalTimeoutMs = 400;
        const auto start = std::chrono::steady_clock::now();
        if (c.refused) {
            EXPECT_FALSE(Check_Version(client, S("127.0.0.1:" + std::to_string(RefusingPort()))));
        } else {
            Responder server(c.answer, c.silent);
            EXPECT_EQ(Check_Version(client, S(server.Host())), c.newer);
            const std::vector<std::string> lines = server.RequestLines();
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines[0], "GET /home/download/GetversionSW.asp?nomesw=CF52818 HTTP/1.0");
            EXPECT_NE(std::find(lines.begin(), lines.end(), "User-Agent: CF52818-Configurator/1.001"), lines.end());
        }
        // Every answer, and the lack of one, within the client's limit.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    }
}

TEST(VersionCheck, TheMakersPages)
{
    EXPECT_EQ(Home_Page_Url(u"h.example"), u"http://h.example/HOME/default.asp?frompg=CF52818");
    EXPECT_EQ(Download_Page_Url(u"h.example"), u"http://h.example/Home/download/download.asp#GW52818");
    EXPECT_EQ(Version_Service_Url(u"h.example"), u"http://h.example/home/download/GetversionSW.asp?nomesw=CF52818");
    EXPECT_EQ(Download_Link_Caption(u"h", u"New!"),
              u"<a href=\"http://h/Home/download/download.asp#GW52818\">New!</a>");
}

}  // namespace
}  // namespace gw::test
