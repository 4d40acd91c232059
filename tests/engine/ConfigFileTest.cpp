// Configuration files: the layout byte by byte, round trips, old files, the members and their
// failures, and applying a loaded configuration to the unit.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "EngineFixture.h"
#include "ImageTestSupport.h"
#include "files/ConfigFile.h"
#include "image/ImageWrites.h"

namespace kvt {
namespace {

namespace fs = std::filesystem;
using testing::At;

// Little-endian reads of a file's bytes, on their own (not through the engine's reader).
double DoubleAt(const std::vector<uint8_t>& bytes, size_t offset) {
    uint64_t raw = 0;
    for (size_t i = 0; i < 8; ++i) {
        raw |= static_cast<uint64_t>(bytes.at(offset + i)) << (8 * i);
    }
    return std::bit_cast<double>(raw);
}

int32_t IntAt(const std::vector<uint8_t>& bytes, size_t offset) {
    uint32_t raw = 0;
    for (size_t i = 0; i < 4; ++i) {
        raw |= static_cast<uint32_t>(bytes.at(offset + i)) << (8 * i);
    }
    return static_cast<int32_t>(raw);
}

std::u16string TextAt(const std::vector<uint8_t>& bytes, size_t offset, size_t units) {
    std::u16string text;
    for (size_t i = 0; i < units; ++i) {
        const auto unit =
            static_cast<char16_t>(bytes.at(offset + 2 * i) | (bytes.at(offset + 2 * i + 1) << 8));
        if (unit == u'\0') {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// An image in which every field differs from the factory values (and from its neighbours).
ParameterImage DistinctImage() {
    ParameterImage image = FactoryImage();
    for (const ParameterRow& row : AddressMap()) {
        const size_t first = FirstSlot(row.param);
        const size_t count = ValueCount(row.index);
        for (size_t i = 0; i < count; ++i) {
            // Whole numbers stay whole (several parameters are integers in the file).
            const double span = row.max - row.min;
            double value = row.min + std::fmod(static_cast<double>(first + i) * 0.7, span);
            if (row.param == Param::Delay || row.param == Param::DigitalSurroundDelay ||
                row.param == Param::HeadroomAdjust || row.param == Param::DigitalFallbackMode ||
                row.param == Param::InputConfig || row.param == Param::DigitalInputDelay) {
                value = row.max;
            }
            image.values[first + i] = value;
        }
    }
    for (size_t c = 0; c < kChannels; ++c) {
        image.mute[c] = c % 2 == 0;
        image.invert[c] = c % 3 == 0;
    }
    image.formats.powerOnFormat = 9;
    image.formats.buttonFormat = {15, 14, 13, 12, 11, 10, 9, 7};
    image.formats.formatCount = 13;
    for (size_t f = 0; f < kFormats; ++f) {
        for (size_t b = 0; b < kFormatRecordBytes; ++b) {
            image.formats.records[f].bytes[b] = static_cast<uint8_t>(f * 7 + b + 1);
        }
    }
    image.profile.SetText(ProfileField::ProjectName, u"Screen 4 refit \u00e9");
    image.profile.SetText(ProfileField::TheaterName, u"Odeon");
    image.profile.SetText(ProfileField::ScreenNumber, u"4B");
    image.profile.SetText(ProfileField::Comments, std::u16string(126, u'c'));
    return image;
}

// ---- The layout -------------------------------------------------------------------------------

TEST(ConfigFileLayout, FieldsLieAtTheirOffsets) {
    ParameterImage image = DistinctImage();
    const std::vector<uint8_t> bytes = EncodeConfiguration(image);
    ASSERT_EQ(bytes.size(), 3332u);
    const std::vector<uint8_t> head{'R', 0, 'D', 0, 'M', 0, 2, 0, 0x34, 0x12};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));

    EXPECT_EQ(DoubleAt(bytes, 10), image.Get(Param::Bass, {0, 0}));
    EXPECT_EQ(DoubleAt(bytes, 74 + 7 * 8), image.Get(Param::Treble, {7, 0}));
    EXPECT_EQ(DoubleAt(bytes, 138 + (27 * 3 + 14) * 8), image.Get(Param::EQBand, {3, 14}));
    EXPECT_EQ(DoubleAt(bytes, 1866 + 8), image.Get(Param::OutputGain, {1, 0}));
    EXPECT_EQ(IntAt(bytes, 1930), 1);  // channel 0 muted
    EXPECT_EQ(IntAt(bytes, 1930 + 4), 0);
    EXPECT_EQ(IntAt(bytes, 1962 + 12), 1);  // channel 3 inverted
    EXPECT_EQ(DoubleAt(bytes, 2010 + 8), image.Get(Param::RightInputGain, {1, 0}));
    EXPECT_EQ(DoubleAt(bytes, 2042), image.Get(Param::MonoEQ));
    EXPECT_EQ(IntAt(bytes, 2050), image.GetInt(Param::Delay));
    EXPECT_EQ(DoubleAt(bytes, 2054), image.Get(Param::SurroundGain));
    EXPECT_EQ(DoubleAt(bytes, 2062), image.Get(Param::SubwooferGain));
    EXPECT_EQ(DoubleAt(bytes, 2134), image.Get(Param::RightMicGain));
    EXPECT_EQ(IntAt(bytes, 2142), 9);
    EXPECT_EQ(IntAt(bytes, 2146 + 28), 7);
    EXPECT_EQ(IntAt(bytes, 2178), 13);
    EXPECT_EQ(bytes[2182 + 34 * 5 + 33], image.formats.records[5].bytes[33]);  // spare byte kept
    EXPECT_EQ(TextAt(bytes, 2790, 32), u"Screen 4 refit \u00e9");
    EXPECT_EQ(TextAt(bytes, 2854, 32), u"Odeon");
    EXPECT_EQ(TextAt(bytes, 2918, 4), u"4B");
    EXPECT_EQ(IntAt(bytes, 3308), 0);
    EXPECT_EQ(IntAt(bytes, 3312), image.GetInt(Param::DigitalSurroundDelay));
    EXPECT_EQ(IntAt(bytes, 3328), image.GetInt(Param::DigitalInputDelay));
}

TEST(ConfigFileLayout, EveryFieldSurvivesARoundTrip) {
    const ParameterImage written = DistinctImage();
    ParameterImage read = FactoryImage();
    const auto result = DecodeConfiguration(EncodeConfiguration(written), read);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->version, 2u);
    EXPECT_TRUE(result->complete);
    EXPECT_EQ(read.values, written.values);
    EXPECT_EQ(read.mute, written.mute);
    EXPECT_EQ(read.invert, written.invert);
    EXPECT_EQ(read.formats.powerOnFormat, 9);
    EXPECT_EQ(read.formats.buttonFormat, written.formats.buttonFormat);
    EXPECT_EQ(read.formats.formatCount, 13);
    for (size_t f = 0; f < kFormats; ++f) {
        EXPECT_EQ(read.formats.records[f].bytes, written.formats.records[f].bytes) << f;
    }
    for (size_t i = 0; i < kProfileFields; ++i) {
        const auto field = static_cast<ProfileField>(i);
        if (field != ProfileField::SerialNumber) {
            EXPECT_EQ(read.profile.fields[i], written.profile.fields[i]) << InfoOf(field).name;
        }
    }
    // The serial number is the unit's: a file neither carries nor changes it.
    EXPECT_EQ(read.profile.Text(ProfileField::SerialNumber),
              FactoryImage().profile.Text(ProfileField::SerialNumber));
}

// A version 0 file: no version word, surround and subwoofer gains as whole dB.
std::vector<uint8_t> VersionZeroFile(const ParameterImage& image, int32_t surround,
                                     int32_t subwoofer) {
    const std::vector<uint8_t> v2 = EncodeConfiguration(image);
    std::vector<uint8_t> v0(v2.begin(), v2.begin() + 6);
    v0.insert(v0.end(), v2.begin() + 10, v2.begin() + 2054);
    for (const int32_t gain : {surround, subwoofer}) {
        for (size_t i = 0; i < 4; ++i) {
            v0.push_back(static_cast<uint8_t>(static_cast<uint32_t>(gain) >> (8 * i)));
        }
    }
    v0.insert(v0.end(), v2.begin() + 2070, v2.end());
    return v0;
}

TEST(ConfigFileLayout, VersionZeroFilesLoadWithWholeDbGainsAndAnEarlierProfile) {
    ParameterImage source = DistinctImage();
    const std::vector<uint8_t> v0 = VersionZeroFile(source, -4, 5);
    ASSERT_EQ(v0.size(), 3320u);
    EXPECT_EQ(TextAt(v0, 2714 + 64, 32), u"Screen 4 refit \u00e9");

    ParameterImage read = FactoryImage();
    const auto result = DecodeConfiguration(v0, read);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->version, 0u);
    EXPECT_TRUE(result->complete);
    EXPECT_EQ(read.Get(Param::SurroundGain), -4.0);
    EXPECT_EQ(read.Get(Param::SubwooferGain), 5.0);
    EXPECT_EQ(read.Get(Param::SubwooferFreq), source.Get(Param::SubwooferFreq));
    EXPECT_EQ(read.GetInt(Param::DigitalInputDelay), source.GetInt(Param::DigitalInputDelay));
    EXPECT_EQ(read.profile.Text(ProfileField::TheaterName), u"Odeon");

    const auto preview = PreviewConfiguration(v0);
    ASSERT_TRUE(preview);
    EXPECT_EQ((*preview)[3].substr(0, 5), u"Odeon");
}

TEST(ConfigFileLayout, ShortFilesLoadAsFarAsTheyGoAndRefusedValuesAreNotTaken) {
    const ParameterImage source = DistinctImage();
    std::vector<uint8_t> bytes = EncodeConfiguration(source);
    bytes.resize(2054 + 3);  // ends inside SurroundGain
    ParameterImage read = FactoryImage();
    const auto result = DecodeConfiguration(bytes, read);
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->complete);
    EXPECT_EQ(read.Get(Param::MonoEQ), source.Get(Param::MonoEQ));
    EXPECT_EQ(read.Get(Param::SurroundGain), FactoryImage().Get(Param::SurroundGain));
    EXPECT_EQ(read.formats.formatCount, FactoryImage().formats.formatCount);

    std::vector<uint8_t> bad = EncodeConfiguration(source);
    const double nan = std::nan("");
    std::memcpy(&bad[10], &nan, 8);  // Bass of channel 0
    const double loud = 99.0;
    std::memcpy(&bad[1866], &loud, 8);  // OutputGain of channel 0
    bad[2146] = 16;                     // ButtonFormat 0: no such format
    ParameterImage kept = FactoryImage();
    ASSERT_TRUE(DecodeConfiguration(bad, kept));
    EXPECT_EQ(kept.Get(Param::Bass, {0, 0}), FactoryImage().Get(Param::Bass, {0, 0}));
    EXPECT_EQ(kept.Get(Param::OutputGain, {0, 0}), FactoryImage().Get(Param::OutputGain, {0, 0}));
    EXPECT_EQ(kept.formats.buttonFormat[0], FactoryImage().formats.buttonFormat[0]);
    EXPECT_EQ(kept.Get(Param::Bass, {1, 0}), source.Get(Param::Bass, {1, 0}));

    ParameterImage untouched = source;
    EXPECT_FALSE(DecodeConfiguration(std::vector<uint8_t>{'R', 0, 'D', 0, 'X', 0}, untouched));
    EXPECT_FALSE(DecodeConfiguration(std::vector<uint8_t>{}, untouched));
    EXPECT_EQ(untouched.values, source.values);
}

// ---- The members --------------------------------------------------------------------------------

class ConfigFiles : public testing::EngineOnSimulatedUnit {
  protected:
    fs::path FileIn(const std::string& name) const { return config.Path() / name; }
    static Variant Name(const fs::path& path) { return Variant::String(FromUtf8(path.string())); }

    std::u16string ProjectName() {
        Variant text;
        engine->get_ProjectName(&text);
        return text.StringValue();
    }

    std::vector<fs::path> FilesIn(const fs::path& folder) const {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(folder)) {
            files.push_back(entry.path());
        }
        return files;
    }
};

TEST_F(ConfigFiles, SaveAndLoadCarryTheConfigurationAndClearTheDirtyFlag) {
    const fs::path file = FileIn("visit.kvt");
    ASSERT_EQ(engine->put_EQBand(At(1), At(14), -3.0), 0);
    ASSERT_EQ(engine->put_FormatOutputMask(At(4), 244), 0);
    ASSERT_EQ(engine->put_FormatDiscrete(At(4), Variant::Bool(true)), 0);
    ASSERT_EQ(engine->put_TheaterName(Variant::String(u"Rex")), 0);
    EXPECT_TRUE(testing::ConfigDirty(*engine));
    ASSERT_EQ(engine->Save(Name(file), Variant::Bool(false)), 0);
    EXPECT_FALSE(testing::ConfigDirty(*engine));
    EXPECT_EQ(fs::file_size(file), 3332u);

    ASSERT_EQ(engine->put_EQBand(At(1), At(14), 2.0), 0);
    ASSERT_EQ(engine->put_FormatOutputMask(At(4), 0), 0);
    ASSERT_EQ(engine->put_FormatDiscrete(At(4), Variant::Bool(false)), 0);
    ASSERT_EQ(engine->Load(Name(file)), 0);
    EXPECT_FALSE(testing::ConfigDirty(*engine));
    double band = 0;
    engine->get_EQBand(At(1), At(14), &band);
    EXPECT_EQ(band, -3.0);
    int32_t mask = 0;
    engine->get_FormatOutputMask(At(4), &mask);
    EXPECT_EQ(mask, 244);
    Variant discrete;
    engine->get_FormatDiscrete(At(4), &discrete);
    EXPECT_TRUE(discrete.IsTrue());
    Variant theater;
    engine->get_TheaterName(&theater);
    EXPECT_EQ(theater.StringValue(), u"Rex");
    // Not connected: the configuration is not sent.
    EXPECT_TRUE(events->Named("UploadProgress").empty());
}

TEST_F(ConfigFiles, SaveWithDefaultsResetsTheImageAndQueuesNothingWhileDisconnected) {
    ASSERT_EQ(engine->put_OutputGain(At(2), -9.0), 0);
    ASSERT_EQ(engine->put_ProjectName(Variant::String(u"Mine")), 0);
    const fs::path file = FileIn("defaults.kvt");
    ASSERT_EQ(engine->Save(Name(file), Variant::Bool(true)), 0);
    EXPECT_EQ(ProjectName(), u"* FACTORY DEFAULTS *");
    double gain = 1;
    engine->get_OutputGain(At(2), &gain);
    EXPECT_EQ(gain, FactoryImage().Get(Param::OutputGain, {2, 0}));
    EXPECT_TRUE(events->Named("UploadProgress").empty());
    EXPECT_EQ(TextAt(ReadFile(file), 2790, 32), u"* FACTORY DEFAULTS *");
    // A VT_BOOL of 1 is not true: only -1 is.
    ASSERT_EQ(engine->put_ProjectName(Variant::String(u"Mine")), 0);
    ASSERT_EQ(engine->Save(Name(file), Variant::Bool16(1)), 0);
    EXPECT_EQ(ProjectName(), u"Mine");
}

TEST_F(ConfigFiles, RefusesNamesAndFilesThatAreNotConfigurations) {
    Variant out[8];
    EXPECT_EQ(engine->Save(Variant::String(u""), Variant::Bool(false)), 87);
    EXPECT_EQ(engine->Save(Variant::Int(3), Variant::Bool(false)), 87);
    EXPECT_EQ(engine->Load(Variant::String(u"")), 87);
    EXPECT_EQ(engine->GetConfigurationPreview(Variant(), &out[0], &out[1], &out[2], &out[3],
                                              &out[4], &out[5], &out[6], &out[7]),
              87);

    const fs::path missing = FileIn("missing.kvt");
    EXPECT_EQ(engine->Load(Name(missing)), 110);
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(engine->GetConfigurationPreview(Name(missing), &out[0], &out[1], &out[2], &out[3],
                                              &out[4], &out[5], &out[6], &out[7]),
              110);

    ASSERT_EQ(engine->put_ProjectName(Variant::String(u"Kept")), 0);
    const fs::path text = FileIn("notes.kvt");
    WriteFile(text, std::vector<uint8_t>(4000, 'x'));
    EXPECT_EQ(engine->Load(Name(text)), 110);
    EXPECT_EQ(engine->Load(Name(config.Path())), 110);  // a folder
    EXPECT_EQ(ProjectName(), u"Kept");
    EXPECT_TRUE(testing::ConfigDirty(*engine));
}

TEST_F(ConfigFiles, ReadOnlyFilesLoadAndPreviewKeepsFieldLengths) {
    ASSERT_EQ(engine->put_ScreenNumber(Variant::String(u"7")), 0);
    ASSERT_EQ(engine->put_Comments(Variant::String(u"new amps")), 0);
    const fs::path file = FileIn("locked.kvt");
    ASSERT_EQ(engine->Save(Name(file), Variant::Bool(false)), 0);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    Variant out[8];
    ASSERT_EQ(engine->GetConfigurationPreview(Name(file), &out[0], &out[1], &out[2], &out[3],
                                              &out[4], &out[5], &out[6], &out[7]),
              0);
    const size_t lengths[8] = {16, 16, 32, 32, 4, 32, 32, 127};
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(out[i].Type(), VT_BSTR);
        EXPECT_EQ(out[i].StringValue().size(), lengths[i]) << i;
    }
    EXPECT_EQ(out[4].StringValue().substr(0, 2), std::u16string(u"7\0", 2));
    EXPECT_EQ(out[7].StringValue().substr(0, 8), u"new amps");

    ASSERT_EQ(engine->put_ScreenNumber(Variant::String(u"9")), 0);
    EXPECT_EQ(engine->Load(Name(file)), 0);
    Variant screen;
    engine->get_ScreenNumber(&screen);
    EXPECT_EQ(screen.StringValue(), u"7");
}

// A save that cannot write its bytes reports it and leaves the file it was to replace as it
// was, with no partial file beside it. The file-size limit makes the write fail even for root.
TEST_F(ConfigFiles, FailedSaveLeavesThePreviousFileWhole) {
    const fs::path file = FileIn("visit.kvt");
    ASSERT_EQ(engine->put_TheaterName(Variant::String(u"Old")), 0);
    ASSERT_EQ(engine->Save(Name(file), Variant::Bool(false)), 0);
    const std::vector<uint8_t> before = ReadFile(file);
    ASSERT_EQ(engine->put_TheaterName(Variant::String(u"New")), 0);

    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int32_t result = engine->Save(Name(file), Variant::Bool(false));
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result, 82);
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_TRUE(testing::ConfigDirty(*engine));
    for (const fs::path& left : FilesIn(config.Path())) {
        EXPECT_TRUE(left == file || left.filename() == "Rodmere") << left;
    }
    EXPECT_EQ(engine->Save(Name(config.Path() / "no-such-folder" / "x.kvt"), Variant::Bool(false)),
              82);
}

TEST_F(ConfigFiles, LoadWhileReadySendsEverythingAndTheUnitThenHoldsTheFile) {
    ParameterImage wanted = DistinctImage();
    wanted.values[Slot(Param::InputConfig)] = 0;  // keeps the delay words simple to compare
    const fs::path file = FileIn("other-unit.kvt");
    {
        const std::vector<uint8_t> bytes = EncodeConfiguration(wanted);
        WriteFile(file, bytes);
    }
    ConnectReady();
    ASSERT_EQ(engine->Load(Name(file)), 0);
    ASSERT_TRUE(events->WaitFor("UploadProgress", 3, std::chrono::seconds(60)));
    ASSERT_TRUE(testing::Eventually(
        [&] {
            const auto progress = events->Named("UploadProgress");
            return !progress.empty() && progress.back().arguments[0].Int32() == 2;
        },
        std::chrono::seconds(60)));
    const auto progress = events->Named("UploadProgress");
    EXPECT_EQ(progress.front().arguments[0].Int32(), 0);
    EXPECT_EQ(progress.back().arguments[1].Int32(), 0);
    EXPECT_EQ(progress.back().arguments[2].Int32(), 133);
    EXPECT_GT(progress.size(), 10u);

    // Packed lines: far fewer lines than words.
    size_t lines = 0;
    for (const auto& line : unit.ReceivedLines()) {
        lines += line.rfind("wrtval", 0) == 0 || line.rfind("wreep", 0) == 0 ? 1 : 0;
    }
    const ParameterImage image = engine->Image();
    const auto words = ImageWrites(image, AnalyserRouting{0x140, false});
    EXPECT_LT(lines * 4, words.size());

    const ProfileFieldInfo& serial = InfoOf(ProfileField::SerialNumber);
    for (const RawWrite& word : words) {
        const bool serialByte = word.block == 0 && word.address >= serial.eepromAddress &&
                                word.address < serial.eepromAddress + 2 * serial.units;
        if (serialByte || (word.block == 3 && word.address == 12)) {
            continue;  // the unit's own serial number; the routing word depends on the format
        }
        EXPECT_EQ(unit.Memory(word.block, word.address), word.value)
            << "block " << word.block << " address " << word.address;
    }
    EXPECT_EQ(image.values, wanted.values);
}

}  // namespace
}  // namespace kvt
