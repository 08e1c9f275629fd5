#pragma once

#include <QDialog>

namespace golv {

// Form2, the about box. (A placeholder until the about box is built.)
class AboutBox final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutBox)

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace golv
