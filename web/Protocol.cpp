#include "Protocol.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <utility>

namespace kvt::web {
namespace {

using Json = nlohmann::json;

// Ids come back to the page as JavaScript numbers: keep them exact there.
constexpr int64_t kMaxId = (int64_t{1} << 53) - 1;

struct PropertyRow {
    Property property;
    std::string_view name;
    bool channel;
    bool band;
    double minimum;
    double maximum;
    bool whole;  // the value must be an integer
};

constexpr std::array<PropertyRow, 7> kProperties{{
    {Property::EQBand, "EQBand", true, true, -6.0, 6.0, false},
    {Property::Bass, "Bass", true, false, -6.0, 6.0, false},
    {Property::Treble, "Treble", true, false, -6.0, 6.0, false},
    {Property::OutputGain, "OutputGain", true, false, -22.0, 8.0, false},
    {Property::GeneratorChannels, "GeneratorChannels", false, false, 0.0, 255.0, true},
    {Property::GeneratorMode, "GeneratorMode", false, false, 0.0, 4.0, true},
    {Property::SLASumAndDiff, "SLASumAndDiff", false, false, 0.0, 1.0, true},
}};

const PropertyRow* FindProperty(std::string_view name) {
    for (const PropertyRow& row : kProperties) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

struct Refusal {
    std::string text;
};

class Reader {
  public:
    explicit Reader(const Json& object) : object_(object) {}

    void OnlyKeys(std::initializer_list<std::string_view> allowed) const {
        for (const auto& [key, value] : object_.items()) {
            bool known = false;
            for (std::string_view name : allowed) {
                known = known || key == name;
            }
            if (!known) {
                throw Refusal{"unknown field \"" + Printable(key) + "\""};
            }
        }
    }

    int Integer(const char* key, int minimum, int maximum) const {
        const Json& value = Required(key);
        if (!value.is_number_integer() && !value.is_number_unsigned()) {
            throw Refusal{std::string(key) + " must be a whole number"};
        }
        const int64_t number =
            value.is_number_unsigned()
                ? static_cast<int64_t>(std::min<uint64_t>(value.get<uint64_t>(), uint64_t{1} << 62))
                : value.get<int64_t>();
        if (number < minimum || number > maximum) {
            throw Refusal{std::string(key) + " must lie between " + std::to_string(minimum) +
                          " and " + std::to_string(maximum)};
        }
        return static_cast<int>(number);
    }

    double Number(const char* key, double minimum, double maximum) const {
        const Json& value = Required(key);
        if (!value.is_number()) {
            throw Refusal{std::string(key) + " must be a number"};
        }
        const double number = value.get<double>();
        if (!std::isfinite(number) || number < minimum || number > maximum) {
            throw Refusal{std::string(key) + " is out of range"};
        }
        return number;
    }

    bool Flag(const char* key, bool otherwise) const {
        const auto found = object_.find(key);
        if (found == object_.end()) {
            return otherwise;
        }
        if (!found->is_boolean()) {
            throw Refusal{std::string(key) + " must be true or false"};
        }
        return found->get<bool>();
    }

    std::string Text(const char* key) const {
        const Json& value = Required(key);
        if (!value.is_string()) {
            throw Refusal{std::string(key) + " must be a text"};
        }
        return value.get<std::string>();
    }

    // Keys the page sends back are echoed in refusals: keep them short and plain.
    static std::string Printable(std::string_view text) {
        std::string out;
        for (char c : text.substr(0, 32)) {
            const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                               (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
            out += plain ? c : '?';
        }
        return out;
    }

  private:
    const Json& Required(const char* key) const {
        const auto found = object_.find(key);
        if (found == object_.end()) {
            throw Refusal{std::string("missing field \"") + key + "\""};
        }
        return *found;
    }

    const Json& object_;
};

ClientMessage ReadPut(const Reader& reader, ClientMessage message) {
    const std::string name = reader.Text("name");
    const PropertyRow* row = FindProperty(name);
    if (row == nullptr) {
        throw Refusal{"unknown property \"" + Reader::Printable(name) + "\""};
    }
    if (row->channel && row->band) {
        reader.OnlyKeys({"op", "id", "name", "channel", "band", "value"});
    } else if (row->channel) {
        reader.OnlyKeys({"op", "id", "name", "channel", "value"});
    } else if (row->property == Property::GeneratorChannels) {
        reader.OnlyKeys({"op", "id", "name", "value", "confirmed"});
    } else {
        reader.OnlyKeys({"op", "id", "name", "value"});
    }
    message.property = row->property;
    if (row->channel) {
        message.channel = reader.Integer("channel", 0, kChannels - 1);
    }
    if (row->band) {
        message.band = reader.Integer("band", 0, kBands - 1);
    }
    message.value = row->whole ? reader.Integer("value", static_cast<int>(row->minimum),
                                                static_cast<int>(row->maximum))
                               : reader.Number("value", row->minimum, row->maximum);
    message.confirmed = reader.Flag("confirmed", false);
    return message;
}

ClientMessage Read(const Json& object, int64_t id) {
    const Reader reader(object);
    ClientMessage message;
    message.id = id;
    const std::string op = reader.Text("op");
    if (op == "put") {
        message.operation = Operation::Put;
        return ReadPut(reader, message);
    }
    if (op == "control" || op == "snapshot" || op == "connect" || op == "ping") {
        reader.OnlyKeys({"op", "id"});
        message.operation = op == "control"    ? Operation::TakeControl
                            : op == "snapshot" ? Operation::Snapshot
                            : op == "connect"  ? Operation::Connect
                                               : Operation::Ping;
        return message;
    }
    if (op == "disconnect") {
        reader.OnlyKeys({"op", "id", "store", "verify"});
        message.operation = Operation::Disconnect;
        message.store = reader.Flag("store", true);
        message.verify = reader.Flag("verify", true);
        return message;
    }
    if (op == "analyser") {
        reader.OnlyKeys({"op", "id", "on"});
        message.operation = Operation::Analyser;
        const auto found = object.find("on");
        if (found == object.end() || !found->is_boolean()) {
            throw Refusal{"on must be true or false"};
        }
        message.on = found->get<bool>();
        return message;
    }
    throw Refusal{"unknown op \"" + Reader::Printable(op) + "\""};
}

}  // namespace

ParseResult ParseClientMessage(std::string_view text) {
    ParseResult result;
    if (text.size() > kMaxMessageBytes) {
        result.error = "message too long";
        return result;
    }
    // Depth is bounded by the size; no exceptions leave the parser for any input.
    const Json object = Json::parse(text.begin(), text.end(), nullptr, false);
    if (object.is_discarded() || !object.is_object()) {
        result.error = "not a JSON object";
        return result;
    }
    if (const auto id = object.find("id"); id != object.end()) {
        if (!id->is_number_unsigned() || id->get<uint64_t>() > static_cast<uint64_t>(kMaxId)) {
            result.error = "id must be a whole number from 0";
            return result;
        }
        result.id = static_cast<int64_t>(id->get<uint64_t>());
    }
    try {
        result.message = Read(object, result.id);
    } catch (const Refusal& refusal) {
        result.error = refusal.text;
    } catch (const nlohmann::json::exception&) {
        result.error = "malformed message";
    }
    return result;
}

std::string_view PropertyName(Property property) {
    for (const PropertyRow& row : kProperties) {
        if (row.property == property) {
            return row.name;
        }
    }
    return {};
}

}  // namespace kvt::web
