// The string grid's settings side: what its settings objects ask of it (repaints, the sort
// lists, the fixed-cell gradient colours), its notifiers, the colour properties and the version.
#include "grid/foundation/int_list.h"
#include "grid/foundation/markup_language.h"
#include "grid/foundation/mouse_actions.h"
#include "grid/foundation/navigation.h"
#include "grid/foundation/search_footer.h"
#include "grid/foundation/theme_notifier.h"
#include "grid/model/column_size.h"
#include "grid/model/ext_string_grid.h"
#include "grid/model/grid_change_notifier.h"
#include "grid/model/scroll_arithmetic.h"
#include "platform/graphics/font.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/scope.h"
#include "platform/runtime/string_list.h"
#include "platform/runtime/strings.h"
#include "platform/ui/application.h"

#include <algorithm>

namespace gw {

namespace {

template <class T>
bool Change(T& Field, T Value)
{
    if (Field == Value) return false;
    Field = Value;
    return true;
}

}  // namespace

void TExtStringGrid::Repaint() { TBaseGrid::Repaint(); }

void TExtStringGrid::RepaintCell(Integer ACol, Integer ARow) { TBaseGrid::RepaintCell(ACol, ARow); }

void TExtStringGrid::RepaintRow(Integer ARow) { InvalidateRow(ARow); }

void TExtStringGrid::RepaintCol(Integer ACol) { InvalidateCol(ACol); }

void TExtStringGrid::RepaintRect(const TGridRect& R)
{
    if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0 || !HandleAllocated()) return;
    const TRect first = CellRect(R.Left, R.Top);
    const TRect last = CellRect(std::min(R.Right, VisibleColCount() + FixedCols()), R.Bottom);
    // A corner outside the view: the rectangle between is not known, so all of it is repainted.
    if (IsRectEmpty(first) || IsRectEmpty(last)) {
        Invalidate();
        return;
    }
    TRect all;
    UnionRect(all, first, last);
    ::gw::InvalidateRect(HandleIfAllocated(), &all, true);
}

bool TExtStringGrid::HasParentWindow() const { return Parent() != nullptr; }

TSortIndexList& TExtStringGrid::SortIndexes() { return *m_sortIndexes; }

void TExtStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier) { m_notifiers->RegisterNotifier(ANotifier); }

void TExtStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier) { m_notifiers->UnRegisterNotifier(ANotifier); }

void TExtStringGrid::SetFixedFont(TFont* Value)
{
    m_fixedFont->Assign(Value);
    Invalidate();
}

void TExtStringGrid::SetActiveCellFont(TFont* Value) { m_activeCellFont->Assign(Value); }

void TExtStringGrid::SetLookupItems(TStrings* Value)
{
    if (Value) m_lookupItems->Assign(Value);
}

void TExtStringGrid::SetActiveCellColor(TColor Value)
{
    if (Change(m_activeCellColor, Value)) Invalidate();
}

void TExtStringGrid::SetActiveCellColorTo(TColor Value)
{
    if (Change(m_activeCellColorTo, Value)) Invalidate();
}

void TExtStringGrid::SetActiveCellShow(bool Value)
{
    if (Change(m_activeCellShow, Value)) Invalidate();
}

void TExtStringGrid::SetSelectionColor(TColor Value)
{
    if (Change(m_selectionColor, Value)) Invalidate();
}

void TExtStringGrid::SetSelectionColorTo(TColor Value)
{
    if (Change(m_selectionColorTo, Value)) Invalidate();
}

void TExtStringGrid::SetSelectionTextColor(TColor Value)
{
    if (Change(m_selectionTextColor, Value)) Invalidate();
}

void TExtStringGrid::SetShowDesignHelper(bool Value)
{
    if (Change(m_showDesignHelper, Value)) Invalidate();
}

void TExtStringGrid::SetSelectionColorMixerFactor(Integer Value)
{
    if (Change(m_selectionColorMixerFactor, std::clamp(Value, Integer(0), Integer(100)))) Invalidate();
}

void TExtStringGrid::SetSpreadSheet(bool Value)
{
    m_spreadSheet = Value;
    SelectionRectangle = true;
    SelectionResizer = true;
    m_navigation->AllowSmartClipboard = true;
    SetOptions(Options() | goRangeSelect | goEditing);
    m_mouseActions->RangeSelectAndEdit = true;
    Invalidate();
}

void TExtStringGrid::SetXYOffset(TPoint Value)
{
    m_xyOffset = Value;
    Invalidate();
}

void TExtStringGrid::SetHighlightColor(TColor Value)
{
    if (!Change(m_highlightColor, Value)) return;
    SetMarkupHighlightColors(m_highlightColor, m_highlightTextColor);
    Invalidate();
}

void TExtStringGrid::SetHighlightTextColor(TColor Value)
{
    if (!Change(m_highlightTextColor, Value)) return;
    SetMarkupHighlightColors(m_highlightColor, m_highlightTextColor);
    Invalidate();
}

void TExtStringGrid::SetScrollBarAlways(TScrollBarAlways Value)
{
    m_scrollBarAlways = Value;
    ApplyScrollBarAlways(true);
}

void TExtStringGrid::SetAutoThemeAdapt(bool Value)
{
    if (!Change(m_autoThemeAdapt, Value)) return;
    m_searchFooter->SetAutoThemeAdapt(Value);
    if (Value) {
        AdaptToOfficeTheme();
        Invalidate();
    }
    // A window being designed or loaded hears no theme change; it registers once it runs.
    if (IsDesigning() || !HandleAllocated() || (ComponentState() & csLoading)) return;
    TThemeNotifier* notifier = GetThemeNotifier(Application);
    if (Value)
        notifier->RegisterWindow(Handle());
    else
        notifier->UnRegisterWindow(Handle());
}

void TExtStringGrid::WMThemeChanged(TMessage& /*Message*/)
{
    if (m_autoThemeAdapt) AdaptToOfficeTheme();
}

void TExtStringGrid::WMDestroyTheme(TMessage& /*Message*/)
{
    const HWND wnd = HandleIfAllocated();
    if (m_autoThemeAdapt && wnd && !IsDesigning()) GetThemeNotifier(Application)->UnRegisterWindow(wnd);
}

void TExtStringGrid::SetBorderColor(TColor Value)
{
    if (!Change(m_borderColor, Value)) return;
    if (Parent() && Parent()->HandleAllocated()) PaintColoredBorder();
}

// The fixed-cell gradients painting reads: the ends are kept as RGB, the mirror colours as given.
void TExtStringGrid::SetZEQGradientFrom(TColor Value)
{
    m_zeqGradientFrom = ColorToRGB(Value);
    Invalidate();
}

void TExtStringGrid::SetZEQGradientTo(TColor Value)
{
    m_zeqGradientTo = ColorToRGB(Value);
    Invalidate();
}

void TExtStringGrid::SetZEQGradientMirrorFrom(TColor Value)
{
    m_zeqGradientMirrorFrom = Value;
    Invalidate();
}

void TExtStringGrid::SetZEQGradientMirrorTo(TColor Value)
{
    m_zeqGradientMirrorTo = Value;
    Invalidate();
}

void TExtStringGrid::StretchColumnToClient(Integer ACol)
{
    if ((ComponentState() & csLoading) || FDestroying || (Application && Application->Terminated())) return;
    // Any index outside the columns raises, -2 and below as well as ColCount and above.
    ACol = StretchColumnIndex(ACol, ColCount());
    if (ColCount() == 0 || !m_columnSize->Stretch() || FIsColChanging) return;
    // The width set below reports a width change, which may stretch again.
    TTemporaryChange stretching(FIsColChanging, true);
    ColchgFlg = true;
    Int64 total = 0;
    for (Integer c = 0; c < ColCount(); ++c) total += ColWidths(c);
    const std::optional<Integer> width = StretchedWidth({.ColCount = ColCount(),
                                                         .ColumnWidth = ColWidths(ACol),
                                                         .TotalWidth = total,
                                                         .ClientWidth = ClientWidth(),
                                                         .NotScrolled = LeftCol() == FixedCols(),
                                                         .DefaultColWidth = DefaultColWidth()});
    if (width) SetColWidths(ACol, *width);
}

void TExtStringGrid::StretchRightColumn() { StretchColumnToClient(ColCount() - 1); }

Integer TExtStringGrid::GetVersionNr() const { return 0x06020103; }

String TExtStringGrid::GetVersionString() const { return Version() + u" Sep, 2012"; }

String TExtStringGrid::Version() const
{
    const auto vn = static_cast<Cardinal>(GetVersionNr());
    String s;
    for (Integer shift = 24; shift >= 0; shift -= 8) {
        if (!s.empty()) s += u'.';
        s += IntToStr(Integer((vn >> shift) & 0xFF));
    }
    return s;
}

Integer TExtStringGrid::ReadFileVersion(const String& FileName)
{
    // The only versioned file the grid asks about is the common-controls library, which this
    // platform stands in for as version 6.0.
    return SameText(FileName, u"comctl32.dll") ? 0x00060000 : -1;
}

}  // namespace gw
