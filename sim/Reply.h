// Reply: the bytes the unit sends for one input, as segments that leave the unit one after the
// other; a segment may ask for a stretch of silence on the line before it (a save that takes
// time, a reply that a fault splits into bursts).
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace kvt::sim {

struct ReplySegment {
    std::chrono::milliseconds silenceBefore{0};
    std::string bytes;
};

struct Reply {
    std::vector<ReplySegment> segments;
    bool closePort = false;  // the unit hangs up its end of the line instead of answering

    static Reply Of(std::string bytes);
    std::string Bytes() const;  // all segments, back to back
    size_t Size() const;
};

// Cuts the reply into `bursts` pieces of about equal size with `gap` of silence between them, or,
// when cutsFromEnd is not empty, at those distances from the reply's end. Silences the reply
// already had stay where they were.
Reply SplitIntoBursts(const Reply& reply, int bursts, std::chrono::milliseconds gap,
                      const std::vector<size_t>& cutsFromEnd = {});

}  // namespace kvt::sim
