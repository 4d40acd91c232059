// Verify: the mask of the blocks in which the unit differs from the engine's image.
#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "ImageTestSupport.h"
#include "image/Verification.h"

namespace kvt {
namespace {

using testing::At;

TEST(VerificationMask, EachFieldMarksItsBlock) {
    const ParameterImage expected = FactoryImage();
    EXPECT_EQ(VerificationMask(expected, expected), 0u);

    struct Case {
        const char* what;
        void (*change)(ParameterImage&);
        uint32_t mask;
    };
    const Case cases[] = {
        {"EQ band",
         [](ParameterImage& i) {
             i.Set(Param::EQBand, {6, 26}, 1.5);
         },
         0x30},
        {"bass",
         [](ParameterImage& i) {
             i.Set(Param::Bass, {0, 0}, 2.0);
         },
         0x30},
        {"mute flag", [](ParameterImage& i) { i.mute[3] = !i.mute[3]; }, 0x30},
        {"polarity flag", [](ParameterImage& i) { i.invert[7] = !i.invert[7]; }, 0x30},
        {"headroom", [](ParameterImage& i) { i.Set(Param::HeadroomAdjust, {}, 2); }, 0x30},
        {"sub Q", [](ParameterImage& i) { i.Set(Param::SubParametricQ, {}, 3.0); }, 0x30},
        {"output gain",
         [](ParameterImage& i) {
             i.Set(Param::OutputGain, {5, 0}, -1.0);
         },
         0x40},
        {"input config", [](ParameterImage& i) { i.Set(Param::InputConfig, {}, 1); }, 0x08},
        {"mic gain", [](ParameterImage& i) { i.Set(Param::RightMicGain, {}, 4.0); }, 0x08},
        {"slit EQ",
         [](ParameterImage& i) {
             i.Set(Param::SlitEQ, {1, 0}, 9.0);
         },
         0x06},
        {"mono EQ 0.15 lower",
         [](ParameterImage& i) { i.Set(Param::MonoEQ, {}, i.Get(Param::MonoEQ) - 0.15); }, 0x06},
        {"power-on format", [](ParameterImage& i) { i.formats.powerOnFormat = 5; }, 0x01},
        {"button", [](ParameterImage& i) { i.formats.buttonFormat[2] = 11; }, 0x01},
        {"format count", [](ParameterImage& i) { i.formats.formatCount = 3; }, 0x01},
        {"format flag",
         [](ParameterImage& i) { i.formats.records[4].SetFlag(format_flag::Aux, true); }, 0x01},
        {"format level", [](ParameterImage& i) { i.formats.records[9].bytes[kLevelOffset] = 40; },
         0x01},
        {"profile text",
         [](ParameterImage& i) { i.profile.SetText(ProfileField::Comments, u"changed"); }, 0x01},
        {"fallback mode", [](ParameterImage& i) { i.Set(Param::DigitalFallbackMode, {}, 1); },
         0x01},
    };
    for (const Case& c : cases) {
        ParameterImage unit = expected;
        c.change(unit);
        EXPECT_EQ(VerificationMask(expected, unit), c.mask) << c.what;
    }
}

TEST(VerificationMask, WhatTheUnitKeepsDifferentlyIsNoDifference) {
    const ParameterImage expected = FactoryImage();
    ParameterImage unit = expected;
    unit.Set(Param::MonoEQ, {}, expected.Get(Param::MonoEQ) - 0.05);
    unit.Set(Param::SubwooferFreq, {}, 80.0);
    unit.formats.records[1].SetFlags(
        static_cast<uint16_t>(unit.formats.records[1].Flags() ^ 0x8000));
    unit.formats.records[2].SetText(kFormatText1, "Renamed");
    unit.profile.SetText(ProfileField::SerialNumber, u"SN999");
    // What follows a profile text's terminator is not part of the text.
    std::u16string& name = unit.profile.fields[static_cast<size_t>(ProfileField::TheaterName)];
    name.back() = u'z';
    EXPECT_EQ(VerificationMask(expected, unit), 0u);
}

class Verification : public testing::EngineOnSimulatedUnit {
  protected:
    void Retrieved() {
        ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), 0);
        ASSERT_EQ(engine->Connect(), 0);
        ASSERT_EQ(engine->QueryKVT(), 0);
    }
};

TEST_F(Verification, UnitHoldingTheImageVerifiesWithMaskZero) {
    Retrieved();
    ASSERT_EQ(engine->put_EQBand(At(4), At(3), 2.5), 0);
    ASSERT_TRUE(testing::Eventually([&] { return engine->Pending().AllEmpty(); }));
    engine->WithLink([](auto&, auto&, auto&) { return 0; });
    Variant mask = Variant::Int(-1);
    EXPECT_EQ(engine->Verify(&mask), 0);
    EXPECT_EQ(mask.Type(), VT_I4);
    EXPECT_EQ(mask.Int32(), 0);
    EXPECT_TRUE(Ready());
    EXPECT_FALSE(events->Named("ConnectionProgress").empty());
}

TEST_F(Verification, SavedConfigurationVerifiesAndSurvivesAPowerCycle) {
    EngineTimings timings = testing::FastTimings();
    timings.saveSettle = std::chrono::milliseconds(10);
    engine->SetTimings(timings);
    Retrieved();
    ASSERT_EQ(engine->put_Bass(At(1), 3.0), 0);
    ASSERT_EQ(engine->put_OutputGain(At(7), -4.5), 0);
    ASSERT_EQ(engine->put_Mute(At(5), Variant::Bool(true)), 0);
    ASSERT_EQ(engine->SaveKVTParameters(), 0);
    Variant mask = Variant::Int(-1);
    EXPECT_EQ(engine->Verify(&mask), 0);
    EXPECT_EQ(mask.Int32(), 0);

    unit.PowerCycle();
    EXPECT_EQ(engine->Verify(&mask), 0);
    EXPECT_EQ(mask.Int32(), 0);
    double bass = 0;
    engine->get_Bass(At(1), &bass);
    EXPECT_EQ(bass, 3.0);
}

TEST_F(Verification, LostBandIsReportedAndTheImageTakesTheUnitsValue) {
    Retrieved();
    // Band 5 of the right channel, changed in the unit behind the engine's back.
    ASSERT_EQ(engine->put_EQBand(At(2), At(5), 1.0), 0);
    ASSERT_TRUE(testing::Eventually([&] { return engine->Pending().AllEmpty(); }));
    engine->WithLink([](auto&, auto&, auto&) { return 0; });
    const ParameterImage before = engine->Image();
    const Locations locations = RowOf(Param::EQBand).locate({2, 5});
    const Location band5 = locations.All().front();
    ASSERT_EQ(unit.Memory(band5.block, band5.address), testing::Word24(10));
    unit.SetMemory(band5.block, band5.address, testing::Word24(-20));

    Variant mask;
    EXPECT_EQ(engine->Verify(&mask), 1);
    EXPECT_EQ(mask.Int32(), 0x30);
    double band = 0;
    engine->get_EQBand(At(2), At(5), &band);
    EXPECT_EQ(band, -2.0);
    EXPECT_NE(engine->Image().values, before.values);
    EXPECT_TRUE(Ready());
}

TEST_F(Verification, ReadBackThatFailsIsAFailedVerification) {
    Variant mask;
    EXPECT_EQ(engine->Verify(nullptr), 87);
    EXPECT_EQ(engine->Verify(&mask), 1);  // no link
    EXPECT_EQ(mask.Int32(), 0);

    Retrieved();
    sim::Fault stop;
    stop.kind = sim::FaultKind::StopAnswering;
    unit.InjectFault(stop);
    EXPECT_EQ(engine->Verify(&mask), 1);
    EXPECT_EQ(mask.Int32(), 0);
    EXPECT_TRUE(Ready());
}

}  // namespace
}  // namespace kvt
