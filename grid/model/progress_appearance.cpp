// Progress cell appearance: the comparing setters and the copy rule.
#include "grid/model/progress_appearance.h"

namespace gw {

void TGridProgressAppearance::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TGridProgressAppearance*>(Source);
    if (!from) return;
    m_completeColor = from->m_completeColor;
    m_completeFontColor = from->m_completeFontColor;
    m_unCompleteColor = from->m_unCompleteColor;
    m_unCompleteFontColor = from->m_unCompleteFontColor;
    m_level0Color = from->m_level0Color;
    m_level0ColorTo = from->m_level0ColorTo;
    m_level1Color = from->m_level1Color;
    m_level1ColorTo = from->m_level1ColorTo;
    m_level2Color = from->m_level2Color;
    m_level2ColorTo = from->m_level2ColorTo;
    m_level3Color = from->m_level3Color;
    m_level3ColorTo = from->m_level3ColorTo;
    m_level1Perc = from->m_level1Perc;
    m_level2Perc = from->m_level2Perc;
    m_borderColor = from->m_borderColor;
    m_showBorder = from->m_showBorder;
    m_stacked = from->m_stacked;
    m_showPercentage = from->m_showPercentage;
    m_completionSmooth = from->m_completionSmooth;
    m_showGradient = from->m_showGradient;
    m_steps = from->m_steps;
    Style = from->Style;
    Changed();
}

void TGridProgressAppearance::Changed()
{
    if (OnChange) OnChange(this);
}

template <class T>
void TGridProgressAppearance::SetValue(T& Field, T Value)
{
    if (Field == Value) return;
    Field = Value;
    Changed();
}

void TGridProgressAppearance::SetCompleteColor(TColor Value) { SetValue(m_completeColor, Value); }
void TGridProgressAppearance::SetCompleteFontColor(TColor Value) { SetValue(m_completeFontColor, Value); }
void TGridProgressAppearance::SetUnCompleteColor(TColor Value) { SetValue(m_unCompleteColor, Value); }
void TGridProgressAppearance::SetUnCompleteFontColor(TColor Value) { SetValue(m_unCompleteFontColor, Value); }
void TGridProgressAppearance::SetLevel0Color(TColor Value) { SetValue(m_level0Color, Value); }
void TGridProgressAppearance::SetLevel0ColorTo(TColor Value) { SetValue(m_level0ColorTo, Value); }
void TGridProgressAppearance::SetLevel1Color(TColor Value) { SetValue(m_level1Color, Value); }
void TGridProgressAppearance::SetLevel1ColorTo(TColor Value) { SetValue(m_level1ColorTo, Value); }
void TGridProgressAppearance::SetLevel2Color(TColor Value) { SetValue(m_level2Color, Value); }
void TGridProgressAppearance::SetLevel2ColorTo(TColor Value) { SetValue(m_level2ColorTo, Value); }
void TGridProgressAppearance::SetLevel3Color(TColor Value) { SetValue(m_level3Color, Value); }
void TGridProgressAppearance::SetLevel3ColorTo(TColor Value) { SetValue(m_level3ColorTo, Value); }
void TGridProgressAppearance::SetLevel1Perc(Integer Value) { SetValue(m_level1Perc, Value); }
void TGridProgressAppearance::SetLevel2Perc(Integer Value) { SetValue(m_level2Perc, Value); }
void TGridProgressAppearance::SetBorderColor(TColor Value) { SetValue(m_borderColor, Value); }
void TGridProgressAppearance::SetShowBorder(bool Value) { SetValue(m_showBorder, Value); }
void TGridProgressAppearance::SetStacked(bool Value) { SetValue(m_stacked, Value); }
void TGridProgressAppearance::SetShowPercentage(bool Value) { SetValue(m_showPercentage, Value); }
void TGridProgressAppearance::SetCompletionSmooth(bool Value) { SetValue(m_completionSmooth, Value); }
void TGridProgressAppearance::SetShowGradient(bool Value) { SetValue(m_showGradient, Value); }
void TGridProgressAppearance::SetSteps(Integer Value) { SetValue(m_steps, Value); }

}  // namespace gw
