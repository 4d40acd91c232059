// The simulated unit behind a TCP port.
#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "SimulatedUnit.h"

namespace kvt::sim::test {
namespace {

TEST(TcpLine, ServesTheCommandProtocol) {
    SimulatedUnit unit;
    const uint16_t port = unit.StartTcp();
    ASSERT_NE(port, 0);
    LineClient client = LineClient::ConnectTcp(port);
    EXPECT_EQ(client.Exchange("open 93", "93>"), "open 93\r\n93>");
    EXPECT_EQ(client.Exchange("rdval 00 01E", "93>"), "rdval 00 01E\r\n000153\r\n93>");
}

TEST(TcpLine, NextClientIsServedAfterTheFirstLeaves) {
    SimulatedUnit unit;
    const uint16_t port = unit.StartTcp();
    {
        LineClient first = LineClient::ConnectTcp(port);
        first.Send("lev");  // a half line that must not reach the next client's first line
        first.Send("\x1b");
        EXPECT_EQ(first.ReadUntil([](const std::string& text) { return text.ends_with(">"); }),
                  "\r\n>");
        EXPECT_EQ(first.Exchange("level 30"), "level 30\r\n>");
    }
    LineClient second = LineClient::ConnectTcp(port);
    EXPECT_EQ(second.Exchange("level ?"), "level ?\r\n30\r\n>");
}

TEST(TcpLine, SecondClientWaitsUntilTheFirstLeaves) {
    SimulatedUnit unit;
    const uint16_t port = unit.StartTcp();
    std::optional<LineClient> first(LineClient::ConnectTcp(port));
    EXPECT_EQ(first->Exchange("rdu3"), "rdu3\r\n1\r\n>");
    LineClient second = LineClient::ConnectTcp(port);
    second.Send("picver\r");
    EXPECT_EQ(first->Exchange("rdu3"), "rdu3\r\n1\r\n>");
    first.reset();
    EXPECT_EQ(second.ReadUntil([](const std::string& text) { return text.ends_with(">"); }),
              "picver\r\n021400\r\n>");
}

TEST(TcpLine, ClosePortEndsTheConnectionAndTheNextClientConnects) {
    SimulatedUnit unit;
    const uint16_t port = unit.StartTcp();
    Fault fault;
    fault.kind = FaultKind::ClosePort;
    unit.InjectFault(fault);
    LineClient first = LineClient::ConnectTcp(port);
    first.Send("status\r");
    EXPECT_TRUE(first.WaitForHangUp());
    LineClient second = LineClient::ConnectTcp(port);
    EXPECT_EQ(second.Exchange("picver"), "picver\r\n021400\r\n>");
}

TEST(TcpLine, ExplicitPortIsUsed) {
    SimulatedUnit probe;
    const uint16_t free = probe.StartTcp();
    probe.Stop();
    SimulatedUnit unit;
    EXPECT_EQ(unit.StartTcp(free), free);
}

}  // namespace
}  // namespace kvt::sim::test
