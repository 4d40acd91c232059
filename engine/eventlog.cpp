// The unit's event log and clock. The members only raise requests; the worker serves them in a
// ready pass, in the order dump, clock set, clear. The clock is read by the status poll
// (frontpanel.cpp).
#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "KVT80.h"
#include "text/Codepage.h"

namespace kvt {

namespace {

constexpr size_t kClockTextLength = 6;
constexpr int kClearTries = 5;

}  // namespace

int32_t KVT80::QueryEventLog() {
    logDumpRequest_ = true;
    return status::Ok;
}

int32_t KVT80::ClearLog() {
    logClearRequest_ = true;
    return status::Ok;
}

// Six digits (YYMMDD or HHMMSS); anything else would set the unit's clock to nonsense or be
// refused by it, so it is refused here (87) and changes nothing. An accepted text is what get
// returns from now on and waits to be sent: the status poll's clock read, which may be under way
// on the worker right now, does not replace it until the clock set has taken it.
int32_t KVT80::PutClockText(const std::u16string& value, std::string& text,
                            std::optional<std::string>& toSend) {
    const bool digits =
        value.size() == kClockTextLength &&
        std::all_of(value.begin(), value.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    if (!digits) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(unitMutex_);
    text = ToUtf8(value);
    toSend = text;
    return status::Ok;
}

int32_t KVT80::put_UnitDate(const std::u16string& value) {
    return PutClockText(value, unitDate_, dateToSend_);
}

// The front end puts the date first, then the time: the time sets the unit's clock from both.
int32_t KVT80::put_UnitTime(const std::u16string& value) {
    const int32_t result = PutClockText(value, unitTime_, timeToSend_);
    if (result == status::Ok) {
        clockSetRequest_ = true;
    }
    return result;
}

void KVT80::ServeLogRequests(const LinkLock& lock, const EngineTimings& timings,
                             PassEvents& events) {
    if (logDumpRequest_.exchange(false)) {
        // The dump is one long reply: it is read until its prompt, sent once, and given up after
        // a long silence (or when it never ends) instead of being waited for without end. The
        // link collects the whole reply, however long.
        EngineTimings dump = timings;
        dump.replyWait = timings.logSilence;
        dump.replyLimit = timings.logLimit;
        // Sent again only after the silence: a dump whose line or answer was lost is asked for
        // once more; a re-send empties the buffer, so no entry can come twice.
        dump.maxSends = 2;
        const ExchangeResult reply = RunExchange(link_, lock, dump, "dumplog 6\r");
        if (reply.status == status::Ok) {
            events.logEntries = ParseEventLog(reply.reply);
        }
    }
    if (clockSetRequest_.exchange(false)) {
        // The set sends copies of the texts that were put, and only those: a date that was not
        // put is not sent back to the unit (the date read a moment ago may be yesterday's by now).
        std::optional<std::string> date;
        std::optional<std::string> time;
        {
            std::lock_guard unitLock(unitMutex_);
            date = std::exchange(dateToSend_, std::nullopt);
            time = std::exchange(timeToSend_, std::nullopt);
        }
        if (date) {
            RunExchange(link_, lock, timings, "date " + *date + "\r");
        }
        if (time) {
            RunExchange(link_, lock, timings, "time " + *time + "\r");
        }
    }
    if (logClearRequest_.exchange(false)) {
        EngineTimings clear = timings;
        clear.replyWait = timings.clearLogWait;
        clear.maxSends = kClearTries;
        RunExchange(link_, lock, clear, "clearlog\r");
    }
}

}  // namespace kvt
