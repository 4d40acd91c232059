#include "CDlgUploadStatus.h"

namespace kvt::laptop {

CDlgUploadStatus::CDlgUploadStatus(QWidget* parent)
    : CDlgProgressStatus(tr("Uploading..."), tr("Uploading, please wait a few moments..."),
                         parent) {}

}  // namespace kvt::laptop
