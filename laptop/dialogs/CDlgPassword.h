// CDlgPassword: asks for the password of the diagnostic features. The frame compares it.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace kvt::laptop {

class CDlgPassword : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kMaxPasswordLength = 100;

    explicit CDlgPassword(QWidget* parent = nullptr);

    // The text entered when OK was pressed; empty before that.
    QString Password() const { return password_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void accept() override;

    QLineEdit* edit_ = nullptr;
    QString password_;
};

}  // namespace kvt::laptop
