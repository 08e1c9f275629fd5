#pragma once

#include "ui/CustomizerDialog.h"

class QPushButton;

namespace golv {

// CustOxmaHP: the health bar's limits with the recalculation of its raw
// range, the health drained by hazards and the damage of enemy attacks.
class CustOxmaHP final : public CustomizerDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustOxmaHP)

public:
    CustOxmaHP(Windows& windows, QWidget* parent);

    void restoreDefaults() override;
    // "recalculate HP bar range".
    void recalculate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // White while the range fits the maximum, light red once the maximum may
    // have changed since.
    void markRangeStale(bool stale);

    QPushButton* m_recalculate = nullptr;
};

} // namespace golv
