#include "CDlgInputConfiguration.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DialogControls.h"
#include "Texts.h"

namespace kvt::laptop {

CDlgInputConfiguration::CDlgInputConfiguration(IKVT80& engine, QWidget* parent)
    : QDialog(parent), engine_(engine) {
    setWindowTitle(tr("Channel Configuration"));
    const std::array<QString, 4> texts{tr("Back Surround Channels"), tr("Stage Channels"),
                                       tr("Center/Mono Surround"), tr("LCR/Mono Surround")};
    auto* box = new QGroupBox(tr("Channel Configuration"), this);
    auto* column = new QVBoxLayout(box);
    auto* group = new QButtonGroup(this);
    for (size_t i = 0; i < choices_.size(); ++i) {
        choices_[i] = new QRadioButton(texts[i], box);
        IdentifyControl(choices_[i], kChoiceIds[i], texts[i]);
        group->addButton(choices_[i], static_cast<int>(i));
        column->addWidget(choices_[i]);
    }

    // 0, 1 and 2 have their own buttons; anything else is the last.
    int32_t current = 0;
    engine_.get_InputConfig(&current);
    const size_t checked =
        current >= 0 && current < 3 ? static_cast<size_t>(current) : choices_.size() - 1;
    choices_[checked]->setChecked(true);

    auto* buttons = AddOkCancel(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
}

int CDlgInputConfiguration::Choice() const {
    for (size_t i = 0; i < choices_.size(); ++i) {
        if (choices_[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CDlgInputConfiguration::accept() {
    const int choice = Choice();
    if (choice < 0) {
        return;
    }
    if (engine_.put_InputConfig(choice) != status::Ok) {
        ShowRefusal(tr("The unit cannot use the channel configuration \"%1\".  Its configuration "
                       "is unchanged.")
                        .arg(WithoutMnemonic(choices_[static_cast<size_t>(choice)]->text())));
        return;
    }
    emit channelConfigChanged(choice);
    QDialog::accept();
}

void CDlgInputConfiguration::ShowRefusal(const QString& text) {
    QMessageBox::warning(this, frontend::ProgramTitle(), text);
}

}  // namespace kvt::laptop
