// Filter drop-down look: the owned font and glyphs, whose changes are reported, and the copy rule.
#include "grid/model/filter_drop_down.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"

namespace gw {

TFilterDropDown::TFilterDropDown()
    : m_font(std::make_unique<TFont>()), m_glyph(std::make_unique<TBitmap>()),
      m_glyphActive(std::make_unique<TBitmap>())
{
    m_glyph->OnChange = [this](TObject* Sender) { GlyphChanged(Sender); };
    m_glyphActive->OnChange = [this](TObject* Sender) { GlyphChanged(Sender); };
}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TFilterDropDown*>(Source);
    if (!from) return;
    Color = from->Color;
    ColumnWidth = from->ColumnWidth;
    m_font->Assign(from->m_font.get());
    Height = from->Height;
    Width = from->Width;
    m_glyph->Assign(from->m_glyph.get());
    m_glyphActive->Assign(from->m_glyphActive.get());
}

void TFilterDropDown::SetFont(TFont* Value) { m_font->Assign(Value); }
void TFilterDropDown::SetGlyph(TBitmap* Value) { m_glyph->Assign(Value); }
void TFilterDropDown::SetGlyphActive(TBitmap* Value) { m_glyphActive->Assign(Value); }

void TFilterDropDown::GlyphChanged(TObject* /*Sender*/)
{
    if (OnChange) OnChange(this);
}

}  // namespace gw
