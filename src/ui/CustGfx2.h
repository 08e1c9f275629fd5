#pragma once

#include "ui/CustomizerDialog.h"

namespace golv {

// CustGfx2: sparkles, the crossbow bolt explosion, animated textures, the
// flyby bars, underwater dust and fadeouts. Fields and rules only.
class CustGfx2 final : public CustomizerDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustGfx2)

public:
    CustGfx2(Windows& windows, QWidget* parent);
};

} // namespace golv
