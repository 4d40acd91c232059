// CDlgSaveStatus: the progress window shown while the unit stores its settings.
#pragma once

#include "CDlgProgressStatus.h"

namespace kvt::laptop {

class CDlgSaveStatus : public CDlgProgressStatus {
    Q_OBJECT

  public:
    explicit CDlgSaveStatus(QWidget* parent = nullptr);
};

}  // namespace kvt::laptop
