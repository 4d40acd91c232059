// IpAddressEdit: an IPv4 address entry that behaves like the platform's IP address control.
//
// Four octet fields separated by dots, digits only. Typing a third digit or a '.' moves on to the
// next field; a value over 255 becomes 255; Backspace at the start of a field, and the arrow keys
// at its edges, move to the neighbouring field. Tab and Shift+Tab treat the four fields as one
// control. An empty field counts as 0. editingFinished is emitted when the focus leaves the
// control. Keys reach the field that has the focus, as with any compound widget.
#pragma once

#include <QRegularExpressionValidator>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;

namespace kvt::setip {

class IpAddressEdit : public QWidget {
    Q_OBJECT

  public:
    explicit IpAddressEdit(QWidget* parent = nullptr);

    // The first octet in the top byte.
    quint32 address() const;
    void setAddress(quint32 address);

    // "A.B.C.D"; empty fields read as 0.
    QString text() const;
    // Takes "A.B.C.D" (each 0..255); anything else changes nothing and returns false.
    bool setText(const QString& text);

    // All four fields empty, as at the start.
    bool isBlank() const;
    void clear();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void editingFinished();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    enum class Landing { SelectAll, AtStart, AtEnd };

    int fieldIndex(const QObject* object) const;
    bool handleFieldKey(int index, QKeyEvent* event);
    void fieldEdited(int index);
    void moveTo(int index, Landing landing);
    void focusChanged(QWidget* old, QWidget* now);
    void tidyFields();
    int frameWidth() const;

    std::array<QLineEdit*, 4> fields_{};
    QRegularExpressionValidator digits_;
    std::array<QLabel*, 3> dots_{};
};

}  // namespace kvt::setip
