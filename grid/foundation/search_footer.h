// The settings of the search bar under a grid: what it shows, its look and how it searches.
//
// Created, owned and freed by its grid, which binds OnChange to a re-layout of the bar.
#pragma once

#include "platform/graphics/font.h"
#include "platform/runtime/component.h"

#include <memory>

namespace gw {

enum TSearchDirection { sdTopBottom, sdLeftRight };

class TSearchFooter : public TPersistent {
public:
    // The captions and hints get their English texts only with InitDesign (a grid newly put on
    // a form at design time); otherwise they stay empty.
    TSearchFooter(TComponent* AOwner, bool InitDesign);
    ~TSearchFooter() override;
    String ClassName() const override { return u"TSearchFooter"; }
    TPersistent* GetOwner() const override { return m_owner; }
    // From another search footer only (anything else is ignored), without OnChange. AutoSearch,
    // SearchFixedCells, AutoThemeAdapt and LastSearch are not copied.
    void Assign(TPersistent* Source) override;

    // These five fire OnChange only when the value changes.
    bool Visible() const { return m_visible; }
    void SetVisible(bool Value);
    bool ShowFindNext() const { return m_showFindNext; }
    void SetShowFindNext(bool Value);
    bool ShowFindPrev() const { return m_showFindPrev; }
    void SetShowFindPrev(bool Value);
    bool ShowHighLight() const { return m_showHighLight; }
    void SetShowHighLight(bool Value);
    bool ShowMatchCase() const { return m_showMatchCase; }
    void SetShowMatchCase(bool Value);

    // These fire OnChange on every set.
    TColor Color() const { return m_color; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return m_colorTo; }
    void SetColorTo(TColor Value);
    // Owned; the setter copies the given font.
    TFont* Font() const { return m_font.get(); }
    void SetFont(const TFont* Value);
    bool ShowClose() const { return m_showClose; }
    void SetShowClose(bool Value);
    const String& FindNextCaption() const { return m_findNextCaption; }
    void SetFindNextCaption(const String& Value);
    const String& FindPrevCaption() const { return m_findPrevCaption; }
    void SetFindPrevCaption(const String& Value);
    const String& MatchCaseCaption() const { return m_matchCaseCaption; }
    void SetMatchCaseCaption(const String& Value);
    const String& HighLightCaption() const { return m_highLightCaption; }
    void SetHighLightCaption(const String& Value);
    const String& HintClose() const { return m_hintClose; }
    void SetHintClose(const String& Value);
    const String& HintFindNext() const { return m_hintFindNext; }
    void SetHintFindNext(const String& Value);
    const String& HintFindPrev() const { return m_hintFindPrev; }
    void SetHintFindPrev(const String& Value);
    const String& HintHighlight() const { return m_hintHighlight; }
    void SetHintHighlight(const String& Value);
    bool AutoThemeAdapt() const { return m_autoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);

    bool AutoSearch = true;  // search while typing
    bool AlwaysHighLight = false;
    bool SearchActiveColumnOnly = false;
    Integer SearchColumn = -1;  // -1: every column
    bool SearchMatchStart = false;
    bool SearchFixedCells = false;
    bool SearchHiddenRows = false;
    TSearchDirection SearchDirection = sdTopBottom;
    // The text searched last, kept by the grid.
    String LastSearch;

    TNotifyEvent OnChange;

private:
    void Changed();
    template <class T>
    void SetAlways(T& Field, const T& Value);
    template <class T>
    void SetIfChanged(T& Field, const T& Value);

    TComponent* m_owner;
    bool m_visible = false;
    TColor m_color = 0xFFFFFF;
    TColor m_colorTo = clBtnFace;
    std::unique_ptr<TFont> m_font;
    bool m_showFindNext = true;
    bool m_showFindPrev = true;
    bool m_showClose = true;
    bool m_showHighLight = true;
    bool m_showMatchCase = true;
    String m_findNextCaption;
    String m_findPrevCaption;
    String m_matchCaseCaption;
    String m_highLightCaption;
    String m_hintClose;
    String m_hintFindNext;
    String m_hintFindPrev;
    String m_hintHighlight;
    bool m_autoThemeAdapt = false;
};

}  // namespace gw
