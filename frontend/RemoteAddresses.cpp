#include "RemoteAddresses.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <utility>

namespace kvt::frontend {

namespace {

constexpr auto kFileName = "KVT-80 Remote.conf";
constexpr auto kHeader = "# KVT-80 remote addresses, one a line";
constexpr QChar kComment = '#';
// A few hundred addresses at most; a bigger file is not ours.
constexpr qint64 kMaxFileSize = 256 * 1024;

bool SameAddress(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

qsizetype IndexOf(const QStringList& addresses, const QString& address) {
    const auto found = std::find_if(addresses.begin(), addresses.end(), [&](const QString& listed) {
        return SameAddress(listed, address);
    });
    return found == addresses.end() ? -1 : found - addresses.begin();
}

}  // namespace

RemoteAddressStore::RemoteAddressStore(QString folder) : folder_(std::move(folder)) {}

QString RemoteAddressStore::FilePath() const {
    return QDir(folder_).filePath(kFileName);
}

QStringList RemoteAddressStore::List() const {
    return Read().value_or(QStringList());
}

std::optional<QStringList> RemoteAddressStore::Read() const {
    QFile file(FilePath());
    if (!file.exists()) {
        return QStringList();
    }
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QStringList addresses;
    for (QString line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        // Lines edited by hand may repeat an address or be too long to be one.
        if (IsStorable(line) && IndexOf(addresses, line) < 0) {
            addresses.append(line);
        }
    }
    return addresses;
}

bool RemoteAddressStore::Contains(const QString& address) const {
    return IndexOf(List(), address) >= 0;
}

bool RemoteAddressStore::Insert(const QString& address) {
    auto addresses = Read();
    if (!addresses || !IsStorable(address) || IndexOf(*addresses, address) >= 0) {
        return false;
    }
    addresses->append(address);
    return Write(*addresses);
}

bool RemoteAddressStore::Remove(const QString& address) {
    auto addresses = Read();
    const qsizetype index = addresses ? IndexOf(*addresses, address) : -1;
    if (index < 0) {
        return false;
    }
    addresses->removeAt(index);
    return Write(*addresses);
}

bool RemoteAddressStore::Replace(const QString& oldAddress, const QString& newAddress) {
    auto addresses = Read();
    if (!addresses || !IsStorable(newAddress)) {
        return false;
    }
    if (const qsizetype index = IndexOf(*addresses, oldAddress); index >= 0) {
        addresses->removeAt(index);
    }
    if (IndexOf(*addresses, newAddress) < 0) {
        addresses->append(newAddress);
    }
    return Write(*addresses);
}

bool RemoteAddressStore::IsStorable(const QString& address) {
    if (address.isEmpty() || address.size() > kMaxAddressLength || address.startsWith(kComment)) {
        return false;
    }
    return std::none_of(address.begin(), address.end(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool RemoteAddressStore::Write(const QStringList& addresses) const {
    if (!QDir().mkpath(folder_)) {
        return false;
    }
    QSaveFile file(FilePath());
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray text = QByteArray(kHeader) + '\n';
    for (const QString& address : addresses) {
        text += address.toUtf8() + '\n';
    }
    file.write(text);
    return file.commit();
}

}  // namespace kvt::frontend
