#pragma once

#include "ui/CustomizerDialog.h"

namespace golv {

// CustLite: the blend intensity of dynamic lights with its display, the
// light areas of the flashes and the first flame emitter, the binoculars'
// light range and the flare colour.
class CustLite final : public CustomizerDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustLite)

public:
    CustLite(Windows& windows, QWidget* parent);
};

} // namespace golv
