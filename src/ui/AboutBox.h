#pragma once

#include "ui/CreditCycle.h"

#include <QDialog>

class QLabel;
class QTimer;

namespace golv {

struct Session;

// Form2, the about box: the logo and, on a black panel, one credit line that
// fades in and out and gives way to the next until the box is closed. The box
// runs its credits from the moment it is made; "close" unloads it (it deletes
// itself), so each opening is a new box that starts again with the first line.
class AboutBox final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutBox)

public:
    explicit AboutBox(const Session& session, QWidget* parent = nullptr);

private:
    void showNextCredit();
    void closeBox();

    CreditCycle m_credits;
    QLabel* m_creditLabel = nullptr;
    QTimer* m_creditTimer = nullptr;
};

} // namespace golv
