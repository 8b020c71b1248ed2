// The kind of a cell's graphic record, kept twice: in the record's own field and, while the
// record sits in a cell's properties, in a byte of those properties.
//
// Whole-column walks (checking every box of a column) learn each cell's kind from the
// properties they looked up anyway, instead of reading a second heap object per row. The field
// writes the byte whenever the kind changes, so the many places that set a record's kind need no
// care; the properties connect and disconnect the field as the record enters and leaves their
// slot, and a record freed while connected clears the byte.
#pragma once

#include <cstdint>

namespace gw {

// The byte of properties whose slot holds no graphic record: nothing, an object of another
// class, or a record freed or taken into another slot. No record kind has this value.
constexpr uint8_t NoGraphicKind = 0xFF;

class TGraphicKindMirror;

// A record's kind and the properties byte it is mirrored into. Copies carry the value, never
// the connection: an assigned record mirrors its new kind into its own slot, not the source's.
class TGraphicKindField {
public:
    explicit TGraphicKindField(uint8_t Value) : m_value(Value) {}
    TGraphicKindField(const TGraphicKindField& Other) : m_value(Other.m_value) {}
    TGraphicKindField& operator=(const TGraphicKindField& Other)
    {
        Set(Other.m_value);
        return *this;
    }
    ~TGraphicKindField();

    uint8_t Raw() const { return m_value; }
    void Set(uint8_t Value);
    bool Mirrored() const { return m_mirror != nullptr; }

private:
    friend class TGraphicKindMirror;
    uint8_t m_value;
    TGraphicKindMirror* m_mirror = nullptr;
};

// The field as the record declares it: assigned, compared and switched on as the enumeration E
// (a uint8_t enumeration whose values stay below NoGraphicKind).
template <class E>
class TKindField : public TGraphicKindField {
public:
    // Explicit, so that a conditional between the field and an E is of type E.
    explicit TKindField(E Value) : TGraphicKindField(uint8_t(Value)) {}
    TKindField& operator=(E Value)
    {
        Set(uint8_t(Value));
        return *this;
    }
    operator E() const { return E(Raw()); }
};

// What a graphic object implements so that the properties holding it keep its kind.
class IGraphicKindSource {
public:
    virtual TGraphicKindField& GraphicKindField() = 0;

protected:
    ~IGraphicKindSource() = default;
};

// The properties' side: the byte and the field it mirrors. Connecting a field that mirrors into
// other properties moves it here (the others read "no graphic" from then on).
class TGraphicKindMirror {
public:
    TGraphicKindMirror() = default;
    TGraphicKindMirror(const TGraphicKindMirror&) = delete;
    TGraphicKindMirror& operator=(const TGraphicKindMirror&) = delete;
    ~TGraphicKindMirror() { Disconnect(); }

    uint8_t Kind() const { return m_kind; }
    // Mirrors Field (nullptr: nothing) from now on, disconnecting the one mirrored before.
    void Connect(TGraphicKindField* Field)
    {
        Disconnect();
        if (!Field) return;
        if (Field->m_mirror) Field->m_mirror->Disconnect();
        Field->m_mirror = this;
        m_field = Field;
        m_kind = Field->m_value;
    }
    void Disconnect()
    {
        if (m_field) m_field->m_mirror = nullptr;
        m_field = nullptr;
        m_kind = NoGraphicKind;
    }

private:
    friend class TGraphicKindField;
    uint8_t m_kind = NoGraphicKind;
    TGraphicKindField* m_field = nullptr;
};

inline TGraphicKindField::~TGraphicKindField()
{
    if (m_mirror) m_mirror->Disconnect();
}

inline void TGraphicKindField::Set(uint8_t Value)
{
    m_value = Value;
    if (m_mirror) m_mirror->m_kind = Value;
}

}  // namespace gw
