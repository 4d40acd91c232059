#include "open_errors.h"

#include "port_names.h"

#include <cerrno>
#include <system_error>

namespace kvtcomm {

std::string DescribeOpenFailure(std::string_view path, int error) {
    const std::string port = PrintableName(path);
    switch (error) {
        case EACCES:
        case EPERM:
            return "Permission denied opening " + port +
                   ": add your user to the 'dialout' group (sudo usermod -aG dialout $USER) and "
                   "log in again.";
        case EBUSY:
        case EWOULDBLOCK:
            return "Port " + port +
                   " is in use (another program, or this one, already has it open).";
        case ENOENT:
            return "Cannot open " + port + ": no such device.";
        case ENXIO:
        case ENODEV:
            return "Cannot open " + port + ": the device is not present (unplugged?).";
        case ENOTTY:
            return "Cannot open " + port + ": it is not a serial device.";
        default:
            return "Cannot open " + port + ": " + std::generic_category().message(error) + ".";
    }
}

}  // namespace kvtcomm
