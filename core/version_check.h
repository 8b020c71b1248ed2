// The update check: asks the maker's version service whether a newer configurator exists.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

class THttpClient;

// The agent this program names in its requests.
inline constexpr StringView Configurator_User_Agent = u"CF52818-Configurator/1.001";

// The number of a version text: after the first blank (the whole text without one), trimmed,
// its characters 1, 3, 4 and 5 as an integer ("VER. 1.002" gives 1002); -1 when the text is
// shorter than five characters or those characters are no number.
Integer Conv_Version(StringView Ver_str);

// True when the version service on Host answers a version newer than this program's. Every
// failure (no answer within the client's limits, a refused connection, an error status, an
// answer that is no version) counts as no newer version.
bool Check_Version(const THttpClient& Client, StringView Host);

}  // namespace gw
