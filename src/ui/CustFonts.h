#pragma once

#include "ui/CustomizerDialog.h"
#include "ui/Previews.h"

class QLabel;
class QTimer;

namespace golv {

// CustFonts: the colours of the engine's fonts with their swatches, the
// legend time with its test, the main-menu text effects and alignment.
class CustFonts final : public CustomizerDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustFonts)

public:
    CustFonts(Windows& windows, QWidget* parent);

    // The legend test: "test string" shows from a click for as many 30 ms
    // ticks as the legend time says.
    void startLegendTest();
    void legendTick();

private:
    QLabel* m_testString = nullptr;
    QTimer* m_timer = nullptr;
    LegendTest m_legendTest;
};

} // namespace golv
