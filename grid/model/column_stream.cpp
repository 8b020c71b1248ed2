// The column grid's column stream: one table of properties serves writing and reading.
#include "grid/model/column_stream.h"

#include "platform/runtime/exceptions.h"
#include "platform/ui/menus.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace gw {

namespace {

constexpr std::u16string_view ClassTag = u"TExtColumnGridIO";
constexpr uint8_t Version = 1;

enum TKind : uint8_t { kInt = 1, kBool, kText, kList, kFont, kPen, kPopup, kLink };

class TWriter {
public:
    void U8(uint8_t V) { m_out.push_back(static_cast<char>(V)); }
    void U32(uint32_t V)
    {
        for (int i = 0; i < 4; ++i) U8(static_cast<uint8_t>(V >> (8 * i)));
    }
    void I32(Integer V) { U32(static_cast<uint32_t>(V)); }
    void Text(std::u16string_view S)
    {
        U32(static_cast<uint32_t>(S.size()));
        for (const char16_t c : S) {
            U8(static_cast<uint8_t>(c & 0xFF));
            U8(static_cast<uint8_t>(c >> 8));
        }
    }
    std::string m_out;
};

class TReader {
public:
    explicit TReader(std::string_view Bytes) : m_in(Bytes) {}
    size_t Left() const { return m_in.size() - m_pos; }
    uint8_t U8()
    {
        Need(1);
        return static_cast<uint8_t>(m_in[m_pos++]);
    }
    uint32_t U32()
    {
        Need(4);
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(m_in[m_pos++])) << (8 * i);
        return v;
    }
    Integer I32() { return static_cast<Integer>(U32()); }
    String Text()
    {
        const uint32_t n = U32();
        if (n > Left() / 2) Fail();
        String s(n, u'\0');
        for (uint32_t i = 0; i < n; ++i) {
            const uint8_t lo = U8();
            s[i] = static_cast<char16_t>(lo | (U8() << 8));
        }
        return s;
    }
    // A count of things each at least MinBytes long.
    uint32_t Count(size_t MinBytes)
    {
        const uint32_t n = U32();
        if (n > Left() / MinBytes) Fail();
        return n;
    }
    [[noreturn]] static void Fail() { throw EReadError(u"Column stream is not valid"); }

private:
    void Need(size_t N) const
    {
        if (Left() < N) Fail();
    }
    std::string_view m_in;
    size_t m_pos = 0;
};

using I = TGridColumnItem;

struct TProp {
    const char16_t* Name;
    TKind Kind;
    // Whether the value is written (the writing rules); the value itself.
    std::function<bool(const I&)> Stored;
    std::function<void(const I&, TWriter&)> Write;
    std::function<void(I&, TReader&, const std::function<TComponent*(const String&)>&)> Read;
};

template <class T>
TProp IntProp(const char16_t* Name, T I::*Field)
{
    return {Name, kInt, [](const I&) { return true; }, [Field](const I& i, TWriter& w) { w.I32(Integer(i.*Field)); },
            [Field](I& i, TReader& r, auto&) { i.*Field = static_cast<T>(r.I32()); }};
}

template <class T, class Get, class Set>
TProp IntAccess(const char16_t* Name, Get G, Set S)
{
    return {Name, kInt, [](const I&) { return true; }, [G](const I& i, TWriter& w) { w.I32(Integer((i.*G)())); },
            [S](I& i, TReader& r, auto&) { (i.*S)(static_cast<T>(r.I32())); }};
}

// OnlyWhenFalse: PrintBorderCustom and PrintFontCustom, written only when they differ from true.
TProp BoolProp(const char16_t* Name, bool I::*Field, bool OnlyWhenFalse = false)
{
    return {Name, kBool, [Field, OnlyWhenFalse](const I& i) { return !OnlyWhenFalse || !(i.*Field); },
            [Field](const I& i, TWriter& w) { w.U8(i.*Field ? 1 : 0); },
            [Field](I& i, TReader& r, auto&) { i.*Field = r.U8() != 0; }};
}

template <class Get, class Set>
TProp BoolAccess(const char16_t* Name, Get G, Set S)
{
    return {Name, kBool, [](const I&) { return true; }, [G](const I& i, TWriter& w) { w.U8((i.*G)() ? 1 : 0); },
            [S](I& i, TReader& r, auto&) { (i.*S)(r.U8() != 0); }};
}

TProp TextProp(const char16_t* Name, String I::*Field)
{
    return {Name, kText, [Field](const I& i) { return !(i.*Field).empty(); },
            [Field](const I& i, TWriter& w) { w.Text(i.*Field); },
            [Field](I& i, TReader& r, auto&) { i.*Field = r.Text(); }};
}

TProp ListProp(const char16_t* Name, TStringList* (I::*Get)() const)
{
    return {Name, kList, [](const I&) { return true; },
            [Get](const I& i, TWriter& w) {
                const TStringList* l = (i.*Get)();
                w.U32(static_cast<uint32_t>(l->Count()));
                for (Integer k = 0; k < l->Count(); ++k) w.Text(l->Strings(k));
            },
            [Get](I& i, TReader& r, auto&) {
                TStringList* l = (i.*Get)();
                l->Clear();
                for (uint32_t n = r.Count(4); n > 0; --n) l->Add(r.Text());
            }};
}

TProp FontProp(const char16_t* Name, TFont* (I::*Get)() const)
{
    return {Name, kFont, [](const I&) { return true; },
            [Get](const I& i, TWriter& w) {
                const TFont* f = (i.*Get)();
                w.Text(f->Name());
                w.I32(f->Size());
                w.I32(Integer(f->Color()));
                w.U8(f->Style());
            },
            [Get](I& i, TReader& r, auto&) {
                TFont f;
                f.SetName(r.Text());
                // A font size is a 16-bit quantity; anything larger is no font of a column.
                const Integer size = r.I32();
                if (size < -32768 || size > 32767) TReader::Fail();
                f.SetSize(size);
                f.SetColor(TColor(r.I32()));
                f.SetStyle(r.U8());
                (i.*Get)()->Assign(&f);
            }};
}

TProp PenProp(const char16_t* Name, TPen* (I::*Get)() const)
{
    return {Name, kPen, [](const I&) { return true; },
            [Get](const I& i, TWriter& w) {
                w.I32(Integer((i.*Get)()->Color()));
                w.I32((i.*Get)()->Width());
            },
            [Get](I& i, TReader& r, auto&) {
                TPen p;
                p.SetColor(TColor(r.I32()));
                p.SetWidth(r.I32());
                (i.*Get)()->Assign(&p);
            }};
}

const std::vector<TProp>& Props()
{
    static const std::vector<TProp> props = {
        IntProp(u"AutoMinSize", &I::AutoMinSize),
        IntProp(u"AutoMaxSize", &I::AutoMaxSize),
        IntAccess<TAlignment>(u"Alignment", &I::Alignment, &I::SetAlignment),
        IntAccess<TCellBorders>(u"Borders", &I::Borders, &I::SetBorders),
        PenProp(u"BorderPen", &I::BorderPen),
        TextProp(u"CheckFalse", &I::CheckFalse),
        TextProp(u"CheckTrue", &I::CheckTrue),
        IntAccess<TColor>(u"Color", &I::Color, &I::SetColor),
        {u"ColumnPopup", kPopup, [](const I& i) { return i.ColumnPopup() != nullptr; },
         [](const I& i, TWriter& w) { w.Text(i.ColumnPopup()->Name()); },
         [](I& i, TReader& r, auto& resolve) {
             const String name = r.Text();
             i.SetColumnPopup(resolve ? dynamic_cast<TPopupMenu*>(resolve(name)) : nullptr);
         }},
        IntProp(u"ColumnPopupType", &I::ColumnPopupType),
        ListProp(u"ComboItems", &I::ComboItems),
        IntProp(u"DropDownCount", &I::DropDownCount),
        IntProp(u"EditLength", &I::EditLength),
        {u"EditLink", kLink, [](const I& i) { return i.EditLink() != nullptr; },
         [](const I& i, TWriter& w) { w.Text(i.EditLink()->Name()); },
         [](I& i, TReader& r, auto& resolve) {
             const String name = r.Text();
             i.SetEditLink(resolve ? resolve(name) : nullptr);
         }},
        TextProp(u"EditMask", &I::EditMask),
        IntAccess<TEditorType>(u"Editor", &I::Editor, &I::SetEditor),
        ListProp(u"Filter", &I::Filter),
        BoolProp(u"FilterCaseSensitive", &I::FilterCaseSensitive),
        BoolAccess(u"Fixed", &I::Fixed, &I::SetFixed),
        {u"FloatFormat", kText, [](const I& i) { return !i.FloatFormat().empty(); },
         [](const I& i, TWriter& w) { w.Text(i.FloatFormat()); },
         [](I& i, TReader& r, auto&) { i.SetFloatFormat(r.Text()); }},
        FontProp(u"Font", &I::Font),
        {u"Header", kText, [](const I& i) { return !i.Header().empty(); },
         [](const I& i, TWriter& w) { w.Text(i.Header()); },
         [](I& i, TReader& r, auto&) { i.SetHeaderField(r.Text()); }},
        IntAccess<TAlignment>(u"HeaderAlignment", &I::HeaderAlignment, &I::SetHeaderAlignment),
        FontProp(u"HeaderFont", &I::HeaderFont),
        IntProp(u"MinSize", &I::MinSize),
        IntProp(u"MaxSize", &I::MaxSize),
        TextProp(u"Name", &I::Name),
        BoolAccess(u"Password", &I::Password, &I::SetPassword),
        BoolProp(u"PrintBorderCustom", &I::PrintBorderCustom, true),
        IntProp(u"PrintBorders", &I::PrintBorders),
        PenProp(u"PrintBorderPen", &I::PrintBorderPen),
        IntProp(u"PrintColor", &I::PrintColor),
        BoolProp(u"PrintFontCustom", &I::PrintFontCustom, true),
        FontProp(u"PrintFont", &I::PrintFont),
        BoolProp(u"ReadOnly", &I::ReadOnly),
        BoolAccess(u"ShowBands", &I::ShowBands, &I::SetShowBands),
        IntProp(u"SortStyle", &I::SortStyle),
        TextProp(u"SortPrefix", &I::SortPrefix),
        TextProp(u"SortSuffix", &I::SortSuffix),
        IntProp(u"SpinMax", &I::SpinMax),
        IntProp(u"SpinMin", &I::SpinMin),
        IntProp(u"SpinStep", &I::SpinStep),
        IntProp(u"Tag", &I::Tag),
        IntAccess<Integer>(u"Width", &I::Width, &I::SetWidthField),
    };
    return props;
}

}  // namespace

std::string WriteColumnStream(const TGridColumnCollection& Columns)
{
    TWriter w;
    w.Text(ClassTag);
    w.U8(Version);
    w.U32(static_cast<uint32_t>(Columns.Count()));
    for (Integer k = 0; k < Columns.Count(); ++k) {
        const I& item = *Columns.Items(k);
        std::vector<const TProp*> stored;
        for (const TProp& p : Props())
            if (p.Stored(item)) stored.push_back(&p);
        w.U32(static_cast<uint32_t>(stored.size()));
        for (const TProp* p : stored) {
            w.Text(p->Name);
            w.U8(p->Kind);
            p->Write(item, w);
        }
    }
    return std::move(w.m_out);
}

void ReadColumnStream(std::string_view Bytes, TGridColumnCollection& Into,
                      const std::function<TComponent*(const String&)>& Resolve)
{
    TReader r(Bytes);
    if (r.Text() != ClassTag || r.U8() != Version) TReader::Fail();
    // An item needs at least its property count.
    for (uint32_t n = r.Count(4); n > 0; --n) {
        // The constructor's defaults: nothing taken from the item before.
        I* item = Into.Insert(Into.Count());
        // A property needs at least its name's count and its kind.
        for (uint32_t m = r.Count(5); m > 0; --m) {
            const String name = r.Text();
            const uint8_t kind = r.U8();
            const TProp* prop = nullptr;
            for (const TProp& p : Props())
                if (name == p.Name) prop = &p;
            if (prop == nullptr || prop->Kind != kind) TReader::Fail();
            prop->Read(*item, r, Resolve);
        }
    }
    if (r.Left() != 0) TReader::Fail();
}

}  // namespace gw
