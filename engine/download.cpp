// Downloads: new firmware for the control card's microcontroller through its boot loader, and new
// programs for the signal processors through the command interpreter (protocols in
// docs/DOWNLOADS.md).
//
// A download opens the link on the caller's thread and runs on a thread of its own until its
// final state. It holds the link for each stretch of work and lets go of it to raise events, so a
// sink may call any member; the worker stays off the line because the unit is not ready. At the
// end the link is closed (the unit runs its new code; the front end connects again as usual).
#include "KVT80.h"
#include "files/FileIo.h"
#include "firmware/BootLoader.h"
#include "firmware/DspProgram.h"
#include "firmware/McpImage.h"
#include "text/Codepage.h"

namespace kvt {

namespace {

using Clock = std::chrono::steady_clock;

// The largest image file ParseHexFile can have written: 2 MiB of program memory in 16-byte lines
// of 56 characters.
constexpr size_t kMaxImageFileBytes = size_t{8} << 20;

// Program words per "wrpm" line: the line stays well inside the unit's 255-character buffer.
constexpr size_t kWordsPerLine = 16;

// Each stretch of writing lets go of the link this often, to report the position.
constexpr std::chrono::milliseconds kProgressPeriod{1000};

// Reads and checks the four image files of the last ParseHexFile.
std::optional<ControllerImages> ReadControllerImages(const std::array<std::string, 4>& paths) {
    ControllerImages images;
    for (size_t region = 0; region < kFirmwareRegions; ++region) {
        if (paths[region].empty()) {
            return std::nullopt;
        }
        const auto bytes = ReadRegularFile(paths[region], kMaxImageFileBytes + 1);
        if (!bytes || bytes->size() > kMaxImageFileBytes) {
            return std::nullopt;
        }
        const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
        ImageReadResult read = ReadImageFile(text, static_cast<FirmwareRegion>(region));
        if (!read.lines) {
            return std::nullopt;
        }
        images[region] = std::move(*read.lines);
    }
    return images;
}

std::string ProgramWriteLine(uint32_t address, std::span<const uint32_t> words) {
    std::string line = FormatLine("wrpm %04X", address);
    for (const uint32_t word : words) {
        line += FormatLine(" %06X", word & 0xFFFFFFu);
    }
    return line + "\r";
}

}  // namespace

// ---- Common to both downloads -----------------------------------------------------------------

int32_t KVT80::StartDownload() {
    if (download_.joinable()) {
        // A download that has ended (or is raising its final event right now, when this call comes
        // from that event's sink) touches nothing more.
        if (download_.get_id() == std::this_thread::get_id()) {
            download_.detach();
        } else {
            download_.join();
        }
    }
    const int32_t opened = Connect();
    if (opened != status::Ok) {
        return opened;
    }
    downloadCancel_ = false;
    skipOnePass_ = true;
    return status::Ok;
}

void KVT80::RaiseDownloadState(DownloadKind kind, int32_t state) {
    if (kind == DownloadKind::Controller) {
        sinks_.Raise([&](IKVTEvents& sink) { sink.PICDownloadStateChange(state); });
    } else {
        sinks_.Raise([&](IKVTEvents& sink) { sink.DSPDownloadStateChange(state); });
    }
}

void KVT80::RaiseDownloadProgress(int32_t state, size_t done, size_t total,
                                  const std::string& note) {
    const std::u16string text = FromUtf8(note);
    sinks_.Raise([&](IKVTEvents& sink) {
        sink.DownloadProgress(state, static_cast<int32_t>(done), static_cast<int32_t>(total), text);
    });
}

void KVT80::EnterDownloadPhase(DownloadKind kind, int32_t state, size_t total) {
    RaiseDownloadState(kind, state);
    RaiseDownloadProgress(state, 0, total, {});
}

// Closes the link the download opened, unless Disconnect already took it, then raises the final
// state: a sink may connect again from the event.
void KVT80::FinishDownload(DownloadKind kind, int32_t state, const std::string& note) {
    if (!downloadCancel_.load()) {
        LinkLock lock = link_.Lock();
        if (link_.IsOpen()) {
            ResetSessionState();
            link_.Close(std::move(lock));
        }
    }
    RaiseDownloadProgress(state, 0, 0, note);
    RaiseDownloadState(kind, state);
}

// ---- Controller firmware ----------------------------------------------------------------------

int32_t KVT80::DownloadToPIC() {
    std::array<std::string, 4> paths;
    {
        std::lock_guard lock(firmwareMutex_);
        paths = firmwareImages_;
    }
    std::optional<ControllerImages> images = ReadControllerImages(paths);
    if (!images) {
        return status::InvalidArgument;
    }
    const int32_t started = StartDownload();
    if (started != status::Ok) {
        return started;
    }
    download_ = std::thread([this, images = std::move(*images)] { RunControllerDownload(images); });
    return status::Ok;
}

void KVT80::RunControllerDownload(const ControllerImages& images) {
    constexpr DownloadKind kKind = DownloadKind::Controller;
    const EngineTimings timings = Timings();
    EnterDownloadPhase(kKind, PICDownloadStateWaiting, 0);
    BootOutcome outcome = WithLink([&](Link& link, const LinkLock& lock, const EngineTimings&) {
        return WaitForBootLoader(link, lock, timings.bootProbePeriod, timings.bootWaitLimit,
                                 downloadCancel_);
    });
    if (outcome != BootOutcome::Done) {
        const std::string note =
            outcome == BootOutcome::Silent
                ? "no boot loader answered: switch the unit off, power it up holding S5 on the "
                  "control card, release S5 after five seconds and start the download again"
                : DescribeBootOutcome(outcome, "waiting for the boot loader");
        FinishDownload(kKind, PICDownloadStateFailed, note);
        return;
    }

    EnterDownloadPhase(kKind, PICDownloadStateErasing, 0);
    outcome = WithLink([&](Link& link, const LinkLock& lock, const EngineTimings&) {
        return RunBootCommand(link, lock, "E", timings.bootEraseWait, downloadCancel_);
    });
    if (outcome != BootOutcome::Done) {
        FinishDownload(kKind, PICDownloadStateFailed,
                       DescribeBootOutcome(outcome, "erasing program memory"));
        return;
    }

    // Program memory, user ID and configuration words while "writing program memory"; then the
    // data EEPROM.
    struct Phase {
        int32_t state;
        std::vector<FirmwareRegion> regions;
    };
    const std::array<Phase, 2> phases{{
        {PICDownloadStateWritingPM,
         {FirmwareRegion::ProgramMemory, FirmwareRegion::UserId, FirmwareRegion::Config}},
        {PICDownloadStateWritingEEPROM, {FirmwareRegion::EepromData}},
    }};
    for (const Phase& phase : phases) {
        size_t total = 0;
        for (const FirmwareRegion region : phase.regions) {
            total += images[static_cast<size_t>(region)].size();
        }
        EnterDownloadPhase(kKind, phase.state, total);
        size_t done = 0;
        for (const FirmwareRegion region : phase.regions) {
            const std::vector<ImageLine>& lines = images[static_cast<size_t>(region)];
            size_t next = 0;
            while (next < lines.size()) {
                // One stretch of records with the link held, then the position reported.
                outcome = WithLink([&](Link& link, const LinkLock& lock, const EngineTimings&) {
                    const auto until = Clock::now() + kProgressPeriod;
                    BootOutcome written = BootOutcome::Done;
                    while (next < lines.size() && Clock::now() < until) {
                        written =
                            WriteBootRecord(link, lock, region, lines[next], timings.bootRecordWait,
                                            timings.bootRecordSends, downloadCancel_);
                        if (written != BootOutcome::Done) {
                            return written;
                        }
                        ++next;
                        ++done;
                    }
                    return written;
                });
                if (outcome != BootOutcome::Done) {
                    char what[64];
                    std::snprintf(what, sizeof what, "writing the record at %06X",
                                  lines[next].address);
                    FinishDownload(kKind, PICDownloadStateFailed,
                                   DescribeBootOutcome(outcome, what));
                    return;
                }
                RaiseDownloadProgress(phase.state, done, total, {});
            }
        }
    }

    outcome = WithLink([&](Link& link, const LinkLock& lock, const EngineTimings&) {
        return RunBootCommand(link, lock, "R", timings.bootRecordWait, downloadCancel_);
    });
    if (outcome != BootOutcome::Done) {
        FinishDownload(kKind, PICDownloadStateFailed,
                       DescribeBootOutcome(outcome, "starting the new firmware"));
        return;
    }
    FinishDownload(kKind, PICDownloadStateCompleted, {});
}

// ---- Signal-processor programs ----------------------------------------------------------------

int32_t KVT80::DownloadToDSP(const Variant& card, const Variant& dsp, const Variant& fileName) {
    // Numbers of any automation type are taken by their value.
    Variant cardValue;
    Variant dspValue;
    if (!CoerceVariant(card, VT_I4, cardValue) || !CoerceVariant(dsp, VT_I4, dspValue)) {
        return status::InvalidArgument;
    }
    const int32_t cardNumber = cardValue.Int32();
    const int32_t processor = dspValue.Int32();
    if (!KindOfTarget(cardNumber, processor) || fileName.Type() != VT_BSTR ||
        fileName.StringValue().empty()) {
        return status::InvalidArgument;
    }
    const int32_t started = StartDownload();
    if (started != status::Ok) {
        return started;
    }
    download_ = std::thread([this, cardNumber, processor, path = ToUtf8(fileName.StringValue())] {
        RunProcessorDownload(cardNumber, processor, path);
    });
    return status::Ok;
}

// Reads and checks the program file for the processor; the reason when it will not do.
std::optional<DspProgram> KVT80::ReadProgramFor(int card, int dsp, const std::string& path,
                                                std::string& reason) {
    const auto bytes = ReadRegularFile(path, kMaxProgramFileBytes + 1);
    if (!bytes) {
        reason = "the program file '" + path +
                 "' cannot be read; check its name and that it is "
                 "a file";
        return std::nullopt;
    }
    DspProgramResult read = ParseDspProgram(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!read.program) {
        reason = "the program file '" + path + "' is not valid: " + read.error;
        return std::nullopt;
    }
    const DspKind wanted = *KindOfTarget(card, dsp);
    if (read.program->kind != wanted) {
        reason = "the program file '" + path + "' is a " +
                 std::string(KindName(read.program->kind)) + " program; card " +
                 std::to_string(card) + " DSP " + std::to_string(dsp) + " takes " +
                 std::string(KindName(wanted)) + " programs";
        return std::nullopt;
    }
    return std::move(read.program);
}

void KVT80::RunProcessorDownload(int card, int dsp, const std::string& path) {
    constexpr DownloadKind kKind = DownloadKind::Processor;
    EnterDownloadPhase(kKind, DSPDownloadStateWaiting, 0);
    std::string reason;
    const std::optional<DspProgram> program = ReadProgramFor(card, dsp, path, reason);
    if (!program) {
        FinishDownload(kKind, DSPDownloadStateFailed, reason);
        return;
    }
    const std::string target = "card " + std::to_string(card) + " DSP " + std::to_string(dsp);

    // One command to the selected processor; a refusal or silence fails the download.
    const auto command = [&](const std::string& line, const std::string& what) {
        const int32_t result =
            WithLink([&](Link& link, const LinkLock& lock, const EngineTimings& timings) {
                if (downloadCancel_) {
                    return status::NoUnit;
                }
                if (SelectTarget(link, lock, timings, card, dsp) != status::Ok) {
                    return status::NoUnit;
                }
                return RunExchange(link, lock, timings, line).status;
            });
        if (result != status::Ok) {
            reason = downloadCancel_ ? "the download was stopped (Disconnect)"
                                     : target + " did not accept " + what +
                                           "; check that the card is fitted and try again";
        }
        return result == status::Ok;
    };

    const int32_t prompt =
        WithLink([&](Link& link, const LinkLock& lock, const EngineTimings& timings) {
            return downloadCancel_ ? status::NoUnit : ReachCommandPrompt(link, lock, timings);
        });
    if (prompt != status::Ok) {
        FinishDownload(kKind, DSPDownloadStateFailed,
                       "the unit showed no command prompt; check the cable and the bit rate");
        return;
    }
    if (!command("dspreset\r", "the reset (the processor did not respond)")) {
        FinishDownload(kKind, DSPDownloadStateFailed, reason);
        return;
    }

    EnterDownloadPhase(kKind, DSPDownloadStateLoadingStub, 0);
    if (!command("dspstub\r", "the download stub")) {
        FinishDownload(kKind, DSPDownloadStateFailed, reason);
        return;
    }

    const std::vector<uint32_t>& words = program->words;
    EnterDownloadPhase(kKind, DSPDownloadStateWriting, words.size());
    size_t next = 0;
    while (next < words.size()) {
        const auto until = Clock::now() + kProgressPeriod;
        bool written = true;
        while (written && next < words.size() && Clock::now() < until) {
            const size_t count = std::min(kWordsPerLine, words.size() - next);
            written = command(ProgramWriteLine(static_cast<uint32_t>(next),
                                               std::span(words).subspan(next, count)),
                              FormatLine("the program words at %04zX", next));
            next += written ? count : 0;
        }
        if (!written) {
            FinishDownload(kKind, DSPDownloadStateFailed, reason);
            return;
        }
        RaiseDownloadProgress(DSPDownloadStateWriting, next, words.size(), {});
    }

    EnterDownloadPhase(kKind, DSPDownloadStateVerifying, 0);
    const std::string crcLine = FormatLine("crcpm 0000 %04zX", words.size());
    const Answer<uint32_t> crc =
        WithLink([&](Link& link, const LinkLock& lock, const EngineTimings& timings) {
            if (downloadCancel_ || SelectTarget(link, lock, timings, card, dsp) != status::Ok) {
                return Answer<uint32_t>{};
            }
            return QueryHex(link, lock, timings, crcLine + "\r", "crcpm", crcLine.size());
        });
    if (crc.status != status::Ok || !crc.value) {
        FinishDownload(kKind, DSPDownloadStateFailed,
                       downloadCancel_ ? "the download was stopped (Disconnect)"
                                       : target + " did not report the CRC of its program memory");
        return;
    }
    if (*crc.value != program->crc) {
        FinishDownload(kKind, DSPDownloadStateVerifyFailed,
                       FormatLine("the program read back has CRC %08X, the file %08X; the old "
                                  "program stays in use: try the download again",
                                  *crc.value, program->crc));
        return;
    }
    if (!command("dsprun\r", "the start of the new program")) {
        FinishDownload(kKind, DSPDownloadStateFailed, reason);
        return;
    }
    FinishDownload(kKind, DSPDownloadStateCompleted, {});
}

}  // namespace kvt
