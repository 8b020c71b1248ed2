// The edit-mask language of the masked edit: parsing, character checks, formatting, validation.
#pragma once

#include "platform/runtime/exceptions.h"
#include "platform/runtime/types.h"

#include <vector>

namespace gw {

// A mask is "<picture>[;<save literals>[;<blank character>]]". Picture characters:
//   L letter, l optional letter, A letter or digit, a optional letter or digit,
//   C any character, c optional any character, 0 digit, 9 optional digit,
//   # optional digit or sign (+ -), : time separator, / date separator, _ a blank,
//   > upper case from here, < lower case from here, <> no case conversion from here,
//   \ the next character is a literal, ! optional characters fill from the right (leading
//   blanks), ; field separator; everything else is a literal.
// The second field "0" keeps literals out of Text; anything else (the default) keeps them.
// The third field is the character shown in empty positions ('_' by default).
enum class TMaskKind : uint8_t {
    Literal,
    Letter,  // L / l
    AlphaNumeric,  // A / a
    AnyChar,  // C / c
    Digit,  // 0 / 9
    DigitOrSign,  // #
};

enum class TMaskCase : uint8_t { None, Upper, Lower };

struct TMaskPosition {
    TMaskKind Kind = TMaskKind::Literal;
    bool Required = false;
    TMaskCase Case = TMaskCase::None;
    Char Literal = 0;  // for literals: the character shown
};

// Raised when a masked edit is left with a required position empty.
class EDBEditError : public Exception {
public:
    using Exception::Exception;
};

class TEditMask {
public:
    TEditMask() = default;
    explicit TEditMask(StringView Mask);

    bool IsMasked() const { return !m_positions.empty(); }
    Integer Length() const { return Integer(m_positions.size()); }
    const TMaskPosition& Position(Integer Index) const { return m_positions.at(std::size_t(Index)); }
    bool IsLiteral(Integer Index) const { return Position(Index).Kind == TMaskKind::Literal; }
    bool SaveLiterals() const { return m_saveLiterals; }
    Char BlankChar() const { return m_blank; }
    bool LeadingBlanks() const { return m_leadingBlanks; }

    // The character as it would be stored at an input position (case converted), or 0 when
    // the position does not take it.
    Char Accept(Integer Index, Char C) const;
    // The edit text with every input position empty and the literals in place.
    String EmptyEditText() const;
    // The next (or, backwards, the previous) input position at or after (before) Index;
    // -1 when none.
    Integer NextInput(Integer Index) const;
    Integer PrevInput(Integer Index) const;

    // Text as the Text property gives it: blanks become spaces; literals only when saved.
    String TextFromEditText(StringView EditText) const;
    // The edit text that shows Value, Value as Text gives it (with or without literals as the
    // mask saves them). Characters a position does not take leave it empty.
    String EditTextFromText(StringView Value) const;
    // The edit text with the input positions filled in order from Chars (blanks stay empty).
    String EditTextFromInput(StringView Chars) const;
    // The first required position left empty, -1 when every one is filled.
    Integer FirstMissing(StringView EditText) const;
    // True when the text holds nothing but literals and blanks.
    bool IsEmpty(StringView EditText) const;

private:
    std::vector<TMaskPosition> m_positions;
    bool m_saveLiterals = true;
    Char m_blank = u'_';
    bool m_leadingBlanks = false;
};

// The text of Value formatted through Mask (what a masked edit with that mask would show as
// its Text after Value was assigned).
String FormatMaskText(StringView EditMask, StringView Value);

// The message of a masked edit left with a required position empty.
extern const Char* const SMaskEditErr;

}  // namespace gw
