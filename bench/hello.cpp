// The yardstick of the command-line benchmark: a statically linked program that prints one line.
#include <cstdio>

int main()
{
    std::puts("hello, world");
    return 0;
}
