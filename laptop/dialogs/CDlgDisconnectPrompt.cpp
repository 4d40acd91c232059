#include "CDlgDisconnectPrompt.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "DialogControls.h"
#include "Texts.h"

namespace kvt::laptop {

CDlgDisconnectPrompt::CDlgDisconnectPrompt(QWidget* parent) : QDialog(parent) {
    setWindowTitle(frontend::ProgramTitle());

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()
                        ->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this)
                        .pixmap(iconSize, iconSize));
    auto* question = new QLabel(tr("Disconnect and save changes to the KVT-80?"), this);
    question->setWordWrap(true);

    saveToModule_ = new QCheckBox(tr("Save to Personality Module"), this);
    saveToModule_->setChecked(savePersonalityModule_);
    IdentifyControl(saveToModule_, 1539, saveToModule_->text());
    connect(saveToModule_, &QCheckBox::toggled, this,
            [this](bool checked) { savePersonalityModule_ = checked; });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* doNotSave = AddDialogButton(buttons, tr("Do Not Save Settings"), kDoNotSave,
                                             QDialogButtonBox::DestructiveRole);
    QPushButton* yes = AddDialogButton(buttons, tr("Yes"), kYes, QDialogButtonBox::YesRole);
    QPushButton* cancel =
        AddDialogButton(buttons, tr("Cancel"), kCancel, QDialogButtonBox::RejectRole);
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, [this] { done(kYes); });
    connect(doNotSave, &QPushButton::clicked, this, [this] { done(kDoNotSave); });
    connect(cancel, &QPushButton::clicked, this, &CDlgDisconnectPrompt::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(question, 0, 1);
    layout->addWidget(saveToModule_, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    setMinimumWidth(400);
}

void CDlgDisconnectPrompt::reject() {
    done(kCancel);
}

}  // namespace kvt::laptop
