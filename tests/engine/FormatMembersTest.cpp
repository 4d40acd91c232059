// The format table, the format settings and the installation profile: factory contents, what each
// member accepts, and the EEPROM bytes (parameter block 0) each change leaves in the pending-write
// list. Without Initialize() the worker does not run, so queued bytes stay where the tests can see
// them.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EngineFixture.h"
#include "ImageTestSupport.h"
#include "KVT80.h"
#include "automation/Variant.h"

namespace kvt {
namespace {

using testing::At;
using testing::ChannelDelayWord;
using testing::ConfigDirty;
using testing::TotalPending;
using testing::Word24;

constexpr int32_t kOk = status::Ok;
constexpr int32_t kInvalid = status::InvalidArgument;
constexpr uint32_t kRecordBytesOnUnit = 33;

uint32_t RecordAddress(int32_t format) {
    return 29 + kRecordBytesOnUnit * static_cast<uint32_t>(format);
}

uint16_t Flags(const KVT80& engine, int32_t format) {
    return engine.Image().formats.records[static_cast<size_t>(format)].Flags();
}

void ExpectSameFormatsAndProfile(const ParameterImage& actual, const ParameterImage& expected) {
    for (size_t i = 0; i < expected.formats.records.size(); ++i) {
        EXPECT_EQ(actual.formats.records[i].bytes, expected.formats.records[i].bytes) << i;
    }
    EXPECT_EQ(actual.formats.powerOnFormat, expected.formats.powerOnFormat);
    EXPECT_EQ(actual.formats.buttonFormat, expected.formats.buttonFormat);
    EXPECT_EQ(actual.formats.formatCount, expected.formats.formatCount);
    EXPECT_EQ(actual.profile.fields, expected.profile.fields);
}

// The record's 33 unit bytes, exactly, are waiting at its EEPROM addresses.
void ExpectRecordQueued(const KVT80& engine, int32_t format) {
    SCOPED_TRACE("format " + std::to_string(format));
    const ParameterImage image = engine.Image();
    const auto& bytes = image.formats.records[static_cast<size_t>(format)].bytes;
    const uint32_t first = RecordAddress(format);
    for (uint32_t i = 0; i < kRecordBytesOnUnit; ++i) {
        EXPECT_EQ(engine.Pending().Pending(0, first + i), bytes[i]) << "byte " << i;
    }
    EXPECT_EQ(engine.Pending().Pending(0, first - 1), std::nullopt);
    EXPECT_EQ(engine.Pending().Pending(0, first + kRecordBytesOnUnit), std::nullopt);
    EXPECT_EQ(engine.Pending().Size(0), kRecordBytesOnUnit);
    EXPECT_EQ(TotalPending(engine), kRecordBytesOnUnit);
}

class FormatMembers : public ::testing::Test {
  protected:
    std::u16string Text(int32_t (KVT80::*get)(const Variant&, std::u16string*), int32_t format) {
        std::u16string text = u"unread";
        EXPECT_EQ((engine.get()->*get)(At(format), &text), kOk);
        return text;
    }

    bool Bool(int32_t (KVT80::*get)(const Variant&, Variant*), int32_t format) {
        Variant value;
        EXPECT_EQ((engine.get()->*get)(At(format), &value), kOk);
        EXPECT_EQ(value.Type(), VT_BOOL);
        EXPECT_TRUE(value.BoolField() == VARIANT_TRUE || value.BoolField() == VARIANT_FALSE);
        return value.IsTrue();
    }

    int32_t Number(int32_t (KVT80::*get)(const Variant&, Variant*), int32_t format) {
        Variant value;
        EXPECT_EQ((engine.get()->*get)(At(format), &value), kOk);
        EXPECT_EQ(value.Type(), VT_I4);
        return value.Int32();
    }

    int32_t Number(int32_t (KVT80::*get)(const Variant&, int32_t*), int32_t index) {
        int32_t value = -12345;
        EXPECT_EQ((engine.get()->*get)(At(index), &value), kOk);
        return value;
    }

    int32_t Number(int32_t (KVT80::*get)(int32_t*)) {
        int32_t value = -12345;
        EXPECT_EQ((engine.get()->*get)(&value), kOk);
        return value;
    }

    std::u16string Profile(int32_t (KVT80::*get)(Variant*)) {
        Variant value;
        EXPECT_EQ((engine.get()->*get)(&value), kOk);
        EXPECT_EQ(value.Type(), VT_BSTR);
        return value.StringValue();
    }

    std::unique_ptr<KVT80> engine = std::make_unique<KVT80>();
};

// ---- Factory contents ---------------------------------------------------------------------------

TEST_F(FormatMembers, FactoryTableHoldsTheBuiltInFormats) {
    struct Expected {
        const char16_t* code;
        const char16_t* text1;
        uint16_t flags;
    };
    const Expected expected[16] = {
        {u"01", u"Mono", 0x00C3},       {u"04", u"Stereo", 0x0143},   {u"05", u"Stereo SR", 0x0243},
        {u"87", u"Digital A", 0x0420},  {u"60", u"Non-Sync", 0x0010}, {u"61", u"Aux", 0x0004},
        {u"64", u"Mic Center", 0x0008}, {u"U1", u"User Defined", 0},  {u"80", u"Digital B", 0x4420},
        {u"U2", u"User Defined", 0},    {u"U3", u"User Defined", 0},  {u"U4", u"User Defined", 0},
        {u"U5", u"User Defined", 0},    {u"U6", u"User Defined", 0},  {u"U7", u"User Defined", 0},
        {u"U8", u"User Defined", 0},
    };
    const ParameterImage image = engine->Image();
    for (int32_t format = 0; format < 16; ++format) {
        SCOPED_TRACE(format);
        EXPECT_EQ(Text(&KVT80::get_FormatCode, format), expected[format].code);
        EXPECT_EQ(Text(&KVT80::get_FormatTxt1, format), expected[format].text1);
        EXPECT_EQ(Text(&KVT80::get_FormatTxt2, format), u"");
        EXPECT_EQ(Flags(*engine, format), expected[format].flags);
        EXPECT_EQ(Number(&KVT80::get_FormatLevel, format), 0);
        const auto& bytes = image.formats.records[static_cast<size_t>(format)].bytes;
        EXPECT_EQ(bytes[29], 0);  // reserved
        EXPECT_EQ(bytes[33], 0);  // spare
    }
}

TEST_F(FormatMembers, FactoryFlagsReadThroughTheirMembers) {
    EXPECT_TRUE(Bool(&KVT80::get_FormatP1, 0));
    EXPECT_TRUE(Bool(&KVT80::get_FormatP2, 0));
    EXPECT_TRUE(Bool(&KVT80::get_FormatSlitEQ, 0));
    EXPECT_TRUE(Bool(&KVT80::get_FormatMonoEQ, 0));
    EXPECT_FALSE(Bool(&KVT80::get_FormatAux, 0));
    EXPECT_EQ(Number(&KVT80::get_FormatNR, 1), 1);
    EXPECT_EQ(Number(&KVT80::get_FormatNR, 2), 2);
    EXPECT_EQ(Number(&KVT80::get_FormatMatrix, 3), 1);
    EXPECT_EQ(Number(&KVT80::get_FormatSlot, 3), 0);
    EXPECT_TRUE(Bool(&KVT80::get_FormatNS, 4));
    EXPECT_TRUE(Bool(&KVT80::get_FormatAux, 5));
    EXPECT_TRUE(Bool(&KVT80::get_FormatMic, 6));
    EXPECT_TRUE(Bool(&KVT80::get_FormatAESEBU, 8));
    EXPECT_FALSE(Bool(&KVT80::get_FormatAESEBU, 3));
    for (int32_t format = 0; format < 16; ++format) {
        EXPECT_TRUE(Bool(&KVT80::get_FormatAnalog, format)) << format;
        EXPECT_FALSE(Bool(&KVT80::get_FormatSPDIFF, format)) << format;
        EXPECT_EQ(Number(&KVT80::get_MicPhase, format), 0) << format;
    }
}

TEST_F(FormatMembers, FactoryButtonsPowerOnFormatAndCount) {
    const int32_t buttons[8] = {0, 1, 2, 3, 8, 4, 5, 6};
    for (int32_t button = 0; button < 8; ++button) {
        EXPECT_EQ(Number(&KVT80::get_ButtonFormat, button), buttons[button]) << button;
    }
    EXPECT_EQ(Number(&KVT80::get_PowerOnFormat), 2);
    EXPECT_EQ(Number(&KVT80::get_FormatCount), 16);
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(*engine));
}

TEST_F(FormatMembers, FactoryProfileIsEmptyExceptTheProjectName) {
    EXPECT_EQ(Profile(&KVT80::get_ProjectName), u"* FACTORY DEFAULTS *");
    for (const auto get :
         {&KVT80::get_SerialNumber, &KVT80::get_DigitalPlayer1, &KVT80::get_DigitalPlayer2,
          &KVT80::get_TheaterName, &KVT80::get_ScreenNumber, &KVT80::get_ProjectorModel,
          &KVT80::get_AutomationSystem, &KVT80::get_Comments}) {
        EXPECT_EQ(Profile(get), u"");
    }
}

// ---- Indexes and out-pointers -------------------------------------------------------------------

struct FormatAccess {
    std::string name;
    std::function<int32_t(KVT80&, const Variant&)> get;
    std::function<int32_t(KVT80&, const Variant&)> put;  // empty for read-only members
};

using FlagGet = int32_t (KVT80::*)(const Variant&, Variant*);
using FlagPut = int32_t (KVT80::*)(const Variant&, const Variant&);
using TextGet = int32_t (KVT80::*)(const Variant&, std::u16string*);
using TextPut = int32_t (KVT80::*)(const Variant&, const std::u16string&);
using NumberGet = int32_t (KVT80::*)(const Variant&, int32_t*);
using NumberPut = int32_t (KVT80::*)(const Variant&, int32_t);

FormatAccess VariantAccess(std::string name, FlagGet get, FlagPut put, Variant value) {
    return {std::move(name),
            [get](KVT80& e, const Variant& f) {
                Variant out;
                return (e.*get)(f, &out);
            },
            put == nullptr
                ? std::function<int32_t(KVT80&, const Variant&)>{}
                : [put, value](KVT80& e, const Variant& f) { return (e.*put)(f, value); }};
}

FormatAccess TextAccess(std::string name, TextGet get, TextPut put) {
    return {std::move(name),
            [get](KVT80& e, const Variant& f) {
                std::u16string out;
                return (e.*get)(f, &out);
            },
            [put](KVT80& e, const Variant& f) { return (e.*put)(f, u"X"); }};
}

FormatAccess NumberAccess(std::string name, NumberGet get, NumberPut put) {
    return {std::move(name),
            [get](KVT80& e, const Variant& f) {
                int32_t out = 0;
                return (e.*get)(f, &out);
            },
            [put](KVT80& e, const Variant& f) { return (e.*put)(f, 1); }};
}

std::vector<FormatAccess> FormatAccesses() {
    const Variant yes = Variant::Bool(true);
    return {
        TextAccess("FormatCode", &KVT80::get_FormatCode, &KVT80::put_FormatCode),
        TextAccess("FormatTxt1", &KVT80::get_FormatTxt1, &KVT80::put_FormatTxt1),
        TextAccess("FormatTxt2", &KVT80::get_FormatTxt2, &KVT80::put_FormatTxt2),
        VariantAccess("FormatP1", &KVT80::get_FormatP1, &KVT80::put_FormatP1, yes),
        VariantAccess("FormatP2", &KVT80::get_FormatP2, &KVT80::put_FormatP2, yes),
        VariantAccess("FormatAux", &KVT80::get_FormatAux, &KVT80::put_FormatAux, yes),
        VariantAccess("FormatMic", &KVT80::get_FormatMic, &KVT80::put_FormatMic, yes),
        VariantAccess("FormatNS", &KVT80::get_FormatNS, &KVT80::put_FormatNS, yes),
        VariantAccess("FormatAnalog", &KVT80::get_FormatAnalog, &KVT80::put_FormatAnalog, yes),
        VariantAccess("FormatSlitEQ", &KVT80::get_FormatSlitEQ, &KVT80::put_FormatSlitEQ, yes),
        VariantAccess("FormatMonoEQ", &KVT80::get_FormatMonoEQ, &KVT80::put_FormatMonoEQ, yes),
        VariantAccess("FormatNR", &KVT80::get_FormatNR, &KVT80::put_FormatNR, Variant::Int(1)),
        VariantAccess("FormatMatrix", &KVT80::get_FormatMatrix, &KVT80::put_FormatMatrix,
                      Variant::Int(1)),
        VariantAccess("FormatSlot", &KVT80::get_FormatSlot, &KVT80::put_FormatSlot,
                      Variant::Int(1)),
        VariantAccess("FormatSPDIFF", &KVT80::get_FormatSPDIFF, &KVT80::put_FormatSPDIFF, yes),
        VariantAccess("FormatAESEBU", &KVT80::get_FormatAESEBU, &KVT80::put_FormatAESEBU, yes),
        NumberAccess("FormatLevel", &KVT80::get_FormatLevel, &KVT80::put_FormatLevel),
        NumberAccess("MicPhase", &KVT80::get_MicPhase, &KVT80::put_MicPhase),
        NumberAccess("FormatOutputMask", &KVT80::get_FormatOutputMask,
                     &KVT80::put_FormatOutputMask),
        VariantAccess("FormatDigital", &KVT80::get_FormatDigital, nullptr, yes),
        VariantAccess("FormatProjectorDelays", &KVT80::get_FormatProjectorDelays,
                      &KVT80::put_FormatProjectorDelays, yes),
        VariantAccess("FormatDiscrete", &KVT80::get_FormatDiscrete, &KVT80::put_FormatDiscrete,
                      yes),
    };
}

TEST_F(FormatMembers, FormatIndexOutsideTheTableIsRefused) {
    const ParameterImage before = engine->Image();
    for (const FormatAccess& access : FormatAccesses()) {
        for (const int32_t format : {-1, 16, INT_MAX}) {
            SCOPED_TRACE(access.name + "(" + std::to_string(format) + ")");
            EXPECT_EQ(access.get(*engine, At(format)), kInvalid);
            if (access.put) {
                EXPECT_EQ(access.put(*engine, At(format)), kInvalid);
            }
        }
    }
    ExpectSameFormatsAndProfile(engine->Image(), before);
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(*engine));
}

TEST_F(FormatMembers, NullOutPointersAreRefused) {
    KVT80& e = *engine;
    const Variant f = At(0);
    const std::vector<std::pair<std::string, std::function<int32_t()>>> reads = {
        {"FormatCode", [&] { return e.get_FormatCode(f, nullptr); }},
        {"FormatTxt1", [&] { return e.get_FormatTxt1(f, nullptr); }},
        {"FormatTxt2", [&] { return e.get_FormatTxt2(f, nullptr); }},
        {"FormatP1", [&] { return e.get_FormatP1(f, nullptr); }},
        {"FormatP2", [&] { return e.get_FormatP2(f, nullptr); }},
        {"FormatAux", [&] { return e.get_FormatAux(f, nullptr); }},
        {"FormatMic", [&] { return e.get_FormatMic(f, nullptr); }},
        {"FormatNS", [&] { return e.get_FormatNS(f, nullptr); }},
        {"FormatAnalog", [&] { return e.get_FormatAnalog(f, nullptr); }},
        {"FormatSlitEQ", [&] { return e.get_FormatSlitEQ(f, nullptr); }},
        {"FormatMonoEQ", [&] { return e.get_FormatMonoEQ(f, nullptr); }},
        {"FormatNR", [&] { return e.get_FormatNR(f, nullptr); }},
        {"FormatMatrix", [&] { return e.get_FormatMatrix(f, nullptr); }},
        {"FormatSlot", [&] { return e.get_FormatSlot(f, nullptr); }},
        {"FormatSPDIFF", [&] { return e.get_FormatSPDIFF(f, nullptr); }},
        {"FormatAESEBU", [&] { return e.get_FormatAESEBU(f, nullptr); }},
        {"FormatLevel", [&] { return e.get_FormatLevel(f, nullptr); }},
        {"MicPhase", [&] { return e.get_MicPhase(f, nullptr); }},
        {"PowerOnFormat", [&] { return e.get_PowerOnFormat(nullptr); }},
        {"FormatCount", [&] { return e.get_FormatCount(nullptr); }},
        {"ButtonFormat", [&] { return e.get_ButtonFormat(f, nullptr); }},
        {"FormatOutputMask", [&] { return e.get_FormatOutputMask(f, nullptr); }},
        {"FormatDigital", [&] { return e.get_FormatDigital(f, nullptr); }},
        {"FormatProjectorDelays", [&] { return e.get_FormatProjectorDelays(f, nullptr); }},
        {"FormatDiscrete", [&] { return e.get_FormatDiscrete(f, nullptr); }},
        {"SerialNumber", [&] { return e.get_SerialNumber(nullptr); }},
        {"ProjectName", [&] { return e.get_ProjectName(nullptr); }},
        {"Comments", [&] { return e.get_Comments(nullptr); }},
    };
    for (const auto& [name, read] : reads) {
        EXPECT_EQ(read(), kInvalid) << name;
    }
}

// ---- Every record write sends the whole record --------------------------------------------------

TEST(FormatMembersRecordWrites, EveryWriteQueuesTheRecordsThirtyThreeBytes) {
    for (const FormatAccess& access : FormatAccesses()) {
        if (!access.put || access.name == "FormatOutputMask") {
            continue;
        }
        for (const int32_t format : {0, 7, 15}) {
            SCOPED_TRACE(access.name + "(" + std::to_string(format) + ")");
            KVT80 engine;
            ASSERT_EQ(access.put(engine, At(format)), kOk);
            ExpectRecordQueued(engine, format);
            EXPECT_TRUE(ConfigDirty(engine));
        }
    }
}

// The last record ends right before the fallback mode's address.
TEST(FormatMembersRecordWrites, LastRecordStopsBeforeTheFallbackMode) {
    KVT80 engine;
    ASSERT_EQ(engine.put_FormatLevel(At(15), 7), kOk);
    EXPECT_EQ(RecordAddress(15) + 32, 556u);
    EXPECT_EQ(engine.Pending().Pending(0, 556), 7u);  // the level, the record's last unit byte
    EXPECT_EQ(engine.Pending().Pending(0, 557), std::nullopt);
}

// ---- Flags --------------------------------------------------------------------------------------

struct FlagMember {
    std::string name;
    FlagGet get;
    FlagPut put;
    uint16_t bit;
};

class FormatFlagMembers : public FormatMembers, public ::testing::WithParamInterface<FlagMember> {};

TEST_P(FormatFlagMembers, SetAndClearOnlyTheirOwnBit) {
    const FlagMember& member = GetParam();
    constexpr int32_t kUserFormat = 9;  // no flags
    KVT80& e = *engine;

    ASSERT_EQ((e.*member.put)(At(kUserFormat), Variant::Bool(true)), kOk);
    EXPECT_EQ(Flags(e, kUserFormat), member.bit);
    EXPECT_TRUE(Bool(member.get, kUserFormat));
    ExpectRecordQueued(e, kUserFormat);

    ASSERT_EQ((e.*member.put)(At(kUserFormat), Variant::Bool(false)), kOk);
    EXPECT_EQ(Flags(e, kUserFormat), 0);
    EXPECT_FALSE(Bool(member.get, kUserFormat));

    constexpr int32_t kMono = 0;
    ASSERT_EQ((e.*member.put)(At(kMono), Variant::Bool(true)), kOk);
    EXPECT_EQ(Flags(e, kMono), 0x00C3 | member.bit);
    ASSERT_EQ((e.*member.put)(At(kMono), Variant::Bool(false)), kOk);
    EXPECT_EQ(Flags(e, kMono), 0x00C3 & ~member.bit);
}

// Only the automation true (-1 in the boolean field) sets a flag.
TEST_P(FormatFlagMembers, OnlyMinusOneSetsTheBit) {
    const FlagMember& member = GetParam();
    KVT80& e = *engine;
    for (const Variant& notTrue : {Variant::Bool16(1), Variant::Int(1), Variant::Bool16(2)}) {
        ASSERT_EQ((e.*member.put)(At(9), Variant::Bool(true)), kOk);
        ASSERT_EQ((e.*member.put)(At(9), notTrue), kOk);
        EXPECT_EQ(Flags(e, 9), 0);
    }
    ASSERT_EQ((e.*member.put)(At(9), Variant::Bool16(VARIANT_TRUE)), kOk);
    EXPECT_EQ(Flags(e, 9), member.bit);
}

INSTANTIATE_TEST_SUITE_P(
    FormatMembers, FormatFlagMembers,
    ::testing::Values(
        FlagMember{"P1", &KVT80::get_FormatP1, &KVT80::put_FormatP1, 0x0001},
        FlagMember{"P2", &KVT80::get_FormatP2, &KVT80::put_FormatP2, 0x0002},
        FlagMember{"Aux", &KVT80::get_FormatAux, &KVT80::put_FormatAux, 0x0004},
        FlagMember{"Mic", &KVT80::get_FormatMic, &KVT80::put_FormatMic, 0x0008},
        FlagMember{"NS", &KVT80::get_FormatNS, &KVT80::put_FormatNS, 0x0010},
        FlagMember{"SlitEQ", &KVT80::get_FormatSlitEQ, &KVT80::put_FormatSlitEQ, 0x0040},
        FlagMember{"MonoEQ", &KVT80::get_FormatMonoEQ, &KVT80::put_FormatMonoEQ, 0x0080},
        FlagMember{"AESEBU", &KVT80::get_FormatAESEBU, &KVT80::put_FormatAESEBU, 0x4000}),
    [](const ::testing::TestParamInfo<FlagMember>& info) { return info.param.name; });

// ---- Input kind: analogue or S/PDIF -------------------------------------------------------------

TEST_F(FormatMembers, DigitalInputOnNonSyncDropsTheNonSyncInput) {
    ASSERT_EQ(engine->put_FormatAnalog(At(4), Variant::Bool(false)), kOk);
    EXPECT_EQ(Flags(*engine, 4), 0x1000);
    EXPECT_FALSE(Bool(&KVT80::get_FormatAnalog, 4));
    EXPECT_TRUE(Bool(&KVT80::get_FormatSPDIFF, 4));
    EXPECT_FALSE(Bool(&KVT80::get_FormatNS, 4));
    ExpectRecordQueued(*engine, 4);

    ASSERT_EQ(engine->put_FormatAnalog(At(4), Variant::Bool(true)), kOk);
    EXPECT_EQ(Flags(*engine, 4), 0x0010);
    EXPECT_TRUE(Bool(&KVT80::get_FormatAnalog, 4));

    ASSERT_EQ(engine->put_FormatSPDIFF(At(4), Variant::Bool(true)), kOk);
    EXPECT_EQ(Flags(*engine, 4), 0x1000);
}

TEST_F(FormatMembers, DigitalInputOnAuxDropsTheAuxInput) {
    ASSERT_EQ(engine->put_FormatSPDIFF(At(5), Variant::Bool(true)), kOk);
    EXPECT_EQ(Flags(*engine, 5), 0x1000);
    EXPECT_FALSE(Bool(&KVT80::get_FormatAux, 5));
    ASSERT_EQ(engine->put_FormatSPDIFF(At(5), Variant::Bool(false)), kOk);
    EXPECT_EQ(Flags(*engine, 5), 0x0004);
    ASSERT_EQ(engine->put_FormatAnalog(At(5), Variant::Bool(false)), kOk);
    EXPECT_EQ(Flags(*engine, 5), 0x1000);
    ASSERT_EQ(engine->put_FormatAnalog(At(5), Variant::Bool(true)), kOk);
    EXPECT_EQ(Flags(*engine, 5), 0x0004);
}

TEST_F(FormatMembers, InputKindOfOtherFormatsTouchesOnlyTheSpdifBit) {
    ASSERT_EQ(engine->put_FormatAnalog(At(3), Variant::Bool(false)), kOk);
    EXPECT_EQ(Flags(*engine, 3), 0x1420);
    ASSERT_EQ(engine->put_FormatAnalog(At(3), Variant::Bool(true)), kOk);
    EXPECT_EQ(Flags(*engine, 3), 0x0420);
    ASSERT_EQ(engine->put_FormatSPDIFF(At(0), Variant::Bool(true)), kOk);
    EXPECT_EQ(Flags(*engine, 0), 0x10C3);
    ASSERT_EQ(engine->put_FormatSPDIFF(At(6), Variant::Bool(true)), kOk);
    EXPECT_EQ(Flags(*engine, 6), 0x1008);
}

// Analogue needs the automation true; anything else selects S/PDIF.
TEST_F(FormatMembers, AnalogueOnlyForMinusOne) {
    ASSERT_EQ(engine->put_FormatAnalog(At(3), Variant::Bool16(1)), kOk);
    EXPECT_EQ(Flags(*engine, 3), 0x1420);
    ASSERT_EQ(engine->put_FormatSPDIFF(At(3), Variant::Bool16(1)), kOk);
    EXPECT_EQ(Flags(*engine, 3), 0x0420);
}

// ---- Numbers in the flags word and the level byte -----------------------------------------------

TEST_F(FormatMembers, NoiseReductionKeepsTheLowTwoBits) {
    ASSERT_EQ(engine->put_FormatNR(At(1), Variant::Int(6)), kOk);
    EXPECT_EQ(Number(&KVT80::get_FormatNR, 1), 2);
    EXPECT_EQ(Flags(*engine, 1), 0x0243);
    ExpectRecordQueued(*engine, 1);

    ASSERT_EQ(engine->put_FormatNR(At(0), Variant::Int(3)), kOk);
    EXPECT_EQ(Flags(*engine, 0), 0x03C3);
    ASSERT_EQ(engine->put_FormatNR(At(0), Variant::Int(0)), kOk);
    EXPECT_EQ(Flags(*engine, 0), 0x00C3);
}

TEST_F(FormatMembers, NegativeNoiseReductionIsRefused) {
    EXPECT_EQ(engine->put_FormatNR(At(1), Variant::Int(-1)), kInvalid);
    EXPECT_EQ(engine->put_FormatNR(At(1), Variant::Int(INT_MIN)), kInvalid);
    EXPECT_EQ(Number(&KVT80::get_FormatNR, 1), 1);
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(*engine));
}

TEST_F(FormatMembers, MatrixAndSlotTakeTheLowestBitAndRefuseNegatives) {
    struct LowBitMember {
        const char* name;
        FlagGet get;
        FlagPut put;
        uint16_t bit;
    };
    const LowBitMember members[] = {
        {"Matrix", &KVT80::get_FormatMatrix, &KVT80::put_FormatMatrix, 0x0400},
        {"Slot", &KVT80::get_FormatSlot, &KVT80::put_FormatSlot, 0x0800},
    };
    KVT80& e = *engine;
    for (const LowBitMember& member : members) {
        SCOPED_TRACE(member.name);
        ASSERT_EQ((e.*member.put)(At(9), Variant::Int(3)), kOk);
        EXPECT_EQ(Flags(e, 9), member.bit);
        EXPECT_EQ(Number(member.get, 9), 1);
        ASSERT_EQ((e.*member.put)(At(9), Variant::Int(2)), kOk);
        EXPECT_EQ(Flags(e, 9), 0);
        EXPECT_EQ(Number(member.get, 9), 0);
        ASSERT_EQ((e.*member.put)(At(9), Variant::Int(1)), kOk);
        EXPECT_EQ((e.*member.put)(At(9), Variant::Int(-1)), kInvalid);
        EXPECT_EQ((e.*member.put)(At(9), Variant::Int(-2)), kInvalid);
        EXPECT_EQ(Flags(e, 9), member.bit);
        ASSERT_EQ((e.*member.put)(At(9), Variant::Int(0)), kOk);
    }
}

TEST_F(FormatMembers, LevelKeepsTheLowEightBits) {
    ASSERT_EQ(engine->put_FormatLevel(At(2), 300), kOk);
    EXPECT_EQ(Number(&KVT80::get_FormatLevel, 2), 44);
    EXPECT_EQ(engine->Pending().Pending(0, RecordAddress(2) + 32), 44u);
    ExpectRecordQueued(*engine, 2);
    ASSERT_EQ(engine->put_FormatLevel(At(2), 255), kOk);
    EXPECT_EQ(Number(&KVT80::get_FormatLevel, 2), 255);
    ASSERT_EQ(engine->put_FormatLevel(At(2), 256), kOk);
    EXPECT_EQ(Number(&KVT80::get_FormatLevel, 2), 0);
    EXPECT_EQ(Flags(*engine, 2), 0x0243);
}

TEST_F(FormatMembers, MicPhaseTakesTheLowestBit) {
    ASSERT_EQ(engine->put_MicPhase(At(6), 1), kOk);
    EXPECT_EQ(Flags(*engine, 6), 0x2008);
    EXPECT_EQ(Number(&KVT80::get_MicPhase, 6), 1);
    ExpectRecordQueued(*engine, 6);
    ASSERT_EQ(engine->put_MicPhase(At(6), 2), kOk);
    EXPECT_EQ(Flags(*engine, 6), 0x0008);
    EXPECT_EQ(Number(&KVT80::get_MicPhase, 6), 0);
    ASSERT_EQ(engine->put_MicPhase(At(6), 3), kOk);
    EXPECT_EQ(Number(&KVT80::get_MicPhase, 6), 1);
}

// ---- Texts --------------------------------------------------------------------------------------

struct TextMember {
    std::string name;
    TextGet get;
    TextPut put;
    uint32_t offset;    // in the record
    size_t characters;  // longest text that leaves room for the terminator
};

class FormatTextMembers : public FormatMembers, public ::testing::WithParamInterface<TextMember> {
  protected:
    int32_t Put(int32_t format, const std::u16string& text) {
        return (engine.get()->*GetParam().put)(At(format), text);
    }
};

TEST_P(FormatTextMembers, AcceptTheLongestTextThatFitsAndRefuseOneMore) {
    const TextMember& member = GetParam();
    const std::u16string longest(member.characters, u'Z');
    ASSERT_EQ(Put(10, longest), kOk);
    EXPECT_EQ(Text(member.get, 10), longest);
    ExpectRecordQueued(*engine, 10);
    const uint32_t first = RecordAddress(10) + member.offset;
    EXPECT_EQ(engine->Pending().Pending(0, first), uint32_t{'Z'});
    EXPECT_EQ(engine->Pending().Pending(0, first + member.characters), 0u);

    const ParameterImage before = engine->Image();
    EXPECT_EQ(Put(10, longest + u"Z"), kInvalid);
    EXPECT_EQ(Put(10, std::u16string(40, u'Q')), kInvalid);
    EXPECT_EQ(Text(member.get, 10), longest);
    ExpectSameFormatsAndProfile(engine->Image(), before);
}

TEST_P(FormatTextMembers, ShorterTextEndsAtItsTerminator) {
    const TextMember& member = GetParam();
    ASSERT_EQ(Put(11, std::u16string(member.characters, u'W')), kOk);
    ASSERT_EQ(Put(11, u"V"), kOk);
    EXPECT_EQ(Text(member.get, 11), u"V");
    EXPECT_EQ(engine->Pending().Pending(0, RecordAddress(11) + member.offset + 1), 0u);
}

// The unit keeps one byte per character in Windows-1252.
TEST_P(FormatTextMembers, RefuseCharactersWithoutAWindows1252Byte) {
    const ParameterImage before = engine->Image();
    for (const std::u16string& text :
         {std::u16string(u"\u4e2d"), std::u16string(u"A\u4e2d"), std::u16string(u"\U0001F600"),
          std::u16string(1, char16_t{0xD800})}) {
        EXPECT_EQ(Put(3, text), kInvalid);
    }
    ExpectSameFormatsAndProfile(engine->Image(), before);
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(*engine));
}

TEST_P(FormatTextMembers, StoreWindows1252CharactersAsOneByteEach) {
    const TextMember& member = GetParam();
    const std::u16string accented = std::u16string(u"\u00e9\u20ac").substr(0, member.characters);
    ASSERT_EQ(Put(12, accented), kOk);
    EXPECT_EQ(Text(member.get, 12), accented);
    const uint32_t first = RecordAddress(12) + member.offset;
    EXPECT_EQ(engine->Pending().Pending(0, first), 0xE9u);
    EXPECT_EQ(engine->Pending().Pending(0, first + 1), 0x80u);
    EXPECT_EQ(engine->Pending().Pending(0, first + 2), 0u);

    const std::u16string full(member.characters, u'\u00e9');
    ASSERT_EQ(Put(12, full), kOk);
    EXPECT_EQ(Text(member.get, 12), full);
}

INSTANTIATE_TEST_SUITE_P(
    FormatMembers, FormatTextMembers,
    ::testing::Values(TextMember{"Code", &KVT80::get_FormatCode, &KVT80::put_FormatCode, 0, 2},
                      TextMember{"Txt1", &KVT80::get_FormatTxt1, &KVT80::put_FormatTxt1, 3, 12},
                      TextMember{"Txt2", &KVT80::get_FormatTxt2, &KVT80::put_FormatTxt2, 16, 12}),
    [](const ::testing::TestParamInfo<TextMember>& info) { return info.param.name; });

TEST_F(FormatMembers, CodeOfThreeCharactersIsRefusedAndOneIsKept) {
    EXPECT_EQ(engine->put_FormatCode(At(3), u"871"), kInvalid);
    EXPECT_EQ(Text(&KVT80::get_FormatCode, 3), u"87");
    EXPECT_TRUE(engine->Pending().AllEmpty());
    ASSERT_EQ(engine->put_FormatCode(At(3), u"8"), kOk);
    EXPECT_EQ(Text(&KVT80::get_FormatCode, 3), u"8");
    EXPECT_EQ(engine->Pending().Pending(0, RecordAddress(3)), uint32_t{'8'});
    EXPECT_EQ(engine->Pending().Pending(0, RecordAddress(3) + 1), 0u);
    EXPECT_EQ(Text(&KVT80::get_FormatTxt1, 3), u"Digital A");
}

TEST_F(FormatMembers, NameOfTwelveCharactersFitsThirteenDoNot) {
    ASSERT_EQ(engine->put_FormatTxt1(At(0), u"Twelve chars"), kOk);
    EXPECT_EQ(Text(&KVT80::get_FormatTxt1, 0), u"Twelve chars");
    EXPECT_EQ(engine->put_FormatTxt1(At(0), u"Thirteen char"), kInvalid);
    EXPECT_EQ(Text(&KVT80::get_FormatTxt1, 0), u"Twelve chars");
    EXPECT_EQ(Text(&KVT80::get_FormatTxt2, 0), u"");
    EXPECT_EQ(Text(&KVT80::get_FormatCode, 0), u"01");
}

// ---- Power-on format, buttons and count ---------------------------------------------------------

TEST_F(FormatMembers, PowerOnFormatIsQueuedAsTheFirstButtonHoldingIt) {
    struct Case {
        int32_t format;
        uint32_t entry;
    };
    // Factory buttons: 0, 1, 2, 3, 8, 4, 5, 6.
    const Case cases[] = {{7, 8}, {8, 4}, {128, 128}, {0, 0}, {2, 2}, {6, 7}, {15, 8}, {4, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        ASSERT_EQ(engine->put_PowerOnFormat(c.format), kOk);
        EXPECT_EQ(Number(&KVT80::get_PowerOnFormat), c.format);
        EXPECT_EQ(engine->Pending().Pending(0, 19), c.entry);
        EXPECT_EQ(engine->Pending().Size(0), 1u);
    }
}

TEST_F(FormatMembers, PowerOnFormatFollowsTheCurrentButtons) {
    ASSERT_EQ(engine->put_ButtonFormat(At(6), 7), kOk);
    ASSERT_EQ(engine->put_PowerOnFormat(7), kOk);
    EXPECT_EQ(engine->Pending().Pending(0, 19), 6u);
    ASSERT_EQ(engine->put_ButtonFormat(At(1), 7), kOk);
    ASSERT_EQ(engine->put_PowerOnFormat(7), kOk);
    EXPECT_EQ(engine->Pending().Pending(0, 19), 1u);
}

TEST_F(FormatMembers, PowerOnFormatOutsideTheTableIsRefused) {
    for (const int32_t value : {16, -1, 127, 129, 255}) {
        EXPECT_EQ(engine->put_PowerOnFormat(value), kInvalid) << value;
    }
    EXPECT_EQ(Number(&KVT80::get_PowerOnFormat), 2);
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(*engine));
}

TEST_F(FormatMembers, EachButtonHasItsOwnAddress) {
    for (int32_t button = 0; button < 8; ++button) {
        ASSERT_EQ(engine->put_ButtonFormat(At(button), 15 - button), kOk);
    }
    for (int32_t button = 0; button < 8; ++button) {
        EXPECT_EQ(Number(&KVT80::get_ButtonFormat, button), 15 - button);
        EXPECT_EQ(engine->Pending().Pending(0, 20 + static_cast<uint32_t>(button)),
                  static_cast<uint32_t>(15 - button));
    }
    EXPECT_EQ(engine->Pending().Size(0), 8u);
    EXPECT_TRUE(ConfigDirty(*engine));
}

TEST_F(FormatMembers, ButtonOrFormatOutsideItsRangeIsRefused) {
    EXPECT_EQ(engine->put_ButtonFormat(At(8), 0), kInvalid);
    EXPECT_EQ(engine->put_ButtonFormat(At(-1), 0), kInvalid);
    EXPECT_EQ(engine->put_ButtonFormat(At(0), 16), kInvalid);
    EXPECT_EQ(engine->put_ButtonFormat(At(0), -1), kInvalid);
    int32_t value = 0;
    EXPECT_EQ(engine->get_ButtonFormat(At(8), &value), kInvalid);
    EXPECT_EQ(engine->get_ButtonFormat(At(-1), &value), kInvalid);
    EXPECT_EQ(Number(&KVT80::get_ButtonFormat, 0), 0);
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(*engine));
}

TEST_F(FormatMembers, FormatCountRangesFromNoneToTheWholeTable) {
    EXPECT_EQ(engine->put_FormatCount(17), kInvalid);
    EXPECT_EQ(engine->put_FormatCount(-1), kInvalid);
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(*engine));

    ASSERT_EQ(engine->put_FormatCount(0), kOk);
    EXPECT_EQ(Number(&KVT80::get_FormatCount), 0);
    EXPECT_EQ(engine->Pending().Pending(0, 28), 0u);
    EXPECT_TRUE(ConfigDirty(*engine));
    ASSERT_EQ(engine->put_FormatCount(16), kOk);
    EXPECT_EQ(engine->Pending().Pending(0, 28), 16u);
    EXPECT_EQ(engine->Pending().Size(0), 1u);
}

// ---- Profile ------------------------------------------------------------------------------------

struct ProfileMember {
    std::string name;
    int32_t (KVT80::*get)(Variant*);
    int32_t (KVT80::*put)(const Variant&);
    uint32_t units;  // including the terminator
    uint32_t address;
    bool configuration;  // part of the configuration, so a change marks it dirty
};

class ProfileMembers : public FormatMembers, public ::testing::WithParamInterface<ProfileMember> {
  protected:
    int32_t Put(const Variant& value) { return (engine.get()->*GetParam().put)(value); }
    std::u16string Read() { return Profile(GetParam().get); }
};

TEST_P(ProfileMembers, LongestTextIsQueuedAsTheWholeFieldLowByteFirst) {
    const ProfileMember& member = GetParam();
    std::u16string text;
    for (uint32_t i = 0; i + 1 < member.units; ++i) {
        text.push_back(static_cast<char16_t>(i % 2 == 0 ? u'a' + i % 26 : 0x4E00 + i));
    }
    ASSERT_EQ(Put(Variant::String(text)), kOk);
    EXPECT_EQ(Read(), text);
    EXPECT_EQ(ConfigDirty(*engine), member.configuration);

    for (uint32_t unit = 0; unit < member.units; ++unit) {
        const char16_t expected = unit < text.size() ? text[unit] : u'\0';
        EXPECT_EQ(engine->Pending().Pending(0, member.address + 2 * unit), expected & 0xFFu)
            << unit;
        EXPECT_EQ(engine->Pending().Pending(0, member.address + 2 * unit + 1), expected >> 8u)
            << unit;
    }
    EXPECT_EQ(engine->Pending().Pending(0, member.address - 1), std::nullopt);
    EXPECT_EQ(engine->Pending().Pending(0, member.address + 2 * member.units), std::nullopt);
    EXPECT_EQ(engine->Pending().Size(0), 2u * member.units);
}

TEST_P(ProfileMembers, TextThatLeavesNoRoomForTheTerminatorIsRefused) {
    const std::u16string before = Read();
    EXPECT_EQ(Put(Variant::String(std::u16string(GetParam().units, u'x'))), kInvalid);
    EXPECT_EQ(Put(Variant::String(std::u16string(300, u'x'))), kInvalid);
    EXPECT_EQ(Read(), before);
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(*engine));
}

TEST_P(ProfileMembers, NonStringValuesAreRefused) {
    const std::u16string before = Read();
    for (const Variant& value : {Variant::Int(5), Variant::Bool(true), Variant::Double(1.5),
                                 Variant(), Variant::Array(VT_VARIANT, {Variant::String(u"a")})}) {
        EXPECT_EQ(Put(value), kInvalid);
    }
    EXPECT_EQ(Read(), before);
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(*engine));
}

TEST_P(ProfileMembers, ShorterTextReadsUpToItsTerminator) {
    ASSERT_EQ(Put(Variant::String(std::u16string(GetParam().units - 1, u'L'))), kOk);
    ASSERT_EQ(Put(Variant::String(u"S")), kOk);
    EXPECT_EQ(Read(), u"S");
    EXPECT_EQ(engine->Pending().Pending(0, GetParam().address + 2), 0u);
    EXPECT_EQ(engine->Pending().Pending(0, GetParam().address + 3), 0u);
    ASSERT_EQ(Put(Variant::String(u"")), kOk);
    EXPECT_EQ(Read(), u"");
}

INSTANTIATE_TEST_SUITE_P(
    FormatMembers, ProfileMembers,
    ::testing::Values(ProfileMember{"SerialNumber", &KVT80::get_SerialNumber,
                                    &KVT80::put_SerialNumber, 16, 559, false},
                      ProfileMember{"DigitalPlayer1", &KVT80::get_DigitalPlayer1,
                                    &KVT80::put_DigitalPlayer1, 16, 591, true},
                      ProfileMember{"DigitalPlayer2", &KVT80::get_DigitalPlayer2,
                                    &KVT80::put_DigitalPlayer2, 16, 623, true},
                      ProfileMember{"ProjectName", &KVT80::get_ProjectName, &KVT80::put_ProjectName,
                                    32, 655, true},
                      ProfileMember{"TheaterName", &KVT80::get_TheaterName, &KVT80::put_TheaterName,
                                    32, 719, true},
                      ProfileMember{"ScreenNumber", &KVT80::get_ScreenNumber,
                                    &KVT80::put_ScreenNumber, 4, 783, true},
                      ProfileMember{"ProjectorModel", &KVT80::get_ProjectorModel,
                                    &KVT80::put_ProjectorModel, 32, 791, true},
                      ProfileMember{"AutomationSystem", &KVT80::get_AutomationSystem,
                                    &KVT80::put_AutomationSystem, 32, 855, true},
                      ProfileMember{"Comments", &KVT80::get_Comments, &KVT80::put_Comments, 127,
                                    919, true}),
    [](const ::testing::TestParamInfo<ProfileMember>& info) { return info.param.name; });

TEST_F(FormatMembers, ScreenNumberHoldsThreeCharacters) {
    ASSERT_EQ(engine->put_ScreenNumber(Variant::String(u"123")), kOk);
    const uint32_t expected[8] = {'1', 0, '2', 0, '3', 0, 0, 0};
    for (uint32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(engine->Pending().Pending(0, 783 + i), expected[i]) << 783 + i;
    }
    EXPECT_EQ(engine->Pending().Pending(0, 791), std::nullopt);
    EXPECT_EQ(engine->put_ScreenNumber(Variant::String(u"1234")), kInvalid);
    EXPECT_EQ(Profile(&KVT80::get_ScreenNumber), u"123");
}

TEST_F(FormatMembers, SerialNumberLeavesTheDirtyFlagAsItWas) {
    ASSERT_EQ(engine->put_SerialNumber(Variant::String(u"0815")), kOk);
    EXPECT_FALSE(ConfigDirty(*engine));
    ASSERT_EQ(engine->put_ScreenNumber(Variant::String(u"7")), kOk);
    EXPECT_TRUE(ConfigDirty(*engine));
    ASSERT_EQ(engine->put_SerialNumber(Variant::String(u"0816")), kOk);
    EXPECT_TRUE(ConfigDirty(*engine));
}

// ---- Laptop format values -----------------------------------------------------------------------

TEST_F(FormatMembers, OutputMaskReadsBackAndStaysOffTheUnit) {
    EXPECT_EQ(Number(&KVT80::get_FormatOutputMask, 5), 0);
    for (const int32_t mask : {240, 244, 0}) {
        ASSERT_EQ(engine->put_FormatOutputMask(At(5), mask), kOk);
        EXPECT_EQ(Number(&KVT80::get_FormatOutputMask, 5), mask);
    }
    ASSERT_EQ(engine->put_FormatOutputMask(At(6), 244), kOk);
    EXPECT_EQ(Number(&KVT80::get_FormatOutputMask, 5), 0);
    EXPECT_EQ(Number(&KVT80::get_FormatOutputMask, 6), 244);
    EXPECT_EQ(Flags(*engine, 6), 0x0008);
    EXPECT_TRUE(engine->Pending().AllEmpty());
}

TEST_F(FormatMembers, OutputMaskBeyondOneByteIsRefused) {
    ASSERT_EQ(engine->put_FormatOutputMask(At(5), 240), kOk);
    for (const int32_t mask : {256, -1, 0x1F4}) {
        EXPECT_EQ(engine->put_FormatOutputMask(At(5), mask), kInvalid) << mask;
    }
    EXPECT_EQ(Number(&KVT80::get_FormatOutputMask, 5), 240);
    EXPECT_TRUE(engine->Pending().AllEmpty());
}

TEST_F(FormatMembers, ProjectorDelaysAndDiscreteTravelInTheReservedByte) {
    const uint32_t reserved = RecordAddress(6) + 29;
    ASSERT_EQ(engine->put_FormatProjectorDelays(At(6), Variant::Bool(true)), kOk);
    EXPECT_TRUE(Bool(&KVT80::get_FormatProjectorDelays, 6));
    EXPECT_FALSE(Bool(&KVT80::get_FormatDiscrete, 6));
    EXPECT_EQ(engine->Pending().Pending(0, reserved), 1u);
    ExpectRecordQueued(*engine, 6);

    ASSERT_EQ(engine->put_FormatDiscrete(At(6), Variant::Bool(true)), kOk);
    EXPECT_TRUE(Bool(&KVT80::get_FormatDiscrete, 6));
    EXPECT_EQ(engine->Pending().Pending(0, reserved), 3u);

    ASSERT_EQ(engine->put_FormatProjectorDelays(At(6), Variant::Bool(false)), kOk);
    EXPECT_FALSE(Bool(&KVT80::get_FormatProjectorDelays, 6));
    EXPECT_TRUE(Bool(&KVT80::get_FormatDiscrete, 6));
    EXPECT_EQ(engine->Pending().Pending(0, reserved), 2u);

    EXPECT_EQ(Flags(*engine, 6), 0x0008);
    EXPECT_FALSE(Bool(&KVT80::get_FormatDiscrete, 7));
    EXPECT_TRUE(ConfigDirty(*engine));
}

TEST_F(FormatMembers, DigitalExactlyForTheTwoDigitalFactoryFormats) {
    for (int32_t format = 0; format < 16; ++format) {
        EXPECT_EQ(Bool(&KVT80::get_FormatDigital, format), format == 3 || format == 8) << format;
    }
}

// ---- A flag bit without a member survives every write -------------------------------------------

// Only the unit can set the top flag bit, so the record comes from a simulated unit.
class FormatMembersFromUnit : public testing::EngineOnSimulatedUnit {
  protected:
    static constexpr int32_t kFormat = 9;

    void SetUp() override {
        EngineOnSimulatedUnit::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        unit.SetMemory(0, 28, 16);
        unit.SetMemory(0, RecordAddress(kFormat) + 30, 0x00);
        unit.SetMemory(0, RecordAddress(kFormat) + 31, 0x80);
        ASSERT_EQ(engine->Connect(), kOk);
        ASSERT_EQ(engine->QueryFrontPanel(), kOk);
        ASSERT_EQ(Flags(*engine, kFormat), 0x8000);
    }
};

TEST_F(FormatMembersFromUnit, TopFlagBitIsKeptByEveryFlagWrite) {
    const Variant f = At(kFormat);
    ASSERT_EQ(engine->put_FormatP1(f, Variant::Bool(true)), kOk);
    EXPECT_EQ(Flags(*engine, kFormat), 0x8001);
    ASSERT_EQ(engine->put_FormatP1(f, Variant::Bool(false)), kOk);
    EXPECT_EQ(Flags(*engine, kFormat), 0x8000);
    ASSERT_EQ(engine->put_FormatNR(f, Variant::Int(3)), kOk);
    EXPECT_EQ(Flags(*engine, kFormat), 0x8300);
    ASSERT_EQ(engine->put_FormatNR(f, Variant::Int(0)), kOk);
    ASSERT_EQ(engine->put_FormatAnalog(f, Variant::Bool(false)), kOk);
    EXPECT_EQ(Flags(*engine, kFormat), 0x9000);
    ASSERT_EQ(engine->put_FormatSPDIFF(f, Variant::Bool(false)), kOk);
    ASSERT_EQ(engine->put_MicPhase(f, 1), kOk);
    EXPECT_EQ(Flags(*engine, kFormat), 0xA000);
    ASSERT_EQ(engine->put_MicPhase(f, 0), kOk);
    ASSERT_EQ(engine->put_FormatMatrix(f, Variant::Int(0)), kOk);
    ASSERT_EQ(engine->put_FormatSlot(f, Variant::Int(0)), kOk);
    ASSERT_EQ(engine->put_FormatAESEBU(f, Variant::Bool(false)), kOk);
    ASSERT_EQ(engine->put_FormatLevel(f, 12), kOk);
    ASSERT_EQ(engine->put_FormatTxt2(f, u"Line two"), kOk);
    ASSERT_EQ(engine->put_FormatDiscrete(f, Variant::Bool(true)), kOk);
    EXPECT_EQ(Flags(*engine, kFormat), 0x8000);
}

}  // namespace
}  // namespace kvt
