// Members that this engine does not carry out yet: each returns 50 (not supported) and changes
// nothing. TerminalLogFilename and SignalGenLevel stay so for good; SyncEventLogDT has no effect
// by design and answers 1.
#include "KVT80.h"

namespace kvt {

int32_t KVT80::EnterCommandInterpreter() {
    return status::NotSupported;
}
int32_t KVT80::DownloadToPIC() {
    return status::NotSupported;
}
int32_t KVT80::get_TerminalLogging(Variant*) {
    return status::NotSupported;
}
int32_t KVT80::put_TerminalLogging(const Variant&) {
    return status::NotSupported;
}
int32_t KVT80::get_TerminalLogFilename(Variant*) {
    return status::NotSupported;
}
int32_t KVT80::WriteStringDirect(const std::u16string&) {
    return status::NotSupported;
}
int32_t KVT80::get_SignalGenLevel(Variant*) {
    return status::NotSupported;
}
int32_t KVT80::put_SignalGenLevel(const Variant&) {
    return status::NotSupported;
}
int32_t KVT80::DownloadToDSP(const Variant&, const Variant&, const Variant&) {
    return status::NotSupported;
}
int32_t KVT80::SyncEventLogDT() {
    return status::NoUnit;
}

}  // namespace kvt
