#include <array>
#include <string_view>

#include "IKVT80.h"
#include "KVT80.h"
#include "automation/Names.h"

namespace kvt {

namespace {
constexpr std::array<std::string_view, 4> kProgIds = {"KVT80.KVT80", "KVT80.KVT80.1",
                                                      "KVT80CE.KVT80CE", "KVT80CE.KVT80CE.1"};
}  // namespace

int32_t CreateEngine(std::string_view progId, std::unique_ptr<IKVT80>& engine) {
    engine.reset();
    bool known = false;
    for (std::string_view id : kProgIds) {
        known = known || NamesEqual(id, progId);
    }
    if (!known) {
        return status::InvalidArgument;
    }
    auto created = std::make_unique<KVT80>();
    const int32_t result = created->Initialize();
    if (result != status::Ok) {
        return result;
    }
    engine = std::move(created);
    return status::Ok;
}

}  // namespace kvt
