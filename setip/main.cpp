// KVTSetIP: gives a KVT-80 unit with the Ethernet option its network address over the serial
// line. With --port/--ip options it runs without a window (see CommandLineMode.h).
#include <QApplication>
#include <iostream>
#include <string_view>
#include <vector>

#include "CommandLineMode.h"
#include "SetIpWindow.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (kvt::setip::AsksToRegister(arguments)) {
        return 0;
    }
    if (kvt::setip::IsCommandLineUse(arguments)) {
        return kvt::setip::RunCommandLine(arguments, std::cout, std::cerr);
    }
    QApplication application(argc, argv);
    kvt::setip::SetIpWindow window;
    window.show();
    return QApplication::exec();
}
