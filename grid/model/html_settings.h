// Options of the grid's HTML export: the table's attributes, the texts around it and how cell
// texts, colours and pictures are written. The export reads them; this record only holds them.
#pragma once

#include "grid/foundation/int_list.h"
#include "platform/runtime/component.h"

#include <memory>

namespace gw {

class THTMLSettings : public TPersistent {
public:
    THTMLSettings();
    ~THTMLSettings() override;
    String ClassName() const override { return u"THTMLSettings"; }
    // From other HTML settings only (anything else is ignored); ExportImages and ColWidths stay.
    void Assign(TPersistent* Source) override;

    // The written file is opened with the shell afterwards.
    bool AutoPreview = false;
    // Special characters of cell texts are written as character entities.
    bool ConvertSpecialChars = false;
    // Spaces of cell texts are written as non-breaking spaces.
    bool NonBreakingText = false;
    bool SaveColor = true;
    // Stored and copied; the export does not consult it.
    bool SaveFonts = true;
    // Files whose lines go after and before the table.
    String FooterFile;
    String HeaderFile;
    // The table's BORDER, CELLSPACING and CELLPADDING attributes.
    Integer BorderSize = 1;
    Integer CellSpacing = 0;
    Integer CellPadding = 0;
    // Placed inside the TABLE tag, between blanks.
    String TableStyle;
    // Texts before and after the table.
    String PrefixTag;
    String SuffixTag;
    // The SUMMARY attribute, left out when empty.
    String Summary;
    // The WIDTH attribute, in per cent.
    Integer Width = 100;
    // Owned: the WIDTH of the cells of column i, for each i below the list's count.
    TIntList* ColWidths() const { return m_colWidths.get(); }
    // An XML declaration (UTF-8) and the XHTML 1.0 Strict document type start the page.
    bool XHTML = false;
    bool ExportImages = true;

private:
    std::unique_ptr<TIntList> m_colWidths;
};

}  // namespace gw
