// The quick-config panel's hit test: pure arithmetic over the client rectangle and text sizes.
#include "grid/model/design_helper_layout.h"

namespace gw {

TDesignHelperItem DesignHelperItemAt(TPoint P, const TRect& Client, const TDesignHelperMetrics& M)
{
    const Integer r = Client.Right, b = Client.Bottom;
    const Integer line = M.TextHeight + 2;
    const Integer top = b - DesignHelperHeight(M.TextHeight);
    // Item k's band lies between the panel's top + 4 + k lines and the next line.
    const auto inBand = [&](Integer K) { return P.Y > top + 4 + K * line && P.Y < top + 4 + (K + 1) * line; };
    TDesignHelperItem item = dhNone;
    if (P.X > r - 16 && P.Y > top && P.Y < top + 16) item = dhClose;
    if (P.X > r - DesignHelperWidth && P.X < r - 132 + M.AllowEditWidth && inBand(1)) item = dhAllowEdit;
    if (P.X > r - DesignHelperWidth && P.X < r - 132 + M.ColumnNumbersWidth && inBand(2)) item = dhColumnNumbers;
    if (P.X > r - DesignHelperWidth && P.X < r - DesignHelperWidth + M.SetLookWidth && inBand(3)) item = dhSetLook;
    return item;
}

}  // namespace gw
