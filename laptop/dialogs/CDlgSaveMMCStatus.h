// CDlgSaveMMCStatus: the progress window shown while the unit saves to its personality module.
#pragma once

#include "CDlgProgressStatus.h"

namespace kvt::laptop {

class CDlgSaveMMCStatus : public CDlgProgressStatus {
    Q_OBJECT

  public:
    explicit CDlgSaveMMCStatus(QWidget* parent = nullptr);
};

}  // namespace kvt::laptop
