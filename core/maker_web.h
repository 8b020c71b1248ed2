// The maker's web host and the pages of it that the configurator links to or asks.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// The one place that names the maker's host: home page, download page and version service.
inline constexpr StringView Maker_Web_Host = u"quorda.example";

// The home page, with the configurator code telling the site where the visitor came from.
String Home_Page_Url(StringView Host);
// The download page, at the anchor of the gateway model built.
String Download_Page_Url(StringView Host);
// The version service, asked for the newest version of this configurator.
String Version_Service_Url(StringView Host);
// A link-label caption: Text as an anchor to the download page.
String Download_Link_Caption(StringView Host, StringView Text);

}  // namespace gw
