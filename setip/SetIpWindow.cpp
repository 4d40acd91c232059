#include "SetIpWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "IpAddressEdit.h"

namespace kvt::setip {

namespace {

// The window's size in logical pixels at 96 dpi; other densities scale it.
constexpr QSize kDesignSize(245, 190);
constexpr double kDesignDpi = 96.0;
// Long device paths (/dev/serial/by-id/...) show in the open list; the closed box keeps the
// window's width.
constexpr int kPortNameCharacters = 12;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

SetIpWindow::SetIpWindow(const QStringList& extraPorts, const SerialDeviceLister& listDevices,
                         QWidget* parent)
    : QWidget(parent) {
    setWindowTitle(Text(kProgramTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    buildLayout();
    fillPortList(extraPorts, listDevices);

    connect(ipEdit_, &IpAddressEdit::editingFinished, this, &SetIpWindow::completeAddresses);
    // Raised on the set-up's thread; the result is shown on this one.
    connect(this, &SetIpWindow::setUpEnded, this, &SetIpWindow::finishSetUp, Qt::QueuedConnection);
    connect(setIpButton_, &QPushButton::clicked, this, &SetIpWindow::startSetUp);
    connect(doneButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(portList_, &QComboBox::currentTextChanged, portList_, &QWidget::setToolTip);
    portList_->setToolTip(portList_->currentText());
    portList_->installEventFilter(this);

    fitToScreen();
}

SetIpWindow::~SetIpWindow() {
    // A window destroyed while its set-up runs still waits for the port to be closed.
    if (setUp_.joinable()) {
        setUp_.join();
    }
    if (setUpRunning_) {
        QApplication::restoreOverrideCursor();
    }
}

void SetIpWindow::setMessageHook(MessageHook hook) {
    messageHook_ = std::move(hook);
}

void SetIpWindow::fillPortList(const QStringList& extraPorts,
                               const SerialDeviceLister& listDevices) {
    for (const std::string& port : BuildPortList(listDevices)) {
        portList_->addItem(QString::fromStdString(port));
    }
    portList_->addItems(extraPorts);
    portList_->setCurrentIndex(0);
    // The open list is as wide as its longest entry.
    QAbstractItemView* openList = portList_->view();
    openList->setTextElideMode(Qt::ElideNone);
    openList->setMinimumWidth(openList->sizeHintForColumn(0) +
                              openList->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void SetIpWindow::buildLayout() {
    ipEdit_ = new IpAddressEdit(this);
    maskEdit_ = new IpAddressEdit(this);
    gatewayEdit_ = new IpAddressEdit(this);
    portList_ = new QComboBox(this);
    portList_->setEditable(false);
    portList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    portList_->setMinimumContentsLength(kPortNameCharacters);
    setIpButton_ = new QPushButton(tr("Set IP"), this);
    doneButton_ = new QPushButton(tr("Done"), this);

    auto* addresses = new QGridLayout;
    const std::pair<const char*, IpAddressEdit*> rows[] = {
        {"IP Address:", ipEdit_}, {"Subnet Mask:", maskEdit_}, {"Gateway:", gatewayEdit_}};
    int row = 0;
    for (const auto& [label, edit] : rows) {
        auto* text = new QLabel(tr(label), this);
        text->setBuddy(edit);
        addresses->addWidget(text, row, 0);
        addresses->addWidget(edit, row, 1);
        ++row;
    }
    addresses->setColumnStretch(1, 1);

    auto* portLabel = new QLabel(tr("Communication Port:"), this);
    portLabel->setBuddy(portList_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(setIpButton_);
    buttons->addWidget(doneButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(addresses);
    layout->addWidget(portLabel);
    layout->addWidget(portList_);
    layout->addStretch(1);
    layout->addLayout(buttons);

    setTabOrder(ipEdit_, maskEdit_);
    setTabOrder(maskEdit_, gatewayEdit_);
    setTabOrder(gatewayEdit_, portList_);
    setTabOrder(portList_, setIpButton_);
    setTabOrder(setIpButton_, doneButton_);
}

// Fixed at the design size scaled to the screen's density, never smaller than the layout needs
// (for users with large fonts).
void SetIpWindow::fitToScreen() {
    ensurePolished();
    const QScreen* screen = this->screen();
    const double scale = screen != nullptr ? screen->logicalDotsPerInch() / kDesignDpi : 1.0;
    const QSize scaled(qRound(kDesignSize.width() * scale), qRound(kDesignSize.height() * scale));
    setFixedSize(scaled.expandedTo(layout()->minimumSize()));
}

// Centred once, when first shown: only then is the frame's size known.
void SetIpWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_ || screen() == nullptr) {
        return;
    }
    centred_ = true;
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

void SetIpWindow::completeAddresses() {
    const auto route = SuggestRoute(ipEdit_->address());
    if (!route) {
        return;
    }
    maskEdit_->setAddress(route->mask);
    gatewayEdit_->setAddress(route->gateway);
}

void SetIpWindow::startSetUp() {
    if (setUpRunning_) {
        return;
    }
    setBusy(true);
    const std::string port = portList_->currentText().toStdString();
    const NetworkAddresses addresses{ipEdit_->address(), maskEdit_->address(),
                                     gatewayEdit_->address()};
    setUp_ = std::jthread(
        [this, port, addresses] { emit setUpEnded(ConfigureNetwork(port, addresses)); });
}

void SetIpWindow::finishSetUp(const SetIpResult& result) {
    setUp_.join();
    setBusy(false);
    const QMessageBox::Icon icon = result.outcome == SetIpOutcome::Configured
                                       ? QMessageBox::Information
                                       : QMessageBox::Warning;
    showMessage(icon, QString::fromStdString(ResultMessage(result)));
    if (closeWhenFinished_) {
        close();
    }
}

void SetIpWindow::setBusy(bool busy) {
    setUpRunning_ = busy;
    setIpButton_->setEnabled(!busy);
    doneButton_->setEnabled(!busy);
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void SetIpWindow::showMessage(QMessageBox::Icon icon, const QString& text) {
    const QString caption = Text(kProgramTitle);
    if (messageHook_) {
        messageHook_(icon, caption, text);
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, this);
    box.exec();
}

void SetIpWindow::closeEvent(QCloseEvent* event) {
    // The set-up is bounded (a few seconds); its result is still worth seeing.
    if (setUpRunning_) {
        closeWhenFinished_ = true;
        event->ignore();
        return;
    }
    event->accept();
}

bool SetIpWindow::eventFilter(QObject* watched, QEvent* event) {
    // The wheel would change the port while the user scrolls past the window.
    if (watched == portList_ && event->type() == QEvent::Wheel) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SetIpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SetIpWindow::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

}  // namespace kvt::setip
