// The numbered user-interface texts: the built-in English table and the language files over it.
#pragma once

#include "platform/runtime/types.h"

#include <array>
#include <vector>

namespace gw {

// Size of the table: every window and message uses numbers 0 .. Text_Count - 1.
constexpr Integer Text_Count = 2400;

// The built-in English texts in number order; unused numbers hold a single blank.
extern const std::array<StringView, Text_Count> English_Texts;

// The program-wide text table (SL_Lang). It starts with the English texts so that nothing
// can read an empty table; Load_Language rebuilds it whole.
class TTextTable {
public:
    TTextTable() { Build_Default_Texts(); }

    // Back to the 2400 built-in English texts.
    void Build_Default_Texts();

    // Overlays the texts of one language file (byte-order mark decides UTF-8 or UTF-16,
    // otherwise valid UTF-8 or else Windows-1252). False, with the table untouched, when the
    // file cannot be read.
    bool Load_Lang_File(const String& FileName);
    // Overlays the lines of an already decoded language file.
    void Load_Lang_Lines(StringView Content);

    // Reads one language-file line: true with the number and the text when the line sets
    // a text whose number lies in 0 .. Max_Num_Str - 1.
    static bool Parse_Lang_Line(StringView Line, Integer Max_Num_Str, Integer& Number, String& Text);

    // The text with that number; EStringListError outside 0 .. Count() - 1.
    const String& Text(Integer Number) const;
    const String& operator[](Integer Number) const { return Text(Number); }
    Integer Count() const { return static_cast<Integer>(m_texts.size()); }
    // How many entries a language file may replace.
    Integer Max_Num_Str() const { return m_maxNumStr; }

private:
    std::vector<String> m_texts;
    Integer m_maxNumStr = Text_Count;
};

// A language name that names a file inside the language folder: not empty, not "." or "..",
// without a path separator or control character.
bool Is_Plain_Language_Name(StringView Name);

// Rebuilds the table, then overlays Language_Dir/<Language_Name>.lng; when that file is
// missing or the name is no plain file name, Language_Name becomes "English" and
// Language_Dir/English.lng is used when present; without either the built-in texts stay.
void Load_Language(TTextTable& Table, const String& Language_Dir, String& Language_Name);

}  // namespace gw
