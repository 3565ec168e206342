#include "cli/ParcelonCli.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Qt's settings and paths want an application object; it runs no event loop.
    QCoreApplication application(argc, argv);
    return RunParcelon(args);
}
