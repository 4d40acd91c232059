// A test double of the engine: keeps the connection settings in memory, follows the engine's
// status conventions for the members kvt80ctl's tests use, and raises events through the sinks
// it was given, from whatever thread the test chooses. It derives from the real engine object
// (never initialised, so no worker runs and no settings are read), so members it does not
// override behave as the engine's own.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "IKVT80.h"
#include "KVT80.h"

namespace kvt::cli::testing {

class FakeEngine : public KVT80 {
  public:
    int32_t Advise(std::shared_ptr<IKVTEvents> sink, uint32_t* cookie) override {
        if (!sink || cookie == nullptr) {
            return status::InvalidArgument;
        }
        std::lock_guard lock(mutex_);
        *cookie = ++lastCookie_;
        sinks_[*cookie] = std::move(sink);
        return status::Ok;
    }

    int32_t Unadvise(uint32_t cookie) override {
        std::lock_guard lock(mutex_);
        return sinks_.erase(cookie) == 1 ? status::Ok : status::InvalidArgument;
    }

    int32_t get_ComPort(Variant* value) override {
        Record("get_ComPort");
        if (value == nullptr) {
            return status::InvalidArgument;
        }
        *value = Variant::String(port_);
        return status::Ok;
    }

    int32_t put_ComPort(const Variant& value) override {
        Record("put_ComPort");
        if (value.Type() != VT_BSTR) {
            return status::InvalidArgument;
        }
        port_ = value.StringValue();
        return status::Ok;
    }

    // The bit rate is kept exactly as put, whatever its type, so that the tests can read any
    // Variant back through a get.
    int32_t get_BitRate(Variant* value) override {
        Record("get_BitRate");
        if (value == nullptr) {
            return status::InvalidArgument;
        }
        *value = bitRate_;
        return status::Ok;
    }

    int32_t put_BitRate(const Variant& value) override {
        Record("put_BitRate");
        bitRate_ = value;
        return putBitRateStatus;
    }

    int32_t Connect() override {
        Record("Connect");
        if (connected_) {
            return status::AlreadyConnected;
        }
        if (connectStatus != status::Ok) {
            return connectStatus;
        }
        connected_ = true;
        if (onConnect) {
            onConnect(*this);
        }
        return status::Ok;
    }

    int32_t Disconnect() override {
        Record("Disconnect");
        if (!connected_) {
            return status::Ok;
        }
        connected_ = false;
        Raise([](IKVTEvents& sink) { sink.InputLevelsUpdated(-80.0, -80.0); });
        return status::Ok;
    }

    int32_t get_Connected(Variant* value) override {
        Record("get_Connected");
        if (value == nullptr) {
            return status::InvalidArgument;
        }
        *value = Variant::Bool(connected_);
        return status::Ok;
    }

    int32_t get_UpdateInputs(Variant* value) override {
        Record("get_UpdateInputs");
        if (value == nullptr) {
            return status::InvalidArgument;
        }
        *value = Variant::Bool(updateInputs_);
        return status::Ok;
    }

    int32_t put_UpdateInputs(const Variant& value) override {
        Record("put_UpdateInputs");
        if (value.Type() != VT_BOOL) {
            return status::InvalidArgument;
        }
        updateInputs_ = value.BoolField() == VARIANT_TRUE;
        return status::Ok;
    }

    int32_t Cleanup() override {
        Record("Cleanup");
        return status::Ok;
    }

    int32_t get_Initialized(VariantBool* value) override {
        Record("get_Initialized");
        if (value == nullptr) {
            return status::InvalidArgument;
        }
        *value = initialized_;
        return status::Ok;
    }

    int32_t put_Initialized(VariantBool value) override {
        Record("put_Initialized");
        initialized_ = value;
        return status::Ok;
    }

    // Delivers an event to every connected sink, the engine's way: the sink list is copied under
    // the lock and the calls are made without it.
    void Raise(const std::function<void(IKVTEvents&)>& deliver) {
        std::vector<std::shared_ptr<IKVTEvents>> sinks;
        {
            std::lock_guard lock(mutex_);
            for (const auto& [cookie, sink] : sinks_) {
                sinks.push_back(sink);
            }
        }
        for (const auto& sink : sinks) {
            deliver(*sink);
        }
    }

    size_t SinkCount() const {
        std::lock_guard lock(mutex_);
        return sinks_.size();
    }

    std::vector<std::string> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

    size_t CallCount(const std::string& name) const {
        std::lock_guard lock(mutex_);
        return static_cast<size_t>(std::count(calls_.begin(), calls_.end(), name));
    }

    int32_t connectStatus = status::Ok;
    int32_t putBitRateStatus = status::Ok;
    std::function<void(FakeEngine&)> onConnect;  // runs on the caller's thread inside Connect

  private:
    void Record(const std::string& call) {
        std::lock_guard lock(mutex_);
        calls_.push_back(call);
    }

    mutable std::mutex mutex_;
    std::map<uint32_t, std::shared_ptr<IKVTEvents>> sinks_;
    uint32_t lastCookie_ = 0;
    std::vector<std::string> calls_;

    std::u16string port_ = u"COM1:";
    Variant bitRate_ = Variant::Int(38400);
    bool connected_ = false;
    bool updateInputs_ = true;
    VariantBool initialized_ = VARIANT_FALSE;
};

}  // namespace kvt::cli::testing
