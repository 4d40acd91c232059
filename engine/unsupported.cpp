// Members this engine does not carry out: SignalGenLevel returns 50 (not supported) and changes
// nothing (the generator's level is set at the unit); SyncEventLogDT has no effect and answers 1.
#include "KVT80.h"

namespace kvt {

int32_t KVT80::get_SignalGenLevel(Variant*) {
    return status::NotSupported;
}
int32_t KVT80::put_SignalGenLevel(const Variant&) {
    return status::NotSupported;
}
int32_t KVT80::SyncEventLogDT() {
    return status::NoUnit;
}

}  // namespace kvt
