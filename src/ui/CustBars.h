#pragma once

#include "ui/CustomizerDialog.h"
#include "ui/Previews.h"

class QTimer;

namespace golv {

// CustBars: the colours of the game's bars with their swatches, the blinking
// preview of the poisoned health bar, and the bars' sizes and switches.
class CustBars final : public CustomizerDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustBars)

public:
    CustBars(Windows& windows, QWidget* parent);

    // One tick of the poisoned preview (every 500 ms while the window is loaded).
    void blinkPoisonedPreview();

private:
    ColourFields m_healthMain{};
    ColourFields m_poisoned{};
    Swatch* m_healthSwatch = nullptr;
    Swatch* m_poisonedSwatch = nullptr;
    PoisonedPreview m_preview;
    QTimer* m_timer = nullptr;
};

} // namespace golv
