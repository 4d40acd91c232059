#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "KVT80.h"
#include "TestSupport.h"
#include "automation/DispatchTable.h"
#include "automation/Events.h"
#include "automation/Variant.h"
#include "text/Codepage.h"

namespace kvt {
namespace {

TEST(Variants, ValueFieldIsSharedLikeTheAutomationUnion) {
    const Variant flag = Variant::Bool(true);
    EXPECT_EQ(flag.Type(), VT_BOOL);
    EXPECT_EQ(flag.BoolField(), -1);
    EXPECT_EQ(flag.Int32(), 0xFFFF);  // the 16-bit field read as a 32-bit integer
    EXPECT_TRUE(flag.IsTrue());
    EXPECT_FALSE(Variant::Int(-1).IsTrue());  // only a VT_BOOL counts as an automation boolean
    EXPECT_FALSE(Variant::Bool16(1).IsTrue());
    EXPECT_EQ(Variant::Int(0x12345678).BoolField(), 0x5678);
}

TEST(Variants, EqualityComparesTypeAndValue) {
    EXPECT_EQ(Variant::Int(3), Variant::Int(3));
    EXPECT_NE(Variant::Int(3), Variant::Double(3));
    EXPECT_EQ(Variant::String(u"a"), Variant::String(u"a"));
    EXPECT_EQ(Variant::Array(VT_VARIANT, {Variant::Int(1)}),
              Variant::Array(VT_VARIANT, {Variant::Int(1)}));
    EXPECT_NE(Variant::Array(VT_VARIANT, {Variant::Int(1)}, 1),
              Variant::Array(VT_VARIANT, {Variant::Int(1)}));
}

TEST(VariantCoercion, NumbersBooleansAndStrings) {
    Variant out;
    ASSERT_TRUE(CoerceVariant(Variant::Int(3), VT_R8, out));
    EXPECT_EQ(out.Type(), VT_R8);
    EXPECT_EQ(out.DoubleValue(), 3.0);
    ASSERT_TRUE(CoerceVariant(Variant::Double(2.5), VT_I4, out));
    EXPECT_EQ(out.Int32(), 2);  // half to even
    ASSERT_TRUE(CoerceVariant(Variant::Double(3.5), VT_I4, out));
    EXPECT_EQ(out.Int32(), 4);
    ASSERT_TRUE(CoerceVariant(Variant::Int(7), VT_BOOL, out));
    EXPECT_EQ(out.BoolField(), -1);
    ASSERT_TRUE(CoerceVariant(Variant::Bool(true), VT_I4, out));
    EXPECT_EQ(out.Int32(), -1);
    ASSERT_TRUE(CoerceVariant(Variant::String(u"-3.25"), VT_R8, out));
    EXPECT_EQ(out.DoubleValue(), -3.25);
    ASSERT_TRUE(CoerceVariant(Variant::Int(42), VT_BSTR, out));
    EXPECT_EQ(out.StringValue(), u"42");
    const Variant keep = Variant::Int(9);
    ASSERT_TRUE(CoerceVariant(keep, VT_VARIANT, out));
    EXPECT_EQ(out, keep);
}

TEST(VariantCoercion, RefusesWhatCannotConvert) {
    Variant out = Variant::Int(5);
    EXPECT_FALSE(CoerceVariant(Variant::String(u"abc"), VT_I4, out));
    EXPECT_FALSE(CoerceVariant(Variant::Double(1e12), VT_I4, out));
    EXPECT_FALSE(CoerceVariant(Variant::Double(std::nan("")), VT_I4, out));
    EXPECT_FALSE(CoerceVariant(Variant::Array(VT_VARIANT, {}), VT_I4, out));
    EXPECT_FALSE(CoerceVariant(Variant(), VT_R8, out));
    EXPECT_EQ(out, Variant::Int(5));
}

TEST(EventTable, NineteenEventsInDispatchOrder) {
    const auto events = EventTable();
    ASSERT_EQ(events.size(), 19u);
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].dispid, static_cast<int32_t>(i + 1));
    }
    EXPECT_EQ(FindEvent("inputlevelsupdated")->dispid, 8);
    EXPECT_EQ(FindEvent("TerminalData")->argumentTypes.size(), 1u);
    EXPECT_EQ(FindEvent("UnitDisappeared")->argumentTypes.size(), 0u);
    EXPECT_EQ(FindEvent("NoSuchEvent"), nullptr);
}

TEST(EventTable, DispatchSinkForwardsTypedEventsWithTheirArguments) {
    testing::EventRecorder recorder;
    recorder.EventEntry(0x050C1F, 0x173B3B, u"Power on");
    recorder.SystemMuteChanged(VARIANT_TRUE);
    recorder.UnitDisappeared();
    const auto events = recorder.Events();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].name, "EventEntry");
    EXPECT_EQ(events[0].arguments[2], Variant::String(u"Power on"));
    EXPECT_EQ(events[1].arguments[0].Type(), VT_BOOL);
    EXPECT_TRUE(events[1].arguments[0].IsTrue());
    EXPECT_TRUE(events[2].arguments.empty());
}

TEST(DispatchTable, RowsHaveUniqueNamesPerKindAndMatchingDispids) {
    std::set<std::pair<std::string, int>> seen;
    for (const MemberInfo& member : DispatchTable()) {
        std::string lower(member.name);
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        EXPECT_TRUE(seen.insert({lower, static_cast<int>(member.kind)}).second) << member.name;
        if (member.kind == MemberKind::Get) {
            EXPECT_EQ(member.OutCount(), 1u) << member.name;
        }
        if (member.kind == MemberKind::Put) {
            EXPECT_EQ(member.OutCount(), 0u) << member.name;
            const MemberInfo* get = FindMember(member.name, MemberKind::Get);
            if (get != nullptr) {
                EXPECT_EQ(get->dispid, member.dispid) << member.name;
            }
        }
    }
    EXPECT_EQ(FindMember("comport", MemberKind::Put)->dispid, 0x16);
    EXPECT_EQ(FindMemberByDispid(0x6d, MemberKind::Get)->name, "Initialized");
    EXPECT_EQ(FindMember("Connect", MemberKind::Get), nullptr);
    EXPECT_EQ(FindMemberByDispid(0, MemberKind::Method), nullptr);
}

// The interface's dispatch identifiers run from 0x1 to 0x72 with gaps at 0x9, 0xa, 0x11 and 0x3e.
TEST(DispatchTable, EveryMemberOfTheInterfacesIsPresent) {
    std::set<int32_t> dispids;
    for (const MemberInfo& member : DispatchTable()) {
        if (member.name != "RTAHardwareAvail") {
            dispids.insert(member.dispid);
        }
    }
    for (int32_t id = 0x1; id <= 0x72; ++id) {
        const bool gap = id == 0x9 || id == 0xa || id == 0x11 || id == 0x3e;
        EXPECT_EQ(dispids.count(id), gap ? 0u : 1u) << std::hex << id;
    }

    struct Expected {
        const char* name;
        MemberKind kind;
        size_t in;
        size_t out;
    };
    const Expected withoutDispid[] = {
        {"UnitDate", MemberKind::Put, 1, 0},
        {"UnitTime", MemberKind::Get, 0, 1},
        {"NRVersions", MemberKind::Method, 0, 2},
        {"EQVersions", MemberKind::Method, 0, 2},
        {"RemoteAddress", MemberKind::Put, 1, 0},
        {"FormatOutputMask", MemberKind::Put, 2, 0},
        {"FormatDigital", MemberKind::Get, 1, 1},
        {"FormatProjectorDelays", MemberKind::Put, 2, 0},
        {"InputMonitoring", MemberKind::Put, 1, 0},
        {"AbandonChanges", MemberKind::Method, 0, 0},
        {"FormatDiscrete", MemberKind::Get, 1, 1},
        {"Verify", MemberKind::Method, 0, 1},
        {"GetConfigurationPreview", MemberKind::Method, 1, 8},
        {"EQBand", MemberKind::Put, 3, 0},
    };
    for (const Expected& expected : withoutDispid) {
        const MemberInfo* member = FindMember(expected.name, expected.kind);
        ASSERT_NE(member, nullptr) << expected.name;
        EXPECT_EQ(member->InCount(), expected.in) << expected.name;
        EXPECT_EQ(member->OutCount(), expected.out) << expected.name;
    }
    EXPECT_EQ(FindMember("InputMonitoring", MemberKind::Get), nullptr);
    EXPECT_EQ(FindMember("Production", MemberKind::Get), nullptr);
    EXPECT_EQ(FindMemberByDispid(0x1, MemberKind::Get)->name, "LeftInputGain");
}

TEST(DispatchTable, ReachesTheSecondInterfaceAndOutParameters) {
    testing::ScopedConfigHome config;
    KVT80 engine;
    const InvokeResult rta = Invoke(engine, *FindMember("RTAHardwareAvail", MemberKind::Get), {});
    ASSERT_EQ(rta.error, InvokeError::None);
    EXPECT_EQ(rta.out[0], Variant::Bool(true));

    const InvokeResult versions = Invoke(engine, *FindMember("NRVersions", MemberKind::Method), {});
    EXPECT_EQ(versions.status, 0);
    ASSERT_EQ(versions.out.size(), 2u);
    EXPECT_EQ(versions.out[1].Type(), VT_BSTR);

    const Variant band[] = {Variant::Int(1), Variant::Int(14), Variant::Double(-3.0)};
    EXPECT_EQ(Invoke(engine, *FindMember("eqband", MemberKind::Put), band).status, 0);
    const InvokeResult read =
        Invoke(engine, *FindMember("EQBand", MemberKind::Get), std::span(band, 2));
    EXPECT_EQ(read.out[0], Variant::Double(-3.0));
}

TEST(DispatchTable, InvokeCoercesArgumentsAndReturnsOutValues) {
    testing::ScopedConfigHome config;
    KVT80 engine;
    ASSERT_EQ(engine.Initialize(), 0);

    const MemberInfo* putRate = FindMember("BitRate", MemberKind::Put);
    ASSERT_NE(putRate, nullptr);
    const Variant rate[] = {Variant::Int(9600)};
    EXPECT_EQ(Invoke(engine, *putRate, rate).status, 0);

    const InvokeResult got = Invoke(engine, *FindMember("bitrate", MemberKind::Get), {});
    ASSERT_EQ(got.error, InvokeError::None);
    ASSERT_EQ(got.out.size(), 1u);
    EXPECT_EQ(got.out[0], Variant::Int(9600));

    // A typed parameter is coerced: Initialized takes an automation boolean.
    const Variant truth[] = {Variant::Int(-1)};
    EXPECT_EQ(Invoke(engine, *FindMember("Initialized", MemberKind::Put), truth).status, 0);
    const InvokeResult ready = Invoke(engine, *FindMember("Initialized", MemberKind::Get), {});
    EXPECT_EQ(ready.out[0], Variant::Bool(true));

    const Variant text[] = {Variant::String(u"yes")};
    const InvokeResult bad = Invoke(engine, *FindMember("Initialized", MemberKind::Put), text);
    EXPECT_EQ(bad.error, InvokeError::TypeMismatch);
    EXPECT_EQ(Invoke(engine, *putRate, {}).error, InvokeError::WrongArgumentCount);
    engine.Cleanup();
}

TEST(TextConversion, Windows1252RoundTripsItsCharacters) {
    const std::u16string text = u"Caf\u00e9 \u20ac5 \u201cSR\u201d";
    const auto bytes = ToCp1252(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), text.size());
    EXPECT_EQ(static_cast<uint8_t>((*bytes)[5]), 0x80);
    EXPECT_EQ(FromCp1252(*bytes), text);
    EXPECT_FALSE(ToCp1252(u"\u4e2d"));
    EXPECT_FALSE(ToCp1252(u"\u0081"));
}

TEST(TextConversion, StrictUtf8DecodingRefusesMalformedInput) {
    EXPECT_EQ(FromUtf8Strict("COM1:"), u"COM1:");
    EXPECT_EQ(FromUtf8Strict("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB5"), u"\u00e9\u20ac\U0001F3B5");
    EXPECT_EQ(FromUtf8Strict("\xF4\x8F\xBF\xBF"), u"\U0010FFFF");
    for (const char* bad : {"\x80", "\xC3", "\xE2\x82", "\xC3\x41", "\xC0\xAF", "\xE0\x80\xAF",
                            "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"}) {
        EXPECT_FALSE(FromUtf8Strict(bad)) << ::testing::PrintToString(std::string(bad));
    }
}

TEST(TextConversion, Utf8EncodingOfAllLengths) {
    std::string out;
    for (char32_t c : {U'A', U'\u00e9', U'\u20ac', U'\U0001F3B5'}) {
        AppendUtf8(out, c);
    }
    EXPECT_EQ(out, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB5");
}

TEST(TextConversion, Utf8RoundTripAndInvalidInput) {
    const std::u16string text = u"/dev/serial/by-id/usb-\u00c4\U0001F600";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(FromUtf8("\xff"
                       "a"),
              u"\ufffd"
              u"a");
    EXPECT_EQ(FromUtf8("\xe2\x82"), u"\ufffd\ufffd");
    EXPECT_EQ(FromUtf8("\xc0\xaf"), u"\ufffd\ufffd");  // overlong form
    EXPECT_EQ(ToUtf8(u"\xd800"), "\xef\xbf\xbd");
}

}  // namespace
}  // namespace kvt
