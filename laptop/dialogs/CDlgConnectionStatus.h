// CDlgConnectionStatus: the progress window shown while the unit is connected and its settings are
// read.
#pragma once

#include "CDlgProgressStatus.h"

namespace kvt::laptop {

class CDlgConnectionStatus : public CDlgProgressStatus {
    Q_OBJECT

  public:
    explicit CDlgConnectionStatus(QWidget* parent = nullptr);
};

}  // namespace kvt::laptop
