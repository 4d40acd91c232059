#include "open_errors.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {

using kvtcomm::DescribeOpenFailure;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(OpenErrorText, PermissionDeniedNamesTheDialoutGroup) {
    for (int error : {EACCES, EPERM}) {
        const std::string text = DescribeOpenFailure("/dev/ttyUSB0", error);
        EXPECT_TRUE(Contains(text, "Permission denied")) << text;
        EXPECT_TRUE(Contains(text, "/dev/ttyUSB0")) << text;
        EXPECT_TRUE(Contains(text, "'dialout' group")) << text;
        EXPECT_TRUE(Contains(text, "usermod -aG dialout")) << text;
    }
}

TEST(OpenErrorText, BusyPortSaysItIsInUse) {
    for (int error : {EBUSY, EWOULDBLOCK}) {
        const std::string text = DescribeOpenFailure("/dev/ttyS0", error);
        EXPECT_TRUE(Contains(text, "/dev/ttyS0 is in use")) << text;
    }
}

TEST(OpenErrorText, MissingDeviceSaysSo) {
    const std::string text = DescribeOpenFailure("/dev/ttyS4", ENOENT);
    EXPECT_TRUE(Contains(text, "/dev/ttyS4")) << text;
    EXPECT_TRUE(Contains(text, "no such device")) << text;
}

TEST(OpenErrorText, OtherErrorsGiveTheSystemReason) {
    const std::string text = DescribeOpenFailure("/dev/ttyS4", EIO);
    EXPECT_TRUE(Contains(text, "/dev/ttyS4")) << text;
    EXPECT_TRUE(Contains(text, "Input/output error")) << text;
    EXPECT_FALSE(Contains(text, "dialout")) << text;
}

}  // namespace
