// The look of the grid's filter drop-down lists and of the filter glyph in header cells.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/runtime/component.h"

#include <memory>

namespace gw {

class TBitmap;
class TFont;

class TFilterDropDown : public TPersistent {
public:
    TFilterDropDown();
    ~TFilterDropDown() override;
    String ClassName() const override { return u"TFilterDropDown"; }
    // From another filter drop-down only (anything else is ignored): everything but AutoSize.
    void Assign(TPersistent* Source) override;

    bool AutoSize = false;
    TColor Color = clWindow;
    bool ColumnWidth = false;
    // Owned; the setter copies the given font.
    TFont* Font() const { return m_font.get(); }
    void SetFont(TFont* Value);
    Integer Height = 150;
    Integer Width = 150;
    // Owned; the setters copy the given picture in. A change of either bitmap, through its setter
    // or on the bitmap itself, fires OnChange, which the grid binds to a repaint.
    TBitmap* Glyph() const { return m_glyph.get(); }
    void SetGlyph(TBitmap* Value);
    TBitmap* GlyphActive() const { return m_glyphActive.get(); }
    void SetGlyphActive(TBitmap* Value);

    TNotifyEvent OnChange;

private:
    void GlyphChanged(TObject* Sender);

    std::unique_ptr<TFont> m_font;
    std::unique_ptr<TBitmap> m_glyph;
    std::unique_ptr<TBitmap> m_glyphActive;
};

}  // namespace gw
