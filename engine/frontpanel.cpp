// The unit's front panel as the worker keeps it in step: format selection, the fader ramp, system
// mute and preamp selection go to the unit in that order within a ready pass; the status poll
// brings back mute and AES/EBU changes made at the unit and reads its clock. UnitStatus reads the
// unit's status fields on the caller's thread.
#include <algorithm>

#include "KVT80.h"
#include "formats/FormatTable.h"
#include "text/Codepage.h"

namespace kvt {

namespace {

constexpr int32_t kNoButton = 9;  // "button 9": the format is on none of the eight buttons
constexpr int32_t kMaxFaderStep = 10;
constexpr int32_t kMaxFaderLevel = 100;
constexpr size_t kStatusFields = 45;  // 14 groups of three and one more; the rest is not kept

// The first button (1..8) that holds the format, or 9.
int32_t ButtonOfFormat(const FormatTable& table, int32_t format) {
    const auto& buttons = table.buttonFormat;
    const auto found = std::find(buttons.begin(), buttons.end(), format);
    return found == buttons.end() ? kNoButton : static_cast<int32_t>(found - buttons.begin()) + 1;
}

}  // namespace

UnitStatusTable StatusTableOfFields(std::span<const uint32_t> fields) {
    UnitStatusTable table;
    for (size_t i = 0; i < fields.size() && i < kStatusFields; ++i) {
        (i < kUnitStatusWords ? table.words[i] : table.extra) = fields[i];
    }
    return table;
}

void KVT80::FrontPanelSteps(const LinkLock& lock, const EngineTimings& timings, WorkerState& state,
                            PassEvents& events) {
    // The flags are taken as they are read: one set again while the selection is on the line
    // asks for another selection.
    const auto sent = [&state] { state.lastWrite = std::chrono::steady_clock::now(); };
    if (frontPanel_.forceFormatResend.exchange(false) || frontPanel_.mode != state.formatTracker) {
        SelectFormat(lock, timings, state, events);
        sent();
    }

    // A failed command is not tried again here: the tracker keeps the new value.
    const int32_t fader = frontPanel_.faderLevel;
    if (fader != state.faderTracker) {
        state.faderTracker += std::clamp(fader - state.faderTracker, -kMaxFaderStep, kMaxFaderStep);
        RunExchange(link_, lock, timings,
                    FormatLine("level %02X\r", static_cast<unsigned>(state.faderTracker)));
        sent();
    }

    const bool mute = frontPanel_.systemMute;
    if (mute != state.muteTracker) {
        state.muteTracker = mute;
        RunExchange(link_, lock, timings, mute ? "clru3 1C\r" : "setu3 1C\r");
        sent();
    }

    // Preamps 2 and 3 have no selector position on the unit: they are kept, not sent.
    const int32_t preamp = frontPanel_.selectedPreamp;
    if (preamp != state.preampTracker) {
        state.preampTracker = preamp;
        if (preamp == 0 || preamp == 1) {
            RunExchange(link_, lock, timings,
                        FormatLine("projector %X\r", static_cast<unsigned>(preamp + 1)));
            sent();
        }
    }
}

// Selects Mode on the unit by its button. A plain selection takes the format's fader level (or
// the unit's own when the format has none); after a routing change by the analyser or generator
// the refresh form and "formatupdate" make the unit re-apply the format instead.
void KVT80::SelectFormat(const LinkLock& lock, const EngineTimings& timings, WorkerState& state,
                         PassEvents& events) {
    const int32_t mode = frontPanel_.mode;
    int32_t button = kNoButton;
    int32_t formatLevel = 0;
    {
        std::lock_guard imageLock(imageMutex_);
        button = ButtonOfFormat(image_.formats, mode);
        formatLevel = image_.formats.records[static_cast<size_t>(mode)].bytes[kLevelOffset];
    }

    const bool refresh = frontPanel_.analyserFormatRefresh.exchange(false);
    RunExchange(
        link_, lock, timings,
        FormatLine(refresh ? "button %X x\r" : "button %X\r", static_cast<unsigned>(button)));
    if (refresh) {
        RunExchange(link_, lock, timings, "formatupdate\r");
    } else {
        // A level byte the fader cannot show (above 100) counts as none.
        std::optional<int32_t> level;
        if (formatLevel > 0 && formatLevel <= kMaxFaderLevel) {
            level = formatLevel;
        } else {
            const auto answer = QueryHex(link_, lock, timings, "level ?\r", "level ?", 7);
            if (answer.value && *answer.value <= static_cast<uint32_t>(kMaxFaderLevel)) {
                level = static_cast<int32_t>(*answer.value);
            }
        }
        if (level) {
            frontPanel_.faderLevel = *level;
            state.faderTracker = *level;
            events.faderLevel = *level;
        }
    }
    state.formatTracker = mode;
}

// Mute and AES/EBU state as the unit's input port shows them: bit 0 clear while the outputs are
// muted, bit 3 set while the AES/EBU input is in error. A change of mute at the unit is taken
// into SystemMute, and the next pass's mute step sends the matching command back.
//
// A SystemMute put that the worker has not sent yet (the property differs from what it last sent,
// muteSent) is newer than any reading: the unit's state is taken only while none waits, checked
// and stored in one step, so a put made while "rdu3" was on the line still goes out.
void KVT80::PollStatus(const LinkLock& lock, const EngineTimings& timings, bool muteSent,
                       PassEvents& events) {
    const auto port = QueryDigit(link_, lock, timings, "rdu3\r", "rdu3", 4);
    if (port.status == status::Ok && port.value) {
        const bool muted = (*port.value & 1) == 0;
        const bool aesEbuError = (*port.value & 8) != 0;
        bool noPutWaiting = muteSent;
        if (muted != muteSent &&
            frontPanel_.systemMute.compare_exchange_strong(noPutWaiting, muted)) {
            events.systemMute = muted;
        }
        if (aesEbuError != frontPanel_.aesEbuError) {
            frontPanel_.aesEbuError = aesEbuError;
            events.aesEbuError = aesEbuError;
        }
    }
    ReadClock(lock, timings);
}

// The unit's date (YYMMDD) and time (HHMMSS), each asked once with one reply wait. When the unit
// does not answer, the text read before stays: a clock that was read once is better shown a few
// seconds old than blank. A text that was put and waits for the clock set is not replaced: the
// put may have come in while this read was under way, and the set must send what was put.
void KVT80::ReadClock(const LinkLock& lock, const EngineTimings& timings) {
    EngineTimings once = timings;
    once.maxSends = 1;
    const auto date = QuerySix(link_, lock, once, "date\r", "date", 4);
    if (date.status == status::Ok && date.value) {
        std::lock_guard unitLock(unitMutex_);
        if (!dateToSend_) {
            unitDate_ = *date.value;
        }
    }
    const auto time = QuerySix(link_, lock, once, "time\r", "time", 4);
    if (time.status == status::Ok && time.value) {
        std::lock_guard unitLock(unitMutex_);
        if (!timeToSend_) {
            unitTime_ = *time.value;
        }
    }
}

// Runs "status" and keeps its fields. The table is empty while the answer is awaited and after a
// failed one.
int32_t KVT80::UnitStatus() {
    if (!link_.IsOpen()) {
        return status::NoUnit;
    }
    {
        std::lock_guard unitLock(unitMutex_);
        unitStatus_ = {};
    }
    const auto answer =
        WithLink([](Link& link, const LinkLock& lock, const EngineTimings& timings) {
            return QueryTabList(link, lock, timings, "status\r", "status", 6, kStatusFields);
        });
    if (answer.status == status::Ok && answer.value) {
        std::lock_guard unitLock(unitMutex_);
        unitStatus_ = StatusTableOfFields(*answer.value);
    }
    return answer.status;
}

UnitStatusTable KVT80::LastUnitStatus() const {
    std::lock_guard unitLock(unitMutex_);
    return unitStatus_;
}

int32_t KVT80::get_UnitDate(std::u16string* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    std::lock_guard unitLock(unitMutex_);
    *value = FromCp1252(unitDate_);
    return status::Ok;
}

int32_t KVT80::get_UnitTime(std::u16string* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    std::lock_guard unitLock(unitMutex_);
    *value = FromCp1252(unitTime_);
    return status::Ok;
}

}  // namespace kvt
