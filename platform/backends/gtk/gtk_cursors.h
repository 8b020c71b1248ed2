// Mouse pointer shapes for GTK: the names of the stock shapes, the pictures of cursor resources.
#pragma once

#include "platform/runtime/types.h"

#include <cairo.h>

#include <memory>
#include <string_view>

namespace gw {

// The cursor theme's name of a stock TCursor shape; nullptr for the arrow (the default).
const char* StockCursorName(Integer Cursor);

struct TCursorPicture {
    std::shared_ptr<cairo_surface_t> Surface;  // nullptr: not a cursor picture
    Integer HotX = 0;
    Integer HotY = 0;
};

// The picture of a .cur file (as an icon's, largest image) with the hot spot of its first
// entry; an empty picture for damaged data.
TCursorPicture DecodeCursorPicture(std::string_view Data);

}  // namespace gw
