// Banded row colours: rows of a grid's scrolling area take two colours in alternating runs.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/runtime/component.h"

namespace gw {

class TBands : public TPersistent {
public:
    String ClassName() const override { return u"TBands"; }
    // From another TBands only (anything else is ignored), without OnChange; Print included.
    void Assign(TPersistent* Source) override;

    // Fires OnChange when the value changes.
    bool Active() const { return m_active; }
    void SetActive(bool Value);
    // Bands are painted when printing too.
    bool Print = false;
    // The colours and run lengths fire OnChange on a change, and only while Active.
    TColor PrimaryColor() const { return m_primaryColor; }
    void SetPrimaryColor(TColor Value);
    Integer PrimaryLength() const { return m_primaryLength; }
    void SetPrimaryLength(Integer Value);
    TColor SecondaryColor() const { return m_secondaryColor; }
    void SetSecondaryColor(TColor Value);
    Integer SecondaryLength() const { return m_secondaryLength; }
    void SetSecondaryLength(Integer Value);
    // PrimaryLength + SecondaryLength: the rows of one band.
    Integer TotalLength() const { return m_totalLength; }

    // The band colour of a row counted from the first scrolling row: PrimaryColor for the first
    // PrimaryLength rows of every band of TotalLength rows, SecondaryColor for the rest; clNone
    // when a band has no rows.
    TColor RowColor(Integer RowInBands) const;

    TNotifyEvent OnChange;

private:
    template <class T>
    void SetBandValue(T& Field, T Value);

    bool m_active = false;
    TColor m_primaryColor = clInfoBk;
    Integer m_primaryLength = 1;
    TColor m_secondaryColor = clWindow;
    Integer m_secondaryLength = 1;
    Integer m_totalLength = 2;
};

}  // namespace gw
