// Accelerator keys of captions.
#include "platform/controls/accelerator.h"

#include "platform/runtime/strings.h"

namespace gw {

namespace {
Char Upper(Char C)
{
    if (C >= u'a' && C <= u'z') return Char(C - u'a' + u'A');
    String s(1, C);
    s = AnsiUpperCase(s);
    return s.empty() ? C : s[0];
}
}  // namespace

Char GetHotkeyChar(StringView Caption)
{
    for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != u'&') continue;
        if (Caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return Caption[i + 1];
    }
    return 0;
}

String StripHotkey(StringView Caption)
{
    String out;
    out.reserve(Caption.size());
    for (std::size_t i = 0; i < Caption.size(); ++i) {
        if (Caption[i] != u'&') {
            out += Caption[i];
        } else if (i + 1 < Caption.size()) {
            out += Caption[++i];  // "&x" shows x, "&&" shows one ampersand
        }
    }
    return out;
}

bool IsAccel(Word Key, StringView Caption)
{
    Char hot = GetHotkeyChar(Caption);
    return hot != 0 && Key != 0 && Upper(hot) == Upper(Char(Key));
}

}  // namespace gw
