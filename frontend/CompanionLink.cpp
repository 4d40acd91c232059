#include "CompanionLink.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace kvt::frontend {

CompanionLink::CompanionLink(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
    if (bus_.isConnected()) {
        registered_ =
            bus_.registerObject(kObjectPath, this, QDBusConnection::ExportScriptableSlots);
    }
}

CompanionLink::~CompanionLink() {
    Terminate();
    if (registered_) {
        bus_.unregisterObject(kObjectPath);
    }
}

bool CompanionLink::CompanionRunning() const {
    if (!bus_.isConnected() || bus_.interface() == nullptr) {
        return false;
    }
    const auto reply = bus_.interface()->isServiceRegistered(kCompanionService);
    return reply.isValid() && reply.value();
}

void CompanionLink::OfferLink() {
    if (registered_) {
        CallPeer(kCompanionService, QStringLiteral("InitLink"), {bus_.baseService()});
    }
}

void CompanionLink::SendChannelChange(int channel) {
    if (!linked_.isEmpty()) {
        CallPeer(linked_, QStringLiteral("ChannelChange"), {channel});
    }
}

void CompanionLink::Terminate() {
    if (linked_.isEmpty()) {
        return;
    }
    CallPeer(linked_, QStringLiteral("TermLink"), {});
    linked_.clear();
    emit linkChanged(false);
}

void CompanionLink::InitLink(const QString& peer) {
    if (peer.isEmpty() || peer == linked_) {
        return;
    }
    linked_ = peer;
    emit linkChanged(true);
}

void CompanionLink::TermLink() {
    if (linked_.isEmpty()) {
        return;
    }
    linked_.clear();
    emit linkChanged(false);
}

void CompanionLink::ChannelChange(int channel) {
    emit channelChangeReceived(channel);
}

// Sent without waiting for a reply: a companion that hangs must not hang this program.
void CompanionLink::CallPeer(const QString& service, const QString& method,
                             const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(service, kObjectPath, kInterface, method);
    call.setArguments(arguments);
    bus_.send(call);
}

}  // namespace kvt::frontend
