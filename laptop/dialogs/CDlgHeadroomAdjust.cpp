#include "CDlgHeadroomAdjust.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DialogControls.h"

namespace kvt::laptop {

CDlgHeadroomAdjust::CDlgHeadroomAdjust(IKVT80& engine, QWidget* parent)
    : QDialog(parent), engine_(engine) {
    setWindowTitle(tr("Headroom Adjustment"));
    const std::array<QString, 3> texts{tr("26 db of Headroom (THX)"), tr("29 db of Headroom"),
                                       tr("32 db of Headroom")};
    auto* box = new QGroupBox(tr("Headroom"), this);
    auto* column = new QVBoxLayout(box);
    // The buttons are exclusive among themselves, and none is checked for a value out of range.
    auto* group = new QButtonGroup(this);
    for (size_t i = 0; i < choices_.size(); ++i) {
        choices_[i] = new QRadioButton(texts[i], box);
        IdentifyControl(choices_[i], kChoiceIds[i], texts[i]);
        group->addButton(choices_[i], static_cast<int>(i));
        column->addWidget(choices_[i]);
    }

    int32_t current = -1;
    engine_.get_HeadroomAdjust(&current);
    if (current >= 0 && current < static_cast<int32_t>(choices_.size())) {
        choices_[static_cast<size_t>(current)]->setChecked(true);
    }

    auto* buttons = AddOkCancel(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
}

int CDlgHeadroomAdjust::Choice() const {
    for (size_t i = 0; i < choices_.size(); ++i) {
        if (choices_[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CDlgHeadroomAdjust::accept() {
    // With nothing chosen there is nothing to write.
    if (const int choice = Choice(); choice >= 0) {
        engine_.put_HeadroomAdjust(choice);
    }
    QDialog::accept();
}

}  // namespace kvt::laptop
