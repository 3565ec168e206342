#include <cstdio>

int main() {
    std::puts("Brimvale Parcelon 1.4");
}
