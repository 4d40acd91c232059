// The format table and profile members: each change edits the image's record or field and queues
// the bytes it occupies in the unit's EEPROM (block 0); the worker ends those writes with
// "formatupdate" so that the unit re-reads its table.
#include "KVT80.h"
#include "text/Codepage.h"

namespace kvt {

namespace {

std::optional<size_t> FormatIndex(const Variant& format) {
    const int32_t index = format.Int32();
    if (index < 0 || index >= kFormats) {
        return std::nullopt;
    }
    return static_cast<size_t>(index);
}

constexpr uint8_t kMaxOutputMask = 0xFF;

}  // namespace

// Reads a field of a record into *value; 87 for a null pointer or a format outside the table.
template <typename T, typename Read>
int32_t KVT80::ReadFormat(const Variant& format, T* value, Read&& read) {
    const auto index = FormatIndex(format);
    if (value == nullptr || !index) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(imageMutex_);
    *value = read(image_.formats.records[*index]);
    return status::Ok;
}

// Runs `edit` on the record (it returns a status; anything but 0 changes nothing), then queues the
// record's EEPROM bytes and marks the configuration changed.
template <typename Edit>
int32_t KVT80::EditFormat(const Variant& format, Edit&& edit) {
    const auto index = FormatIndex(format);
    if (!index) {
        return status::InvalidArgument;
    }
    {
        std::lock_guard lock(imageMutex_);
        FormatRecord edited = image_.formats.records[*index];
        const int32_t result = edit(edited, *index);
        if (result != status::Ok) {
            return result;
        }
        image_.formats.records[*index] = edited;
        QueueFormatRecordLocked(static_cast<int>(*index));
    }
    MarkDirty();
    return status::Ok;
}

void KVT80::QueueEepromLocked(uint32_t firstAddress, const std::vector<uint8_t>& bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        QueueParameterWrite(0, firstAddress + static_cast<uint32_t>(i), bytes[i]);
    }
}

void KVT80::QueueFormatRecordLocked(int format) {
    const auto& bytes = image_.formats.records[static_cast<size_t>(format)].bytes;
    QueueEepromLocked(FormatRecordAddress(format),
                      std::vector<uint8_t>(bytes.begin(), bytes.begin() + kFormatEepromBytes));
}

// ---- Texts
// ---------------------------------------------------------------------------------------

int32_t KVT80::GetFormatText(const Variant& format, RecordText field, std::u16string* value) {
    return ReadFormat(format, value,
                      [&](const FormatRecord& record) { return FromCp1252(record.Text(field)); });
}

// The unit keeps one byte per character: a text that Windows-1252 cannot carry, or one that does
// not fit its field with the terminator, is refused.
int32_t KVT80::PutFormatText(const Variant& format, RecordText field, const std::u16string& value) {
    const std::optional<std::string> text = ToCp1252(value.substr(0, value.find(u'\0')));
    if (!text) {
        return status::InvalidArgument;
    }
    return EditFormat(format, [&](FormatRecord& record, size_t) {
        return record.SetText(field, *text) ? status::Ok : status::InvalidArgument;
    });
}

int32_t KVT80::get_FormatCode(const Variant& format, std::u16string* value) {
    return GetFormatText(format, kFormatCode, value);
}
int32_t KVT80::put_FormatCode(const Variant& format, const std::u16string& value) {
    return PutFormatText(format, kFormatCode, value);
}
int32_t KVT80::get_FormatTxt1(const Variant& format, std::u16string* value) {
    return GetFormatText(format, kFormatText1, value);
}
int32_t KVT80::put_FormatTxt1(const Variant& format, const std::u16string& value) {
    return PutFormatText(format, kFormatText1, value);
}
int32_t KVT80::get_FormatTxt2(const Variant& format, std::u16string* value) {
    return GetFormatText(format, kFormatText2, value);
}
int32_t KVT80::put_FormatTxt2(const Variant& format, const std::u16string& value) {
    return PutFormatText(format, kFormatText2, value);
}

// ---- Flags
// ---------------------------------------------------------------------------------------

int32_t KVT80::GetFormatFlag(const Variant& format, uint16_t bit, Variant* value) {
    return ReadFormat(format, value,
                      [&](const FormatRecord& record) { return Variant::Bool(record.Flag(bit)); });
}

int32_t KVT80::PutFormatFlag(const Variant& format, uint16_t bit, const Variant& value) {
    return EditFormat(format, [&](FormatRecord& record, size_t) {
        record.SetFlag(bit, value.BoolField() == VARIANT_TRUE);
        return status::Ok;
    });
}

int32_t KVT80::get_FormatP1(const Variant& format, Variant* value) {
    return GetFormatFlag(format, format_flag::P1, value);
}
int32_t KVT80::put_FormatP1(const Variant& format, const Variant& value) {
    return PutFormatFlag(format, format_flag::P1, value);
}
int32_t KVT80::get_FormatP2(const Variant& format, Variant* value) {
    return GetFormatFlag(format, format_flag::P2, value);
}
int32_t KVT80::put_FormatP2(const Variant& format, const Variant& value) {
    return PutFormatFlag(format, format_flag::P2, value);
}
int32_t KVT80::get_FormatAux(const Variant& format, Variant* value) {
    return GetFormatFlag(format, format_flag::Aux, value);
}
int32_t KVT80::put_FormatAux(const Variant& format, const Variant& value) {
    return PutFormatFlag(format, format_flag::Aux, value);
}
int32_t KVT80::get_FormatMic(const Variant& format, Variant* value) {
    return GetFormatFlag(format, format_flag::Mic, value);
}
int32_t KVT80::put_FormatMic(const Variant& format, const Variant& value) {
    return PutFormatFlag(format, format_flag::Mic, value);
}
int32_t KVT80::get_FormatNS(const Variant& format, Variant* value) {
    return GetFormatFlag(format, format_flag::NonSync, value);
}
int32_t KVT80::put_FormatNS(const Variant& format, const Variant& value) {
    return PutFormatFlag(format, format_flag::NonSync, value);
}
int32_t KVT80::get_FormatSlitEQ(const Variant& format, Variant* value) {
    return GetFormatFlag(format, format_flag::SlitEQ, value);
}
int32_t KVT80::put_FormatSlitEQ(const Variant& format, const Variant& value) {
    return PutFormatFlag(format, format_flag::SlitEQ, value);
}
int32_t KVT80::get_FormatMonoEQ(const Variant& format, Variant* value) {
    return GetFormatFlag(format, format_flag::MonoEQ, value);
}
int32_t KVT80::put_FormatMonoEQ(const Variant& format, const Variant& value) {
    return PutFormatFlag(format, format_flag::MonoEQ, value);
}
int32_t KVT80::get_FormatSPDIFF(const Variant& format, Variant* value) {
    return GetFormatFlag(format, format_flag::SPDIF, value);
}
int32_t KVT80::get_FormatAESEBU(const Variant& format, Variant* value) {
    return GetFormatFlag(format, format_flag::AESEBU, value);
}
int32_t KVT80::put_FormatAESEBU(const Variant& format, const Variant& value) {
    return PutFormatFlag(format, format_flag::AESEBU, value);
}

// The input kind of a format: S/PDIF when the bit is set, analogue when clear. The Non-Sync (4)
// and Aux (5) formats use their own input only when it is analogue.
namespace {
void SetAnalogue(FormatRecord& record, size_t format, bool analogue) {
    record.SetFlag(format_flag::SPDIF, !analogue);
    if (format == FormatNonSync) {
        record.SetFlag(format_flag::NonSync, analogue);
    } else if (format == FormatAux) {
        record.SetFlag(format_flag::Aux, analogue);
    }
}
}  // namespace

int32_t KVT80::get_FormatAnalog(const Variant& format, Variant* value) {
    return ReadFormat(format, value, [&](const FormatRecord& record) {
        return Variant::Bool(!record.Flag(format_flag::SPDIF));
    });
}
int32_t KVT80::put_FormatAnalog(const Variant& format, const Variant& value) {
    return EditFormat(format, [&](FormatRecord& record, size_t index) {
        SetAnalogue(record, index, value.BoolField() == VARIANT_TRUE);
        return status::Ok;
    });
}
int32_t KVT80::put_FormatSPDIFF(const Variant& format, const Variant& value) {
    return EditFormat(format, [&](FormatRecord& record, size_t index) {
        SetAnalogue(record, index, value.BoolField() != VARIANT_TRUE);
        return status::Ok;
    });
}

// ---- Numbers in the flags word and the level byte
// ------------------------------------------------

int32_t KVT80::get_FormatNR(const Variant& format, Variant* value) {
    return ReadFormat(format, value, [&](const FormatRecord& record) {
        return Variant::Int((record.Flags() & format_flag::NRMask) >> format_flag::NRShift);
    });
}

int32_t KVT80::put_FormatNR(const Variant& format, const Variant& value) {
    const int32_t nr = value.Int32();
    if (nr < 0) {
        return status::InvalidArgument;
    }
    return EditFormat(format, [&](FormatRecord& record, size_t) {
        const auto bits = static_cast<uint16_t>((nr & 3) << format_flag::NRShift);
        record.SetFlags(static_cast<uint16_t>((record.Flags() & ~format_flag::NRMask) | bits));
        return status::Ok;
    });
}

// The value's lowest bit becomes the flag.
int32_t KVT80::PutFormatLowBit(const Variant& format, uint16_t bit, int32_t value) {
    return EditFormat(format, [&](FormatRecord& record, size_t) {
        record.SetFlag(bit, (value & 1) != 0);
        return status::Ok;
    });
}

int32_t KVT80::get_FormatMatrix(const Variant& format, Variant* value) {
    return ReadFormat(format, value, [&](const FormatRecord& record) {
        return Variant::Int(record.Flag(format_flag::Matrix) ? 1 : 0);
    });
}
int32_t KVT80::put_FormatMatrix(const Variant& format, const Variant& value) {
    return value.Int32() < 0 ? status::InvalidArgument
                             : PutFormatLowBit(format, format_flag::Matrix, value.Int32());
}
int32_t KVT80::get_FormatSlot(const Variant& format, Variant* value) {
    return ReadFormat(format, value, [&](const FormatRecord& record) {
        return Variant::Int(record.Flag(format_flag::Slot) ? 1 : 0);
    });
}
int32_t KVT80::put_FormatSlot(const Variant& format, const Variant& value) {
    return value.Int32() < 0 ? status::InvalidArgument
                             : PutFormatLowBit(format, format_flag::Slot, value.Int32());
}

int32_t KVT80::get_MicPhase(const Variant& format, int32_t* value) {
    return ReadFormat(format, value, [&](const FormatRecord& record) {
        return record.Flag(format_flag::MicPhase) ? 1 : 0;
    });
}
int32_t KVT80::put_MicPhase(const Variant& format, int32_t value) {
    return PutFormatLowBit(format, format_flag::MicPhase, value);
}

int32_t KVT80::get_FormatLevel(const Variant& format, int32_t* value) {
    return ReadFormat(format, value,
                      [&](const FormatRecord& record) { return record.bytes[kLevelOffset]; });
}

// The level byte keeps the low 8 bits of whatever is written.
int32_t KVT80::put_FormatLevel(const Variant& format, int32_t value) {
    return EditFormat(format, [&](FormatRecord& record, size_t) {
        record.bytes[kLevelOffset] = static_cast<uint8_t>(value & 0xFF);
        return status::Ok;
    });
}

// ---- Power-on format, buttons, count
// -------------------------------------------------------------

int32_t KVT80::get_PowerOnFormat(int32_t* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(imageMutex_);
    *value = image_.formats.powerOnFormat;
    return status::Ok;
}

// The unit keeps the power-on choice as a button number (8: no button holds the format).
int32_t KVT80::put_PowerOnFormat(int32_t value) {
    if ((value < 0 || value >= kFormats) && value != kNoPowerOnFormat) {
        return status::InvalidArgument;
    }
    {
        std::lock_guard lock(imageMutex_);
        image_.formats.powerOnFormat = value;
        QueueParameterWrite(0, kPowerOnButtonAddress, PowerOnButtonEntry(image_.formats, value));
    }
    MarkDirty();
    return status::Ok;
}

int32_t KVT80::get_ButtonFormat(const Variant& button, int32_t* value) {
    const int32_t index = button.Int32();
    if (value == nullptr || index < 0 || index >= kButtons) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(imageMutex_);
    *value = image_.formats.buttonFormat[static_cast<size_t>(index)];
    return status::Ok;
}

int32_t KVT80::put_ButtonFormat(const Variant& button, int32_t value) {
    const int32_t index = button.Int32();
    if (index < 0 || index >= kButtons || value < 0 || value >= kFormats) {
        return status::InvalidArgument;
    }
    {
        std::lock_guard lock(imageMutex_);
        image_.formats.buttonFormat[static_cast<size_t>(index)] = value;
        QueueParameterWrite(0, kButtonTableAddress + static_cast<uint32_t>(index),
                            static_cast<uint32_t>(value));
    }
    MarkDirty();
    return status::Ok;
}

int32_t KVT80::get_FormatCount(int32_t* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(imageMutex_);
    *value = image_.formats.formatCount;
    return status::Ok;
}

int32_t KVT80::put_FormatCount(int32_t value) {
    if (value < 0 || value > kFormats) {
        return status::InvalidArgument;
    }
    {
        std::lock_guard lock(imageMutex_);
        image_.formats.formatCount = value;
        QueueParameterWrite(0, kFormatCountAddress, static_cast<uint32_t>(value));
    }
    MarkDirty();
    return status::Ok;
}

// ---- Laptop format values
// --------------------------------------------------------------------------

int32_t KVT80::get_FormatOutputMask(const Variant& format, int32_t* value) {
    return ReadFormat(format, value,
                      [&](const FormatRecord& record) { return record.bytes[kSpareOffset]; });
}

// The mask lives in the spare byte, which the unit never sees: it changes the file, not the unit.
int32_t KVT80::put_FormatOutputMask(const Variant& format, int32_t value) {
    const auto index = FormatIndex(format);
    if (!index || value < 0 || value > kMaxOutputMask) {
        return status::InvalidArgument;
    }
    {
        std::lock_guard lock(imageMutex_);
        image_.formats.records[*index].bytes[kSpareOffset] = static_cast<uint8_t>(value);
    }
    MarkDirty();
    return status::Ok;
}

int32_t KVT80::get_FormatDigital(const Variant& format, Variant* value) {
    return GetFormatFlag(format, format_flag::Digital, value);
}

namespace {
bool ReservedFlag(const FormatRecord& record, uint8_t bit) {
    return (record.bytes[kReservedOffset] & bit) != 0;
}
void SetReservedFlag(FormatRecord& record, uint8_t bit, bool on) {
    uint8_t& reserved = record.bytes[kReservedOffset];
    reserved = static_cast<uint8_t>(on ? reserved | bit : reserved & ~bit);
}
}  // namespace

int32_t KVT80::get_FormatProjectorDelays(const Variant& format, Variant* value) {
    return ReadFormat(format, value, [&](const FormatRecord& record) {
        return Variant::Bool(ReservedFlag(record, reserved_flag::ProjectorDelays));
    });
}
int32_t KVT80::put_FormatProjectorDelays(const Variant& format, const Variant& value) {
    return EditFormat(format, [&](FormatRecord& record, size_t) {
        SetReservedFlag(record, reserved_flag::ProjectorDelays, value.BoolField() == VARIANT_TRUE);
        return status::Ok;
    });
}
int32_t KVT80::get_FormatDiscrete(const Variant& format, Variant* value) {
    return ReadFormat(format, value, [&](const FormatRecord& record) {
        return Variant::Bool(ReservedFlag(record, reserved_flag::Discrete));
    });
}
int32_t KVT80::put_FormatDiscrete(const Variant& format, const Variant& value) {
    return EditFormat(format, [&](FormatRecord& record, size_t) {
        SetReservedFlag(record, reserved_flag::Discrete, value.BoolField() == VARIANT_TRUE);
        return status::Ok;
    });
}

// ---- Profile
// ---------------------------------------------------------------------------------------

int32_t KVT80::GetProfileText(ProfileField field, Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    std::lock_guard lock(imageMutex_);
    *value = Variant::String(image_.profile.Text(field));
    return status::Ok;
}

// The string is taken from the Variant's value whatever its type; a text longer than its field
// (one unit is the terminator) is refused. The serial number belongs to the unit, not to the
// configuration, so it leaves the dirty flag alone.
int32_t KVT80::PutProfileText(ProfileField field, const Variant& value) {
    if (value.Type() != VT_BSTR) {
        return status::InvalidArgument;
    }
    {
        std::lock_guard lock(imageMutex_);
        if (!image_.profile.SetText(field, value.StringValue())) {
            return status::InvalidArgument;
        }
        QueueEepromLocked(InfoOf(field).eepromAddress, image_.profile.EepromBytes(field));
    }
    if (field != ProfileField::SerialNumber) {
        MarkDirty();
    }
    return status::Ok;
}

int32_t KVT80::get_SerialNumber(Variant* value) {
    return GetProfileText(ProfileField::SerialNumber, value);
}
int32_t KVT80::put_SerialNumber(const Variant& value) {
    return PutProfileText(ProfileField::SerialNumber, value);
}
int32_t KVT80::get_DigitalPlayer1(Variant* value) {
    return GetProfileText(ProfileField::DigitalPlayer1, value);
}
int32_t KVT80::put_DigitalPlayer1(const Variant& value) {
    return PutProfileText(ProfileField::DigitalPlayer1, value);
}
int32_t KVT80::get_DigitalPlayer2(Variant* value) {
    return GetProfileText(ProfileField::DigitalPlayer2, value);
}
int32_t KVT80::put_DigitalPlayer2(const Variant& value) {
    return PutProfileText(ProfileField::DigitalPlayer2, value);
}
int32_t KVT80::get_ProjectName(Variant* value) {
    return GetProfileText(ProfileField::ProjectName, value);
}
int32_t KVT80::put_ProjectName(const Variant& value) {
    return PutProfileText(ProfileField::ProjectName, value);
}
int32_t KVT80::get_TheaterName(Variant* value) {
    return GetProfileText(ProfileField::TheaterName, value);
}
int32_t KVT80::put_TheaterName(const Variant& value) {
    return PutProfileText(ProfileField::TheaterName, value);
}
int32_t KVT80::get_ScreenNumber(Variant* value) {
    return GetProfileText(ProfileField::ScreenNumber, value);
}
int32_t KVT80::put_ScreenNumber(const Variant& value) {
    return PutProfileText(ProfileField::ScreenNumber, value);
}
int32_t KVT80::get_ProjectorModel(Variant* value) {
    return GetProfileText(ProfileField::ProjectorModel, value);
}
int32_t KVT80::put_ProjectorModel(const Variant& value) {
    return PutProfileText(ProfileField::ProjectorModel, value);
}
int32_t KVT80::get_AutomationSystem(Variant* value) {
    return GetProfileText(ProfileField::AutomationSystem, value);
}
int32_t KVT80::put_AutomationSystem(const Variant& value) {
    return PutProfileText(ProfileField::AutomationSystem, value);
}
int32_t KVT80::get_Comments(Variant* value) {
    return GetProfileText(ProfileField::Comments, value);
}
int32_t KVT80::put_Comments(const Variant& value) {
    return PutProfileText(ProfileField::Comments, value);
}

}  // namespace kvt
