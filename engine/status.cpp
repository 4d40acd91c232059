#include <array>

#include "IKVT80.h"

namespace kvt::status {

namespace {

struct StatusMeaning {
    int32_t status;
    std::string_view meaning;
};

constexpr std::array<StatusMeaning, 7> kMeanings{{
    {Ok, "done"},
    {NoUnit, "not connected, or the unit did not answer"},
    {NotSupported, "not supported"},
    {InvalidArgument,
     "invalid argument: an index or value out of range, or a value of the wrong type"},
    {PortOpenFailed, "the port could not be opened"},
    {RemoteUnreachable, "remote address unreachable"},
    {AlreadyConnected, "already connected"},
}};

}  // namespace

std::string_view Meaning(int32_t status) {
    for (const StatusMeaning& row : kMeanings) {
        if (row.status == status) {
            return row.meaning;
        }
    }
    return {};
}

}  // namespace kvt::status
