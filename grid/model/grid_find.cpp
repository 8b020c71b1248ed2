// The grid-free half of find and replace: the cell-text test and the walk in scan order.
#include "grid/model/grid_find.h"

#include "grid/foundation/filter_match.h"
#include "grid/foundation/markup_text.h"
#include "platform/runtime/strings.h"

namespace gw {

String FindSearchCache(StringView S, TFindParams Params)
{
    return HasFindParam(Params, fnMatchCase) ? String(S) : AnsiUpperCase(S);
}

bool FindTextMatches(StringView CellText, StringView SearchCache, TFindParams Params)
{
    // The cell text is copied only when it must change.
    String owned;
    StringView text = CellText;
    if (HasFindParam(Params, fnIgnoreHTMLTags)) {
        owned = MarkupToPlainText(text);
        text = owned;
    }
    if (!HasFindParam(Params, fnMatchCase)) {
        owned = AnsiUpperCase(text);
        text = owned;
    }
    if (SearchCache == u"\"\"") return text.empty();
    if (SearchCache.empty()) return false;
    if (HasFindParam(Params, fnMatchRegular))
        return MatchFilterExpression(SearchCache, text, HasFindParam(Params, fnMatchCase));
    const size_t at = text.find(SearchCache);
    const bool found = HasFindParam(Params, fnMatchStart) ? at == 0 : at != StringView::npos;
    return found && (!HasFindParam(Params, fnMatchFull) || text == SearchCache);
}

TGridRect NarrowFindRange(TGridRect Range, TFindParams Params, TPoint Current, TPoint Preset)
{
    if (HasFindParam(Params, fnFindInCurrentRow)) Range.Top = Range.Bottom = Current.Y;
    if (HasFindParam(Params, fnFindInPresetRow)) Range.Top = Range.Bottom = Preset.Y;
    if (HasFindParam(Params, fnFindInCurrentCol)) Range.Left = Range.Right = Current.X;
    if (HasFindParam(Params, fnFindInPresetCol)) Range.Left = Range.Right = Preset.X;
    return Range;
}

namespace {

// The range seen along the scan: the outer axis (rows in a row-by-row scan) and the inner one.
struct TScanAxes {
    Integer OuterLo, OuterHi, InnerLo, InnerHi;
    bool Rows;  // the outer axis is the rows
    bool Contains(Integer Outer, Integer Inner) const
    {
        return Outer >= OuterLo && Outer <= OuterHi && Inner >= InnerLo && Inner <= InnerHi;
    }
    TPoint Cell(Integer Outer, Integer Inner) const { return Rows ? TPoint{Inner, Outer} : TPoint{Outer, Inner}; }
};

// The first cell of the range strictly after (Outer, Inner) going forward; false when none.
bool StepForward(const TScanAxes& A, Integer& Outer, Integer& Inner)
{
    if (Outer < A.OuterLo) {
        Outer = A.OuterLo;
        Inner = A.InnerLo;
    } else if (Outer > A.OuterHi) {
        return false;
    } else if (Inner < A.InnerLo) {
        Inner = A.InnerLo;
    } else if (Inner >= A.InnerHi) {
        ++Outer;
        Inner = A.InnerLo;
    } else {
        ++Inner;
    }
    return A.Contains(Outer, Inner);
}

// The mirror of StepForward.
bool StepBackward(const TScanAxes& A, Integer& Outer, Integer& Inner)
{
    if (Outer > A.OuterHi) {
        Outer = A.OuterHi;
        Inner = A.InnerHi;
    } else if (Outer < A.OuterLo) {
        return false;
    } else if (Inner > A.InnerHi) {
        Inner = A.InnerHi;
    } else if (Inner <= A.InnerLo) {
        --Outer;
        Inner = A.InnerHi;
    } else {
        --Inner;
    }
    return A.Contains(Outer, Inner);
}

}  // namespace

TPoint FindInRange(const TGridRect& Range, TPoint Start, TFindParams Params, const TFindCellTest& Test,
                   const TFindCellTest& Skip)
{
    const bool rows = HasFindParam(Params, fnDirectionLeftRight);
    const bool back = HasFindParam(Params, fnBackward);
    const TScanAxes a = rows ? TScanAxes{Range.Top, Range.Bottom, Range.Left, Range.Right, true}
                             : TScanAxes{Range.Left, Range.Right, Range.Top, Range.Bottom, false};
    const TPoint none{-1, -1};
    if (a.OuterLo > a.OuterHi || a.InnerLo > a.InnerHi) return none;
    Integer outer = 0;
    Integer inner = 0;
    if (Start == none) {
        outer = back ? a.OuterHi : a.OuterLo;
        inner = back ? a.InnerHi : a.InnerLo;
    } else {
        outer = rows ? Start.Y : Start.X;
        inner = rows ? Start.X : Start.Y;
        if (!(back ? StepBackward(a, outer, inner) : StepForward(a, outer, inner))) return none;
    }
    do {
        const TPoint cell = a.Cell(outer, inner);
        if (!(Skip && Skip(cell.X, cell.Y)) && Test(cell.X, cell.Y)) return cell;
    } while (back ? StepBackward(a, outer, inner) : StepForward(a, outer, inner));
    return none;
}

String ReplaceInCellText(StringView Text, StringView OrigStr, StringView NewStr)
{
    return StringReplace(Text, OrigStr, NewStr, rfReplaceAll | rfIgnoreCase);
}

}  // namespace gw
