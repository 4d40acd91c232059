// CDlgChangeFormatName: renames a format. The name is up to 15 characters; the Formats page stores
// it in the format's two name halves.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace kvt::laptop {

class CDlgChangeFormatName : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kMaxNameLength = 15;

    // Opens showing the format's present name.
    explicit CDlgChangeFormatName(const QString& name, QWidget* parent = nullptr);

    // The name entered when OK was pressed.
    QString Name() const { return name_; }

  private:
    void accept() override;

    QLineEdit* edit_ = nullptr;
    QString name_;
};

}  // namespace kvt::laptop
