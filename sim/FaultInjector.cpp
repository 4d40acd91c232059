#include "FaultInjector.h"

namespace kvt::sim {

void FaultInjector::Add(const Fault& fault) {
    if (fault.count <= 0 && fault.kind != FaultKind::StopAnswering) {
        return;
    }
    faults_.push_back(fault);
}

void FaultInjector::Clear() {
    faults_.clear();
    stoppedBy_.reset();
}

std::optional<Fault> FaultInjector::Consider(std::string_view input) {
    if (stoppedBy_) {
        return stoppedBy_;
    }
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (!input.starts_with(it->match)) {
            continue;
        }
        if (it->skip > 0) {
            --it->skip;
            return std::nullopt;
        }
        const Fault fault = *it;
        if (fault.kind == FaultKind::StopAnswering) {
            stoppedBy_ = fault;
        } else if (--it->count <= 0) {
            faults_.erase(it);
        }
        return fault;
    }
    return std::nullopt;
}

std::string FaultInjector::Garbage(size_t size) {
    std::uniform_int_distribution<int> byte(1, 255);
    std::string noise;
    while (noise.size() < size) {
        const int value = byte(random_);
        if (value != '>' && value != 0x07) {
            noise += static_cast<char>(value);
        }
    }
    return noise;
}

}  // namespace kvt::sim
