// Verify: reads the whole configuration back from the unit and reports, as a mask of parameter
// blocks, where the unit differs from what the engine believed it holds.
#include "KVT80.h"
#include "image/Verification.h"

namespace kvt {

// The image keeps the values read from the unit afterwards, also when they differ. A read-back
// that fails part-way counts as a failed verification (1), with the mask of the differences found
// in what was read: fields not read compare equal, and a unit that stopped answering has not been
// shown to hold the configuration.
int32_t KVT80::Verify(Variant* dsp) {
    if (dsp == nullptr) {
        return status::InvalidArgument;
    }
    *dsp = Variant::Int(0);
    saveProgress_ = 0;
    CloseGate();
    const ParameterImage expected = Image();
    // The read-back is no new starting point: what was changed since the connection can still be
    // abandoned after a verification ("Do Not Save Settings" verifies first).
    std::optional<ParameterImage> baseline;
    bool baselineDirty = false;
    {
        std::lock_guard lock(imageMutex_);
        baseline = retrievedImage_;
        baselineDirty = retrievedDirty_;
    }
    const int32_t readBack = QueryKVT();
    if (baseline) {
        std::lock_guard lock(imageMutex_);
        retrievedImage_ = std::move(baseline);
        retrievedDirty_ = baselineDirty;
    }
    const uint32_t mask = VerificationMask(expected, Image());
    OpenGate();
    *dsp = Variant::Int(static_cast<int32_t>(mask));
    return mask != 0 || readBack != status::Ok ? status::NoUnit : status::Ok;
}

}  // namespace kvt
