#pragma once

#include "ui/CustomizerDialog.h"

namespace golv {

// CustInv: the start-up inventory and energies, the pick-up quantities, the
// small medkit's effect and the inventory, load, save and compass switches.
class CustInv final : public CustomizerDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustInv)

public:
    CustInv(Windows& windows, QWidget* parent);
};

} // namespace golv
