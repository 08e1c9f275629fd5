#pragma once

#include "ui/CustomizerDialog.h"
#include "ui/Previews.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace golv {

// CustWeapons: damage, rate, dispersion and flash of the light weapons in a
// grid, the other weapon settings, the ammunition flags and a preview of
// the gunflash rhythm of one chosen weapon.
class CustWeapons final : public CustomizerDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustWeapons)

public:
    CustWeapons(Windows& windows, QWidget* parent);

    void restoreDefaults() override;

    // The preview button: starts a stopped preview, stops a running one.
    void togglePreview();
    // The resting state: timer off, no flash, the start picture on the button.
    void stopPreview();
    bool previewRunning() const;
    // One 10 ms tick of the preview.
    void previewTick();

private:
    QLayout* buildGrid(QLabel* previewCaption);
    QLayout* buildPreview(QLabel* caption);

    std::array<QRadioButton*, 4> m_rows{};
    std::array<QLineEdit*, 4> m_flashFields{};
    std::array<QLineEdit*, 4> m_rateFields{};
    QLabel* m_gunflash = nullptr;
    QPushButton* m_previewButton = nullptr;
    QTimer* m_timer = nullptr;
    GunflashPreview m_preview;
};

} // namespace golv
