#include "firmware/BootLoader.h"

#include <cstdio>

namespace kvt {

namespace {

using Clock = std::chrono::steady_clock;

// Waits are cut into slices so that a cancel is seen within this long.
constexpr std::chrono::milliseconds kCancelSlice{100};

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBootBanner = "BOOT ";

// Takes the complete answer lines out of the collected bytes (without their line end); a
// partial line stays for the next look.
std::vector<std::string> TakeLines(std::string& buffer) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = buffer.find(kLineEnd); end != std::string::npos;
         end = buffer.find(kLineEnd, start)) {
        lines.push_back(buffer.substr(start, end - start));
        start = end + kLineEnd.size();
    }
    buffer.erase(0, start);
    return lines;
}

// What an answer line says about the command in flight.
enum class Verdict { Other, Done, Resend, Refused };

// Waits up to `wait` for an answer line that `judge` recognises; Other lines are skipped.
template <typename Judge>
BootOutcome AwaitAnswer(Link& link, const LinkLock& lock, std::chrono::milliseconds wait,
                        const std::atomic<bool>& cancel, Judge&& judge) {
    const auto deadline = Clock::now() + wait;
    while (Clock::now() < deadline) {
        if (cancel.load()) {
            return BootOutcome::Cancelled;
        }
        if (!link.IsOpen()) {
            return BootOutcome::LinkLost;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (!link.WaitForMore(lock, 0, std::min(left, kCancelSlice))) {
            continue;
        }
        Verdict verdict = Verdict::Other;
        link.InspectReply(lock, [&](std::string& buffer) {
            for (const std::string& answer : TakeLines(buffer)) {
                verdict = judge(answer);
                if (verdict != Verdict::Other) {
                    return;
                }
            }
        });
        switch (verdict) {
            case Verdict::Done:
                return BootOutcome::Done;
            case Verdict::Refused:
                return BootOutcome::Refused;
            case Verdict::Resend:
                return BootOutcome::Damaged;
            case Verdict::Other:
                break;
        }
    }
    return BootOutcome::Silent;
}

// Nothing goes out once the download is stopped; Done when the line went out, else why not.
BootOutcome SendArmed(Link& link, const LinkLock& lock, std::string_view line,
                      const std::atomic<bool>& cancel) {
    if (cancel.load()) {
        return BootOutcome::Cancelled;
    }
    link.Arm(lock);
    return link.Send(lock, line) ? BootOutcome::Done : BootOutcome::LinkLost;
}

}  // namespace

std::string DescribeBootOutcome(BootOutcome outcome, std::string_view what) {
    const std::string subject(what);
    switch (outcome) {
        case BootOutcome::Done:
            return {};
        case BootOutcome::Silent:
            return subject +
                   ": the boot loader did not answer; check the cable and the bit rate, "
                   "power the unit up holding S5 and try again";
        case BootOutcome::Refused:
            return subject +
                   ": the boot loader refused it; the firmware file may not be meant "
                   "for this unit";
        case BootOutcome::Damaged:
            return subject +
                   ": the record kept arriving damaged; check the cable and lower the "
                   "bit rate";
        case BootOutcome::LinkLost:
            return subject + ": the link to the unit was lost";
        case BootOutcome::Cancelled:
            return subject + ": the download was stopped (Disconnect)";
    }
    return subject;
}

BootOutcome WaitForBootLoader(Link& link, const LinkLock& lock,
                              std::chrono::milliseconds probePeriod,
                              std::chrono::milliseconds limit, const std::atomic<bool>& cancel) {
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline) {
        if (const BootOutcome sent = SendArmed(link, lock, "?\r", cancel);
            sent != BootOutcome::Done) {
            link.Disarm(lock);
            return sent;
        }
        const BootOutcome outcome =
            AwaitAnswer(link, lock, probePeriod, cancel, [](const std::string& answer) {
                return answer.starts_with(kBootBanner) ? Verdict::Done : Verdict::Other;
            });
        if (outcome != BootOutcome::Silent) {
            link.Disarm(lock);
            return outcome;
        }
    }
    link.Disarm(lock);
    return BootOutcome::Silent;
}

BootOutcome RunBootCommand(Link& link, const LinkLock& lock, std::string_view command,
                           std::chrono::milliseconds wait, const std::atomic<bool>& cancel) {
    if (const BootOutcome sent = SendArmed(link, lock, std::string(command) + "\r", cancel);
        sent != BootOutcome::Done) {
        link.Disarm(lock);
        return sent;
    }
    const BootOutcome outcome =
        AwaitAnswer(link, lock, wait, cancel, [](const std::string& answer) {
            if (answer == "K") {
                return Verdict::Done;
            }
            return answer == "F" || answer == "N" ? Verdict::Refused : Verdict::Other;
        });
    link.Disarm(lock);
    return outcome;
}

std::string BootRecord(FirmwareRegion region, const ImageLine& line) {
    const bool eeprom = region == FirmwareRegion::EepromData;
    char text[64];
    int length = eeprom ? std::snprintf(text, sizeof text, "D %04X ", line.address & 0xFFFFu)
                        : std::snprintf(text, sizeof text, "W %06X ", line.address & 0xFFFFFFu);
    std::string record(text, static_cast<size_t>(length));
    unsigned sum = (line.address & 0xFFu) + ((line.address >> 8) & 0xFFu);
    if (!eeprom) {
        sum += (line.address >> 16) & 0xFFu;
    }
    for (const uint8_t byte : line.bytes) {
        length = std::snprintf(text, sizeof text, "%02X", byte);
        record.append(text, static_cast<size_t>(length));
        sum += byte;
    }
    length = std::snprintf(text, sizeof text, " %02X\r", (0x100u - (sum & 0xFFu)) & 0xFFu);
    record.append(text, static_cast<size_t>(length));
    return record;
}

BootOutcome WriteBootRecord(Link& link, const LinkLock& lock, FirmwareRegion region,
                            const ImageLine& line, std::chrono::milliseconds wait, int sends,
                            const std::atomic<bool>& cancel) {
    const std::string record = BootRecord(region, line);
    // The address as the answers carry it: the record's address field.
    const std::string address = record.substr(2, record.find(' ', 2) - 2);
    BootOutcome outcome = BootOutcome::Silent;
    for (int send = 0; send < sends; ++send) {
        if (const BootOutcome sent = SendArmed(link, lock, record, cancel);
            sent != BootOutcome::Done) {
            outcome = sent;
            break;
        }
        outcome = AwaitAnswer(link, lock, wait, cancel, [&](const std::string& answer) {
            if (answer == "N") {
                return Verdict::Refused;
            }
            if (answer.size() != address.size() + 2 || answer[1] != ' ' ||
                answer.compare(2, std::string::npos, address) != 0) {
                return Verdict::Other;
            }
            switch (answer[0]) {
                case 'K':
                    return Verdict::Done;
                case 'C':
                    return Verdict::Resend;
                case 'F':
                case 'A':
                    return Verdict::Refused;
                default:
                    return Verdict::Other;
            }
        });
        if (outcome != BootOutcome::Silent && outcome != BootOutcome::Damaged) {
            break;
        }
    }
    link.Disarm(lock);
    return outcome;
}

}  // namespace kvt
