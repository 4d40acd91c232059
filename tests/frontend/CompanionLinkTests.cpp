// The link with the companion program on a private D-Bus session bus started by the test: the
// offer, the channel messages both ways, the end of the link, and no link without a companion.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "CompanionLink.h"

namespace kvt::frontend {
namespace {

constexpr int kTimeoutMs = 5000;

// A bus of the test's own, so the user's session and other tests are never touched.
class PrivateBus {
  public:
    PrivateBus() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {"--session", "--nofork", "--nopidfile", "--print-address"});
        if (!daemon_.waitForStarted(kTimeoutMs) || !daemon_.waitForReadyRead(kTimeoutMs)) {
            return;
        }
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~PrivateBus() {
        for (const QString& name : names_) {
            QDBusConnection::disconnectFromBus(name);
        }
        daemon_.kill();
        daemon_.waitForFinished(kTimeoutMs);
    }
    bool Running() const { return !address_.isEmpty(); }

    // A new connection to the bus, as another program would have.
    QDBusConnection Connect(const QString& name) {
        names_.push_back(name);
        return QDBusConnection::connectToBus(address_, name);
    }

  private:
    QProcess daemon_;
    QString address_;
    QStringList names_;
};

class CompanionLinkOnABus : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!bus.Running()) {
            GTEST_SKIP() << "dbus-daemon could not be started";
        }
        programBus = std::make_unique<QDBusConnection>(bus.Connect(QStringLiteral("program")));
        companionBus = std::make_unique<QDBusConnection>(bus.Connect(QStringLiteral("companion")));
        ASSERT_TRUE(programBus->isConnected());
        ASSERT_TRUE(companionBus->isConnected());
        program = std::make_unique<CompanionLink>(*programBus);
        ASSERT_TRUE(program->Registered());
    }

    // The companion: the same link object on its own connection, under its well-known name.
    void StartCompanion() {
        companion = std::make_unique<CompanionLink>(*companionBus);
        ASSERT_TRUE(companionBus->registerService(CompanionLink::kCompanionService));
    }

    PrivateBus bus;
    std::unique_ptr<QDBusConnection> programBus;
    std::unique_ptr<QDBusConnection> companionBus;
    std::unique_ptr<CompanionLink> program;
    std::unique_ptr<CompanionLink> companion;
};

TEST_F(CompanionLinkOnABus, NoCompanionMeansNoLinkAndNothingSent) {
    EXPECT_FALSE(program->CompanionRunning());
    program->OfferLink();
    program->SendChannelChange(3);
    EXPECT_TRUE(program->LinkedPeer().isEmpty());
}

TEST_F(CompanionLinkOnABus, OfferedLinkCarriesChannelsBothWaysUntilItEnds) {
    StartCompanion();
    ASSERT_TRUE(program->CompanionRunning());
    program->OfferLink();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !companion->LinkedPeer().isEmpty(); }, kTimeoutMs));
    EXPECT_EQ(companion->LinkedPeer(), programBus->baseService());

    // The companion answers the offer with a link of its own, then selects a channel.
    QSignalSpy linked(program.get(), &CompanionLink::linkChanged);
    QDBusMessage init =
        QDBusMessage::createMethodCall(programBus->baseService(), CompanionLink::kObjectPath,
                                       CompanionLink::kInterface, "InitLink");
    init.setArguments({companionBus->baseService()});
    companionBus->send(init);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !program->LinkedPeer().isEmpty(); }, kTimeoutMs));
    EXPECT_EQ(linked.count(), 1);

    QSignalSpy fromCompanion(program.get(), &CompanionLink::channelChangeReceived);
    companion->SendChannelChange(4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fromCompanion.count() == 1; }, kTimeoutMs));
    EXPECT_EQ(fromCompanion.at(0).at(0).toInt(), 4);

    QSignalSpy toCompanion(companion.get(), &CompanionLink::channelChangeReceived);
    program->SendChannelChange(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return toCompanion.count() == 1; }, kTimeoutMs));
    EXPECT_EQ(toCompanion.at(0).at(0).toInt(), 2);

    // The program ends the link: the companion hears of it and nothing more is sent.
    program->Terminate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return companion->LinkedPeer().isEmpty(); }, kTimeoutMs));
    program->SendChannelChange(5);
    QTest::qWait(100);
    EXPECT_EQ(toCompanion.count(), 1);
}

TEST_F(CompanionLinkOnABus, CompanionThatEndsTheLinkStopsTheChannelMessages) {
    StartCompanion();
    program->InitLink(companionBus->baseService());
    companion->InitLink(programBus->baseService());
    companion->Terminate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return program->LinkedPeer().isEmpty(); }, kTimeoutMs));
}

TEST(CompanionLinkWithoutABus, IsQuietlyAbsent) {
    CompanionLink link(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                     QStringLiteral("nowhere")));
    EXPECT_FALSE(link.Registered());
    EXPECT_FALSE(link.CompanionRunning());
    link.OfferLink();
    link.SendChannelChange(1);
    QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));
}

}  // namespace
}  // namespace kvt::frontend
