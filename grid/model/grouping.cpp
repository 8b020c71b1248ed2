// Grouping settings: the copy rule.
#include "grid/model/grouping.h"

namespace gw {

void TGrouping::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TGrouping*>(Source);
    if (!from) return;
    GroupCountFormat = from->GroupCountFormat;
    HeaderColor = from->HeaderColor;
    HeaderColorTo = from->HeaderColorTo;
    HeaderTextColor = from->HeaderTextColor;
    HeaderUnderline = from->HeaderUnderline;
    MergeHeader = from->MergeHeader;
    MergeSummary = from->MergeSummary;
    ShowGroupCount = from->ShowGroupCount;
    SummaryColor = from->SummaryColor;
    SummaryColorTo = from->SummaryColorTo;
    SummaryTextColor = from->SummaryTextColor;
    SummaryLine = from->SummaryLine;
    AutoCheckGroup = from->AutoCheckGroup;
    AutoSelectGroup = from->AutoSelectGroup;
}

}  // namespace gw
