// Retrieval: reading the unit's whole configuration into the parameter image (QueryKVT and its
// stages), with ConnectionProgress events.
//
// Every read step raises the stage's progress and then runs on the link by itself (selecting its
// processor unless the prompt already shows it), so events are never raised while the link is
// held and a sink may call back into the engine.
#include "KVT80.h"
#include "analyser/GeneratorWords.h"

namespace kvt {

namespace {

constexpr int32_t kProgressEnd = 108;
// Answers outside these cannot be the unit's front panel: the engine keeps what it had.
constexpr uint32_t kMaxFaderLevel = 100;
constexpr uint32_t kMaxSelectedPreamp = 3;

// Runs `read` with the processor (page, unit) selected.
template <typename Read>
auto AtTarget(int page, int unit, Read read) {
    return [=](Link& link, const LinkLock& lock, const EngineTimings& timings) {
        const int32_t selected = SelectTarget(link, lock, timings, page, unit);
        if (selected != status::Ok) {
            return decltype(read(link, lock, timings)){selected, std::nullopt};
        }
        return read(link, lock, timings);
    };
}

// Runs `read` with no processor selected (EEPROM and front-panel commands). The stage has closed
// the selection already; it is closed again only if the prompt shows a processor, which happens
// when the worker wrote to one between two steps of a stage run while the unit is ready.
template <typename Read>
auto Deselected(Read read) {
    return [=](Link& link, const LinkLock& lock, const EngineTimings& timings) {
        const PromptSelection shown = link.Selection(lock);
        const int32_t closed =
            shown.page > 0 || shown.unit > 0 ? CloseTarget(link, lock, timings) : status::Ok;
        if (closed != status::Ok) {
            return decltype(read(link, lock, timings)){closed, std::nullopt};
        }
        return read(link, lock, timings);
    };
}

// Reads of one value at a block's address, by the block's read command.
Answer<uint32_t> ReadWord(Link& link, const LinkLock& lock, const EngineTimings& timings,
                          Location at) {
    if (at.block == 0) {
        return QueryHex(link, lock, timings, FormatLine("rdeep 00 %04X\r", at.address), "rdeep",
                        13);
    }
    if (at.block == 6) {
        return QueryHex(link, lock, timings, FormatLine("rdx 00 %03X\r", at.address), "rdx", 10);
    }
    return ReadValue(link, lock, timings, at.address);
}

auto ReadAt(Location at) {
    const auto read = [at](Link& link, const LinkLock& lock, const EngineTimings& timings) {
        return ReadWord(link, lock, timings, at);
    };
    const std::optional<BlockTarget> target = TargetOfBlock(at.block);
    return [=](Link& link, const LinkLock& lock, const EngineTimings& timings) {
        if (!target) {
            return Deselected(read)(link, lock, timings);
        }
        return AtTarget(target->page, target->unit, read)(link, lock, timings);
    };
}

auto SixCharactersAt(uint32_t address) {
    return [address](Link& link, const LinkLock& lock, const EngineTimings& timings) {
        return QuerySix(link, lock, timings, FormatLine("rdval 00 %03X\r", address), "rdval", 12);
    };
}

auto Identification() {
    return [](Link& link, const LinkLock& lock, const EngineTimings& timings) {
        return QuerySix(link, lock, timings, "intl\r", "intl", 4);
    };
}

auto FrontPanelHex(const char* line, std::string_view word) {
    return Deselected([=](Link& link, const LinkLock& lock, const EngineTimings& timings) {
        return QueryHex(link, lock, timings, line, word, word.size());
    });
}

auto EepromBlock(uint32_t address, size_t countField) {
    return Deselected([=](Link& link, const LinkLock& lock, const EngineTimings& timings) {
        return QueryTabList(
            link, lock, timings,
            FormatLine("rdeep %02X %04X\r", static_cast<unsigned>(countField), address), "rdeep",
            13, countField + 1);
    });
}

}  // namespace

void KVT80::RaiseConnectionProgress(int32_t state) {
    const int32_t position = progressCounter_++;
    sinks_.Raise([&](IKVTEvents& sink) { sink.ConnectionProgress(state, position, kProgressEnd); });
}

template <typename Read>
auto KVT80::RetrievalStep(int32_t state, Read&& read) {
    RaiseConnectionProgress(state);
    return WithLink(std::forward<Read>(read));
}

// One read step: raises the progress, reads, and hands a parsed answer to `take` under the image
// lock (an answer that could not be parsed leaves the image as it was). Returns the exchange's
// status.
template <typename Read, typename Take>
int32_t KVT80::ReadStep(int32_t state, Read&& read, Take&& take) {
    const auto answer = RetrievalStep(state, std::forward<Read>(read));
    if (answer.status == status::Ok && answer.value) {
        std::lock_guard lock(imageMutex_);
        take(*answer.value);
    }
    return answer.status;
}

// Reads a parameter from the first of its locations and decodes it into the image.
int32_t KVT80::ReadParameterStep(int32_t state, Param param, ParameterIndex at) {
    const ParameterRow& row = RowOf(param);
    return ReadStep(state, ReadAt(row.locate(at).at[0]), [&](uint32_t raw) {
        if (const std::optional<double> value = DecodeRaw(row.encoding, raw)) {
            image_.Set(param, at, *value);
        }
    });
}

// A processor's version text: six characters at `address`, or at `altAddress` when the value at
// `address` (read as hexadecimal) is above `threshold`. Version and identification reads are not
// progress steps.
int32_t KVT80::ReadVersion(int page, int unit, uint32_t address, uint32_t altAddress,
                           uint32_t threshold, std::string& text) {
    Answer<std::string> answer = WithLink(AtTarget(page, unit, SixCharactersAt(address)));
    if (answer.status != status::Ok) {
        return answer.status;
    }
    const std::optional<uint32_t> number =
        answer.value ? ParseHexValue(*answer.value) : std::nullopt;
    if (number && *number > threshold) {
        answer = WithLink(AtTarget(page, unit, SixCharactersAt(altAddress)));
        if (answer.status != status::Ok) {
            return answer.status;
        }
    }
    if (answer.value) {
        std::lock_guard lock(imageMutex_);
        text = *answer.value;
    }
    return status::Ok;
}

// One output channel's equaliser region: treble, bass, the 27 bands in one read, the flags word
// and the delay word (region 0 of each processor carries the delays the engine keeps).
int32_t KVT80::ReadRegionStep(int32_t state, int channel) {
    const ChannelPlace& place = ChannelMap(channel);
    const BlockTarget target = *TargetOfBlock(place.block);
    const ParameterIndex at{channel, 0};
    for (const Param param : {Param::Treble, Param::Bass}) {
        if (const int32_t result = ReadParameterStep(state, param, at); result != status::Ok) {
            return result;
        }
    }

    const auto readBands = AtTarget(
        target.page, target.unit,
        [&](Link& link, const LinkLock& lock, const EngineTimings& timings) {
            return QueryTabList(
                link, lock, timings,
                FormatLine("rdval %02X %03X\r", kBands - 1, place.region + kRegionFirstBand),
                "rdval", 12, kBands);
        });
    int32_t result = ReadStep(state, readBands, [&](const std::vector<uint32_t>& words) {
        if (words.size() != kBands) {
            return;
        }
        for (int band = 0; band < kBands; ++band) {
            const uint32_t raw = words[static_cast<size_t>(kBands - 1 - band)];
            image_.Set(Param::EQBand, {channel, band}, *DecodeRaw(Encoding::Tenths, raw));
        }
    });
    if (result != status::Ok) {
        return result;
    }

    result =
        ReadStep(state, ReadAt({place.block, place.region + kRegionFlags}), [&](uint32_t word) {
            image_.mute[static_cast<size_t>(channel)] = (word & kChannelMuteBit) != 0;
            image_.invert[static_cast<size_t>(channel)] = (word & kChannelInvertBit) != 0;
        });
    if (result != status::Ok) {
        return result;
    }

    return ReadStep(state, ReadAt({place.block, place.region + kRegionDelay}), [&](uint32_t word) {
        if (place.region != 0) {
            return;
        }
        const int fromWord = DelayFromWord(word);
        if (place.block == 4) {
            image_.Set(Param::DigitalInputDelay, {}, fromWord);
        } else {
            const int input = image_.GetInt(Param::DigitalInputDelay);
            image_.Set(Param::DigitalSurroundDelay, {}, fromWord == 0 ? 0 : fromWord - input);
        }
    });
}

// The analyser routing and generator words: what the unit's analyser and generator were doing.
// The generator words are not checked: what could not be read stays as it was (the tone frequency,
// read only for a sine tone, belongs to the control word's step).
int32_t KVT80::ReadAnalyserState() {
    constexpr int32_t kStage = ConnectionStateRetrievingZVQ;
    const auto routing = RetrievalStep(kStage, ReadAt({3, kRoutingWordAddress}));
    if (routing.status != status::Ok) {
        return routing.status;
    }
    if (routing.value) {
        const AnalyserReadBack state = DecodeRoutingWord(*routing.value);
        slaRunning_ = state.running;
        sumAndDiff_ = state.sumAndDiff;
        if (state.inputConfig) {
            std::lock_guard lock(imageMutex_);
            image_.Set(Param::InputConfig, {}, *state.inputConfig);
        }
    }
    const VariantBool running = slaRunning_ ? VARIANT_TRUE : VARIANT_FALSE;
    const VariantBool sumAndDiff = sumAndDiff_ ? VARIANT_TRUE : VARIANT_FALSE;
    sinks_.Raise([&](IKVTEvents& sink) { sink.SLARunning(running, sumAndDiff); });

    const auto control = RetrievalStep(kStage, ReadAt({3, kGeneratorControlAddress}));
    if (control.value) {
        std::optional<uint32_t> frequency;
        if ((*control.value & control_bit::Pink) == 0 && (*control.value & control_bit::Sine)) {
            frequency = WithLink(ReadAt({3, kGeneratorFrequencyAddress})).value;
        }
        if (const auto mode = DecodeGeneratorMode(*control.value, frequency)) {
            generatorMode_ = *mode;
        }
        if (slaRunning_) {
            generatorChannels_ = GeneratorChannelsOfControl(*control.value);
        }
    }
    if (!slaRunning_) {
        generatorChannels_ = 0;
    }
    const int32_t mode = generatorMode_;
    const int32_t channels = generatorChannels_;
    sinks_.Raise([&](IKVTEvents& sink) { sink.SignalGenState(mode, channels); });
    return status::Ok;
}

int32_t KVT80::QueryZVQ() {
    constexpr int32_t kStage = ConnectionStateRetrievingZVQ;
    const auto id = WithLink(AtTarget(9, 15, Identification()));
    if (id.value) {
        std::lock_guard lock(imageMutex_);
        versions_.processorController = *id.value;
    }

    struct Read {
        Param param;
        int index;
    };
    struct Processor {
        int unit;
        uint32_t versionAddress, altVersionAddress, threshold;
        std::string VersionTexts::*version;
        std::vector<Read> reads;
    };
    const std::array<Processor, 3> processors{{
        {1,
         18,
         20,
         24,
         &VersionTexts::nr1,
         {{Param::LeftInputGain, 0},
          {Param::LeftInputGain, 1},
          {Param::LeftAuxGain, 0},
          {Param::LeftMicGain, 0},
          {Param::SlitEQ, 0},
          {Param::SlitEQ, 1},
          {Param::MonoEQ, 0}}},
        {2,
         18,
         20,
         24,
         &VersionTexts::nr2,
         {{Param::RightInputGain, 0},
          {Param::RightInputGain, 1},
          {Param::RightAuxGain, 0},
          {Param::RightMicGain, 0}}},
        {3,
         30,
         32,
         344,
         &VersionTexts::matrix,
         {{Param::NonSyncGain, 0},
          {Param::SurroundGain, 0},
          {Param::SubwooferGain, 0},
          {Param::SubwooferFreq, 0},
          {Param::Delay, 0}}},
    }};
    for (const Processor& processor : processors) {
        int32_t result =
            ReadVersion(9, processor.unit, processor.versionAddress, processor.altVersionAddress,
                        processor.threshold, versions_.*processor.version);
        for (auto read = processor.reads.begin();
             result == status::Ok && read != processor.reads.end(); ++read) {
            result = ReadParameterStep(kStage, read->param, {read->index, 0});
        }
        if (result != status::Ok) {
            return result;
        }
    }
    return ReadAnalyserState();
}

int32_t KVT80::QueryEQ() {
    constexpr int32_t kStage = ConnectionStateRetrievingEQ;
    const auto id = WithLink(AtTarget(6, 15, Identification()));
    if (id.value) {
        std::lock_guard lock(imageMutex_);
        versions_.outputController = *id.value;
    }

    struct Processor {
        int unit;
        std::string VersionTexts::*version;
        std::array<int, 4> channels;  // in the order of their regions, 0, 128, 64, 192 ...
        bool subParametric;
        std::array<int, 4> outputs;  // ... and of their output gain words
    };
    const std::array<Processor, 2> processors{{
        {1, &VersionTexts::eq1, {0, 1, 2, 4}, true, {0, 1, 2, 4}},
        {2, &VersionTexts::eq2, {3, 5, 6, 7}, false, {3, 5, 6, 7}},
    }};
    for (const Processor& processor : processors) {
        int32_t result = ReadVersion(6, processor.unit, 261, 264, 90, versions_.*processor.version);
        for (size_t i = 0; result == status::Ok && i < processor.channels.size(); ++i) {
            result = ReadRegionStep(kStage, processor.channels[i]);
        }
        if (processor.subParametric) {
            for (const Param param : {Param::SubParametricFreq, Param::SubParametricQ,
                                      Param::SubParametricGain, Param::HeadroomAdjust}) {
                if (result == status::Ok) {
                    result = ReadParameterStep(kStage, param);
                }
            }
        }
        for (size_t i = 0; result == status::Ok && i < processor.outputs.size(); ++i) {
            result = ReadParameterStep(kStage, Param::OutputGain, {processor.outputs[i], 0});
        }
        if (result != status::Ok) {
            return result;
        }
    }
    return status::Ok;
}

// The values read are kept apart from the properties as well: they are where the worker's trackers
// start, whatever a caller puts in the meantime.
int32_t KVT80::QueryFrontPanel() {
    constexpr int32_t kStage = ConnectionStateRetrievingFrontPanel;
    // A value the unit reports out of range leaves the property, and the start, as they were.
    FrontPanelValues unit = frontPanel_.Values();
    int32_t result = WithLink(CloseTarget);
    if (result == status::Ok) {
        result = ReadStep(
            kStage, Deselected([](Link& link, const LinkLock& lock, const EngineTimings& timings) {
                return QuerySix(link, lock, timings, "picver\r", "picver", 6);
            }),
            [&](const std::string& text) { versions_.controller = text; });
    }
    if (result == status::Ok) {
        result = ReadStep(
            kStage, Deselected([](Link& link, const LinkLock& lock, const EngineTimings& timings) {
                return QueryDigit(link, lock, timings, "rdu3\r", "rdu3", 4);
            }),
            [&](int digit) {
                unit.systemMute = (digit & 1) == 0;
                frontPanel_.systemMute = unit.systemMute;
            });
    }
    if (result == status::Ok) {
        result = ReadStep(kStage, FrontPanelHex("level ?\r", "level ?"), [&](uint32_t level) {
            if (level <= kMaxFaderLevel) {
                unit.faderLevel = static_cast<int32_t>(level);
                frontPanel_.faderLevel = unit.faderLevel;
            }
        });
    }
    if (result != status::Ok) {
        return result;
    }

    result = ReadStep(kStage, FrontPanelHex("button ?\r", "button ?"), [&](uint32_t format) {
        if (format < kFormats) {
            unit.mode = static_cast<int32_t>(format);
            frontPanel_.mode = unit.mode;
        }
    });
    if (result != status::Ok) {
        return result;
    }
    sinks_.Raise([&](IKVTEvents& sink) { sink.InputFormatChanged(unit.mode); });

    result = ReadStep(kStage, FrontPanelHex("projector ?\r", "projector ?"), [&](uint32_t preamp) {
        if (preamp <= kMaxSelectedPreamp) {
            unit.selectedPreamp = static_cast<int32_t>(preamp);
            frontPanel_.selectedPreamp = unit.selectedPreamp;
        }
    });
    if (result != status::Ok) {
        return result;
    }
    sinks_.Raise([&](IKVTEvents& sink) { sink.SelectedPreampChanged(unit.selectedPreamp); });
    SetTrackerStart(unit);

    return ReadFormatTable(kStage);
}

// The format count, the power-on entry, the button table and the records in use.
int32_t KVT80::ReadFormatTable(int32_t state) {
    int32_t formatCount = 0;
    int32_t result = ReadStep(state, ReadAt({0, kFormatCountAddress}), [&](uint32_t count) {
        if (count <= kFormats) {
            image_.formats.formatCount = static_cast<int32_t>(count);
        }
    });
    {
        std::lock_guard lock(imageMutex_);
        formatCount = image_.formats.formatCount;
    }
    if (result != status::Ok || formatCount == 0) {
        return result;
    }

    // The power-on entry names a button, so it is resolved once the button table has been read.
    std::optional<uint32_t> powerOnEntry;
    result = ReadStep(state, ReadAt({0, kPowerOnButtonAddress}),
                      [&](uint32_t entry) { powerOnEntry = entry; });
    if (result != status::Ok) {
        return result;
    }
    result = ReadStep(state, EepromBlock(kButtonTableAddress, kButtons - 1),
                      [&](const std::vector<uint32_t>& formats) {
                          if (formats.size() < kButtons) {
                              return;
                          }
                          for (size_t b = 0; b < kButtons; ++b) {
                              if (formats[b] < kFormats) {
                                  image_.formats.buttonFormat[b] = static_cast<int32_t>(formats[b]);
                              }
                          }
                      });
    if (result != status::Ok) {
        return result;
    }
    if (powerOnEntry) {
        std::lock_guard lock(imageMutex_);
        image_.formats.powerOnFormat =
            PowerOnFormatOfEntry(image_.formats.buttonFormat, *powerOnEntry);
    }

    for (int format = 0; result == status::Ok && format < formatCount; ++format) {
        result = ReadStep(state, EepromBlock(FormatRecordAddress(format), kFormatEepromBytes - 1),
                          [&](const std::vector<uint32_t>& bytes) {
                              if (bytes.size() < kFormatEepromBytes) {
                                  return;
                              }
                              auto& record = image_.formats.records[static_cast<size_t>(format)];
                              for (size_t i = 0; i < kFormatEepromBytes; ++i) {
                                  record.bytes[i] = static_cast<uint8_t>(bytes[i]);
                              }
                          });
    }
    return result;
}

// The profile texts, each field in one EEPROM read (the count field is the byte count, so the
// unit sends one byte more), then the digital fallback mode.
int32_t KVT80::ReadProfile() {
    constexpr int32_t kStage = ConnectionStateRetrievingProfile;
    int32_t result = WithLink(CloseTarget);
    for (size_t i = 0; result == status::Ok && i < kProfileFields; ++i) {
        const ProfileFieldInfo& info = InfoOf(static_cast<ProfileField>(i));
        const size_t bytes = 2 * info.units;
        result = ReadStep(kStage, EepromBlock(info.eepromAddress, bytes),
                          [&](const std::vector<uint32_t>& values) {
                              if (values.size() >= bytes) {
                                  image_.profile.SetFromEeprom(info.field, values);
                              }
                          });
    }
    return result == status::Ok ? ReadParameterStep(kStage, Param::DigitalFallbackMode) : result;
}

int32_t KVT80::QueryKVT() {
    CloseGate();
    progressCounter_ = 1;
    sinks_.Raise([](IKVTEvents& sink) {
        sink.ConnectionProgress(ConnectionStateRetrievingZVQ, 0, kProgressEnd);
    });
    struct Stage {
        int32_t state;  // raised before the stage; the first stage's came above
        int32_t (KVT80::*run)();
    };
    constexpr std::array<Stage, 4> kStages{{
        {ConnectionStateIdle, &KVT80::QueryZVQ},
        {ConnectionStateRetrievingEQ, &KVT80::QueryEQ},
        {ConnectionStateRetrievingFrontPanel, &KVT80::QueryFrontPanel},
        {ConnectionStateRetrievingProfile, &KVT80::ReadProfile},
    }};
    for (const Stage& stage : kStages) {
        if (stage.state != ConnectionStateIdle) {
            RaiseConnectionProgress(stage.state);
        }
        if (const int32_t result = (this->*stage.run)(); result != status::Ok) {
            return result;
        }
    }
    RaiseConnectionProgress(ConnectionStateIdle);
    {
        std::lock_guard lock(imageMutex_);
        retrievedImage_ = image_;
        retrievedDirty_ = configDirty_;
    }
    OpenGate();
    return status::Ok;
}

}  // namespace kvt
