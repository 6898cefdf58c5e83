// The floor of the command-line benchmark: a hello world linked as tallyman-cli is (position
// independent, the C library shared, the C++ runtime static) that prints through std::cout.
// No program that Debian packages starts faster than this one on the same machine.
#include <iostream>

int main()
{
    std::cout << "hello, world\n";
    return 0;
}
