// Where the items of the grid's quick-config panel lie: the panel sits in the bottom-right corner
// of the client area and its items are found from the text metrics of its font.
#pragma once

#include "platform/graphics/geometry.h"

namespace gw {

// The panel's item numbers.
enum TDesignHelperItem : int { dhNone = -1, dhAllowEdit = 1, dhColumnNumbers = 2, dhSetLook = 3, dhClose = 4 };

// What the hit test measures in the panel's font.
struct TDesignHelperMetrics {
    Integer TextHeight = 0;  // of "gh"
    Integer AllowEditWidth = 0;  // of "Allow edit"
    Integer ColumnNumbersWidth = 0;  // of "Column numbers"
    Integer SetLookWidth = 0;  // of "Set look: " and the look's name
};

// The panel's width and height for a font of that text height.
constexpr Integer DesignHelperWidth = 150;
constexpr Integer DesignHelperHeight(Integer TextHeight) { return 4 * TextHeight + 18; }

// The item under client point P of a client area whose right and bottom edges are those of
// Client; dhNone outside the items. The close glyph is tested first, so a caption band that
// reaches under it wins.
TDesignHelperItem DesignHelperItemAt(TPoint P, const TRect& Client, const TDesignHelperMetrics& M);

}  // namespace gw
