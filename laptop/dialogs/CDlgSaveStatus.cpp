#include "CDlgSaveStatus.h"

namespace kvt::laptop {

CDlgSaveStatus::CDlgSaveStatus(QWidget* parent)
    : CDlgProgressStatus(tr("Saving..."), tr("Saving, please wait a few moments..."), parent) {}

}  // namespace kvt::laptop
