// The column grid unit's start-up and shut-down: its three classes registered by name.
#include "grid/model/ext_column_grid.h"
#include "grid/model/grid_column_item.h"
#include "platform/runtime/class_registry.h"

namespace gw {

namespace {

const TPersistentClassInfo ColumnGridClasses[] = {
    ClassInfoOf<TExtColumnGrid>(u"TExtColumnGrid"),
    ClassInfoOf<TGridColumnItem>(u"TGridColumnItem"),
    ClassInfoOf<TGridColumnCollection, TExtColumnGrid>(u"TGridColumnCollection"),
};

bool Started = false;

}  // namespace

void TExtColumnGrid::StartUp()
{
    if (Started) return;
    Started = true;
    // A name another class already holds ends the registration there; the unit starts anyway.
    TryRegisterClasses(ColumnGridClasses);
}

void TExtColumnGrid::ShutDown()
{
    if (!Started) return;
    Started = false;
    UnRegisterClasses(ColumnGridClasses);
}

}  // namespace gw
