// Storing the unit's settings ("savevals" on each processor) and copying the configuration to the
// personality module.
#include "KVT80.h"

namespace kvt {

int32_t KVT80::SaveKVTParameters() {
    return status::NotSupported;
}
int32_t KVT80::SaveZVQParameters() {
    return status::NotSupported;
}
int32_t KVT80::SaveEQParameters() {
    return status::NotSupported;
}
int32_t KVT80::SaveMMC(const Variant&) {
    return status::NotSupported;
}

}  // namespace kvt
