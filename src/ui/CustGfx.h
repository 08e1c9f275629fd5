#pragma once

#include "ui/CustomizerDialog.h"

namespace golv {

// CustGfx: the lightning effect, the blend colours of gunflashes, wallpapers,
// sparkles, waterdrops, shadows and fadeouts with their swatches, blood,
// smoke, the waterfall and the sky.
class CustGfx final : public CustomizerDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustGfx)

public:
    CustGfx(Windows& windows, QWidget* parent);
};

} // namespace golv
