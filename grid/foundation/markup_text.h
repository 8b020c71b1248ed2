// Operations on mark-up text that draw nothing: plain text, entities, CONTROLs, highlighting.
#pragma once

#include "platform/runtime/types.h"

namespace gw {

// "<BR>" and "<HR>" (any case) become CR LF, then every complete tag goes; a "<" without ">"
// and all after it stay.
String MarkupToPlainText(StringView Text);
// The visible text used for searching: complete tags removed, BR and HR included.
String StripMarkupTags(StringView Text);

// "&lt;", "&gt;", "&amp;", "&quot;" and then, with UseTable, the accented letters, each on the
// text as the previous step left it.
String UnescapeMarkup(StringView Text, bool UseTable);
// "&", the double quote, "<" and ">" as entities, "&" in a single pass so that text holding
// "*amp;" stays as written; with UseTable also the accented letters.
String EscapeMarkup(StringView Text, bool UseTable);
String SpacesToNbsp(StringView Text);

// The attributes of one CONTROL element, empty when absent; Type upper-cased, Value and Prop
// unescaped.
struct TControlTag {
    String Type;
    String ID;
    String Value;
    String Width;
    String Height;
    String Prop;
    String MaxLen;
};

TControlTag ParseControlTag(StringView AttributeText);
bool HasControlTags(StringView Text);
// IDs compare exactly. Value is left as it was when no element has the ID.
bool GetControlValue(StringView Text, StringView ID, String& Value);
String GetControlProp(StringView Text, StringView ID);
Integer GetControlMaxLen(StringView Text, StringView ID);
// The ID of the first edit-like element (not BUTTON, CHECK or RADIO) after the one with ID, or
// the first one when ID is empty; empty when there is none.
String NextEditControlID(StringView Text, StringView ID);
// Rewrites the element with ID with the new value (attribute names normalised, order fixed);
// false and Text unchanged when no element has the ID.
bool SetControlTagValue(String& Text, StringView ID, StringView Value);
String ClearRadioControls(StringView Text);

// Wraps every occurrence of SearchText in the visible text in "<Tag>" and "</Tag>" without
// breaking existing tags.
String HighlightInMarkup(StringView Text, StringView SearchText, StringView Tag, bool CaseSensitive);
// Removes every "<Tag>" and "</Tag>" (any case), then turns every "&lt;" and "&gt;" into "<"
// and ">".
String RemoveMarkupHighlight(StringView Text, StringView Tag);

}  // namespace gw
