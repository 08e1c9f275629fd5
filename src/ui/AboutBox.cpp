#include "ui/AboutBox.h"

namespace golv {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About GOLV"));
}

} // namespace golv
