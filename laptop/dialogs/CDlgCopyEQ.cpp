#include "CDlgCopyEQ.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DialogControls.h"

namespace kvt::laptop {

namespace {

constexpr int kFirstSourceId = 1100;
constexpr int kFirstDestinationId = 1025;

QString ChannelName(int channel, bool centres) {
    switch (channel) {
        case 0:
            return CDlgCopyEQ::tr("Left");
        case 1:
            return CDlgCopyEQ::tr("Center");
        case 2:
            return CDlgCopyEQ::tr("Right");
        case 3:
            return CDlgCopyEQ::tr("Left Surround");
        case 4:
            return CDlgCopyEQ::tr("Subwoofer");
        case 5:
            return CDlgCopyEQ::tr("Right Surround");
        case 6:
            return centres ? CDlgCopyEQ::tr("Left Center") : CDlgCopyEQ::tr("Back Surround Left");
        default:
            return centres ? CDlgCopyEQ::tr("Right Center") : CDlgCopyEQ::tr("Back Surround Right");
    }
}

}  // namespace

CDlgCopyEQ::CDlgCopyEQ(IKVT80& engine, int sourceChannel, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("226"));
    setWindowTitle(tr("Copy EQ Settings"));
    // The program's icons are linked with its pages; a dialog shown without them keeps the default.
    const QString icon = QStringLiteral(":/icons/copy-eq.svg");
    if (QFile::exists(icon)) {
        setWindowIcon(QIcon(icon));
    }

    int32_t config = 0;
    engine.get_InputConfig(&config);
    const bool centres = config != 0 && config != 2 && config != 3;

    auto* from = new QGroupBox(tr("Copy From"), this);
    auto* fromLayout = new QVBoxLayout(from);
    auto* to = new QGroupBox(tr("Copy To"), this);
    auto* toLayout = new QVBoxLayout(to);
    auto* group = new QButtonGroup(this);
    for (int channel = 0; channel < kChannels; ++channel) {
        const QString name = ChannelName(channel, centres);
        auto* source = new QRadioButton(name, from);
        IdentifyControl(source, kFirstSourceId + channel, name);
        group->addButton(source, channel);
        fromLayout->addWidget(source);
        auto* destination = new QCheckBox(name, to);
        IdentifyControl(destination, kFirstDestinationId + channel, name);
        toLayout->addWidget(destination);
        source->setVisible(channel != kSubwoofer);
        destination->setVisible(channel != kSubwoofer);
        sources_[static_cast<size_t>(channel)] = source;
        destinations_[static_cast<size_t>(channel)] = destination;
    }
    if (sourceChannel >= 0 && sourceChannel < kChannels && sourceChannel != kSubwoofer) {
        sources_[static_cast<size_t>(sourceChannel)]->setChecked(true);
    }

    auto* buttons = new QDialogButtonBox(this);
    copy_ = AddDialogButton(buttons, tr("Copy >>"), 1, QDialogButtonBox::AcceptRole);
    copy_->setDefault(true);
    AddDialogButton(buttons, tr("Cancel"), 2, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCopyEQ::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgCopyEQ::reject);
    connect(group, &QButtonGroup::idClicked, this, &CDlgCopyEQ::UpdateCopyButton);

    auto* lists = new QHBoxLayout;
    lists->addWidget(from);
    lists->addWidget(to);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(buttons);
    UpdateCopyButton();
}

void CDlgCopyEQ::UpdateCopyButton() {
    copy_->setEnabled(SourceChannel() >= 0);
}

int CDlgCopyEQ::SourceChannel() const {
    for (int channel = 0; channel < kChannels; ++channel) {
        if (sources_[static_cast<size_t>(channel)]->isChecked()) {
            return channel;
        }
    }
    return -1;
}

std::array<bool, CDlgCopyEQ::kChannels> CDlgCopyEQ::Destinations() const {
    std::array<bool, kChannels> chosen{};
    for (size_t channel = 0; channel < chosen.size(); ++channel) {
        chosen[channel] = destinations_[channel]->isChecked();
    }
    return chosen;
}

Variant CDlgCopyEQ::DestinationArray(const std::array<bool, kChannels>& destinations) {
    std::vector<Variant> elements;
    elements.reserve(destinations.size());
    for (const bool chosen : destinations) {
        elements.push_back(Variant::Bool(chosen));
    }
    return Variant::Array(VT_VARIANT, std::move(elements));
}

int32_t CDlgCopyEQ::Apply(IKVT80& engine) const {
    const int source = SourceChannel();
    if (source < 0) {
        return status::InvalidArgument;
    }
    return engine.CopyEQ(Variant::Int(source), DestinationArray(Destinations()));
}

}  // namespace kvt::laptop
