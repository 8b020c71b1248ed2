// The HTTP GET over libcurl.
#include "platform/net/http_client.h"

#include "platform/runtime/text_encoding.h"
#include "platform/runtime/unicode.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace gw {

namespace {

void GlobalInit()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct BodySink {
    std::string* body;
    size_t limit;
    bool overflow = false;
};

size_t OnBody(char* data, size_t size, size_t count, void* user)
{
    auto* sink = static_cast<BodySink*>(user);
    size_t bytes = size * count;
    if (sink->body->size() + bytes > sink->limit) {
        sink->overflow = true;
        return 0;  // makes curl stop with a write error
    }
    sink->body->append(data, bytes);
    return bytes;
}

using CurlHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
using HeaderList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

}  // namespace

String THttpResponse::Text() const { return DecodeTextBytes(Body); }

THttpResponse THttpClient::Get(const String& Url) const
{
    GlobalInit();
    THttpResponse response;
    CurlHandle curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) {
        response.Error = u"Cannot create an HTTP session";
        return response;
    }
    std::string url = StringToUtf8(Url);
    std::string accept = "Accept: " + StringToUtf8(Accept);
    std::string agent = StringToUtf8(UserAgent);
    HeaderList headers(curl_slist_append(nullptr, accept.c_str()), curl_slist_free_all);
    BodySink sink{&response.Body, MaxBodyBytes};
    char errorText[CURL_ERROR_SIZE] = {};

    CURL* h = curl.get();
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(h, CURLOPT_USERAGENT, agent.c_str());
    curl_easy_setopt(h, CURLOPT_PROXY, "");  // the environment's proxy variables are not ours
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(ConnectTimeoutMs));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(TotalTimeoutMs));
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);

    CURLcode code = curl_easy_perform(h);
    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    response.StatusCode = static_cast<int32_t>(status);
    if (sink.overflow) {
        response.Error = u"The answer is larger than " + S(std::to_string(MaxBodyBytes)) + u" bytes";
    } else if (code != CURLE_OK) {
        response.Error = S(errorText[0] ? errorText : curl_easy_strerror(code));
    } else if (status < 200 || status > 299) {
        response.Error = u"HTTP status " + S(std::to_string(status));
    } else {
        response.Ok = true;
    }
    return response;
}

}  // namespace gw
