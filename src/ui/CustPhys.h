#pragma once

#include "ui/CustomizerDialog.h"

namespace golv {

// CustPhys: the player character's turning and swimming speeds as raw
// 16-bit values, each under a picture button that puts the cursor into it,
// the shell casings' gravity and three engine switches.
class CustPhys final : public CustomizerDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustPhys)

public:
    CustPhys(Windows& windows, QWidget* parent);
};

} // namespace golv
