// Program entry of the configurator.
#include <cstdio>

int main()
{
    std::puts("GW52818 configurator: the main window is not built yet.");
    return 0;
}
