#include "PanelSlider.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kvt::handheld {

namespace {
constexpr int kLabelPixels = 10;
}  // namespace

QString OneDecimal(double value) {
    QString text = QString::asprintf("%.1f", value);
    // No "-0.0" for a value that rounds to zero.
    if (text == QLatin1String("-0.0")) {
        text = QStringLiteral("0.0");
    }
    return text;
}

PanelSlider::PanelSlider(int id, const QString& label, int minimum, int maximum, QWidget* parent)
    : QWidget(parent) {
    QFont small = font();
    small.setPixelSize(kLabelPixels);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    label_ = new QLabel(label, this);
    label_->setObjectName(QStringLiteral("%1.label").arg(id));
    label_->setAlignment(Qt::AlignCenter);
    label_->setFont(small);
    slider_ = new QSlider(Qt::Vertical, this);
    slider_->setObjectName(QString::number(id));
    slider_->setAccessibleName(
        QString(label).replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed());
    slider_->setRange(minimum, maximum);
    slider_->setInvertedAppearance(true);
    slider_->setInvertedControls(true);
    slider_->setPageStep(10);
    value_ = new QLabel(this);
    value_->setObjectName(QStringLiteral("%1.value").arg(id));
    value_->setAlignment(Qt::AlignCenter);
    value_->setFont(small);
    layout->addWidget(label_);
    layout->addWidget(slider_, 1, Qt::AlignHCenter);
    layout->addWidget(value_);
    setFixedWidth(kWidth);
    connect(slider_, &QSlider::valueChanged, this, [this](int position) {
        if (!setting_) {
            emit positionChanged(position);
        }
    });
}

void PanelSlider::SetPosition(int position) {
    setting_ = true;
    slider_->setValue(position);
    setting_ = false;
}

void PanelSlider::SetRange(int minimum, int maximum) {
    setting_ = true;
    slider_->setRange(minimum, maximum);
    setting_ = false;
}

void PanelSlider::SetLabel(const QString& label) {
    label_->setText(label);
    slider_->setAccessibleName(
        QString(label).replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed());
}

QString PanelSlider::Label() const {
    return label_->text();
}

void PanelSlider::SetValueText(const QString& text) {
    value_->setText(text);
}

QString PanelSlider::ValueText() const {
    return value_->text();
}

}  // namespace kvt::handheld
