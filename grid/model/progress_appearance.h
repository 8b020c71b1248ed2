// How the grid paints progress cells: colours of the done and remaining parts and their texts,
// the level colours and thresholds, border, gradient and steps.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/runtime/component.h"

namespace gw {

enum TProgressStyle : uint8_t { psXP, psClassic };

// Every setter stores a new value and fires OnChange, which the grid binds to a repaint; an equal
// value does nothing.
class TGridProgressAppearance : public TPersistent {
public:
    String ClassName() const override { return u"TGridProgressAppearance"; }
    // From another progress appearance only (anything else is ignored): every value and Style,
    // then one OnChange.
    void Assign(TPersistent* Source) override;

    TColor CompleteColor() const { return m_completeColor; }
    void SetCompleteColor(TColor Value);
    TColor CompleteFontColor() const { return m_completeFontColor; }
    void SetCompleteFontColor(TColor Value);
    TColor UnCompleteColor() const { return m_unCompleteColor; }
    void SetUnCompleteColor(TColor Value);
    TColor UnCompleteFontColor() const { return m_unCompleteFontColor; }
    void SetUnCompleteFontColor(TColor Value);
    TColor Level0Color() const { return m_level0Color; }
    void SetLevel0Color(TColor Value);
    TColor Level0ColorTo() const { return m_level0ColorTo; }
    void SetLevel0ColorTo(TColor Value);
    TColor Level1Color() const { return m_level1Color; }
    void SetLevel1Color(TColor Value);
    TColor Level1ColorTo() const { return m_level1ColorTo; }
    void SetLevel1ColorTo(TColor Value);
    TColor Level2Color() const { return m_level2Color; }
    void SetLevel2Color(TColor Value);
    TColor Level2ColorTo() const { return m_level2ColorTo; }
    void SetLevel2ColorTo(TColor Value);
    TColor Level3Color() const { return m_level3Color; }
    void SetLevel3Color(TColor Value);
    TColor Level3ColorTo() const { return m_level3ColorTo; }
    void SetLevel3ColorTo(TColor Value);
    // The per cent at which the level 1 and level 2 colours begin.
    Integer Level1Perc() const { return m_level1Perc; }
    void SetLevel1Perc(Integer Value);
    Integer Level2Perc() const { return m_level2Perc; }
    void SetLevel2Perc(Integer Value);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    bool ShowBorder() const { return m_showBorder; }
    void SetShowBorder(bool Value);
    bool Stacked() const { return m_stacked; }
    void SetStacked(bool Value);
    bool ShowPercentage() const { return m_showPercentage; }
    void SetShowPercentage(bool Value);
    bool CompletionSmooth() const { return m_completionSmooth; }
    void SetCompletionSmooth(bool Value);
    bool ShowGradient() const { return m_showGradient; }
    void SetShowGradient(bool Value);
    Integer Steps() const { return m_steps; }
    void SetSteps(Integer Value);

    TProgressStyle Style = psXP;

    TNotifyEvent OnChange;

private:
    void Changed();
    template <class T>
    void SetValue(T& Field, T Value);

    TColor m_completeColor = clRed;
    TColor m_completeFontColor = clBlue;
    TColor m_unCompleteColor = clNone;
    TColor m_unCompleteFontColor = clWindowText;
    TColor m_level0Color = clLime;
    TColor m_level0ColorTo = 0xE1FFE1;
    TColor m_level1Color = clYellow;
    TColor m_level1ColorTo = 0xCAFFFF;
    TColor m_level2Color = 0x53A9FF;
    TColor m_level2ColorTo = 0xA8D3FF;
    TColor m_level3Color = clRed;
    TColor m_level3ColorTo = 0xCACAFF;
    Integer m_level1Perc = 70;
    Integer m_level2Perc = 90;
    TColor m_borderColor = 0;
    bool m_showBorder = false;
    bool m_stacked = false;
    bool m_showPercentage = true;
    bool m_completionSmooth = true;
    bool m_showGradient = true;
    Integer m_steps = 11;
};

}  // namespace gw
