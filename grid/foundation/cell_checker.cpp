// The do-nothing base behaviour of a cell checker.
#include "grid/foundation/cell_checker.h"

namespace gw {

String TExtStringGridCheck::MarkError(Integer /*ACol*/, Integer /*ARow*/, const String& s) { return s; }

String TExtStringGridCheck::Correct(Integer /*ACol*/, Integer /*ARow*/, const String& s) { return s; }

void TExtStringGridCheck::StartCheck() {}

void TExtStringGridCheck::StopCheck() {}

}  // namespace gw
