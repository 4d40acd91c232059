// The link with the companion measurement program over the D-Bus session bus.
//
// Each side exports one object, "/com/rodmere/KVTLink" with the interface "com.rodmere.KVTLink":
// InitLink(peer) makes the caller (its bus name) the linked program, TermLink() ends the link,
// ChannelChange(channel) tells the other side which output channel is selected. The companion
// program owns the bus name "com.rodmere.PLW680". No bus, no companion or a companion that does
// not answer means no link; nothing is reported and nothing waits for it.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace kvt::frontend {

class CompanionLink : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.rodmere.KVTLink")

  public:
    static constexpr const char* kCompanionService = "com.rodmere.PLW680";
    static constexpr const char* kObjectPath = "/com/rodmere/KVTLink";
    static constexpr const char* kInterface = "com.rodmere.KVTLink";

    explicit CompanionLink(QDBusConnection bus = QDBusConnection::sessionBus(),
                           QObject* parent = nullptr);
    // Ends a link that is still up.
    ~CompanionLink() override;

    // True when the object is on the bus: the companion can reach this program.
    bool Registered() const { return registered_; }
    // The companion program is running.
    bool CompanionRunning() const;
    // Asks the companion to link with this program (no answer is awaited).
    void OfferLink();
    // The companion's bus name while linked, else empty.
    QString LinkedPeer() const { return linked_; }
    // Tells the linked companion the selected channel; nothing without a link.
    void SendChannelChange(int channel);
    void Terminate();

  public slots:
    Q_SCRIPTABLE void InitLink(const QString& peer);
    Q_SCRIPTABLE void TermLink();
    Q_SCRIPTABLE void ChannelChange(int channel);

  signals:
    // The companion selected a channel.
    void channelChangeReceived(int channel);
    void linkChanged(bool linked);

  private:
    void CallPeer(const QString& service, const QString& method, const QVariantList& arguments);

    QDBusConnection bus_;
    bool registered_ = false;
    QString linked_;
};

}  // namespace kvt::frontend
