// HTML export settings: the owned width list and the copy rule.
#include "grid/model/html_settings.h"

namespace gw {

THTMLSettings::THTMLSettings() : m_colWidths(std::make_unique<TIntList>(0, 0)) {}
THTMLSettings::~THTMLSettings() = default;

void THTMLSettings::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<THTMLSettings*>(Source);
    if (!from) return;
    BorderSize = from->BorderSize;
    CellSpacing = from->CellSpacing;
    CellPadding = from->CellPadding;
    SaveColor = from->SaveColor;
    SaveFonts = from->SaveFonts;
    FooterFile = from->FooterFile;
    HeaderFile = from->HeaderFile;
    TableStyle = from->TableStyle;
    PrefixTag = from->PrefixTag;
    SuffixTag = from->SuffixTag;
    Summary = from->Summary;
    Width = from->Width;
    XHTML = from->XHTML;
    ConvertSpecialChars = from->ConvertSpecialChars;
    AutoPreview = from->AutoPreview;
    NonBreakingText = from->NonBreakingText;
}

}  // namespace gw
