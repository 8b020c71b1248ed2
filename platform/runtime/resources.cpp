// The table of resources embedded at build time, filled by generated registration code.
#include "platform/runtime/resources.h"

#include "platform/runtime/exceptions.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/unicode.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace gw {

namespace {

// Built on first use, so that registration from other translation units' static
// initialisers finds it ready whatever the order of initialisation.
std::vector<std::unique_ptr<TResource>>& Table()
{
    static std::vector<std::unique_ptr<TResource>> table;
    return table;
}

bool IsNumber(StringView s)
{
    return !s.empty() && s.size() <= 9 &&
        std::all_of(s.begin(), s.end(), [](Char c) { return c >= u'0' && c <= u'9'; });
}

Integer ToNumber(StringView s)
{
    Integer n = 0;
    for (Char c : s) n = n * 10 + (c - u'0');
    return n;
}

bool TypeMatches(const TResource& r, StringView Type) { return Type.empty() || CompareText(r.Type, Type) == 0; }

}  // namespace

void RegisterResource(const char* FileBaseName, const char* Type, const unsigned char* Data, std::size_t Size)
{
    auto r = std::make_unique<TResource>();
    const String name = UpperCase(Utf8ToString(FileBaseName));
    if (IsNumber(name))
        r->Id = ToNumber(name);
    else
        r->Name = name;
    r->Type = UpperCase(Utf8ToString(Type));
    r->Data = std::string_view(reinterpret_cast<const char*>(Data), Size);
    auto& table = Table();
    const bool known = std::any_of(table.begin(), table.end(), [&](const auto& t) {
        return t->Name == r->Name && t->Id == r->Id && t->Type == r->Type;
    });
    if (!known) table.push_back(std::move(r));
}

const TResource* FindResource(Integer Id, StringView Type)
{
    for (const auto& r : Table())
        if (r->Id >= 0 && r->Id == Id && TypeMatches(*r, Type)) return r.get();
    return nullptr;
}

const TResource* FindResource(StringView Name, StringView Type)
{
    StringView number = Name;
    if (!number.empty() && number[0] == u'#') number.remove_prefix(1);
    if (IsNumber(number)) return FindResource(ToNumber(number), Type);
    for (const auto& r : Table())
        if (r->Id < 0 && CompareText(r->Name, Name) == 0 && TypeMatches(*r, Type)) return r.get();
    return nullptr;
}

const TResource& LoadResource(StringView Name, StringView Type)
{
    const TResource* r = FindResource(Name, Type);
    if (r == nullptr) throw EResNotFound(u"Resource " + String(Name) + u" not found");
    return *r;
}

}  // namespace gw
