// Conversions between the engine's automation values and Qt's: texts, booleans and the
// connection state. Engine results of reads inside a refresh are not tested: a failed read gives
// the empty value.
#pragma once

#include <QString>
#include <string>

#include "IKVT80.h"

namespace kvt::frontend {

inline QString ToQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())};
}

inline Variant TextVariant(const QString& text) {
    return Variant::String(ToU16(text));
}

// A text property read through a getter such as &IKVT80::get_TheaterName.
template <typename Getter>
QString ReadText(IKVT80& engine, Getter getter) {
    Variant value;
    if ((engine.*getter)(&value) != status::Ok) {
        return {};
    }
    return ToQString(value.StringValue());
}

inline bool IsConnected(IKVT80& engine) {
    Variant connected;
    return engine.get_Connected(&connected) == status::Ok && connected.IsTrue();
}

inline bool IsTrueProperty(IKVT80& engine, int32_t (IKVT80::*getter)(Variant*)) {
    Variant value;
    return (engine.*getter)(&value) == status::Ok && value.IsTrue();
}

inline int32_t IntProperty(IKVT80& engine, int32_t (IKVT80::*getter)(Variant*)) {
    Variant value;
    return (engine.*getter)(&value) == status::Ok ? value.Int32() : 0;
}

}  // namespace kvt::frontend
