// The search bar settings: defaults, change notification and the copy rule.
#include "grid/foundation/search_footer.h"

namespace gw {

TSearchFooter::TSearchFooter(TComponent* AOwner, bool InitDesign) : m_owner(AOwner), m_font(std::make_unique<TFont>())
{
    if (!InitDesign) return;
    m_findPrevCaption = u"Find &previous";
    m_findNextCaption = u"Find &next";
    m_matchCaseCaption = u"Match case";
    m_highLightCaption = u"Highlight";
    m_hintClose = u"Close";
    m_hintFindNext = u"Find next occurrence";
    m_hintFindPrev = u"Find previous occurrence";
    m_hintHighlight = u"Highlight occurrences";
}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TSearchFooter*>(Source);
    if (!from) return;
    AlwaysHighLight = from->AlwaysHighLight;
    m_color = from->m_color;
    m_colorTo = from->m_colorTo;
    m_findNextCaption = from->m_findNextCaption;
    m_findPrevCaption = from->m_findPrevCaption;
    m_matchCaseCaption = from->m_matchCaseCaption;
    m_highLightCaption = from->m_highLightCaption;
    m_hintClose = from->m_hintClose;
    m_hintFindNext = from->m_hintFindNext;
    m_hintFindPrev = from->m_hintFindPrev;
    m_hintHighlight = from->m_hintHighlight;
    m_showClose = from->m_showClose;
    m_showFindNext = from->m_showFindNext;
    m_showFindPrev = from->m_showFindPrev;
    m_showHighLight = from->m_showHighLight;
    m_showMatchCase = from->m_showMatchCase;
    SearchActiveColumnOnly = from->SearchActiveColumnOnly;
    SearchMatchStart = from->SearchMatchStart;
    SearchColumn = from->SearchColumn;
    SearchDirection = from->SearchDirection;
    SearchHiddenRows = from->SearchHiddenRows;
    m_visible = from->m_visible;
    m_font->Assign(from->m_font.get());
}

void TSearchFooter::Changed()
{
    if (OnChange) OnChange(this);
}

template <class T>
void TSearchFooter::SetAlways(T& Field, const T& Value)
{
    Field = Value;
    Changed();
}

template <class T>
void TSearchFooter::SetIfChanged(T& Field, const T& Value)
{
    if (Field == Value) return;
    Field = Value;
    Changed();
}

void TSearchFooter::SetVisible(bool Value) { SetIfChanged(m_visible, Value); }
void TSearchFooter::SetShowFindNext(bool Value) { SetIfChanged(m_showFindNext, Value); }
void TSearchFooter::SetShowFindPrev(bool Value) { SetIfChanged(m_showFindPrev, Value); }
void TSearchFooter::SetShowHighLight(bool Value) { SetIfChanged(m_showHighLight, Value); }
void TSearchFooter::SetShowMatchCase(bool Value) { SetIfChanged(m_showMatchCase, Value); }

void TSearchFooter::SetColor(TColor Value) { SetAlways(m_color, Value); }
void TSearchFooter::SetColorTo(TColor Value) { SetAlways(m_colorTo, Value); }
void TSearchFooter::SetShowClose(bool Value) { SetAlways(m_showClose, Value); }
void TSearchFooter::SetFindNextCaption(const String& Value) { SetAlways(m_findNextCaption, Value); }
void TSearchFooter::SetFindPrevCaption(const String& Value) { SetAlways(m_findPrevCaption, Value); }
void TSearchFooter::SetMatchCaseCaption(const String& Value) { SetAlways(m_matchCaseCaption, Value); }
void TSearchFooter::SetHighLightCaption(const String& Value) { SetAlways(m_highLightCaption, Value); }
void TSearchFooter::SetHintClose(const String& Value) { SetAlways(m_hintClose, Value); }
void TSearchFooter::SetHintFindNext(const String& Value) { SetAlways(m_hintFindNext, Value); }
void TSearchFooter::SetHintFindPrev(const String& Value) { SetAlways(m_hintFindPrev, Value); }
void TSearchFooter::SetHintHighlight(const String& Value) { SetAlways(m_hintHighlight, Value); }
void TSearchFooter::SetAutoThemeAdapt(bool Value) { SetAlways(m_autoThemeAdapt, Value); }

void TSearchFooter::SetFont(const TFont* Value)
{
    m_font->Assign(const_cast<TFont*>(Value));
    Changed();
}

}  // namespace gw
