// Dotted addresses and the mask and gateway an address suggests.
#include <gtest/gtest.h>

#include "NetworkAddress.h"

namespace kvt::setip {
namespace {

Ipv4Address Address(const char* text) {
    const auto address = ParseAddress(text);
    EXPECT_TRUE(address.has_value()) << text;
    return address.value_or(0);
}

TEST(SuggestRoute, ClassAAddressGetsAnEightBitMask) {
    const auto route = SuggestRoute(Address("10.1.2.3"));
    ASSERT_TRUE(route.has_value());
    EXPECT_EQ(FormatAddress(route->mask), "255.0.0.0");
    EXPECT_EQ(FormatAddress(route->gateway), "10.1.2.1");
}

TEST(SuggestRoute, ClassBAddressGetsASixteenBitMask) {
    const auto route = SuggestRoute(Address("172.16.5.9"));
    ASSERT_TRUE(route.has_value());
    EXPECT_EQ(FormatAddress(route->mask), "255.255.0.0");
    EXPECT_EQ(FormatAddress(route->gateway), "172.16.5.1");
}

TEST(SuggestRoute, ClassCAddressGetsATwentyFourBitMask) {
    const auto route = SuggestRoute(Address("192.168.1.20"));
    ASSERT_TRUE(route.has_value());
    EXPECT_EQ(FormatAddress(route->mask), "255.255.255.0");
    EXPECT_EQ(FormatAddress(route->gateway), "192.168.1.1");
}

TEST(SuggestRoute, AddressesAbove223GetTheFullMask) {
    const auto route = SuggestRoute(Address("224.0.0.9"));
    ASSERT_TRUE(route.has_value());
    EXPECT_EQ(FormatAddress(route->mask), "255.255.255.255");
    EXPECT_EQ(FormatAddress(route->gateway), "224.0.0.1");
}

TEST(SuggestRoute, ClassBoundariesFollowTheFirstOctet) {
    const std::pair<const char*, const char*> cases[] = {
        {"1.0.0.0", "255.0.0.0"},         {"127.9.9.9", "255.0.0.0"},
        {"128.0.0.0", "255.255.0.0"},     {"191.255.255.255", "255.255.0.0"},
        {"192.0.0.0", "255.255.255.0"},   {"223.1.1.1", "255.255.255.0"},
        {"224.1.1.1", "255.255.255.255"}, {"255.255.255.255", "255.255.255.255"},
    };
    for (const auto& [ip, mask] : cases) {
        const auto route = SuggestRoute(Address(ip));
        ASSERT_TRUE(route.has_value()) << ip;
        EXPECT_EQ(FormatAddress(route->mask), mask) << ip;
    }
}

TEST(SuggestRoute, FirstOctetZeroSuggestsNothing) {
    EXPECT_FALSE(SuggestRoute(Address("0.1.2.3")).has_value());
    EXPECT_FALSE(SuggestRoute(0).has_value());
}

TEST(ParseAddress, ReadsFourDottedOctetsMostSignificantFirst) {
    EXPECT_EQ(ParseAddress("192.168.1.20"), 0xC0A80114u);
    EXPECT_EQ(ParseAddress("0.0.0.0"), 0u);
    EXPECT_EQ(ParseAddress("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseAddress("010.001.000.009"), 0x0A010009u);
}

TEST(ParseAddress, RefusesAnythingButFourOctets) {
    for (const char* text :
         {"", "192.168.1", "192.168.1.20.5", "192.168.1.256", "192.168..20", "192.168.1.",
          ".192.168.1", "192.168.1.2x", " 192.168.1.20", "192.168.1.20 ", "+1.2.3.4", "-1.2.3.4",
          "1.2.3.0004", "1,2,3,4", "a.b.c.d"}) {
        EXPECT_FALSE(ParseAddress(text).has_value()) << '"' << text << '"';
    }
}

TEST(FormatAddress, WritesDecimalOctetsWithDots) {
    EXPECT_EQ(FormatAddress(0xC0A80114u), "192.168.1.20");
    EXPECT_EQ(FormatAddress(0), "0.0.0.0");
    EXPECT_EQ(FormatAddress(0xFFFFFFFFu), "255.255.255.255");
}

TEST(Octets, FirstOctetIsTheTopByte) {
    EXPECT_EQ(ToOctets(0xC0A80114u), (Octets{192, 168, 1, 20}));
    EXPECT_EQ(FromOctets({10, 1, 2, 3}), 0x0A010203u);
}

}  // namespace
}  // namespace kvt::setip
