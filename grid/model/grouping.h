// The look and behaviour of grouped rows: header and summary colours and lines, group counts,
// selecting and checking whole groups. Read by the grouping and by the cell borders.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/runtime/component.h"

namespace gw {

class TGrouping : public TPersistent {
public:
    String ClassName() const override { return u"TGrouping"; }
    // From another grouping only (anything else is ignored). Summary, the two line colours and
    // the two line widths stay as they are.
    void Assign(TPersistent* Source) override;

    bool AutoSelectGroup = false;
    bool AutoCheckGroup = false;
    String GroupCountFormat;
    // clNone: no colour.
    TColor HeaderColor = clNone;
    TColor HeaderColorTo = clNone;
    TColor HeaderTextColor = clNone;
    bool HeaderUnderline = false;
    TColor HeaderLineColor = clBlue;
    Integer HeaderLineWidth = 2;
    bool MergeHeader = false;
    bool MergeSummary = false;
    bool ShowGroupCount = false;
    bool Summary = false;
    TColor SummaryColor = clNone;
    TColor SummaryColorTo = clNone;
    TColor SummaryTextColor = clNone;
    bool SummaryLine = false;
    TColor SummaryLineColor = clBlue;
    Integer SummaryLineWidth = 2;
};

}  // namespace gw
