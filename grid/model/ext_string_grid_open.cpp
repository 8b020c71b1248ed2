// The string grid's members whose behaviour is not built yet. Each raises ENotBuiltYet naming
// itself; the change that builds a member moves its body to the file of its concern
// (docs/ARCHITECTURE.md, "The string grid's rooms").
#include "grid/model/ext_string_grid.h"
#include "platform/runtime/unicode.h"

namespace gw {

void TExtStringGrid::NotBuiltYet(const char* Member)
{
    throw ENotBuiltYet(u"TExtStringGrid." + Utf8ToString(Member) + u" is not built yet");
}

// --- overrides of the base grid's hooks: the base grid's behaviour until their room builds them ---
void TExtStringGrid::CellChanged(Integer ACol, Integer ARow) { TBaseGrid::CellChanged(ACol, ARow); }
bool TExtStringGrid::HasCustomBorders() const { return TBaseGrid::HasCustomBorders(); }

// --- not built yet ----------------------------------------------------------------------------
TForm* TExtStringGrid::FindParentForm(TControl* /*Control*/) const { NotBuiltYet("FindParentForm"); }
bool TExtStringGrid::RegisterDropTarget() { NotBuiltYet("RegisterDropTarget"); }
void TExtStringGrid::RevokeDropTarget() { NotBuiltYet("RevokeDropTarget"); }
void TExtStringGrid::SetOleRtfAcceptFlag(bool /*Value*/) { NotBuiltYet("SetOleRtfAcceptFlag"); }
void TExtStringGrid::DoPrintGetPageNum(Integer /*APage*/, String& /*PageNumStr*/) { NotBuiltYet("DoPrintGetPageNum"); }

}  // namespace gw
