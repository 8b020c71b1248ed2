// Banded rows: change notification, the copy rule and the colour of a row.
#include "grid/foundation/bands.h"

namespace gw {

void TBands::Assign(TPersistent* Source)
{
    auto* from = dynamic_cast<TBands*>(Source);
    if (!from) return;
    m_active = from->m_active;
    m_primaryColor = from->m_primaryColor;
    m_primaryLength = from->m_primaryLength;
    m_secondaryColor = from->m_secondaryColor;
    m_secondaryLength = from->m_secondaryLength;
    Print = from->Print;
    m_totalLength = m_primaryLength + m_secondaryLength;
}

void TBands::SetActive(bool Value)
{
    if (Value == m_active) return;
    m_active = Value;
    if (OnChange) OnChange(this);
}

template <class T>
void TBands::SetBandValue(T& Field, T Value)
{
    if (Field == Value) return;
    Field = Value;
    m_totalLength = m_primaryLength + m_secondaryLength;
    if (m_active && OnChange) OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value) { SetBandValue(m_primaryColor, Value); }
void TBands::SetPrimaryLength(Integer Value) { SetBandValue(m_primaryLength, Value); }
void TBands::SetSecondaryColor(TColor Value) { SetBandValue(m_secondaryColor, Value); }
void TBands::SetSecondaryLength(Integer Value) { SetBandValue(m_secondaryLength, Value); }

TColor TBands::RowColor(Integer RowInBands) const
{
    if (m_totalLength <= 0) return clNone;
    Integer at = RowInBands % m_totalLength;
    if (at < 0) at += m_totalLength;
    return at < m_primaryLength ? m_primaryColor : m_secondaryColor;
}

}  // namespace gw
