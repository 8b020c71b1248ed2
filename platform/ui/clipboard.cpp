// The clipboard: Unicode text travels as UTF-8 to the back end, ANSI text as Windows-1252 bytes.
#include "platform/ui/clipboard.h"

#include "platform/runtime/text_encoding.h"
#include "platform/runtime/unicode.h"
#include "platform/ui/backend.h"
#include "platform/ui/window_system.h"

namespace gw {

UINT RegisterClipboardFormat(StringView Name) { return RegisterWindowMessage(Name); }

TClipboard* Clipboard()
{
    static TClipboard clipboard;
    return &clipboard;
}

void TClipboard::Open()
{
    if (m_openCount++ == 0) m_emptied = false;
}

void TClipboard::Close()
{
    if (m_openCount > 0) --m_openCount;
}

void TClipboard::Clear() { Backend().ClipboardClear(); }

bool TClipboard::HasFormat(UINT Format) const
{
    if (Format == CF_TEXT || Format == CF_UNICODETEXT)
        return Backend().ClipboardHas(CF_UNICODETEXT) || Backend().ClipboardHas(CF_TEXT);
    return Backend().ClipboardHas(Format);
}

void TClipboard::Adding()
{
    // The first format set in an Open/Close bracket (or any set outside one) starts afresh.
    if (m_openCount == 0 || !m_emptied) {
        Backend().ClipboardClear();
        m_emptied = true;
    }
}

String TClipboard::AsText() const
{
    std::string data;
    if (Backend().ClipboardGet(CF_UNICODETEXT, data)) return Utf8ToString(data);
    if (Backend().ClipboardGet(CF_TEXT, data)) return AnsiToString(data);
    return {};
}

void TClipboard::SetAsText(const String& Value)
{
    Open();
    Adding();
    Backend().ClipboardSet(CF_UNICODETEXT, StringToUtf8(Value));
    Backend().ClipboardSet(CF_TEXT, StringToAnsi(Value));
    Close();
}

bool TClipboard::GetBuffer(UINT Format, std::string& Data) const { return Backend().ClipboardGet(Format, Data); }

void TClipboard::SetBuffer(UINT Format, const std::string& Data)
{
    Open();
    Adding();
    Backend().ClipboardSet(Format, Data);
    Close();
}

}  // namespace gw
