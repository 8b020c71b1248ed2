// The clipboard: text, Unicode text and registered formats, through the back end.
#pragma once

#include "platform/runtime/component.h"
#include "platform/ui/messages.h"

#include <string>

namespace gw {

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_BITMAP = 2;
constexpr UINT CF_UNICODETEXT = 13;

// A stable format number at or above $C000, equal for equal names.
UINT RegisterClipboardFormat(StringView Name);

class TClipboard : public TPersistent {
public:
    String ClassName() const override { return u"TClipboard"; }

    // Between Open and Close, formats set add up; outside, each set replaces the contents.
    void Open();
    void Close();
    void Clear();
    bool HasFormat(UINT Format) const;
    // The Unicode text, else the ANSI text (Windows-1252); empty when there is none.
    String AsText() const;
    // Sets the text as Unicode text and as ANSI text.
    void SetAsText(const String& Value);
    // Raw bytes of a format; false when absent.
    bool GetBuffer(UINT Format, std::string& Data) const;
    void SetBuffer(UINT Format, const std::string& Data);

private:
    void Adding();

    Integer m_openCount = 0;
    bool m_emptied = false;
};

// The one clipboard of the program.
TClipboard* Clipboard();

}  // namespace gw
