#pragma once

#include "config/Displays.h"

#include <QColor>
#include <QWidget>

namespace golv {

inline QColor toQColor(Rgb colour) { return {colour.red, colour.green, colour.blue}; }
inline Rgb toRgb(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
        static_cast<std::uint8_t>(colour.blue())};
}

// A filled rectangle that shows a colour: the colour of a triple of fields,
// or a preview the window paints. It takes the focus like a button, and a
// click, Enter or Space asks for a new colour (activated).
class Swatch final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Swatch)

public:
    explicit Swatch(QWidget* parent = nullptr);

    QColor colour() const { return m_colour; }
    // Repaints only when the colour changes.
    void setColour(const QColor& colour);

    QSize sizeHint() const override;

signals:
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_colour{Qt::black};
};

} // namespace golv
