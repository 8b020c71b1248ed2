// The addresses on the maker's web host.
#include "core/maker_web.h"

#include "core/program_state.h"

namespace gw {

namespace {

String On_Host(StringView Host, StringView Path) { return u"http://" + String(Host) + String(Path); }

}  // namespace

String Home_Page_Url(StringView Host)
{
    return On_Host(Host, u"/HOME/default.asp?frompg=") + String(Configurator_Code);
}

String Download_Page_Url(StringView Host)
{
    return On_Host(Host, u"/Home/download/download.asp#") + String(Gateway_Model);
}

String Version_Service_Url(StringView Host)
{
    return On_Host(Host, u"/home/download/GetversionSW.asp?nomesw=") + String(Configurator_Code);
}

String Download_Link_Caption(StringView Host, StringView Text)
{
    return u"<a href=\"" + Download_Page_Url(Host) + u"\">" + String(Text) + u"</a>";
}

}  // namespace gw
