// The cell mark-up language as data: tags, attribute values, numbers, colours and entities.
//
// Lenient by design: nothing here reports an error.
#pragma once

#include "platform/graphics/colour.h"
#include "platform/runtime/types.h"

#include <array>
#include <span>

namespace gw {

// "No colour" (a transparent background) wherever mark-up gives a colour.
constexpr TColor MarkupNoColor = TColorOf(0x1FFFFFFF);

// What a tag does, recognised by its first one or two letters after "<" or "</" (case ignored).
enum class TMarkupTag {
    mtUnknown,  // consumed without effect
    mtBold,
    mtBoldOff,
    mtFontColorOff,  // "</B...>" other than "</B>": colour back to base
    mtBreak,
    mtBlink,
    mtBody,
    mtItalic,
    mtItalicOff,
    mtIndent,
    mtImage,
    mtUnderline,
    mtUnderlineOff,
    mtListOpen,
    mtListClose,
    mtListItem,
    mtListItemOff,
    mtStrike,
    mtStrikeOff,
    mtShadow,
    mtShadowOff,
    mtSubscript,
    mtSuperscript,
    mtSubSupOff,
    mtFont,
    mtFontOff,
    mtAnchor,
    mtAnchorOff,
    mtParagraph,
    mtParagraphOff,
    mtRule,
    mtHighlight,
    mtHighlightOff,
    mtError,
    mtErrorOff,
    mtRotate,
    mtRotateOff,
    mtHidden,
    mtHiddenOff,
    mtControl,
};

// Tag is the text from "<" up to and including its ">".
TMarkupTag RecognizeMarkupTag(StringView Tag);

// The value of attribute Name: the first occurrence of Name in the upper-cased tag outside
// quoted values, the value between the next double quote and the one after it, taken from Tag as
// passed (callers pass the upper-cased tag where the language reads values in upper case). False
// when Name is absent.
bool GetMarkupAttribute(StringView Tag, StringView Name, String& Value);
// The same with the tag's upper-cased form (UpperCaseKeepLength) given, for callers that read
// several attributes of one tag.
bool GetMarkupAttribute(StringView Tag, StringView UpperTag, StringView Name, String& Value);

// Leading-digit reading: blanks skipped, "$", "x" or "0x" for hexadecimal, stop at the first
// non-digit, 0 without digits; a value that is nothing but a number may carry a "-".
Integer MarkupNumber(StringView Value);
// A value that must be a number: false when it holds anything else.
bool MarkupStrictNumber(StringView Value, Integer& Number);

// "#RRGGBB" (red first) or a colour name; an unknown name is black.
TColor MarkupColor(StringView Value);
// BODY's rule: a name when the value holds "CL", hexadecimal when it holds "#"; false otherwise.
bool MarkupBodyColor(StringView Value, TColor& Color);
// The colour of a name of the language ("clRed", any case); false when it is not one.
bool MarkupColorByName(StringView Name, TColor& Color);
// FONT SIZE: 1..5 are 8, 10, 12, 14 and 16 points, any other number is the size in points.
Integer MarkupFontSize(Integer Size);

// The two program-wide colours of "<HI>" text: background and font. They start as the system
// highlight colours, resolved when drawn. Read and set on the user-interface thread.
struct TMarkupHighlightColors {
    TColor Background = clHighlight;
    TColor Text = clHighlightText;
};
TMarkupHighlightColors MarkupHighlightColors();
void SetMarkupHighlightColors(TColor Background, TColor Text);

struct TMarkupEntity {
    const char16_t* Name;  // with "&" and ";"
    Char Character;
};

// The entities the renderer shows: the first nine everywhere, "&nbsp;", "&lt;" and "&gt;" only
// in text between tags.
std::span<const TMarkupEntity> MarkupRendererEntities();
// The 51 accented letters and signs of the text conversions, in their fixed order.
std::span<const TMarkupEntity> MarkupConversionEntities();

struct TMarkupColorName {
    const char16_t* Name;
    TColor Color;
};
std::span<const TMarkupColorName> MarkupColorNames();

}  // namespace gw
