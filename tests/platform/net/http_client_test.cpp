// Tests of the HTTP GET against responders this test starts on 127.0.0.1.
#include "platform/net/http_client.h"

#include "platform/runtime/unicode.h"
#include "tests/support/loopback_http.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace gw::test {
namespace {

using Clock = std::chrono::steady_clock;

TEST(HttpClient, SendsTheVersionCheckRequestAndReadsTheAnswer)
{
    Responder server(Answer("200 OK", "VER. 1.002"));
    THttpClient client;
    THttpResponse response = client.Get(S(server.Url("/home/download/GetversionSW.asp?nomesw=CF52818")));
    EXPECT_TRUE(response.Ok) << StringToUtf8(response.Error);
    EXPECT_EQ(response.StatusCode, 200);
    EXPECT_EQ(response.Text(), u"VER. 1.002");
    EXPECT_EQ(response.Error, u"");

    std::vector<std::string> lines = server.RequestLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "GET /home/download/GetversionSW.asp?nomesw=CF52818 HTTP/1.0");
    std::vector<std::string> headers(lines.begin() + 1, lines.end());
    std::sort(headers.begin(), headers.end());
    std::vector<std::string> expected = {
        "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8",
        "Host: " + server.Url("").substr(7),
        "User-Agent: Mozilla/3.0 (compatible; Indy Library)",
    };
    EXPECT_EQ(headers, expected);  // nothing else: no cookie, no second Accept
}

TEST(HttpClient, ErrorAnswersAreFailures)
{
    struct Case {
        std::string answer;
        int status;
        const char* error;
    };
    const Case cases[] = {
        {Answer("404 Not Found", "VER. 9.999"), 404, "HTTP status 404"},
        {Answer("500 Internal Server Error", ""), 500, "HTTP status 500"},
        {Answer("302 Found", ""), 302, "HTTP status 302"},  // redirects are not followed
        {"garbage\r\n\r\n", 0, nullptr},
    };
    for (const auto& c : cases) {
        Responder server(c.answer);
        THttpResponse response = THttpClient().Get(S(server.Url("/v")));
        EXPECT_FALSE(response.Ok) << c.answer;
        EXPECT_EQ(response.StatusCode, c.status) << c.answer;
        EXPECT_FALSE(response.Error.empty()) << c.answer;
        if (c.error) {
            EXPECT_EQ(StringToUtf8(response.Error), c.error);
        }
    }
}

TEST(HttpClient, OversizedAnswerIsAFailure)
{
    Responder server(Answer("200 OK", std::string(5000, 'x')));
    THttpClient client;
    client.MaxBodyBytes = 1000;
    THttpResponse response = client.Get(S(server.Url("/v")));
    EXPECT_FALSE(response.Ok);
    EXPECT_NE(StringToUtf8(response.Error).find("larger than 1000"), std::string::npos) << StringToUtf8(response.Error);
}

TEST(HttpClient, SilentServerHitsTheTotalLimit)
{
    Responder server("", /*silent=*/true);
    THttpClient client;
    client.TotalTimeoutMs = 600;
    auto start = Clock::now();
    THttpResponse response = client.Get(S(server.Url("/v")));
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_FALSE(response.Ok);
    EXPECT_EQ(response.StatusCode, 0);
    EXPECT_NE(StringToUtf8(response.Error).find("imed out"), std::string::npos) << StringToUtf8(response.Error);
    EXPECT_GE(elapsed, 500);
    EXPECT_LT(elapsed, 5000);
}

// A listener whose queue is full drops new connection attempts, so connecting never completes.
TEST(HttpClient, UnansweredConnectHitsTheConnectLimit)
{
    uint16_t port = 0;
    Fd listener(ListenLoopback(0, port));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    std::vector<std::unique_ptr<Fd>> fillers;
    for (int i = 0; i < 3; ++i) {
        fillers.push_back(std::make_unique<Fd>(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0)));
        ::connect(fillers.back()->get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    THttpClient client;
    client.ConnectTimeoutMs = 400;
    client.TotalTimeoutMs = 20000;
    auto start = Clock::now();
    THttpResponse response = client.Get(S("http://127.0.0.1:" + std::to_string(port) + "/v"));
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_FALSE(response.Ok);
    EXPECT_LT(elapsed, 5000) << StringToUtf8(response.Error);
}

TEST(HttpClient, RefusedPortFailsAtOnce)
{
    uint16_t port = 0;
    {
        Fd probe(ListenLoopback(1, port));  // a free port, closed again before the request
    }
    auto start = Clock::now();
    THttpResponse response = THttpClient().Get(S("http://127.0.0.1:" + std::to_string(port) + "/v"));
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_FALSE(response.Ok);
    EXPECT_EQ(response.StatusCode, 0);
    EXPECT_FALSE(response.Error.empty());
    EXPECT_LT(elapsed, 2000);
}

TEST(HttpClient, OnlyWebUrlsAreFetched)
{
    for (const char* url : {"", "ftp://127.0.0.1/x", "file:///etc/hostname", "not a url", "gopher://127.0.0.1/"}) {
        THttpResponse response = THttpClient().Get(S(url));
        EXPECT_FALSE(response.Ok) << url;
        EXPECT_TRUE(response.Body.empty()) << url;
        EXPECT_FALSE(response.Error.empty()) << url;
    }
}

TEST(HttpClient, BodyTextDecoding)
{
    THttpResponse response;
    response.Body = "VER. 1.002";
    EXPECT_EQ(response.Text(), u"VER. 1.002");
    response.Body = "caf\xc3\xa9";
    EXPECT_EQ(response.Text(), u"café");
    response.Body = "caf\xe9";  // not UTF-8: the ANSI code page
    EXPECT_EQ(response.Text(), u"café");
}

}  // namespace
}  // namespace gw::test
