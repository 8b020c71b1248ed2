// TExtStringGrid: the quick-config panel of a form designer. The configurator never runs inside
// a form designer, so the panel is never drawn and a click on it changes nothing; the hit test
// answers where its items would lie.
#include "grid/model/design_helper_layout.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/font.h"

namespace gw {

void TExtStringGrid::PaintDesignHelper()
{
    // Only a form designer shows the panel; at run time ShowDesignHelper is stored, nothing more.
}

void TExtStringGrid::DesignHelperClick(Integer /*Item*/)
{
    // As the panel is never shown, none of its items can be clicked.
}

Integer TExtStringGrid::DesignHelperHitTest(Integer X, Integer Y)
{
    TCanvas& c = *Canvas();
    TFont saved;
    saved.Assign(c.Font());
    c.Font()->SetName(u"Tahoma");
    c.Font()->SetSize(8);
    TDesignHelperMetrics m;
    m.TextHeight = c.TextHeight(u"gh");
    m.AllowEditWidth = c.TextWidth(u"Allow edit");
    m.ColumnNumbersWidth = c.TextWidth(u"Column numbers");
    m.SetLookWidth = c.TextWidth(u"Set look: " + GetLookName(FLook));
    c.SetFont(&saved);
    return DesignHelperItemAt(Point(X, Y), ClientRect(), m);
}

}  // namespace gw
