// The processors' commits: a preamp or equaliser processor takes written values into use only when
// a bit of its control word is set. The worker commits after its write lines; a store commits
// after "savevals".
#pragma once

#include "Timings.h"
#include "protocol/Link.h"

namespace kvt {

// Preamp processors: bit 12 of word 0.
void CommitPreamp(Link& link, const LinkLock& lock, const EngineTimings& timings);

// Equaliser processors: the commit bits of word 0x100, with the store bit after "savevals".
void CommitEqualiser(Link& link, const LinkLock& lock, const EngineTimings& timings, bool stored);

}  // namespace kvt
