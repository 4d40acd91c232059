#include "Reply.h"

#include <algorithm>
#include <map>

namespace kvt::sim {

Reply Reply::Of(std::string bytes) {
    Reply reply;
    reply.segments.push_back({std::chrono::milliseconds{0}, std::move(bytes)});
    return reply;
}

std::string Reply::Bytes() const {
    std::string bytes;
    for (const auto& segment : segments) {
        bytes += segment.bytes;
    }
    return bytes;
}

size_t Reply::Size() const {
    size_t size = 0;
    for (const auto& segment : segments) {
        size += segment.bytes.size();
    }
    return size;
}

Reply SplitIntoBursts(const Reply& reply, int bursts, std::chrono::milliseconds gap,
                      const std::vector<size_t>& cutsFromEnd) {
    const size_t total = reply.Size();
    if ((bursts < 2 && cutsFromEnd.empty()) || total < 2) {
        return reply;
    }
    // Segment starts by byte offset, with the silence in front of each.
    std::map<size_t, std::chrono::milliseconds> starts;
    size_t offset = 0;
    for (const auto& segment : reply.segments) {
        auto& silence = starts[offset];
        silence = std::max(silence, segment.silenceBefore);
        offset += segment.bytes.size();
    }
    if (cutsFromEnd.empty()) {
        const auto pieces = std::min(static_cast<size_t>(bursts), total);
        for (size_t k = 1; k < pieces; ++k) {
            auto& silence = starts[k * total / pieces];
            silence = std::max(silence, gap);
        }
    }
    for (size_t cut : cutsFromEnd) {
        if (cut > 0 && cut < total) {
            auto& silence = starts[total - cut];
            silence = std::max(silence, gap);
        }
    }
    const std::string bytes = reply.Bytes();
    Reply split;
    split.closePort = reply.closePort;
    for (auto it = starts.begin(); it != starts.end(); ++it) {
        const auto next = std::next(it);
        const size_t end = next == starts.end() ? total : next->first;
        if (end == it->first && next != starts.end()) {
            continue;
        }
        split.segments.push_back({it->second, bytes.substr(it->first, end - it->first)});
    }
    return split;
}

}  // namespace kvt::sim
