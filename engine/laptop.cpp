// Members that only the laptop front end uses: the remote address of the "TCP/IP" port, the
// input-monitoring flag and the discarding of changes made since connecting. (The per-format
// laptop values are with the format table, formats.cpp.)
#include "KVT80.h"
#include "analyser/GeneratorWords.h"
#include "image/ImageWrites.h"
#include "kvtcomm.h"
#include "text/Codepage.h"

namespace kvt {

int32_t KVT80::get_RemoteAddress(std::u16string* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(settingsMutex_);
    *value = remoteAddress_;
    return status::Ok;
}

// "host" or "host:port"; an empty text means no address is chosen. It becomes a port name for
// the transport, so it must fit that name and hold no control characters.
int32_t KVT80::put_RemoteAddress(const std::u16string& value) {
    const bool control =
        std::any_of(value.begin(), value.end(), [](char16_t c) { return c < 0x20 || c == 0x7F; });
    if (control || ToUtf8(value).size() > KVTCOMM_PORT_NAME_MAX) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(settingsMutex_);
    remoteAddress_ = value;
    return status::Ok;
}

// Recorded only: the input levels are read while UpdateInputs is set, whichever page is shown,
// because the status poll is timed from that read and the analyser shares it.
int32_t KVT80::put_InputMonitoring(const Variant& value) {
    inputMonitoring_ = value.BoolField() == VARIANT_TRUE;
    return status::Ok;
}

// Returns the image to what the last complete retrieval read from the unit and, while the unit
// is ready, queues every word that differs from what the unit was last given, so the unit goes
// back to its state at connection. Without a retrieval there is nothing to go back to (1).
int32_t KVT80::AbandonChanges() {
    std::lock_guard lock(imageMutex_);
    if (!retrievedImage_) {
        return status::NoUnit;
    }
    const std::vector<RawWrite> current = ImageWrites(image_, RoutingOfLocked(image_));
    const std::vector<RawWrite> retrieved =
        ImageWrites(*retrievedImage_, RoutingOfLocked(*retrievedImage_));
    image_ = *retrievedImage_;
    configDirty_ = retrievedDirty_;
    if (!link_.IsOpen() || !initialized_) {
        return status::Ok;
    }
    for (size_t i = 0; i < retrieved.size(); ++i) {
        if (retrieved[i] != current[i]) {
            QueueParameterWrite(retrieved[i].block, retrieved[i].address, retrieved[i].value);
        }
    }
    return status::Ok;
}

}  // namespace kvt
