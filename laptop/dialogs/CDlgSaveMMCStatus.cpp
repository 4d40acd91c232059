#include "CDlgSaveMMCStatus.h"

namespace kvt::laptop {

CDlgSaveMMCStatus::CDlgSaveMMCStatus(QWidget* parent)
    : CDlgProgressStatus(tr("Saving..."),
                         tr("Saving to Personality Module, please wait a few moments..."), parent) {
}

}  // namespace kvt::laptop
