// The lines the tool sends, as the unit receives them.
#include <gtest/gtest.h>

#include "UnitCommands.h"

namespace kvt::setip {
namespace {

TEST(UnitCommands, AddressGoesOutAsTabSeparatedDecimalOctets) {
    EXPECT_EQ(AddressCommand("ip", 0xC0A80114u), "ip 192\t168\t1\t20\r");
    EXPECT_EQ(AddressCommand("mask", 0xFFFFFF00u), "mask 255\t255\t255\t0\r");
    EXPECT_EQ(AddressCommand("gateway", 0), "gateway 0\t0\t0\t0\r");
}

TEST(UnitCommands, SetUpLeavesTheSelectionSwitchesDhcpOffThenSetsTheAddresses) {
    const NetworkAddresses addresses{0xC0A80114u, 0xFFFFFF00u, 0xC0A80101u};
    EXPECT_EQ(SetUpCommands(addresses),
              (std::vector<std::string>{"close\r", "dhcp 0\r", "ip 192\t168\t1\t20\r",
                                        "mask 255\t255\t255\t0\r", "gateway 192\t168\t1\t1\r"}));
}

}  // namespace
}  // namespace kvt::setip
