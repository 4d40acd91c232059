// Property changes on a retrieved engine travel to the unit: the member stores the value, the
// worker sends the write lines and commits, and the unit's memory ends with the new words.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "EngineFixture.h"
#include "ImageTestSupport.h"

namespace kvt {
namespace {

using testing::At;
using testing::ChannelDelayWord;
using testing::ConfigDirty;
using testing::TotalPending;
using testing::Word24;

using sim::Fault;
using sim::FaultKind;

class RetrievedEngine : public testing::EngineOnSimulatedUnit {
  protected:
    void SetUp() override {
        EngineOnSimulatedUnit::SetUp();
        // No level reads or status polls: the unit sees only what the tests cause.
        ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), 0);
        ASSERT_EQ(engine->Connect(), 0);
        ASSERT_EQ(engine->QueryKVT(), 0);
        unit.ClearReceivedLines();
    }

    // True once every queued write has gone out and the worker has finished its last exchange.
    bool WaitUntilSent() {
        return testing::Eventually([&] { return engine->Pending().AllEmpty(); }) &&
               testing::Eventually(
                   [&] { return engine->WithLink([](auto&, auto&, auto&) { return true; }); });
    }

    // The unit's EEPROM bytes from `address` on.
    std::vector<uint32_t> Eeprom(uint32_t address, size_t count) const {
        std::vector<uint32_t> bytes;
        for (size_t i = 0; i < count; ++i) {
            bytes.push_back(unit.Memory(0, address + static_cast<uint32_t>(i)));
        }
        return bytes;
    }

    // A text as the unit's EEPROM keeps profile fields: UTF-16 units, low byte first, terminated.
    static std::vector<uint32_t> Utf16LeBytes(std::u16string_view text) {
        std::vector<uint32_t> bytes;
        for (const char16_t unitValue : text) {
            bytes.push_back(unitValue & 0xFFu);
            bytes.push_back(unitValue >> 8);
        }
        bytes.push_back(0);
        bytes.push_back(0);
        return bytes;
    }

    bool ConfigFileDirty() {
        Variant dirty;
        engine->get_ConfigFileDirty(&dirty);
        return dirty.IsTrue();
    }
};

constexpr uint32_t kFormatSevenRecord = 29 + 33 * 7;
constexpr uint32_t kFormatSevenText1 = kFormatSevenRecord + 3;

TEST_F(RetrievedEngine, EqualiserBandReachesTheUnitAndIsCommitted) {
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
    ASSERT_TRUE(testing::Eventually([&] { return unit.Memory(4, 0x90) == 0xFFFFE2u; }));
    ASSERT_TRUE(WaitUntilSent());
    EXPECT_TRUE(ConfigFileDirty());

    const auto lines = unit.ReceivedLines();
    const auto write = std::find(lines.begin(), lines.end(), "wrtval 000090 FFFFE2");
    ASSERT_NE(write, lines.end());
    const auto commit = std::find_if(write, lines.end(), [](const std::string& line) {
        return line.rfind("wrtval 100 ", 0) == 0;
    });
    EXPECT_NE(commit, lines.end());
    EXPECT_EQ(unit.Memory(4, 0x100) & 0x0Eu, 0x0Eu);
}

TEST_F(RetrievedEngine, EveryWordOfAValueReachesItsProcessor) {
    ASSERT_EQ(engine->put_SurroundGain(-4.5), 0);
    ASSERT_EQ(engine->put_Delay(100), 0);
    ASSERT_EQ(engine->put_SubwooferGain(0.0), 0);
    ASSERT_EQ(engine->put_HeadroomAdjust(2), 0);
    ASSERT_EQ(engine->put_OutputGain(Variant::Int(2), -5.5), 0);
    ASSERT_EQ(engine->put_SlitEQ(Variant::Int(1), 20.0), 0);
    const struct {
        int block;
        uint32_t address;
        uint32_t word;
    } expected[] = {
        {3, 2, Word24(-45)},    {3, 4, Word24(-45)}, {3, 8, 0xFFC7C0},
        {3, 6, 0xFFFF9C},       {4, 259, 0xC02600},  {5, 259, 0xC02600},
        {6, 1013, Word24(-55)}, {1, 9, 0x500000},    {2, 9, 0x500000},
    };
    ASSERT_TRUE(testing::Eventually([&] {
        return std::all_of(std::begin(expected), std::end(expected), [&](const auto& word) {
            return unit.Memory(word.block, word.address) == word.word;
        });
    }));
    ASSERT_TRUE(WaitUntilSent());
    // Both equaliser processors and both preamps take their new words.
    EXPECT_EQ(unit.Memory(4, 0x100) & 0x0Eu, 0x0Eu);
    EXPECT_EQ(unit.Memory(5, 0x100) & 0x0Eu, 0x0Eu);
    EXPECT_EQ(LinesStartingWith("wrtval 00 ").size(), 2u);
}

TEST_F(RetrievedEngine, ChannelFlagsKeepEachOther) {
    ASSERT_EQ(engine->put_Invert(Variant::Int(3), Variant::Bool(true)), 0);
    ASSERT_EQ(engine->put_Mute(Variant::Int(3), Variant::Bool(true)), 0);
    ASSERT_TRUE(testing::Eventually([&] { return unit.Memory(5, 0) == 6u; }));
    ASSERT_EQ(engine->put_Invert(Variant::Int(3), Variant::Bool(false)), 0);
    ASSERT_TRUE(testing::Eventually([&] { return unit.Memory(5, 0) == 2u; }));
}

TEST_F(RetrievedEngine, OnlyTheLatestOfTwoPutsIsSent) {
    engine->WithLink([&](Link&, const LinkLock&, const EngineTimings&) {
        EXPECT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -1.0), 0);
        EXPECT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
        return 0;
    });
    ASSERT_TRUE(testing::Eventually([&] { return unit.Memory(4, 0x90) == 0xFFFFE2u; }));
    ASSERT_TRUE(WaitUntilSent());
    EXPECT_EQ(LinesStartingWith("wrtval 000090"), std::vector<std::string>{"wrtval 000090 FFFFE2"});
    double value = 0;
    engine->get_EQBand(Variant::Int(1), Variant::Int(14), &value);
    EXPECT_DOUBLE_EQ(value, -3.0);
}

TEST_F(RetrievedEngine, FormatRecordGoesToTheEepromAndEndsWithFormatUpdate) {
    ASSERT_EQ(engine->put_FormatTxt1(Variant::Int(7), u"Theatre 7"), 0);
    const std::string expected = "Theatre 7";
    ASSERT_TRUE(testing::Eventually([&] {
        return unit.Memory(0, kFormatSevenText1 + static_cast<uint32_t>(expected.size())) == 0 &&
               unit.Memory(0, kFormatSevenText1) == 'T';
    }));
    ASSERT_TRUE(WaitUntilSent());
    const auto text = Eeprom(kFormatSevenText1, expected.size() + 1);
    EXPECT_EQ(text, (std::vector<uint32_t>{'T', 'h', 'e', 'a', 't', 'r', 'e', ' ', '7', 0}));

    const auto lines = unit.ReceivedLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.back(), "formatupdate");
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind("wreep ", 0), 0u) << lines[i];
    }
    EXPECT_EQ(unit.FormatUpdates(), 1u);
}

TEST_F(RetrievedEngine, ProfileTextGoesToTheEepromAsUtf16) {
    const std::u16string name = u"Salle \u00c9toile \u2713";
    ASSERT_EQ(engine->put_ProjectName(Variant::String(name)), 0);
    const auto expected = Utf16LeBytes(name);
    ASSERT_TRUE(testing::Eventually([&] { return Eeprom(655, expected.size()) == expected; }));
    ASSERT_TRUE(WaitUntilSent());
    EXPECT_EQ(unit.ReceivedLines().back(), "formatupdate");
}

TEST_F(RetrievedEngine, AbandonChangesReturnsImageAndUnitToTheRetrievedState) {
    const ParameterImage retrieved = engine->Image();
    const uint32_t bassWord = unit.Memory(4, 33);
    const auto recordBytes = Eeprom(kFormatSevenRecord, 33);

    ASSERT_EQ(engine->put_Bass(Variant::Int(0), 3.0), 0);
    ASSERT_EQ(engine->put_FormatTxt1(Variant::Int(7), u"X"), 0);
    ASSERT_TRUE(testing::Eventually(
        [&] { return unit.Memory(4, 33) == 30u && unit.Memory(0, kFormatSevenText1) == 'X'; }));
    ASSERT_TRUE(WaitUntilSent());

    ASSERT_EQ(engine->AbandonChanges(), 0);
    const ParameterImage restored = engine->Image();
    EXPECT_EQ(restored.values, retrieved.values);
    EXPECT_EQ(restored.formats.records[7].bytes, retrieved.formats.records[7].bytes);
    double bass = 0;
    engine->get_Bass(Variant::Int(0), &bass);
    EXPECT_DOUBLE_EQ(bass, retrieved.Get(Param::Bass, {0, 0}));
    std::u16string text;
    engine->get_FormatTxt1(Variant::Int(7), &text);
    EXPECT_EQ(text, u"User Defined");

    ASSERT_TRUE(testing::Eventually([&] {
        return unit.Memory(4, 33) == bassWord && Eeprom(kFormatSevenRecord, 33) == recordBytes;
    }));
    ASSERT_TRUE(WaitUntilSent());
    EXPECT_EQ(unit.Memory(4, 33), bassWord);
    EXPECT_EQ(Eeprom(kFormatSevenRecord, 33), recordBytes);
}

TEST_F(RetrievedEngine, AbandonChangesAfterAVerificationStillReturnsToTheRetrievedState) {
    const uint32_t bassWord = unit.Memory(4, 33);
    ASSERT_EQ(engine->put_Bass(Variant::Int(0), 3.0), 0);
    ASSERT_TRUE(testing::Eventually([&] { return unit.Memory(4, 33) == 30u; }));
    ASSERT_TRUE(WaitUntilSent());
    Variant mask;
    ASSERT_EQ(engine->Verify(&mask), 0);

    ASSERT_EQ(engine->AbandonChanges(), 0);
    ASSERT_TRUE(testing::Eventually([&] { return unit.Memory(4, 33) == bassWord; }));
    double bass = 0;
    engine->get_Bass(Variant::Int(0), &bass);
    EXPECT_NE(bass, 3.0);
}

TEST_F(RetrievedEngine, AbandonChangesWithNothingChangedSendsNothing) {
    ASSERT_EQ(engine->AbandonChanges(), 0);
    ASSERT_TRUE(WaitUntilSent());
    EXPECT_TRUE(unit.ReceivedLines().empty());
    EXPECT_FALSE(ConfigFileDirty());
}

TEST_F(RetrievedEngine, InputConfigurationLcrcTakesTheSurroundDelayOffTheExChannels) {
    int32_t config = -1;
    ASSERT_EQ(engine->get_InputConfig(&config), 0);
    ASSERT_EQ(config, 0);
    Variant delay;
    engine->get_DigitalInputDelay(&delay);
    const int inputMs = delay.Int32();
    engine->get_DigitalSurroundDelay(&delay);
    const int surroundMs = delay.Int32();
    ASSERT_GT(surroundMs, 0);
    ASSERT_EQ(unit.Memory(5, 163), ChannelDelayWord(inputMs + surroundMs));

    ASSERT_EQ(engine->put_InputConfig(1), 0);
    ASSERT_TRUE(testing::Eventually([&] {
        return unit.Memory(5, 163) == ChannelDelayWord(inputMs) &&
               unit.Memory(5, 227) == ChannelDelayWord(inputMs) &&
               (unit.Memory(3, 12) & 0x400u) != 0;
    }));
    ASSERT_TRUE(WaitUntilSent());
    EXPECT_EQ(unit.Memory(5, 163), ChannelDelayWord(inputMs));
    EXPECT_EQ(unit.Memory(5, 227), ChannelDelayWord(inputMs));
    EXPECT_EQ(unit.Memory(5, 35), ChannelDelayWord(inputMs + surroundMs));
    EXPECT_EQ(unit.Memory(5, 99), ChannelDelayWord(inputMs + surroundMs));
    EXPECT_EQ(unit.Memory(4, 35), ChannelDelayWord(inputMs));
    EXPECT_EQ(unit.Memory(3, 12) & 0x440u, 0x400u);
    EXPECT_EQ(unit.Memory(5, 262), 0u);
    engine->get_InputConfig(&config);
    EXPECT_EQ(config, 1);
}

// ---- Engines without a complete retrieval ------------------------------------------------------

using UnretrievedEngine = testing::EngineOnSimulatedUnit;

TEST_F(UnretrievedEngine, AbandonChangesBeforeAnyRetrievalHasNothingToReturnTo) {
    EXPECT_EQ(engine->AbandonChanges(), 1);
    ASSERT_EQ(engine->Connect(), 0);
    EXPECT_EQ(engine->AbandonChanges(), 1);
}

TEST_F(UnretrievedEngine, AbandonChangesAfterAFailedRetrievalHasNothingToReturnTo) {
    Fault silence;
    silence.kind = FaultKind::StopAnswering;
    silence.match = "picver";
    unit.InjectFault(silence);
    ASSERT_EQ(engine->Connect(), 0);
    ASSERT_EQ(engine->QueryKVT(), 1);
    EXPECT_EQ(engine->AbandonChanges(), 1);
}

}  // namespace
}  // namespace kvt
