#pragma once

#include "ui/CustomizerDialog.h"

class QLabel;

namespace golv {

// CustEnemy: the hit points of the enemies and the switch that lets the
// small scorpion's be changed.
class CustEnemy final : public CustomizerDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustEnemy)

public:
    CustEnemy(Windows& windows, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_setLabel = nullptr;
    QLabel* m_setPicture = nullptr;
};

} // namespace golv
