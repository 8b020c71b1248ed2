// The XML document's writer: the indented form the configuration files are saved in.
#pragma once

#include <string>

namespace pugi {
class xml_node;
}

namespace gw::detail {

// Indentation grows by two blanks a level up to this depth and stays there, so that a deeply
// nested document costs no more per line than a shallow one.
constexpr unsigned kMaxIndentLevels = 32;

// Appends the document (or node) as UTF-8 without a declaration of its own: every node that is
// not text on its own line, indented by two blanks a level; text, and what follows it up to
// the next closing tag, stays on the line. Reserved characters and control characters are
// written as references (a CR too, so that reading does not turn it into a line break); "--"
// in comments, "?>" in processing instructions and "]]>" in CDATA are split as the syntax
// requires. The order is the document's; the walk keeps no stack, whatever the depth.
void WriteXml(const pugi::xml_node& Root, std::string& Out);

}  // namespace gw::detail
