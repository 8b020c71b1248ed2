// Named resources embedded in the program at build time (bitmaps, cursors, data).
// gw_resources(<target> <files...>) in cmake/gw.cmake embeds each file under its base name in
// upper case ("arrow.bmp" -> "ARROW"); a base name of digits is a number ("101.bmp" -> 101).
// The type follows the extension: .bmp BITMAP, .cur CURSOR, .ico ICON, anything else RCDATA.
#pragma once

#include "platform/runtime/types.h"

#include <cstddef>
#include <string_view>

namespace gw {

struct TResource {
    String Name;  // upper case; empty for a numbered resource
    Integer Id = -1;  // the number of a numbered resource, otherwise -1
    String Type;  // "BITMAP", "CURSOR", "ICON", "RCDATA"
    std::string_view Data;
};

// By name without case, or by number written as "#101" or "101". An empty Type matches every
// type. nullptr when there is no such resource.
const TResource* FindResource(StringView Name, StringView Type);
const TResource* FindResource(Integer Id, StringView Type);
// As FindResource, raising EResNotFound "Resource <name> not found" when absent.
const TResource& LoadResource(StringView Name, StringView Type);

// Called by the generated registration code.
void RegisterResource(const char* FileBaseName, const char* Type, const unsigned char* Data, std::size_t Size);

}  // namespace gw
