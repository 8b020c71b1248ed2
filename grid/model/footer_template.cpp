// The floating footer's custom template.
#include "grid/model/footer_template.h"

#include "platform/runtime/convert.h"

namespace gw {

String ExpandTemplate(StringView Template, const std::function<String(Integer ACol)>& CellText)
{
    String result;
    for (size_t open = Template.find(u"<#"); open != StringView::npos; open = Template.find(u"<#")) {
        const size_t close = Template.find(u'>', open + 2);
        if (close == StringView::npos) break;
        result += Template.substr(0, open);
        Integer column = 0;
        if (TryStrToInt(Template.substr(open + 2, close - open - 2), column)) result += CellText(column);
        Template.remove_prefix(close + 1);
    }
    result += Template;
    return result;
}

}  // namespace gw
