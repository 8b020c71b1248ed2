// The table windows' search footer texts.
#include "tables/table_search_footer.h"

#include "grid/foundation/search_footer.h"
#include "grid/model/ext_string_grid.h"

namespace gw {

void Set_Search_Footer_Texts(TExtStringGrid& Grid)
{
    TSearchFooter* footer = Grid.SearchFooter();
    footer->SetFindNextCaption(u"Find &next");
    footer->SetFindPrevCaption(u"Find &previous");
    footer->SetHighLightCaption(u"Highlight");
    footer->SetMatchCaseCaption(u"Match case");
    footer->SetHintFindNext(u"Find next occurrence");
    footer->SetHintFindPrev(u"Find previous occurrence");
    footer->SetHintHighlight(u"Highlight occurrences");
    footer->SetHintClose(u"Close");
    footer->SetVisible(false);
}

}  // namespace gw
