// Words for a failed open, as the user of a front end will read them.
#pragma once

#include <string>
#include <string_view>

namespace kvtcomm {

// Why opening the device at path failed with the given errno value. Permission problems name
// the dialout group, which is how Linux grants access to serial devices.
std::string DescribeOpenFailure(std::string_view path, int error);

}  // namespace kvtcomm
