#include "transport_test_support.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace transport_test;

// A socket on 127.0.0.1 with a free port chosen by the system; listening on request.
class LocalSocket {
  public:
    explicit LocalSocket(bool listening) {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            (listening && ::listen(fd_, 4) != 0) ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            throw std::runtime_error("cannot set up a local socket");
        }
        port_ = ntohs(address.sin_port);
    }
    ~LocalSocket() {
        CloseAccepted();
        ::close(fd_);
    }
    LocalSocket(const LocalSocket&) = delete;
    LocalSocket& operator=(const LocalSocket&) = delete;

    std::uint16_t Port() const { return port_; }

    bool Accept() {
        pollfd entry{fd_, POLLIN, 0};
        if (::poll(&entry, 1, static_cast<int>(kHangGuard.count())) != 1) {
            return false;
        }
        accepted_ = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        return accepted_ >= 0;
    }

    bool Send(std::string_view bytes) {
        return ::send(accepted_, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(bytes.size());
    }

    std::string Receive(std::size_t count) {
        std::string got;
        char buffer[4096];
        pollfd entry{accepted_, POLLIN, 0};
        while (got.size() < count && ::poll(&entry, 1, static_cast<int>(kHangGuard.count())) == 1) {
            const ssize_t n =
                ::recv(accepted_, buffer, std::min(sizeof buffer, count - got.size()), 0);
            if (n <= 0) {
                break;
            }
            got.append(buffer, static_cast<std::size_t>(n));
        }
        return got;
    }

    void CloseAccepted() {
        if (accepted_ >= 0) {
            ::close(accepted_);
            accepted_ = -1;
        }
    }

  private:
    int fd_ = -1;
    int accepted_ = -1;
    std::uint16_t port_ = 0;
};

class TcpAddresses : public testing::TestWithParam<const char*> {};

TEST_P(TcpAddresses, CarryBytesBothWays) {
    LocalSocket unit(true);
    BurstRecorder recorder;
    const std::string name = GetParam() + std::to_string(unit.Port());
    std::uint32_t error = 99;
    OpenPort port = Open(name, BurstRecorder::Callback, &recorder, &error);
    ASSERT_TRUE(port) << GetCommOpenErrorText();
    EXPECT_EQ(error, KVTCOMM_OK);
    ASSERT_TRUE(unit.Accept());

    WriteCommBuf(port.get(), "status\r", 7, 0, nullptr);
    EXPECT_EQ(unit.Receive(7), "status\r");
    WriteCommBuf(port.get(), "rdval\r", 6, 1, nullptr);
    EXPECT_EQ(unit.Receive(6), "rdval\r");

    ASSERT_TRUE(unit.Send("STATUS OK\r\n>"));
    ASSERT_TRUE(recorder.WaitForBytes(12));
    EXPECT_EQ(recorder.Bytes(), "STATUS OK\r\n>");
    for (const std::string& call : recorder.Calls()) {
        EXPECT_EQ(call.back(), '\0');
    }
    EXPECT_EQ(Stats(port.get())[0], 12u);
    EXPECT_EQ(Stats(port.get())[2], 13u);
}

INSTANTIATE_TEST_SUITE_P(TcpLink, TcpAddresses,
                         testing::Values("127.0.0.1:", "tcp:127.0.0.1:", "tcp:localhost:"));

TEST(TcpLink, PollingStyleWorksOverTcp) {
    LocalSocket unit(true);
    OpenPort port = Open("tcp:127.0.0.1:" + std::to_string(unit.Port()));
    ASSERT_TRUE(port) << GetCommOpenErrorText();
    ASSERT_TRUE(unit.Accept());

    ASSERT_TRUE(unit.Send("IP=10.0.0.5\r\n>"));
    std::string got;
    ASSERT_TRUE(WaitUntil([&] {
        char buffer[8];
        got.append(buffer, ReadCommBuf(port.get(), buffer, sizeof buffer, nullptr));
        return got.size() >= 14;
    }));
    EXPECT_EQ(got, "IP=10.0.0.5\r\n>");
}

TEST(TcpLink, RefusedConnectionGivesError4WithText) {
    LocalSocket notListening(false);
    const std::string name = "127.0.0.1:" + std::to_string(notListening.Port());
    std::uint32_t error = 0;
    OpenPort port = Open(name, nullptr, nullptr, &error);
    EXPECT_FALSE(port);
    EXPECT_EQ(error, KVTCOMM_ERROR_UNREACHABLE);
    const std::string text = GetCommOpenErrorText();
    EXPECT_NE(text.find(name), std::string::npos) << text;
    EXPECT_NE(text.find("refused"), std::string::npos) << text;
}

TEST(TcpLink, PeerClosingEndsDeliveryAndLaterWritesFail) {
    LocalSocket unit(true);
    BurstRecorder recorder;
    const auto before = ReceiveThreadIds();
    OpenPort port =
        Open("127.0.0.1:" + std::to_string(unit.Port()), BurstRecorder::Callback, &recorder);
    ASSERT_TRUE(port) << GetCommOpenErrorText();
    const int receiver = NewReceiveThread(before);
    ASSERT_NE(receiver, -1);
    ASSERT_TRUE(unit.Accept());

    ASSERT_TRUE(unit.Send("bye>"));
    ASSERT_TRUE(recorder.WaitForBytes(4));
    unit.CloseAccepted();

    // The receive thread ends rather than spinning on the closed stream.
    ASSERT_TRUE(WaitUntil([&] { return !ThreadAlive(receiver); }));
    EXPECT_EQ(recorder.Bytes(), "bye>");

    // The first write after the close may still be accepted locally; the peer's reset makes a
    // later one fail, and the process is not killed by SIGPIPE on the way.
    EXPECT_TRUE(WaitUntil([&] {
        WriteCommBuf(port.get(), "x", 1, 0, nullptr);
        return GetCommLastWriteError(port.get()) == KVTCOMM_WRITE_FAILED;
    }));
}

}  // namespace
