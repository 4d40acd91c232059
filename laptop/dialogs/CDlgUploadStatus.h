// CDlgUploadStatus: the progress window shown while a configuration is sent to the unit.
#pragma once

#include "CDlgProgressStatus.h"

namespace kvt::laptop {

class CDlgUploadStatus : public CDlgProgressStatus {
    Q_OBJECT

  public:
    explicit CDlgUploadStatus(QWidget* parent = nullptr);
};

}  // namespace kvt::laptop
