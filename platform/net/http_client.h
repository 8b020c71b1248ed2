// One blocking HTTP GET with the request the configurator's version check sends, bounded in time.
#pragma once

#include "platform/runtime/types.h"

#include <cstddef>
#include <string>

namespace gw {

// What came back from one request.
struct THttpResponse {
    bool Ok = false;  // a 2xx answer arrived whole within the limits
    int32_t StatusCode = 0;  // 0 when no answer arrived at all
    std::string Body;  // the bytes of the body (also of an error answer)
    String Error;  // why the request is not Ok; empty when it is

    // The body as text: UTF-8 when it is valid UTF-8 (or has a byte-order mark), else Windows-1252.
    String Text() const;
};

// The client of the version check: HTTP/1.0, no cookies, the Accept and User-Agent headers of the
// original client, no proxy, no redirects. A server that does not answer would otherwise hold the
// user-interface thread for ever, so connecting and the whole exchange each have a limit; hitting
// one is an ordinary failure.
class THttpClient {
public:
    String Accept = u"text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
    String UserAgent = u"Mozilla/3.0 (compatible; Indy Library)";
    Cardinal ConnectTimeoutMs = 5000;
    Cardinal TotalTimeoutMs = 8000;
    // A longer body is a failure: the answers expected are a few bytes.
    size_t MaxBodyBytes = 1024 * 1024;

    // Never raises: every failure (bad URL, refused, limit hit, non-2xx status) is in the result.
    THttpResponse Get(const String& Url) const;
};

}  // namespace gw
