#include <gtest/gtest.h>

#include <fstream>

#include "EngineFixture.h"

namespace kvt {
namespace {

using testing::EngineOnSimulatedUnit;
using testing::ScopedConfigHome;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(EngineSettings, FreshEngineUsesDefaultsAndCreatesTheFile) {
    ScopedConfigHome config;
    std::unique_ptr<IKVT80> engine;
    ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), 0);
    Variant port;
    Variant rate;
    ASSERT_EQ(engine->get_ComPort(&port), 0);
    ASSERT_EQ(engine->get_BitRate(&rate), 0);
    EXPECT_EQ(port.Type(), VT_BSTR);
    EXPECT_EQ(port.StringValue(), u"COM1:");
    EXPECT_EQ(rate.Type(), VT_I4);
    EXPECT_EQ(rate.Int32(), 38400);
    EXPECT_TRUE(std::filesystem::exists(config.SettingsFile()));
    EXPECT_EQ(ReadFile(config.SettingsFile()).find("ComPort"), std::string::npos);
    engine->Cleanup();
}

TEST(EngineSettings, PutsAreStoredAndReadByTheNextEngine) {
    ScopedConfigHome config;
    {
        std::unique_ptr<IKVT80> engine;
        ASSERT_EQ(CreateEngine("KVT80CE.KVT80CE.1", engine), 0);
        EXPECT_EQ(engine->put_ComPort(Variant::String(u"/dev/ttyUSB3")), 0);
        EXPECT_EQ(engine->put_BitRate(Variant::Int(115200)), 0);
        engine->Cleanup();
    }
    const std::string text = ReadFile(config.SettingsFile());
    EXPECT_NE(text.find("ComPort=/dev/ttyUSB3"), std::string::npos);
    EXPECT_NE(text.find("BitRate=115200"), std::string::npos);

    std::unique_ptr<IKVT80> next;
    ASSERT_EQ(CreateEngine("kvt80.kvt80.1", next), 0);
    Variant port;
    Variant rate;
    next->get_ComPort(&port);
    next->get_BitRate(&rate);
    EXPECT_EQ(port.StringValue(), u"/dev/ttyUSB3");
    EXPECT_EQ(rate.Int32(), 115200);
    next->Cleanup();
}

TEST(EngineSettings, MissingValuesInAnExistingFileKeepTheDefaults) {
    ScopedConfigHome config;
    std::filesystem::create_directories(config.SettingsFile().parent_path());
    std::ofstream(config.SettingsFile())
        << "[KVT80]\nBitRate=not a number\n[Other]\nComPort=COM7\n";
    std::unique_ptr<IKVT80> engine;
    ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), 0);
    Variant port;
    Variant rate;
    engine->get_ComPort(&port);
    engine->get_BitRate(&rate);
    EXPECT_EQ(port.StringValue(), u"COM1:");
    EXPECT_EQ(rate.Int32(), 38400);
    engine->Cleanup();
}

TEST(EngineSettings, PortNamesThatCannotBeDevicePathsAreRefused) {
    ScopedConfigHome config;
    std::unique_ptr<IKVT80> engine;
    ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), 0);
    EXPECT_EQ(engine->put_ComPort(Variant::String(std::u16string(256, u'a'))), 87);
    EXPECT_EQ(engine->put_ComPort(Variant::String(u"/dev/ttyS0\nBitRate=1")), 87);
    EXPECT_EQ(engine->put_ComPort(Variant::Int(3)), 87);
    EXPECT_EQ(engine->put_ComPort(Variant::String(u"")), 87);
    EXPECT_EQ(engine->put_ComPort(Variant::String(u"/" + std::u16string(254, u'a'))), 0);
    EXPECT_EQ(engine->get_ComPort(nullptr), 87);
    engine->Cleanup();
}

TEST(EngineSettings, BitRateTakesNumbersAndRefusesWhatCannotBeALineSpeed) {
    ScopedConfigHome config;
    std::unique_ptr<IKVT80> engine;
    ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), 0);
    Variant rate;
    EXPECT_EQ(engine->put_BitRate(Variant::Double(19200.0)), 0);
    engine->get_BitRate(&rate);
    EXPECT_EQ(rate.Int32(), 19200);
    for (const Variant& bad :
         {Variant::Int(0), Variant::Int(-9600), Variant::String(u"fast"), Variant::Bool(true)}) {
        EXPECT_EQ(engine->put_BitRate(bad), 87);
    }
    engine->get_BitRate(&rate);
    EXPECT_EQ(rate.Int32(), 19200);
    EXPECT_NE(ReadFile(config.SettingsFile()).find("BitRate=19200"), std::string::npos);
    engine->Cleanup();
}

TEST(EngineFactory, UnknownIdentifierCreatesNothing) {
    ScopedConfigHome config;
    std::unique_ptr<IKVT80> engine;
    EXPECT_EQ(CreateEngine("KVT90.KVT90", engine), 87);
    EXPECT_FALSE(engine);
}

TEST(EngineFlags, BooleansAreTrueOnlyForMinusOne) {
    ScopedConfigHome config;
    KVT80 engine;
    ASSERT_EQ(engine.Initialize(), 0);
    Variant value;
    ASSERT_EQ(engine.get_UpdateInputs(&value), 0);
    EXPECT_TRUE(value.IsTrue());
    EXPECT_EQ(engine.put_UpdateInputs(Variant::Int(0)), 87);
    EXPECT_EQ(engine.put_UpdateInputs(Variant::Bool16(1)), 0);
    engine.get_UpdateInputs(&value);
    EXPECT_FALSE(value.IsTrue());
    EXPECT_EQ(engine.put_UpdateInputs(Variant::Bool(true)), 0);
    engine.get_UpdateInputs(&value);
    EXPECT_TRUE(value.IsTrue());

    VariantBool ready = 5;
    ASSERT_EQ(engine.get_Initialized(&ready), 0);
    EXPECT_EQ(ready, VARIANT_FALSE);
    engine.put_Initialized(1);
    engine.get_Initialized(&ready);
    EXPECT_EQ(ready, VARIANT_FALSE);
    engine.put_Initialized(VARIANT_TRUE);
    engine.get_Initialized(&ready);
    EXPECT_EQ(ready, VARIANT_TRUE);
    EXPECT_EQ(engine.get_Initialized(nullptr), 87);
    EXPECT_EQ(engine.get_Connected(nullptr), 87);
    engine.Cleanup();
}

TEST_F(EngineOnSimulatedUnit, ConnectOpensTheLinkWithoutTalkingToTheUnit) {
    Variant connected;
    engine->get_Connected(&connected);
    EXPECT_EQ(connected.Type(), VT_BOOL);
    EXPECT_FALSE(connected.IsTrue());
    ASSERT_EQ(engine->Connect(), 0);
    engine->get_Connected(&connected);
    EXPECT_TRUE(connected.IsTrue());
    EXPECT_EQ(engine->Connect(), 1247);
    EXPECT_TRUE(unit.ReceivedLines().empty());
    VariantBool ready = VARIANT_TRUE;
    engine->get_Initialized(&ready);
    EXPECT_EQ(ready, VARIANT_FALSE);
}

TEST_F(EngineOnSimulatedUnit, PortThatCannotBeOpenedGives110) {
    ASSERT_EQ(engine->put_ComPort(Variant::String(u"/dev/kvt80-no-such-port")), 0);
    EXPECT_EQ(engine->Connect(), 110);
    EXPECT_NE(engine->LastConnectError().find("/dev/kvt80-no-such-port"), std::string::npos);
    Variant connected;
    engine->get_Connected(&connected);
    EXPECT_FALSE(connected.IsTrue());
}

TEST_F(EngineOnSimulatedUnit, UnreachableRemoteAddressGives487) {
    ASSERT_EQ(engine->put_ComPort(Variant::String(u"127.0.0.1:1")), 0);
    EXPECT_EQ(engine->Connect(), 487);
    ASSERT_EQ(engine->put_ComPort(Variant::String(u"TCP/IP")), 0);
    EXPECT_EQ(engine->Connect(), 487);  // no remote address chosen
}

TEST(RemoteUnit, TcpIpPortConnectsToTheRemoteAddressAndRetrieves) {
    testing::ScopedConfigHome config;
    sim::SimulatedUnit remote;
    const uint16_t port = remote.StartTcp();
    KVT80 engine;
    ASSERT_EQ(engine.Initialize(), 0);
    engine.SetTimings(testing::FastTimings());
    ASSERT_EQ(engine.put_ComPort(Variant::String(u"TCP/IP")), 0);
    ASSERT_EQ(engine.put_RemoteAddress(FromUtf8("127.0.0.1:" + std::to_string(port))), 0);
    ASSERT_EQ(engine.Connect(), 0);
    EXPECT_EQ(engine.QueryKVT(), 0);
    Variant project;
    engine.get_ProjectName(&project);
    EXPECT_EQ(project.StringValue(), u"Simulated unit");
    engine.Disconnect();
    engine.Cleanup();
    remote.Stop();
}

TEST_F(EngineOnSimulatedUnit, DisconnectReportsSilentInputsOnceAndOnlyWithALink) {
    EXPECT_EQ(engine->Disconnect(), 0);
    EXPECT_TRUE(events->Events().empty());
    ASSERT_EQ(engine->Connect(), 0);
    EXPECT_EQ(engine->Disconnect(), 0);
    const auto levels = events->Named("InputLevelsUpdated");
    ASSERT_EQ(levels.size(), 1u);
    EXPECT_EQ(levels[0].arguments[0].DoubleValue(), -80.0);
    EXPECT_EQ(levels[0].arguments[1].DoubleValue(), -80.0);
    EXPECT_EQ(engine->Disconnect(), 0);
    EXPECT_EQ(events->Named("InputLevelsUpdated").size(), 1u);
    Variant connected;
    engine->get_Connected(&connected);
    EXPECT_FALSE(connected.IsTrue());
}

TEST_F(EngineOnSimulatedUnit, ConnectAfterDisconnectWorksAgain) {
    ASSERT_EQ(engine->Connect(), 0);
    ASSERT_EQ(engine->Disconnect(), 0);
    ASSERT_EQ(engine->Connect(), 0);
    EXPECT_EQ(engine->CallerExchange("button ?\r").status, 0);
}

TEST_F(EngineOnSimulatedUnit, WritesQueuedWhileNotReadyNeverReachTheUnit) {
    unit.SetMemory(1, 2, 0);
    unit.SetMemory(1, 3, 0);
    engine->QueueParameterWrite(1, 2, 0x55);  // not connected
    ASSERT_EQ(engine->Connect(), 0);
    engine->QueueParameterWrite(1, 3, 0x66);  // connected, not ready
    ASSERT_TRUE(testing::Eventually([&] { return engine->Pending().AllEmpty(); }));
    engine->put_Initialized(VARIANT_TRUE);
    engine->QueueParameterWrite(3, 0, 0x11);
    ASSERT_TRUE(unit.WaitForLines(2, std::chrono::seconds(10)));
    ASSERT_TRUE(testing::Eventually([&] { return unit.Memory(3, 0) == 0x11; }));
    for (const auto& line : unit.ReceivedLines()) {
        EXPECT_EQ(line.find("wrtval 000002"), std::string::npos) << line;
        EXPECT_EQ(line.find("wrtval 000003"), std::string::npos) << line;
    }
    EXPECT_EQ(unit.Memory(1, 2), 0u);
    EXPECT_EQ(unit.Memory(1, 3), 0u);
}

TEST_F(EngineOnSimulatedUnit, CleanupEndsTheWorkerAndLeavesThePortOpen) {
    ConnectReady();
    ASSERT_EQ(engine->Cleanup(), 0);
    engine->QueueParameterWrite(3, 0, 0x22);
    std::this_thread::sleep_for(
        std::chrono::milliseconds(100));  // a worker would have sent it by now
    EXPECT_TRUE(unit.ReceivedLines().empty());
    EXPECT_EQ(engine->Pending().Size(3), 1u);
    Variant connected;
    engine->get_Connected(&connected);
    EXPECT_TRUE(connected.IsTrue());
    EXPECT_EQ(engine->CallerExchange("level ?\r").status, 0);  // the link still works
}

}  // namespace
}  // namespace kvt
