// A rectangle of grid cells: first and last column and row, both ends included. The model uses
// the class library grid's own rectangle, so that a selection passes without conversion.
#pragma once

#include "platform/grids/grid_types.h"
