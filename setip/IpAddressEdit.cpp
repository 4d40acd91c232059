#include "IpAddressEdit.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionFrame>

#include "NetworkAddress.h"

namespace kvt::setip {

namespace {

constexpr int kHighestOctet = 255;
constexpr int kOctetDigits = 3;
// Room beside the digits: the line edit's own margin and the cursor, so that three digits fit
// without scrolling.
constexpr int kFieldPadding = 3;

}  // namespace

IpAddressEdit::IpAddressEdit(QWidget* parent)
    : QWidget(parent), digits_(QRegularExpression("[0-9]{0,3}")) {
    setBackgroundRole(QPalette::Base);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_InputMethodEnabled, false);

    auto* layout = new QHBoxLayout(this);
    const int frame = frameWidth();
    layout->setContentsMargins(frame, frame, frame, frame);
    layout->setSpacing(0);

    const int fieldWidth =
        fontMetrics().horizontalAdvance(QString(kOctetDigits, '0')) + 2 * kFieldPadding;
    for (int i = 0; i < static_cast<int>(fields_.size()); ++i) {
        auto* field = new QLineEdit(this);
        field->setFrame(false);
        // The control draws one panel behind all four fields.
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, Qt::transparent);
        field->setPalette(palette);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(kOctetDigits);
        field->setValidator(&digits_);
        field->setMinimumWidth(fieldWidth);
        // Tab enters the control at its first field only; the others are reached by typing.
        field->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, i] { fieldEdited(i); });
        fields_[i] = field;
        layout->addWidget(field, 1);
        if (i < static_cast<int>(dots_.size())) {
            dots_[i] = new QLabel(".", this);
            dots_[i]->setAlignment(Qt::AlignCenter);
            layout->addWidget(dots_[i]);
        }
    }
    setFocusProxy(fields_[0]);
    connect(qApp, &QApplication::focusChanged, this, &IpAddressEdit::focusChanged);
}

quint32 IpAddressEdit::address() const {
    Octets octets{};
    for (size_t i = 0; i < octets.size(); ++i) {
        octets[i] = static_cast<uint8_t>(std::min(fields_[i]->text().toInt(), kHighestOctet));
    }
    return FromOctets(octets);
}

void IpAddressEdit::setAddress(quint32 address) {
    const Octets octets = ToOctets(address);
    for (size_t i = 0; i < octets.size(); ++i) {
        fields_[i]->setText(QString::number(octets[i]));
    }
}

QString IpAddressEdit::text() const {
    return QString::fromStdString(FormatAddress(address()));
}

bool IpAddressEdit::setText(const QString& text) {
    const auto address = ParseAddress(text.toStdString());
    if (!address) {
        return false;
    }
    setAddress(*address);
    return true;
}

bool IpAddressEdit::isBlank() const {
    return std::all_of(fields_.begin(), fields_.end(),
                       [](const QLineEdit* field) { return field->text().isEmpty(); });
}

void IpAddressEdit::clear() {
    for (QLineEdit* field : fields_) {
        field->clear();
    }
}

QSize IpAddressEdit::sizeHint() const {
    return minimumSizeHint();
}

QSize IpAddressEdit::minimumSizeHint() const {
    ensurePolished();
    const int frame = frameWidth();
    int width = 2 * frame;
    for (const QLineEdit* field : fields_) {
        width += field->minimumWidth();
    }
    for (const QLabel* dot : dots_) {
        width += dot->sizeHint().width();
    }
    return {width, fields_[0]->sizeHint().height() + 2 * frame};
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
    const int index = fieldIndex(watched);
    if (index >= 0 && event->type() == QEvent::KeyPress) {
        return handleFieldKey(index, static_cast<QKeyEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

bool IpAddressEdit::focusNextPrevChild(bool next) {
    // The chain is walked from the control's far end, so Tab leaves it from any field.
    QLineEdit* edge = next ? fields_.back() : fields_.front();
    if (isAncestorOf(QApplication::focusWidget()) && !edge->hasFocus()) {
        edge->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return QWidget::focusNextPrevChild(next);
}

void IpAddressEdit::mousePressEvent(QMouseEvent* event) {
    // A click on a dot or the margin goes to the field beside it.
    for (QLineEdit* field : fields_) {
        if (event->position().x() < field->geometry().right() || field == fields_.back()) {
            field->setFocus(Qt::MouseFocusReason);
            field->end(false);
            break;
        }
    }
    event->accept();
}

void IpAddressEdit::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = rect();
    option.lineWidth = frameWidth();
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (isAncestorOf(QApplication::focusWidget())) {
        option.state |= QStyle::State_HasFocus;
    }
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
}

int IpAddressEdit::fieldIndex(const QObject* object) const {
    const auto found = std::find(fields_.begin(), fields_.end(), object);
    return found == fields_.end() ? -1 : static_cast<int>(found - fields_.begin());
}

bool IpAddressEdit::handleFieldKey(int index, QKeyEvent* event) {
    QLineEdit* field = fields_[index];
    const bool first = index == 0;
    const bool last = index + 1 == static_cast<int>(fields_.size());
    const bool atStart = field->cursorPosition() == 0 && !field->hasSelectedText();
    const bool atEnd = field->cursorPosition() == field->text().size() && !field->hasSelectedText();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;

    if (event->key() == Qt::Key_Period) {
        // An empty field keeps the cursor, so a dot typed after an automatic move does not
        // skip a field.
        if (!last && !field->text().isEmpty()) {
            moveTo(index + 1, Landing::SelectAll);
        }
        return true;
    }
    if (event->key() == Qt::Key_Backspace && !first && atStart) {
        moveTo(index - 1, Landing::AtEnd);
        return true;
    }
    if (event->key() == Qt::Key_Left && plain && !first && atStart) {
        moveTo(index - 1, Landing::AtEnd);
        return true;
    }
    if (event->key() == Qt::Key_Right && plain && !last && atEnd) {
        moveTo(index + 1, Landing::AtStart);
        return true;
    }
    return false;
}

void IpAddressEdit::fieldEdited(int index) {
    QLineEdit* field = fields_[index];
    if (field->text().toInt() > kHighestOctet) {
        field->setText(QString::number(kHighestOctet));
    }
    const bool last = index + 1 == static_cast<int>(fields_.size());
    if (!last && field->text().size() == kOctetDigits && field->cursorPosition() == kOctetDigits) {
        moveTo(index + 1, Landing::SelectAll);
    }
}

void IpAddressEdit::moveTo(int index, Landing landing) {
    QLineEdit* field = fields_[index];
    field->setFocus(Qt::OtherFocusReason);
    switch (landing) {
        case Landing::SelectAll:
            field->selectAll();
            break;
        case Landing::AtStart:
            field->home(false);
            break;
        case Landing::AtEnd:
            field->end(false);
            break;
    }
}

void IpAddressEdit::focusChanged(QWidget* old, QWidget* now) {
    const bool wasInside = old != nullptr && isAncestorOf(old);
    const bool isInside = now != nullptr && isAncestorOf(now);
    if (wasInside == isInside) {
        return;
    }
    update();  // the focus frame
    if (wasInside) {
        tidyFields();
        emit editingFinished();
    }
}

// "010" becomes "10" once the user is done with the control.
void IpAddressEdit::tidyFields() {
    for (QLineEdit* field : fields_) {
        if (!field->text().isEmpty()) {
            field->setText(QString::number(field->text().toInt()));
        }
    }
}

int IpAddressEdit::frameWidth() const {
    return style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
}

}  // namespace kvt::setip
