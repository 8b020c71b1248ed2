// Opening a web link or a document with the desktop's default handler, for links in labels and cells.
#pragma once

#include "platform/runtime/types.h"

#include <functional>
#include <string>

namespace gw {

// What a target is taken for. A label or cell text can carry a link, and one click must never
// run a program: only web and mail links and existing documents are handed on.
enum class TShellTarget {
    Refused,  // anything else: commands, other schemes, missing or executable files
    Url,  // http:, https:, mailto:
    File  // an existing local file or folder that is not a program
};

// Classifies Target; for Url and File, Argument receives what the opener gets (the URL as it
// stands, or the file's absolute path).
TShellTarget ClassifyShellTarget(const String& Target, std::string& Argument);

// The opener that receives what passed the check; answers whether it could hand it on. The
// default one runs xdg-open detached.
using TShellOpener = std::function<bool(const std::string& Argument)>;

// Installs another opener (tests record instead of opening) and returns the one before; an
// empty function restores the default.
TShellOpener SetShellOpener(TShellOpener Opener);

// Opens Target when it passes the check; false when refused or when the opener failed.
bool ShellOpen(const String& Target);

}  // namespace gw
