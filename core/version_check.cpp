// Comparing the version service's answer with the program's own version.
#include "core/version_check.h"

#include "core/maker_web.h"
#include "core/program_state.h"
#include "platform/net/http_client.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/strings.h"

namespace gw {

Integer Conv_Version(StringView Ver_str)
{
    const size_t blank = Ver_str.find(u' ');
    const String version = Trim(blank == StringView::npos ? Ver_str : Ver_str.substr(blank + 1));
    if (version.size() < 5) return -1;
    const String digits = {version[0], version[2], version[3], version[4]};
    return StrToIntDef(digits, -1);
}

bool Check_Version(const THttpClient& Client, StringView Host)
{
    const THttpResponse response = Client.Get(Version_Service_Url(Host));
    const String answer = response.Ok ? Trim(response.Text()) : String();
    const String upper = UpperCase(answer);
    if (upper.empty() || upper == u"VER. 0.000") return false;
    const Integer own = Conv_Version(Program_Version);
    const Integer remote = Conv_Version(answer);
    return own != -1 && remote != -1 && remote > own;
}

}  // namespace gw
