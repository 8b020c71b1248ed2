// The registry of the grid's drop-down editor factories.
#include "grid/interaction/drop_down_editors.h"

#include <map>

namespace gw {

namespace {

std::map<int, TDropDownEditorFactory>& Factories()
{
    static std::map<int, TDropDownEditorFactory> factories;
    return factories;
}

}  // namespace

void RegisterDropDownEditor(TEditorType Type, TDropDownEditorFactory Factory)
{
    Factories()[static_cast<int>(Type)] = std::move(Factory);
}

const TDropDownEditorFactory* FindDropDownEditor(TEditorType Type)
{
    const auto found = Factories().find(static_cast<int>(Type));
    return found == Factories().end() || !found->second ? nullptr : &found->second;
}

}  // namespace gw
