// Text routines of the runtime on UTF-16 strings, with the runtime's 1-based positions.
#include "platform/runtime/strings.h"

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <locale.h>

namespace gw {

namespace {

// A C.UTF-8 character-type locale gives full Unicode one-to-one case mapping regardless of
// the process locale; without it (very old C libraries) Latin-1 is still mapped by hand.
locale_t unicodeLocale()
{
    static const locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return loc;
}

char32_t mapCase(char32_t c, bool upper)
{
    if (c < 0x80) {
        if (upper && c >= 'a' && c <= 'z') return c - 32;
        if (!upper && c >= 'A' && c <= 'Z') return c + 32;
        return c;
    }
    if (const locale_t loc = unicodeLocale()) {
        return upper ? static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), loc))
                     : static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), loc));
    }
    if (upper && c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (!upper && c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    return c;
}

bool isHighSurrogate(Char c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(Char c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Maps code point by code point; a mapping that would change the length (never in practice for
// one-to-one maps) is not applied, so positions stay valid.
String mapString(StringView s, bool upper)
{
    String out(s);
    for (size_t i = 0; i < out.size(); ++i) {
        const Char c = out[i];
        if (isHighSurrogate(c) && i + 1 < out.size() && isLowSurrogate(out[i + 1])) {
            const char32_t cp = 0x10000 + ((c - 0xD800) << 10) + (out[i + 1] - 0xDC00);
            const char32_t m = mapCase(cp, upper);
            if (m >= 0x10000 && m <= 0x10FFFF) {
                out[i] = static_cast<Char>(0xD800 + ((m - 0x10000) >> 10));
                out[i + 1] = static_cast<Char>(0xDC00 + ((m - 0x10000) & 0x3FF));
            }
            ++i;
            continue;
        }
        const char32_t m = mapCase(c, upper);
        if (m < 0x10000 && !(m >= 0xD800 && m <= 0xDFFF)) out[i] = static_cast<Char>(m);
    }
    return out;
}

Char asciiLower(Char c) { return (c >= u'A' && c <= u'Z') ? static_cast<Char>(c + 32) : c; }

// Base letter of the accented Latin-1 lower-case letters, for the first level of collation.
Char stripAccent(Char c)
{
    if (c < 0xE0 || c > 0xFF) return c;
    static constexpr char16_t kBase[32] = {u'a', u'a', u'a', u'a', u'a', u'a', 0xE6, u'c', u'e', u'e', u'e',
                                           u'e', u'i', u'i', u'i', u'i', 0xF0, u'n', u'o', u'o', u'o', u'o',
                                           u'o', 0xF7, u'o', u'u', u'u', u'u', u'u', u'y', 0xFE, u'y'};
    return kBase[c - 0xE0];
}

// Case mapping of one UTF-16 unit (surrogates map to themselves), without allocation.
Char unitCase(Char c, bool upper)
{
    if (c < 0x80 || (c >= 0xD800 && c <= 0xDFFF)) return static_cast<Char>(mapCase(c, upper));
    const char32_t m = mapCase(c, upper);
    return m < 0x10000 ? static_cast<Char>(m) : c;
}

// Compares two texts unit by unit under a key; a proper prefix sorts first.
template <typename Key>
int compareBy(StringView a, StringView b, Key key)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const Char x = key(a[i]);
        const Char y = key(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// Collation in levels: base letters, then accents, then case (lower before upper). Lists sort
// with it, so it allocates nothing.
Integer collate(StringView s1, StringView s2, bool withCase)
{
    const auto lower = [](Char c) { return unitCase(c, false); };
    if (const int c = compareBy(s1, s2, [&](Char c) { return stripAccent(lower(c)); })) return c;
    if (const int c = compareBy(s1, s2, lower)) return c;
    if (!withCase) return 0;
    // Same letters: at the first case difference the lower-case one sorts first.
    for (size_t i = 0; i < s1.size() && i < s2.size(); ++i) {
        if (s1[i] != s2[i]) return s1[i] == lower(s1[i]) ? -1 : 1;
    }
    return 0;
}

}  // namespace

Integer Pos(StringView Sub, StringView S) { return PosEx(Sub, S, 1); }

Integer PosEx(StringView Sub, StringView S, Integer Offset)
{
    if (Sub.empty() || Offset < 1 || static_cast<size_t>(Offset) > S.size()) return 0;
    const size_t at = S.find(Sub, static_cast<size_t>(Offset - 1));
    return at == StringView::npos ? 0 : static_cast<Integer>(at + 1);
}

String Copy(StringView S, Integer Index, Integer Count)
{
    if (Index < 1) Index = 1;
    if (Count <= 0 || static_cast<size_t>(Index) > S.size()) return String();
    return String(S.substr(static_cast<size_t>(Index - 1), static_cast<size_t>(Count)));
}

void Delete(String& S, Integer Index, Integer Count)
{
    if (Index < 1 || Count <= 0 || static_cast<size_t>(Index) > S.size()) return;
    S.erase(static_cast<size_t>(Index - 1), static_cast<size_t>(Count));
}

void Insert(StringView Source, String& S, Integer Index)
{
    const size_t at = std::clamp<Int64>(Index, 1, static_cast<Int64>(S.size()) + 1) - 1;
    S.insert(at, Source);
}

String UpperCase(StringView S)
{
    String out(S);
    for (Char& c : out) {
        if (c >= u'a' && c <= u'z') c = static_cast<Char>(c - 32);
    }
    return out;
}

String LowerCase(StringView S)
{
    String out(S);
    for (Char& c : out) c = asciiLower(c);
    return out;
}

String AnsiUpperCase(StringView S) { return mapString(S, true); }

String AnsiLowerCase(StringView S) { return mapString(S, false); }

Char UpCase(Char C) { return (C >= u'a' && C <= u'z') ? static_cast<Char>(C - 32) : C; }

String Trim(StringView S) { return TrimRight(TrimLeft(S)); }

String TrimLeft(StringView S)
{
    size_t i = 0;
    while (i < S.size() && S[i] <= u' ') ++i;
    return String(S.substr(i));
}

String TrimRight(StringView S)
{
    size_t n = S.size();
    while (n > 0 && S[n - 1] <= u' ') --n;
    return String(S.substr(0, n));
}

String StringReplace(StringView S, StringView OldPattern, StringView NewPattern, TReplaceFlags Flags)
{
    if (OldPattern.empty()) return String(S);
    const bool ignoreCase = (Flags & rfIgnoreCase) != 0;
    // Case mapping keeps lengths, so positions found in the folded copy hold in S.
    const String hay = ignoreCase ? AnsiUpperCase(S) : String(S);
    const String needle = ignoreCase ? AnsiUpperCase(OldPattern) : String(OldPattern);
    String out;
    size_t from = 0;
    while (true) {
        const size_t at = hay.find(needle, from);
        if (at == String::npos) break;
        out.append(S.substr(from, at - from));
        out.append(NewPattern);
        from = at + needle.size();
        if ((Flags & rfReplaceAll) == 0) break;
    }
    out.append(S.substr(from));
    return out;
}

Integer CompareStr(StringView S1, StringView S2)
{
    const size_t n = std::min(S1.size(), S2.size());
    for (size_t i = 0; i < n; ++i) {
        if (S1[i] != S2[i]) return static_cast<Integer>(S1[i]) - static_cast<Integer>(S2[i]);
    }
    return static_cast<Integer>(S1.size()) - static_cast<Integer>(S2.size());
}

Integer CompareText(StringView S1, StringView S2)
{
    const size_t n = std::min(S1.size(), S2.size());
    for (size_t i = 0; i < n; ++i) {
        const Char a = asciiLower(S1[i]);
        const Char b = asciiLower(S2[i]);
        if (a != b) return static_cast<Integer>(a) - static_cast<Integer>(b);
    }
    return static_cast<Integer>(S1.size()) - static_cast<Integer>(S2.size());
}

bool SameText(StringView S1, StringView S2) { return S1.size() == S2.size() && CompareText(S1, S2) == 0; }

Integer AnsiCompareStr(StringView S1, StringView S2) { return collate(S1, S2, true); }

Integer AnsiCompareText(StringView S1, StringView S2) { return collate(S1, S2, false); }

bool AnsiSameText(StringView S1, StringView S2)
{
    if (S1.size() != S2.size()) return false;
    for (size_t i = 0; i < S1.size(); ++i) {
        if (S1[i] != S2[i] && unitCase(S1[i], true) != unitCase(S2[i], true)) return false;
    }
    return true;
}

bool AnsiSameStr(StringView S1, StringView S2) { return S1 == S2; }

bool StartsText(StringView SubText, StringView Text)
{
    return SubText.size() <= Text.size() && AnsiSameText(SubText, Text.substr(0, SubText.size()));
}

bool EndsText(StringView SubText, StringView Text)
{
    return SubText.size() <= Text.size() && AnsiSameText(SubText, Text.substr(Text.size() - SubText.size()));
}

String QuotedStr(StringView S) { return AnsiQuotedStr(S, u'\''); }

String AnsiQuotedStr(StringView S, Char Quote)
{
    String out;
    out.reserve(S.size() + 2);
    out += Quote;
    for (const Char c : S) {
        out += c;
        if (c == Quote) out += Quote;
    }
    out += Quote;
    return out;
}

String AnsiDequotedStr(StringView S, Char Quote)
{
    if (S.empty() || S[0] != Quote) return String(S);
    String out;
    for (size_t i = 1; i < S.size(); ++i) {
        if (S[i] != Quote) {
            out += S[i];
        } else if (i + 1 < S.size() && S[i + 1] == Quote) {
            out += Quote;
            ++i;
        } else {
            return out;
        }
    }
    return String(S);  // no closing quote: not a quoted string
}

String StringOfChar(Char C, Integer Count) { return Count > 0 ? String(static_cast<size_t>(Count), C) : String(); }

bool IsDelimiter(StringView Delimiters, StringView S, Integer Index)
{
    if (Index < 1 || static_cast<size_t>(Index) > S.size()) return false;
    return Delimiters.find(S[static_cast<size_t>(Index - 1)]) != StringView::npos;
}

Integer LastDelimiter(StringView Delimiters, StringView S)
{
    const size_t at = S.find_last_of(Delimiters);
    return at == StringView::npos ? 0 : static_cast<Integer>(at + 1);
}

}  // namespace gw
