// The main of the test programs that use the grid: the drop-down editors first, then the tests.
#include "dropdown/grid_drop_down_editors.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    gw::RegisterGridDropDownEditors();
    return RUN_ALL_TESTS();
}
