// The parameter members of IKVT80 on an engine without a unit: what each put accepts, the raw
// words it leaves in the pending-write lists, and what it must leave alone when it refuses.
// Without Initialize() the worker does not run, so queued writes stay where the tests can see them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

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

void ExpectSameImage(const ParameterImage& actual, const ParameterImage& expected) {
    EXPECT_EQ(actual.values, expected.values);
    EXPECT_EQ(actual.mute, expected.mute);
    EXPECT_EQ(actual.invert, expected.invert);
    for (size_t i = 0; i < expected.formats.records.size(); ++i) {
        EXPECT_EQ(actual.formats.records[i].bytes, expected.formats.records[i].bytes) << i;
    }
    EXPECT_EQ(actual.formats.powerOnFormat, expected.formats.powerOnFormat);
    EXPECT_EQ(actual.formats.buttonFormat, expected.formats.buttonFormat);
    EXPECT_EQ(actual.formats.formatCount, expected.formats.formatCount);
    EXPECT_EQ(actual.profile.fields, expected.profile.fields);
}

// ---- Ranges -------------------------------------------------------------------------------------

// One ranged member seen as "put a number, read a number back", whatever its argument type.
struct RangedMember {
    std::string name;
    std::function<int32_t(KVT80&, double)> put;
    std::function<int32_t(KVT80&, double*)> get;
    double min;
    double max;
    double step;  // the member's resolution: one step beyond either end is refused
    bool real;    // takes a double, so NaN and infinities can be offered
};

using RealPut = int32_t (KVT80::*)(double);
using RealGet = int32_t (KVT80::*)(double*);
using IndexedRealPut = int32_t (KVT80::*)(const Variant&, double);
using IndexedRealGet = int32_t (KVT80::*)(const Variant&, double*);
using WholePut = int32_t (KVT80::*)(int32_t);
using WholeGet = int32_t (KVT80::*)(int32_t*);
using VariantPut = int32_t (KVT80::*)(const Variant&);
using VariantGet = int32_t (KVT80::*)(Variant*);

RangedMember Real(std::string name, RealPut put, RealGet get, double min, double max) {
    return {std::move(name),
            [put](KVT80& e, double v) { return (e.*put)(v); },
            [get](KVT80& e, double* v) { return (e.*get)(v); },
            min,
            max,
            0.1,
            true};
}

RangedMember Indexed(std::string name, IndexedRealPut put, IndexedRealGet get, int32_t index,
                     double min, double max) {
    return {std::move(name) + "_" + std::to_string(index),
            [put, index](KVT80& e, double v) { return (e.*put)(Variant::Int(index), v); },
            [get, index](KVT80& e, double* v) { return (e.*get)(Variant::Int(index), v); },
            min,
            max,
            0.1,
            true};
}

RangedMember Band(int32_t channel, int32_t band) {
    return {"EQBand_" + std::to_string(channel) + "_" + std::to_string(band),
            [=](KVT80& e, double v) {
                return e.put_EQBand(Variant::Int(channel), Variant::Int(band), v);
            },
            [=](KVT80& e, double* v) {
                return e.get_EQBand(Variant::Int(channel), Variant::Int(band), v);
            },
            -6,
            6,
            0.1,
            true};
}

RangedMember Whole(std::string name, WholePut put, WholeGet get, int32_t min, int32_t max) {
    return {std::move(name),
            [put](KVT80& e, double v) { return (e.*put)(static_cast<int32_t>(v)); },
            [get](KVT80& e, double* v) {
                int32_t number = 0;
                const int32_t result = (e.*get)(&number);
                *v = number;
                return result;
            },
            static_cast<double>(min),
            static_cast<double>(max),
            1,
            false};
}

RangedMember WholeVariant(std::string name, VariantPut put, VariantGet get, int32_t min,
                          int32_t max) {
    return {std::move(name),
            [put](KVT80& e, double v) { return (e.*put)(Variant::Int(static_cast<int32_t>(v))); },
            [get](KVT80& e, double* v) {
                Variant number;
                const int32_t result = (e.*get)(&number);
                EXPECT_EQ(number.Type(), VT_I4);
                *v = number.Int32();
                return result;
            },
            static_cast<double>(min),
            static_cast<double>(max),
            1,
            false};
}

std::vector<RangedMember> RangedMembers() {
    std::vector<RangedMember> members;
    for (int32_t projector = 0; projector < 2; ++projector) {
        members.push_back(Indexed("LeftInputGain", &KVT80::put_LeftInputGain,
                                  &KVT80::get_LeftInputGain, projector, -23.9, 11.9));
        members.push_back(Indexed("RightInputGain", &KVT80::put_RightInputGain,
                                  &KVT80::get_RightInputGain, projector, -23.9, 11.9));
        members.push_back(
            Indexed("SlitEQ", &KVT80::put_SlitEQ, &KVT80::get_SlitEQ, projector, 10, 32));
    }
    for (int32_t channel : {0, 4, 7}) {
        members.push_back(Indexed("Bass", &KVT80::put_Bass, &KVT80::get_Bass, channel, -6, 6));
        members.push_back(
            Indexed("Treble", &KVT80::put_Treble, &KVT80::get_Treble, channel, -6, 6));
        members.push_back(
            Indexed("OutputGain", &KVT80::put_OutputGain, &KVT80::get_OutputGain, channel, -22, 8));
    }
    members.push_back(Band(0, 0));
    members.push_back(Band(3, 13));
    members.push_back(Band(7, 26));
    members.push_back(Real("MonoEQ", &KVT80::put_MonoEQ, &KVT80::get_MonoEQ, 3, 15));
    members.push_back(
        Real("SurroundGain", &KVT80::put_SurroundGain, &KVT80::get_SurroundGain, -6, 6));
    members.push_back(
        Real("SubwooferGain", &KVT80::put_SubwooferGain, &KVT80::get_SubwooferGain, -6, 6));
    members.push_back(
        Real("NonSyncGain", &KVT80::put_NonSyncGain, &KVT80::get_NonSyncGain, -24, 6));
    members.push_back(
        Real("LeftAuxGain", &KVT80::put_LeftAuxGain, &KVT80::get_LeftAuxGain, -23.9, 11.9));
    members.push_back(
        Real("RightAuxGain", &KVT80::put_RightAuxGain, &KVT80::get_RightAuxGain, -23.9, 11.9));
    members.push_back(
        Real("LeftMicGain", &KVT80::put_LeftMicGain, &KVT80::get_LeftMicGain, -23.9, 11.9));
    members.push_back(
        Real("RightMicGain", &KVT80::put_RightMicGain, &KVT80::get_RightMicGain, -23.9, 11.9));
    members.push_back(
        Real("SubwooferFreq", &KVT80::put_SubwooferFreq, &KVT80::get_SubwooferFreq, 50, 80));
    members.push_back(Real("SubParametricFreq", &KVT80::put_SubParametricFreq,
                           &KVT80::get_SubParametricFreq, 20, 120));
    members.push_back(
        Real("SubParametricQ", &KVT80::put_SubParametricQ, &KVT80::get_SubParametricQ, 0.5, 10));
    members.push_back(Real("SubParametricGain", &KVT80::put_SubParametricGain,
                           &KVT80::get_SubParametricGain, -11.9, 0));
    members.push_back(Whole("Delay", &KVT80::put_Delay, &KVT80::get_Delay, 10, 220));
    members.push_back(
        Whole("HeadroomAdjust", &KVT80::put_HeadroomAdjust, &KVT80::get_HeadroomAdjust, 0, 2));
    members.push_back(Whole("DigitalFallbackMode", &KVT80::put_DigitalFallbackMode,
                            &KVT80::get_DigitalFallbackMode, 0, 8));
    members.push_back(Whole("InputConfig", &KVT80::put_InputConfig, &KVT80::get_InputConfig, 0, 1));
    members.push_back(Whole("FaderLevel", &KVT80::put_FaderLevel, &KVT80::get_FaderLevel, 0, 100));
    members.push_back(WholeVariant("DigitalInputDelay", &KVT80::put_DigitalInputDelay,
                                   &KVT80::get_DigitalInputDelay, 32, 140));
    members.push_back(WholeVariant("DigitalSurroundDelay", &KVT80::put_DigitalSurroundDelay,
                                   &KVT80::get_DigitalSurroundDelay, 0, 100));
    members.push_back(WholeVariant("SelectedPreamp", &KVT80::put_SelectedPreamp,
                                   &KVT80::get_SelectedPreamp, 0, 3));
    members.push_back(WholeVariant("Mode", &KVT80::put_Mode, &KVT80::get_Mode, 0, 15));
    return members;
}

std::vector<double> OutsideValues(const RangedMember& member) {
    std::vector<double> outside = {member.min - member.step, member.max + member.step};
    if (member.real) {
        constexpr double kInf = std::numeric_limits<double>::infinity();
        outside.push_back(std::nextafter(member.min, -kInf));
        outside.push_back(std::nextafter(member.max, kInf));
        outside.push_back(std::numeric_limits<double>::quiet_NaN());
        outside.push_back(kInf);
        outside.push_back(-kInf);
    }
    return outside;
}

class Ranges : public ::testing::TestWithParam<RangedMember> {
  protected:
    std::unique_ptr<KVT80> engine = std::make_unique<KVT80>();
};

TEST_P(Ranges, AcceptBothEndsOfTheRange) {
    const RangedMember& member = GetParam();
    for (const double end : {member.min, member.max}) {
        SCOPED_TRACE(end);
        ASSERT_EQ(member.put(*engine, end), kOk);
        double read = std::nan("");
        ASSERT_EQ(member.get(*engine, &read), kOk);
        EXPECT_DOUBLE_EQ(read, end);
    }
}

TEST_P(Ranges, RefuseValuesOutsideTheRangeAndChangeNothing) {
    const RangedMember& member = GetParam();
    double factory = 0;
    ASSERT_EQ(member.get(*engine, &factory), kOk);
    const ParameterImage before = engine->Image();

    for (const double outside : OutsideValues(member)) {
        SCOPED_TRACE(outside);
        EXPECT_EQ(member.put(*engine, outside), kInvalid);
    }

    double read = std::nan("");
    ASSERT_EQ(member.get(*engine, &read), kOk);
    EXPECT_EQ(read, factory);
    ExpectSameImage(engine->Image(), before);
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(*engine));
}

TEST_P(Ranges, RefusalKeepsTheLastAcceptedValueAndItsQueuedWords) {
    const RangedMember& member = GetParam();
    ASSERT_EQ(member.put(*engine, member.max), kOk);
    const ParameterImage before = engine->Image();
    const size_t queued = TotalPending(*engine);

    EXPECT_EQ(member.put(*engine, member.max + member.step), kInvalid);
    EXPECT_EQ(member.put(*engine, member.min - member.step), kInvalid);

    double read = std::nan("");
    ASSERT_EQ(member.get(*engine, &read), kOk);
    EXPECT_DOUBLE_EQ(read, member.max);
    ExpectSameImage(engine->Image(), before);
    EXPECT_EQ(TotalPending(*engine), queued);
}

INSTANTIATE_TEST_SUITE_P(ParameterMembers, Ranges, ::testing::ValuesIn(RangedMembers()),
                         [](const ::testing::TestParamInfo<RangedMember>& info) {
                             return info.param.name;
                         });

// ---- Indexes and out-pointers -------------------------------------------------------------------

struct IndexedAccess {
    std::string name;
    std::function<int32_t(KVT80&)> get;
    std::function<int32_t(KVT80&)> put;
};

std::vector<IndexedAccess> InvalidIndexAccesses() {
    std::vector<IndexedAccess> accesses;
    for (const int32_t projector : {-1, 2, 1000}) {
        const Variant at = Variant::Int(projector);
        const std::string suffix = "(" + std::to_string(projector) + ")";
        double value = 0;
        accesses.push_back({"LeftInputGain" + suffix,
                            [=](KVT80& e) mutable { return e.get_LeftInputGain(at, &value); },
                            [=](KVT80& e) { return e.put_LeftInputGain(at, 1.0); }});
        accesses.push_back({"RightInputGain" + suffix,
                            [=](KVT80& e) mutable { return e.get_RightInputGain(at, &value); },
                            [=](KVT80& e) { return e.put_RightInputGain(at, 1.0); }});
        accesses.push_back({"SlitEQ" + suffix,
                            [=](KVT80& e) mutable { return e.get_SlitEQ(at, &value); },
                            [=](KVT80& e) { return e.put_SlitEQ(at, 12.0); }});
    }
    for (const int32_t channel : {-1, 8}) {
        const Variant at = Variant::Int(channel);
        const std::string suffix = "(" + std::to_string(channel) + ")";
        double value = 0;
        Variant flag;
        accesses.push_back({"Bass" + suffix,
                            [=](KVT80& e) mutable { return e.get_Bass(at, &value); },
                            [=](KVT80& e) { return e.put_Bass(at, 1.0); }});
        accesses.push_back({"Treble" + suffix,
                            [=](KVT80& e) mutable { return e.get_Treble(at, &value); },
                            [=](KVT80& e) { return e.put_Treble(at, 1.0); }});
        accesses.push_back({"OutputGain" + suffix,
                            [=](KVT80& e) mutable { return e.get_OutputGain(at, &value); },
                            [=](KVT80& e) { return e.put_OutputGain(at, 1.0); }});
        accesses.push_back({"Mute" + suffix,
                            [=](KVT80& e) mutable { return e.get_Mute(at, &flag); },
                            [=](KVT80& e) { return e.put_Mute(at, Variant::Bool(true)); }});
        accesses.push_back({"Invert" + suffix,
                            [=](KVT80& e) mutable { return e.get_Invert(at, &flag); },
                            [=](KVT80& e) { return e.put_Invert(at, Variant::Bool(true)); }});
        accesses.push_back(
            {"EQBand" + suffix + "(0)",
             [=](KVT80& e) mutable { return e.get_EQBand(at, Variant::Int(0), &value); },
             [=](KVT80& e) { return e.put_EQBand(at, Variant::Int(0), 1.0); }});
    }
    for (const int32_t band : {-1, 27}) {
        const Variant at = Variant::Int(band);
        const std::string suffix = "(0)(" + std::to_string(band) + ")";
        double value = 0;
        accesses.push_back(
            {"EQBand" + suffix,
             [=](KVT80& e) mutable { return e.get_EQBand(Variant::Int(0), at, &value); },
             [=](KVT80& e) { return e.put_EQBand(Variant::Int(0), at, 1.0); }});
    }
    return accesses;
}

TEST(ParameterMembersIndexes, OutOfRangeIndexesAreRefusedForReadAndWrite) {
    KVT80 engine;
    const ParameterImage before = engine.Image();
    for (const IndexedAccess& access : InvalidIndexAccesses()) {
        SCOPED_TRACE(access.name);
        EXPECT_EQ(access.get(engine), kInvalid);
        EXPECT_EQ(access.put(engine), kInvalid);
    }
    ExpectSameImage(engine.Image(), before);
    EXPECT_TRUE(engine.Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(engine));
}

TEST(ParameterMembersIndexes, EveryProjectorChannelAndBandInsideTheRangeIsReachable) {
    KVT80 engine;
    double value = 0;
    for (int32_t projector = 0; projector < 2; ++projector) {
        EXPECT_EQ(engine.get_LeftInputGain(Variant::Int(projector), &value), kOk);
        EXPECT_EQ(engine.get_SlitEQ(Variant::Int(projector), &value), kOk);
    }
    for (int32_t channel = 0; channel < 8; ++channel) {
        for (int32_t band = 0; band < 27; ++band) {
            EXPECT_EQ(engine.get_EQBand(Variant::Int(channel), Variant::Int(band), &value), kOk)
                << channel << " " << band;
        }
    }
}

TEST(ParameterMembersIndexes, NullOutPointersAreRefused) {
    KVT80 engine;
    const Variant zero = Variant::Int(0);
    const std::vector<std::pair<std::string, std::function<int32_t()>>> reads = {
        {"LeftInputGain", [&] { return engine.get_LeftInputGain(zero, nullptr); }},
        {"RightInputGain", [&] { return engine.get_RightInputGain(zero, nullptr); }},
        {"SlitEQ", [&] { return engine.get_SlitEQ(zero, nullptr); }},
        {"MonoEQ", [&] { return engine.get_MonoEQ(nullptr); }},
        {"Delay", [&] { return engine.get_Delay(nullptr); }},
        {"SurroundGain", [&] { return engine.get_SurroundGain(nullptr); }},
        {"SubwooferGain", [&] { return engine.get_SubwooferGain(nullptr); }},
        {"NonSyncGain", [&] { return engine.get_NonSyncGain(nullptr); }},
        {"Bass", [&] { return engine.get_Bass(zero, nullptr); }},
        {"Treble", [&] { return engine.get_Treble(zero, nullptr); }},
        {"EQBand", [&] { return engine.get_EQBand(zero, zero, nullptr); }},
        {"OutputGain", [&] { return engine.get_OutputGain(zero, nullptr); }},
        {"Mute", [&] { return engine.get_Mute(zero, nullptr); }},
        {"Invert", [&] { return engine.get_Invert(zero, nullptr); }},
        {"Mode", [&] { return engine.get_Mode(nullptr); }},
        {"LeftAuxGain", [&] { return engine.get_LeftAuxGain(nullptr); }},
        {"RightAuxGain", [&] { return engine.get_RightAuxGain(nullptr); }},
        {"LeftMicGain", [&] { return engine.get_LeftMicGain(nullptr); }},
        {"RightMicGain", [&] { return engine.get_RightMicGain(nullptr); }},
        {"SubwooferFreq", [&] { return engine.get_SubwooferFreq(nullptr); }},
        {"SubParametricFreq", [&] { return engine.get_SubParametricFreq(nullptr); }},
        {"SubParametricQ", [&] { return engine.get_SubParametricQ(nullptr); }},
        {"SubParametricGain", [&] { return engine.get_SubParametricGain(nullptr); }},
        {"DigitalSurroundDelay", [&] { return engine.get_DigitalSurroundDelay(nullptr); }},
        {"DigitalInputDelay", [&] { return engine.get_DigitalInputDelay(nullptr); }},
        {"HeadroomAdjust", [&] { return engine.get_HeadroomAdjust(nullptr); }},
        {"DigitalFallbackMode", [&] { return engine.get_DigitalFallbackMode(nullptr); }},
        {"InputConfig", [&] { return engine.get_InputConfig(nullptr); }},
        {"FaderLevel", [&] { return engine.get_FaderLevel(nullptr); }},
        {"SelectedPreamp", [&] { return engine.get_SelectedPreamp(nullptr); }},
        {"ConfigFileDirty", [&] { return engine.get_ConfigFileDirty(nullptr); }},
    };
    for (const auto& [name, read] : reads) {
        EXPECT_EQ(read(), kInvalid) << name;
    }
}

// ---- Raw words ----------------------------------------------------------------------------------

struct QueuedWord {
    int block;
    uint32_t address;
    uint32_t raw;
};

struct EncodingCase {
    std::string name;
    std::function<int32_t(KVT80&)> put;
    std::vector<QueuedWord> words;  // every word the put queues, and nothing else
};

std::vector<EncodingCase> EncodingCases() {
    return {
        {"EQBandRightTopBand",
         [](KVT80& e) { return e.put_EQBand(At(2), At(26), -3.0); },
         {{4, 68, 0xFFFFE2}}},
        {"EQBandCentreMiddleBand",
         [](KVT80& e) { return e.put_EQBand(At(1), At(14), -3.0); },
         {{4, 0x90, 0xFFFFE2}}},
        {"EQBandLeftSurroundTopBand",
         [](KVT80& e) { return e.put_EQBand(At(3), At(26), 1.5); },
         {{5, 4, 15}}},
        {"EQBandRightEXLowestBand",
         [](KVT80& e) { return e.put_EQBand(At(7), At(0), 6.0); },
         {{5, 222, 60}}},
        {"LeftInputGainProjector2Top",
         [](KVT80& e) { return e.put_LeftInputGain(At(1), 11.9); },
         {{1, 3, 119}}},
        {"LeftInputGainProjector1Bottom",
         [](KVT80& e) { return e.put_LeftInputGain(At(0), -23.9); },
         {{1, 2, Word24(-239)}}},
        {"RightInputGainProjector2",
         [](KVT80& e) { return e.put_RightInputGain(At(1), -0.5); },
         {{2, 3, Word24(-5)}}},
        {"SlitEQProjector1",
         [](KVT80& e) { return e.put_SlitEQ(At(0), 16); },
         {{1, 7, 0x400000}, {2, 7, 0x400000}}},
        {"SlitEQProjector2",
         [](KVT80& e) { return e.put_SlitEQ(At(1), 10); },
         {{1, 9, 0x280000}, {2, 9, 0x280000}}},
        {"SlitEQTop",
         [](KVT80& e) { return e.put_SlitEQ(At(1), 32); },
         {{1, 9, 0x800000}, {2, 9, 0x800000}}},
        {"MonoEQ", [](KVT80& e) { return e.put_MonoEQ(15); }, {{1, 14, 3211}, {2, 14, 3211}}},
        {"Delay", [](KVT80& e) { return e.put_Delay(100); }, {{3, 8, 0xFFC7C0}}},
        {"DelayTop", [](KVT80& e) { return e.put_Delay(220); }, {{3, 8, Word24(-31680)}}},
        {"SurroundGain",
         [](KVT80& e) { return e.put_SurroundGain(-6); },
         {{3, 2, Word24(-60)}, {3, 4, Word24(-60)}}},
        {"SubwooferGainZero", [](KVT80& e) { return e.put_SubwooferGain(0); }, {{3, 6, 0xFFFF9C}}},
        {"SubwooferGainBottom",
         [](KVT80& e) { return e.put_SubwooferGain(-6); },
         {{3, 6, Word24(-160)}}},
        {"SubwooferGainTop",
         [](KVT80& e) { return e.put_SubwooferGain(6); },
         {{3, 6, Word24(-40)}}},
        {"NonSyncGain", [](KVT80& e) { return e.put_NonSyncGain(-24); }, {{3, 0, Word24(-240)}}},
        {"BassTwoPointThree", [](KVT80& e) { return e.put_Bass(At(0), 2.3); }, {{4, 33, 23}}},
        {"BassMinusTwoPointThree",
         [](KVT80& e) { return e.put_Bass(At(0), -2.3); },
         {{4, 33, Word24(-23)}}},
        {"TrebleTruncatesTowardsZero",
         [](KVT80& e) { return e.put_Treble(At(5), 1.55); },
         {{5, 96, 15}}},
        {"TrebleNegativeTruncatesTowardsZero",
         [](KVT80& e) { return e.put_Treble(At(5), -1.55); },
         {{5, 96, Word24(-15)}}},
        {"OutputGainCentre", [](KVT80& e) { return e.put_OutputGain(At(1), 8); }, {{6, 1014, 80}}},
        {"OutputGainRight",
         [](KVT80& e) { return e.put_OutputGain(At(2), -22); },
         {{6, 1013, Word24(-220)}}},
        {"LeftAuxGain", [](KVT80& e) { return e.put_LeftAuxGain(11.9); }, {{1, 4, 119}}},
        {"RightAuxGain", [](KVT80& e) { return e.put_RightAuxGain(11.9); }, {{2, 4, 119}}},
        {"LeftMicGain", [](KVT80& e) { return e.put_LeftMicGain(-1); }, {{1, 5, Word24(-10)}}},
        {"RightMicGain", [](KVT80& e) { return e.put_RightMicGain(-1); }, {{2, 5, Word24(-10)}}},
        {"SubwooferFreqTop", [](KVT80& e) { return e.put_SubwooferFreq(80); }, {{3, 10, 3}}},
        {"SubwooferFreqBetweenSteps",
         [](KVT80& e) { return e.put_SubwooferFreq(65); },
         {{3, 10, 1}}},
        {"SubParametricFreq",
         [](KVT80& e) { return e.put_SubParametricFreq(40.7); },
         {{4, 229, 40}}},
        {"SubParametricQ", [](KVT80& e) { return e.put_SubParametricQ(0.5); }, {{4, 230, 32768}}},
        {"SubParametricQTop",
         [](KVT80& e) { return e.put_SubParametricQ(10); },
         {{4, 230, 0x0A0000}}},
        {"SubParametricGain",
         [](KVT80& e) { return e.put_SubParametricGain(-11.9); },
         {{4, 231, Word24(-119)}}},
        {"HeadroomStep1",
         [](KVT80& e) { return e.put_HeadroomAdjust(1); },
         {{4, 259, 0xDA9D00}, {5, 259, 0xDA9D00}}},
        {"HeadroomStep2",
         [](KVT80& e) { return e.put_HeadroomAdjust(2); },
         {{4, 259, 0xC02600}, {5, 259, 0xC02600}}},
        {"HeadroomOff",
         [](KVT80& e) { return e.put_HeadroomAdjust(0); },
         {{4, 259, 0}, {5, 259, 0}}},
        {"DigitalFallbackMode",
         [](KVT80& e) { return e.put_DigitalFallbackMode(8); },
         {{0, 557, 8}}},
        {"MuteLeftSurround",
         [](KVT80& e) { return e.put_Mute(At(3), Variant::Bool(true)); },
         {{5, 0, 2}}},
        {"InvertSubwoofer",
         [](KVT80& e) { return e.put_Invert(At(4), Variant::Bool(true)); },
         {{4, 192, 4}}},
    };
}

class ParameterEncodings : public ::testing::TestWithParam<EncodingCase> {
  protected:
    std::unique_ptr<KVT80> engine = std::make_unique<KVT80>();
};

TEST_P(ParameterEncodings, PutQueuesExactlyTheseWords) {
    const EncodingCase& encoding = GetParam();
    ASSERT_EQ(encoding.put(*engine), kOk);
    for (const QueuedWord& word : encoding.words) {
        EXPECT_EQ(engine->Pending().Pending(word.block, word.address), word.raw)
            << "block " << word.block << " address " << word.address;
    }
    EXPECT_EQ(TotalPending(*engine), encoding.words.size());
}

INSTANTIATE_TEST_SUITE_P(ParameterMembers, ParameterEncodings, ::testing::ValuesIn(EncodingCases()),
                         [](const ::testing::TestParamInfo<EncodingCase>& info) {
                             return info.param.name;
                         });

// Decimal tenths such as 2.3 are not exact in binary (2.3 x 10 = 22.999...); the word must still
// be the one the user typed.
TEST(ParameterMembersTenths, EveryTenthOfADecibelKeepsItsWord) {
    KVT80 engine;
    for (int tenths = -60; tenths <= 60; ++tenths) {
        ASSERT_EQ(engine.put_EQBand(At(0), At(0), tenths / 10.0), kOk) << tenths;
        EXPECT_EQ(engine.Pending().Pending(4, 30), Word24(tenths)) << tenths;
    }
    for (int tenths = -239; tenths <= 119; ++tenths) {
        ASSERT_EQ(engine.put_LeftAuxGain(tenths / 10.0), kOk) << tenths;
        EXPECT_EQ(engine.Pending().Pending(1, 4), Word24(tenths)) << tenths;
    }
}

TEST(ParameterMembersTenths, ValuesBetweenTenthsAreTruncatedNotRounded) {
    KVT80 engine;
    ASSERT_EQ(engine.put_Bass(At(0), 2.29), kOk);
    EXPECT_EQ(engine.Pending().Pending(4, 33), 22u);
    ASSERT_EQ(engine.put_Bass(At(0), -2.29), kOk);
    EXPECT_EQ(engine.Pending().Pending(4, 33), Word24(-22));
    ASSERT_EQ(engine.put_Bass(At(0), 0.09), kOk);
    EXPECT_EQ(engine.Pending().Pending(4, 33), 0u);
}

// Each channel owns a region in one of the equaliser processors and an output gain word; centre
// and right are not in channel order.
TEST(ParameterMembersChannels, EveryChannelWritesInItsOwnRegion) {
    struct Place {
        int block;
        uint32_t region;
        uint32_t outputGain;
    };
    const Place places[8] = {{4, 0, 1012},   {4, 128, 1014}, {4, 64, 1013},  {5, 0, 1016},
                             {4, 192, 1015}, {5, 64, 1017},  {5, 128, 1018}, {5, 192, 1019}};
    for (int32_t channel = 0; channel < 8; ++channel) {
        SCOPED_TRACE(channel);
        KVT80 engine;
        const Place& place = places[channel];
        ASSERT_EQ(engine.put_Bass(At(channel), 1.0), kOk);
        ASSERT_EQ(engine.put_Treble(At(channel), 2.0), kOk);
        ASSERT_EQ(engine.put_EQBand(At(channel), At(0), 3.0), kOk);
        ASSERT_EQ(engine.put_EQBand(At(channel), At(26), 4.0), kOk);
        ASSERT_EQ(engine.put_OutputGain(At(channel), 5.0), kOk);
        ASSERT_EQ(engine.put_Mute(At(channel), Variant::Bool(true)), kOk);
        EXPECT_EQ(engine.Pending().Pending(place.block, place.region + 33), 10u);
        EXPECT_EQ(engine.Pending().Pending(place.block, place.region + 32), 20u);
        EXPECT_EQ(engine.Pending().Pending(place.block, place.region + 30), 30u);
        EXPECT_EQ(engine.Pending().Pending(place.block, place.region + 4), 40u);
        EXPECT_EQ(engine.Pending().Pending(6, place.outputGain), 50u);
        EXPECT_EQ(engine.Pending().Pending(place.block, place.region + 0), 2u);
        EXPECT_EQ(engine.Pending().Size(place.block), 5u);
        EXPECT_EQ(engine.Pending().Size(6), 1u);
    }
}

// ---- Channel flags ------------------------------------------------------------------------------

class ParameterMembersChannelFlags : public ::testing::Test {
  protected:
    bool Read(int32_t (KVT80::*get)(const Variant&, Variant*), int32_t channel) {
        Variant flag;
        EXPECT_EQ((engine.get()->*get)(At(channel), &flag), kOk);
        EXPECT_EQ(flag.Type(), VT_BOOL);
        EXPECT_TRUE(flag.BoolField() == VARIANT_TRUE || flag.BoolField() == VARIANT_FALSE);
        return flag.IsTrue();
    }

    std::unique_ptr<KVT80> engine = std::make_unique<KVT80>();
};

TEST_F(ParameterMembersChannelFlags, FlagsWordCarriesBothMuteAndInvert) {
    ASSERT_EQ(engine->put_Mute(At(3), Variant::Bool(true)), kOk);
    EXPECT_EQ(engine->Pending().Pending(5, 0), 2u);
    ASSERT_EQ(engine->put_Invert(At(3), Variant::Bool(true)), kOk);
    EXPECT_EQ(engine->Pending().Pending(5, 0), 6u);
    ASSERT_EQ(engine->put_Mute(At(3), Variant::Bool(false)), kOk);
    EXPECT_EQ(engine->Pending().Pending(5, 0), 4u);
    EXPECT_FALSE(Read(&KVT80::get_Mute, 3));
    EXPECT_TRUE(Read(&KVT80::get_Invert, 3));
    ASSERT_EQ(engine->put_Invert(At(3), Variant::Bool(false)), kOk);
    EXPECT_EQ(engine->Pending().Pending(5, 0), 0u);
    EXPECT_EQ(engine->Pending().Size(5), 1u);
}

TEST_F(ParameterMembersChannelFlags, FlagsOfOneChannelLeaveTheOthersAlone) {
    ASSERT_EQ(engine->put_Mute(At(0), Variant::Bool(true)), kOk);
    ASSERT_EQ(engine->put_Invert(At(2), Variant::Bool(true)), kOk);
    EXPECT_EQ(engine->Pending().Pending(4, 0), 2u);
    EXPECT_EQ(engine->Pending().Pending(4, 64), 4u);
    EXPECT_TRUE(Read(&KVT80::get_Mute, 0));
    EXPECT_FALSE(Read(&KVT80::get_Invert, 0));
    EXPECT_FALSE(Read(&KVT80::get_Mute, 2));
    EXPECT_TRUE(Read(&KVT80::get_Invert, 2));
    for (const int32_t other : {1, 3, 4, 5, 6, 7}) {
        EXPECT_FALSE(Read(&KVT80::get_Mute, other)) << other;
        EXPECT_FALSE(Read(&KVT80::get_Invert, other)) << other;
    }
}

// Only the automation true (-1 in the boolean field) counts; other non-zero values are false.
TEST_F(ParameterMembersChannelFlags, OnlyMinusOneInTheBooleanFieldIsTrue) {
    ASSERT_EQ(engine->put_Mute(At(0), Variant::Bool16(1)), kOk);
    EXPECT_FALSE(Read(&KVT80::get_Mute, 0));
    EXPECT_EQ(engine->Pending().Pending(4, 0), 0u);

    ASSERT_EQ(engine->put_Invert(At(0), Variant::Int(1)), kOk);
    EXPECT_FALSE(Read(&KVT80::get_Invert, 0));
    EXPECT_EQ(engine->Pending().Pending(4, 0), 0u);

    ASSERT_EQ(engine->put_Mute(At(0), Variant::Bool16(VARIANT_TRUE)), kOk);
    EXPECT_TRUE(Read(&KVT80::get_Mute, 0));
    EXPECT_EQ(engine->Pending().Pending(4, 0), 2u);
}

// ---- Digital delays and the input configuration -------------------------------------------------

class ParameterMembersDelays : public ::testing::Test {
  protected:
    void ExpectBlockDelays(int block, uint32_t first, uint32_t second, uint32_t third,
                           uint32_t fourth) {
        SCOPED_TRACE("block " + std::to_string(block));
        EXPECT_EQ(engine->Pending().Pending(block, 35), first);
        EXPECT_EQ(engine->Pending().Pending(block, 99), second);
        EXPECT_EQ(engine->Pending().Pending(block, 163), third);
        EXPECT_EQ(engine->Pending().Pending(block, 227), fourth);
    }

    int32_t ReadVariant(int32_t (KVT80::*get)(Variant*)) {
        Variant value;
        EXPECT_EQ((engine.get()->*get)(&value), kOk);
        EXPECT_EQ(value.Type(), VT_I4);
        return value.Int32();
    }

    std::unique_ptr<KVT80> engine = std::make_unique<KVT80>();
};

TEST_F(ParameterMembersDelays, InputDelayWritesEveryRegionOfBothEqualisers) {
    ASSERT_EQ(engine->put_DigitalInputDelay(Variant::Int(40)), kOk);
    const uint32_t word = ChannelDelayWord(40);
    ExpectBlockDelays(4, word, word, word, word);
    ExpectBlockDelays(5, word, word, word, word);
    EXPECT_EQ(TotalPending(*engine), 8u);
    EXPECT_EQ(ReadVariant(&KVT80::get_DigitalInputDelay), 40);
}

TEST_F(ParameterMembersDelays, SurroundDelayAddsToTheInputDelayInTheSurroundEqualiserOnly) {
    ASSERT_EQ(engine->put_DigitalSurroundDelay(Variant::Int(10)), kOk);
    const uint32_t word = ChannelDelayWord(32 + 10);  // a new engine's input delay is 32 ms
    ExpectBlockDelays(5, word, word, word, word);
    EXPECT_EQ(engine->Pending().Size(4), 0u);
    EXPECT_EQ(TotalPending(*engine), 4u);
    EXPECT_EQ(ReadVariant(&KVT80::get_DigitalSurroundDelay), 10);
}

TEST_F(ParameterMembersDelays, LongestDelaysStillFitTheWord) {
    ASSERT_EQ(engine->put_DigitalSurroundDelay(Variant::Int(100)), kOk);
    ASSERT_EQ(engine->put_DigitalInputDelay(Variant::Int(140)), kOk);
    const uint32_t input = ChannelDelayWord(140);
    const uint32_t surround = ChannelDelayWord(240);
    ExpectBlockDelays(4, input, input, input, input);
    ExpectBlockDelays(5, surround, surround, surround, surround);
    EXPECT_EQ(surround, 74u);
}

TEST_F(ParameterMembersDelays, LcrcKeepsTheSurroundDelayOffTheExRegions) {
    ASSERT_EQ(engine->put_DigitalSurroundDelay(Variant::Int(20)), kOk);
    const uint32_t withSurround = ChannelDelayWord(52);
    const uint32_t inputOnly = ChannelDelayWord(32);

    ASSERT_EQ(engine->put_InputConfig(1), kOk);
    ExpectBlockDelays(5, withSurround, withSurround, inputOnly, inputOnly);
    ExpectBlockDelays(4, inputOnly, inputOnly, inputOnly, inputOnly);
    EXPECT_EQ(engine->Pending().Pending(5, 262), 0u);
    int32_t config = -1;
    ASSERT_EQ(engine->get_InputConfig(&config), kOk);
    EXPECT_EQ(config, 1);

    // While LCRC is chosen, a new surround delay still stays off the EX regions.
    ASSERT_EQ(engine->put_DigitalSurroundDelay(Variant::Int(30)), kOk);
    ExpectBlockDelays(5, ChannelDelayWord(62), ChannelDelayWord(62), inputOnly, inputOnly);

    ASSERT_EQ(engine->put_InputConfig(0), kOk);
    const uint32_t all = ChannelDelayWord(62);
    ExpectBlockDelays(5, all, all, all, all);
    EXPECT_EQ(engine->Pending().Pending(5, 262), 4096u);
}

// Routing word: 1024 for LCRC or 64 for 7.1, plus 32 when the selected format has mono EQ,
// or-ed with 128 when it decodes matrix.
TEST_F(ParameterMembersDelays, InputConfigQueuesTheRoutingWordForTheSelectedFormat) {
    ASSERT_EQ(engine->put_InputConfig(1), kOk);  // format 0, Mono: mono EQ, no matrix
    EXPECT_EQ(engine->Pending().Pending(3, 12), 1024u + 32u);
    ASSERT_EQ(engine->put_InputConfig(0), kOk);
    EXPECT_EQ(engine->Pending().Pending(3, 12), 64u + 32u);

    ASSERT_EQ(engine->put_Mode(Variant::Int(3)), kOk);  // Digital A: matrix
    ASSERT_EQ(engine->put_InputConfig(1), kOk);
    EXPECT_EQ(engine->Pending().Pending(3, 12), 1024u + 128u);
    EXPECT_EQ(engine->Pending().Pending(5, 262), 0u);
}

TEST_F(ParameterMembersDelays, RefusedInputConfigQueuesNothing) {
    EXPECT_EQ(engine->put_InputConfig(2), kInvalid);
    EXPECT_EQ(engine->put_InputConfig(-1), kInvalid);
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(*engine));
}

// ---- CopyEQ -------------------------------------------------------------------------------------

class ParameterMembersCopyEQ : public ::testing::Test {
  protected:
    static constexpr int32_t kSource =
        3;  // in the second equaliser, so copies to block 4 stand out

    void SetUp() override {
        ASSERT_EQ(engine->put_Bass(At(kSource), 1.5), kOk);
        ASSERT_EQ(engine->put_Treble(At(kSource), -2.5), kOk);
        for (int32_t band = 0; band < 27; ++band) {
            ASSERT_EQ(engine->put_EQBand(At(kSource), At(band), BandValue(band)), kOk);
        }
    }

    static double BandValue(int32_t band) { return (band % 13 - 6) * 0.5; }

    void ExpectCopiedTo(int32_t channel) {
        SCOPED_TRACE("channel " + std::to_string(channel));
        double value = 0;
        ASSERT_EQ(engine->get_Bass(At(channel), &value), kOk);
        EXPECT_DOUBLE_EQ(value, 1.5);
        ASSERT_EQ(engine->get_Treble(At(channel), &value), kOk);
        EXPECT_DOUBLE_EQ(value, -2.5);
        for (int32_t band = 0; band < 27; ++band) {
            ASSERT_EQ(engine->get_EQBand(At(channel), At(band), &value), kOk);
            EXPECT_DOUBLE_EQ(value, BandValue(band)) << band;
        }
    }

    void ExpectFlat(int32_t channel) {
        SCOPED_TRACE("channel " + std::to_string(channel));
        double value = 1;
        ASSERT_EQ(engine->get_Bass(At(channel), &value), kOk);
        EXPECT_EQ(value, 0.0);
        ASSERT_EQ(engine->get_Treble(At(channel), &value), kOk);
        EXPECT_EQ(value, 0.0);
        for (int32_t band = 0; band < 27; ++band) {
            ASSERT_EQ(engine->get_EQBand(At(channel), At(band), &value), kOk);
            EXPECT_EQ(value, 0.0) << band;
        }
    }

    std::unique_ptr<KVT80> engine = std::make_unique<KVT80>();
};

class CopyEQLowerBounds : public ParameterMembersCopyEQ,
                          public ::testing::WithParamInterface<int32_t> {};

TEST_P(CopyEQLowerBounds, ElementsCountByPositionWhateverTheLowerBound) {
    const Variant destinations = Variant::Array(
        VT_VARIANT, {Variant::Bool(false), Variant::Bool(false), Variant::Bool(true)}, GetParam());
    ASSERT_EQ(engine->CopyEQ(At(kSource), destinations), kOk);

    ExpectCopiedTo(2);
    ExpectFlat(0);
    ExpectFlat(1);
    // Channel 2 is the right channel: region 64 of the first equaliser, 29 words.
    EXPECT_EQ(engine->Pending().Size(4), 29u);
    EXPECT_EQ(engine->Pending().Pending(4, 64 + 33), 15u);
    EXPECT_EQ(engine->Pending().Pending(4, 64 + 32), Word24(-25));
    for (int32_t band = 0; band < 27; ++band) {
        EXPECT_EQ(engine->Pending().Pending(4, 64 + 30 - static_cast<uint32_t>(band)),
                  Word24(static_cast<int32_t>(BandValue(band) * 10)))
            << band;
    }
}

TEST_P(CopyEQLowerBounds, OnlyMinusOneInAnElementSelectsItsChannel) {
    const Variant destinations = Variant::Array(
        VT_VARIANT, {Variant::Bool16(1), Variant::Bool(true), Variant::Int(0)}, GetParam());
    ASSERT_EQ(engine->CopyEQ(At(kSource), destinations), kOk);
    ExpectFlat(0);
    ExpectCopiedTo(1);
    ExpectFlat(2);
}

INSTANTIATE_TEST_SUITE_P(ParameterMembers, CopyEQLowerBounds, ::testing::Values(0, 5, -3));

TEST_F(ParameterMembersCopyEQ, ElementsBeyondTheLastChannelAreSkipped) {
    std::vector<Variant> all(11, Variant::Bool(true));
    ASSERT_EQ(engine->CopyEQ(At(kSource), Variant::Array(VT_VARIANT, all)), kOk);
    for (int32_t channel = 0; channel < 8; ++channel) {
        ExpectCopiedTo(channel);
    }
    EXPECT_EQ(engine->Pending().Size(4), 4u * 29u);
    EXPECT_EQ(engine->Pending().Size(5), 4u * 29u);
    EXPECT_EQ(TotalPending(*engine), 8u * 29u);
}

TEST_F(ParameterMembersCopyEQ, EmptyArrayCopiesNothing) {
    const size_t before = TotalPending(*engine);
    EXPECT_EQ(engine->CopyEQ(At(kSource), Variant::Array(VT_VARIANT, {})), kOk);
    EXPECT_EQ(TotalPending(*engine), before);
}

TEST(ParameterMembersCopyEQArguments, BadSourceOrNonArrayIsRefusedAndCopiesNothing) {
    KVT80 engine;
    const Variant everyChannel =
        Variant::Array(VT_VARIANT, std::vector<Variant>(8, Variant::Bool(true)));
    EXPECT_EQ(engine.CopyEQ(At(-1), everyChannel), kInvalid);
    EXPECT_EQ(engine.CopyEQ(At(8), everyChannel), kInvalid);
    EXPECT_EQ(engine.CopyEQ(At(0), Variant::Bool(true)), kInvalid);
    EXPECT_EQ(engine.CopyEQ(At(0), Variant::Int(7)), kInvalid);
    EXPECT_EQ(engine.CopyEQ(At(0), Variant()), kInvalid);
    EXPECT_TRUE(engine.Pending().AllEmpty());
    EXPECT_FALSE(ConfigDirty(engine));
}

// ---- Configuration-dirty flag and coalescing ----------------------------------------------------

TEST(ParameterMembersDirtyFlag, ANewEngineIsClean) {
    KVT80 engine;
    EXPECT_FALSE(ConfigDirty(engine));
}

TEST(ParameterMembersDirtyFlag, EveryAcceptedParameterPutSetsIt) {
    const std::vector<std::pair<std::string, std::function<int32_t(KVT80&)>>> puts = {
        {"EQBand", [](KVT80& e) { return e.put_EQBand(At(0), At(0), 1); }},
        {"LeftInputGain", [](KVT80& e) { return e.put_LeftInputGain(At(0), 1); }},
        {"Delay", [](KVT80& e) { return e.put_Delay(30); }},
        {"Mute", [](KVT80& e) { return e.put_Mute(At(0), Variant::Bool(true)); }},
        {"Invert", [](KVT80& e) { return e.put_Invert(At(0), Variant::Bool(true)); }},
        {"HeadroomAdjust", [](KVT80& e) { return e.put_HeadroomAdjust(1); }},
        {"DigitalFallbackMode", [](KVT80& e) { return e.put_DigitalFallbackMode(2); }},
        {"DigitalInputDelay", [](KVT80& e) { return e.put_DigitalInputDelay(Variant::Int(50)); }},
        {"DigitalSurroundDelay",
         [](KVT80& e) { return e.put_DigitalSurroundDelay(Variant::Int(5)); }},
        {"InputConfig", [](KVT80& e) { return e.put_InputConfig(1); }},
        {"CopyEQ",
         [](KVT80& e) {
             return e.CopyEQ(At(0), Variant::Array(VT_VARIANT, {Variant::Bool(true)}));
         }},
    };
    for (const auto& [name, put] : puts) {
        KVT80 engine;
        ASSERT_EQ(put(engine), kOk) << name;
        EXPECT_TRUE(ConfigDirty(engine)) << name;
    }
}

TEST(ParameterMembersDirtyFlag, FormatSelectionIsNotConfiguration) {
    KVT80 engine;
    ASSERT_EQ(engine.put_Mode(Variant::Int(15)), kOk);
    EXPECT_EQ(engine.put_Mode(Variant::Int(16)), kInvalid);
    EXPECT_FALSE(ConfigDirty(engine));
    Variant mode;
    ASSERT_EQ(engine.get_Mode(&mode), kOk);
    EXPECT_EQ(mode, Variant::Int(15));
}

TEST(ParameterMembersDirtyFlag, SerialNumberBelongsToTheUnitNotTheConfiguration) {
    KVT80 engine;
    ASSERT_EQ(engine.put_SerialNumber(Variant::String(u"KVT-0042")), kOk);
    EXPECT_FALSE(ConfigDirty(engine));
}

TEST(ParameterMembersDirtyFlag, RefusedPutsLeaveItClear) {
    KVT80 engine;
    EXPECT_EQ(engine.put_Bass(At(0), 6.1), kInvalid);
    EXPECT_EQ(engine.put_Bass(At(8), 1), kInvalid);
    EXPECT_EQ(engine.put_HeadroomAdjust(3), kInvalid);
    EXPECT_EQ(engine.put_Mute(At(-1), Variant::Bool(true)), kInvalid);
    EXPECT_EQ(engine.CopyEQ(At(9), Variant::Array(VT_VARIANT, {Variant::Bool(true)})), kInvalid);
    EXPECT_FALSE(ConfigDirty(engine));
}

TEST(ParameterMembersCoalescing, SecondPutOfAnAddressReplacesTheFirst) {
    KVT80 engine;
    ASSERT_EQ(engine.put_Bass(At(0), 1.0), kOk);
    ASSERT_EQ(engine.put_Bass(At(0), -2.0), kOk);
    EXPECT_EQ(engine.Pending().Pending(4, 33), Word24(-20));
    EXPECT_EQ(engine.Pending().Size(4), 1u);

    ASSERT_EQ(engine.put_SurroundGain(3.0), kOk);
    ASSERT_EQ(engine.put_SurroundGain(-4.0), kOk);
    EXPECT_EQ(engine.Pending().Pending(3, 2), Word24(-40));
    EXPECT_EQ(engine.Pending().Pending(3, 4), Word24(-40));
    EXPECT_EQ(engine.Pending().Size(3), 2u);

    ASSERT_EQ(engine.put_HeadroomAdjust(1), kOk);
    ASSERT_EQ(engine.put_HeadroomAdjust(0), kOk);
    EXPECT_EQ(engine.Pending().Pending(4, 259), 0u);
    EXPECT_EQ(engine.Pending().Pending(5, 259), 0u);
    EXPECT_EQ(TotalPending(engine), 5u);
}

// ---- Front-panel values and the remote address
// ---------------------------------------------------

TEST(ParameterMembersFrontPanel, SystemMuteTakesOnlyBooleanVariants) {
    KVT80 engine;
    EXPECT_EQ(engine.put_SystemMute(Variant::Int(-1)), kInvalid);
    EXPECT_EQ(engine.put_SystemMute(Variant::String(u"true")), kInvalid);
    Variant mute;
    ASSERT_EQ(engine.get_SystemMute(&mute), kOk);
    EXPECT_EQ(mute, Variant::Bool(false));

    ASSERT_EQ(engine.put_SystemMute(Variant::Bool(true)), kOk);
    engine.get_SystemMute(&mute);
    EXPECT_EQ(mute, Variant::Bool(true));
    // A boolean that is not -1 is false.
    ASSERT_EQ(engine.put_SystemMute(Variant::Bool16(1)), kOk);
    engine.get_SystemMute(&mute);
    EXPECT_EQ(mute, Variant::Bool(false));
    EXPECT_FALSE(ConfigDirty(engine));
    EXPECT_EQ(TotalPending(engine), 0u);
}

TEST(ParameterMembersRemoteAddress, ReadsBackWhatWasWrittenAndRefusesWhatCannotBeAPort) {
    KVT80 engine;
    std::u16string address = u"unset";
    ASSERT_EQ(engine.get_RemoteAddress(&address), kOk);
    EXPECT_EQ(address, u"");
    ASSERT_EQ(engine.put_RemoteAddress(u"10.0.0.7:4001"), kOk);
    engine.get_RemoteAddress(&address);
    EXPECT_EQ(address, u"10.0.0.7:4001");

    EXPECT_EQ(engine.put_RemoteAddress(u"10.0.0.7\n"), kInvalid);
    EXPECT_EQ(engine.put_RemoteAddress(std::u16string(300, u'a')), kInvalid);
    engine.get_RemoteAddress(&address);
    EXPECT_EQ(address, u"10.0.0.7:4001");
    ASSERT_EQ(engine.put_RemoteAddress(u""), kOk);
    EXPECT_EQ(engine.get_RemoteAddress(nullptr), kInvalid);
}

}  // namespace
}  // namespace kvt
