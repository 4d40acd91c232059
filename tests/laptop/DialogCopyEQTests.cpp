// The Copy EQ dialog: its lists, the channel names by the channel configuration, the source it
// opens with, and a copy that reaches the simulated unit's memory for the checked channels only.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "EngineValues.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "dialogs/CDlgCopyEQ.h"
#include "image/AddressMap.h"

namespace kvt::laptop {
namespace {

constexpr int kLeft = 0;
constexpr int kRight = 2;
constexpr int kLeftSurround = 3;
constexpr int kSubwoofer = 4;
constexpr int kRightSurround = 5;
constexpr int kBands = 27;

class CopyEQDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
        dynamic_cast<KVT80&>(*engine).SetTimings(testing::FastTimings());
    }

    void TearDown() override {
        dialog.reset();
        engine->Disconnect();
        engine->Cleanup();
        engine.reset();
        unit.Stop();
    }

    void Open(int source) {
        dialog = std::make_unique<CDlgCopyEQ>(*engine, source);
        dialog->show();
    }

    template <typename T>
    T* Control(int id) const {
        T* found = dialog->findChild<T*>(QString::number(id));
        EXPECT_NE(found, nullptr) << id;
        return found;
    }
    QRadioButton* Source(int channel) const { return Control<QRadioButton>(1100 + channel); }
    QCheckBox* Destination(int channel) const { return Control<QCheckBox>(1025 + channel); }
    QPushButton* CopyButton() const { return Control<QPushButton>(1); }

    testing::ScopedConfigHome config;
    sim::SimulatedUnit unit;
    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<CDlgCopyEQ> dialog;
};

TEST_F(CopyEQDialog, SubwooferIsInNeitherListAndTheSourceStartsChecked) {
    Open(kRight);
    for (int channel = 0; channel < CDlgCopyEQ::kChannels; ++channel) {
        EXPECT_EQ(Source(channel)->isVisible(), channel != kSubwoofer) << channel;
        EXPECT_EQ(Destination(channel)->isVisible(), channel != kSubwoofer) << channel;
        EXPECT_EQ(Source(channel)->isChecked(), channel == kRight) << channel;
        EXPECT_FALSE(Destination(channel)->isChecked()) << channel;
    }
    EXPECT_EQ(Source(kLeftSurround)->text(), "Left Surround");
    EXPECT_EQ(Destination(kRightSurround)->text(), "Right Surround");
    EXPECT_EQ(Source(6)->text(), "Back Surround Left");
    EXPECT_EQ(Destination(7)->text(), "Back Surround Right");
    EXPECT_TRUE(CopyButton()->isEnabled());
    EXPECT_EQ(CopyButton()->text(), "Copy >>");
}

TEST_F(CopyEQDialog, LastTwoChannelsAreCentresInTheLcrcConfiguration) {
    ASSERT_EQ(engine->put_InputConfig(InputConfigLCRC), status::Ok);
    Open(kLeft);
    EXPECT_EQ(Source(6)->text(), "Left Center");
    EXPECT_EQ(Source(7)->text(), "Right Center");
    EXPECT_EQ(Destination(6)->text(), "Left Center");
    EXPECT_EQ(Destination(7)->text(), "Right Center");
}

TEST_F(CopyEQDialog, OpenedForTheSubwooferItWaitsForASource) {
    Open(kSubwoofer);
    for (int channel = 0; channel < CDlgCopyEQ::kChannels; ++channel) {
        EXPECT_FALSE(Source(channel)->isChecked()) << channel;
    }
    EXPECT_EQ(dialog->SourceChannel(), -1);
    EXPECT_FALSE(CopyButton()->isEnabled());
    EXPECT_EQ(dialog->Apply(*engine), status::InvalidArgument);
    Source(kLeft)->click();
    EXPECT_TRUE(CopyButton()->isEnabled());
    EXPECT_EQ(dialog->SourceChannel(), kLeft);
}

TEST_F(CopyEQDialog, CopyCloseAndCancel) {
    Open(kLeft);
    Destination(kRight)->click();
    CopyButton()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->SourceChannel(), kLeft);
    const auto chosen = dialog->Destinations();
    for (int channel = 0; channel < CDlgCopyEQ::kChannels; ++channel) {
        EXPECT_EQ(chosen[static_cast<size_t>(channel)], channel == kRight) << channel;
    }

    Open(kLeft);
    Control<QPushButton>(2)->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(CopyEQDialog, DestinationsGoToTheEngineAsEightBooleans) {
    std::array<bool, CDlgCopyEQ::kChannels> chosen{};
    chosen[1] = true;
    chosen[7] = true;
    const Variant array = CDlgCopyEQ::DestinationArray(chosen);
    ASSERT_TRUE(array.IsArray());
    ASSERT_NE(array.ArrayValue(), nullptr);
    ASSERT_EQ(array.ArrayValue()->elements.size(), 8u);
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(array.ArrayValue()->elements[i].Type(), VT_BOOL);
        EXPECT_EQ(array.ArrayValue()->elements[i].IsTrue(), chosen[i]) << i;
    }
}

TEST_F(CopyEQDialog, CopiesOneChannelsBandsIntoTheCheckedChannelsOfTheUnit) {
    const std::string port = unit.StartPty();
    ASSERT_EQ(engine->put_ComPort(frontend::TextVariant(QString::fromStdString(port))), status::Ok);
    ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), status::Ok);
    ASSERT_EQ(engine->Connect(), status::Ok);
    ASSERT_EQ(engine->QueryKVT(), status::Ok);

    // The left channel gets a shape of its own: band b at (b - 13) / 4 dB, bass and treble apart.
    const auto tenths = [](int band) { return ((band - 13) * 10) / 4; };
    for (int band = 0; band < kBands; ++band) {
        ASSERT_EQ(engine->put_EQBand(Variant::Int(kLeft), Variant::Int(band), tenths(band) / 10.0),
                  status::Ok);
    }
    ASSERT_EQ(engine->put_Bass(Variant::Int(kLeft), 3.5), status::Ok);
    ASSERT_EQ(engine->put_Treble(Variant::Int(kLeft), -1.5), status::Ok);
    // The left surround, not checked, keeps a mark of its own.
    ASSERT_EQ(engine->put_EQBand(Variant::Int(kLeftSurround), Variant::Int(0), 1.0), status::Ok);

    Open(kLeft);
    Destination(kRight)->click();
    Destination(kRightSurround)->click();
    CopyButton()->click();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(dialog->Apply(*engine), status::Ok);

    const auto word = [](int value) { return static_cast<uint32_t>(value) & 0xFFFFFFU; };
    const auto copied = [&](int channel) {
        const ChannelPlace& place = ChannelMap(channel);
        for (int band = 0; band < kBands; ++band) {
            const uint32_t address = place.region + kRegionTopBand - static_cast<uint32_t>(band);
            if (unit.Memory(place.block, address) != word(tenths(band))) {
                return false;
            }
        }
        return unit.Memory(place.block, place.region + kRegionBass) == word(35) &&
               unit.Memory(place.block, place.region + kRegionTreble) == word(-15);
    };
    EXPECT_TRUE(testing::Eventually([&] { return copied(kRight) && copied(kRightSurround); }));
    EXPECT_TRUE(copied(kLeft));
    const ChannelPlace& surround = ChannelMap(kLeftSurround);
    EXPECT_EQ(unit.Memory(surround.block, surround.region + kRegionTopBand), word(10));
    EXPECT_FALSE(copied(1));
}

}  // namespace
}  // namespace kvt::laptop
