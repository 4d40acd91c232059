// CDlgIPAddress: enters or edits one remote network address for the communication settings.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace kvt::laptop {

class CDlgIPAddress : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kMaxAddressLength = 64;

    // The edit starts with `address` (empty to insert a new one).
    explicit CDlgIPAddress(const QString& address = {}, QWidget* parent = nullptr);

    // The text entered when OK was pressed; empty before that.
    QString Address() const { return address_; }

  private:
    void accept() override;

    QLineEdit* edit_ = nullptr;
    QString address_;
};

}  // namespace kvt::laptop
