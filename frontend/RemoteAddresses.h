// The network addresses the user has entered for the "TCP/IP" port, kept in
// "<settings folder>/KVT-80 Remote.conf", one address a line, in the order they were added.
//
// The file is read at every call, so two running programs see each other's changes, and
// rewritten whole at every change (a failed write leaves the previous list). Addresses compare
// without regard to case, as host names do.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kvt::frontend {

class RemoteAddressStore {
  public:
    static constexpr int kMaxAddressLength = 64;

    explicit RemoteAddressStore(QString folder);

    QString FilePath() const;

    QStringList List() const;
    bool Contains(const QString& address) const;

    // True when the address was added; false when it was already listed (in any case) or could
    // not be stored.
    bool Insert(const QString& address);
    // False when it was not listed or the list could not be written.
    bool Remove(const QString& address);
    // Removes oldAddress and adds newAddress (unless listed already) in one write. Nothing
    // changes and false comes back when newAddress cannot be stored, so an edit never loses the
    // entry it started from.
    bool Replace(const QString& oldAddress, const QString& newAddress);

    // Non-empty, at most 64 characters, one line, and not read as a comment.
    static bool IsStorable(const QString& address);

  private:
    // The stored list; nothing when the file exists but cannot be read, so a change never
    // replaces addresses it could not see.
    std::optional<QStringList> Read() const;
    bool Write(const QStringList& addresses) const;

    QString folder_;
};

}  // namespace kvt::frontend
