#pragma once

#include "settings/Displays.h"

#include <QColor>
#include <QWidget>

#include <array>

namespace golv {

inline QColor toQColor(Rgb colour) { return {colour.red, colour.green, colour.blue}; }
inline Rgb toRgb(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
        static_cast<std::uint8_t>(colour.blue())};
}

// A filled rectangle that shows a colour exactly: the colour of a triple of
// fields, or a preview the window paints. A click on it, or F4 or Alt+Down in
// one of its fields (opensFrom), asks for a new colour (activated). It stays
// out of the Tab order: the fields already hold the colour, and a stop
// between them would only lengthen the way through the window.
class Swatch final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Swatch)

public:
    explicit Swatch(QWidget* parent = nullptr);

    QColor colour() const { return m_colour; }
    // Repaints only when the colour changes.
    void setColour(const QColor& colour);

    // The words of the three components in the description readers hear.
    void setColourWords(const std::array<QString, 3>& words);

    // The key that opens the colour dialog works in this field.
    void opensFrom(QWidget* field);

    QSize sizeHint() const override;

signals:
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void describeColour();

    QColor m_colour{Qt::black};
    std::array<QString, 3> m_words = {QStringLiteral("red"), QStringLiteral("green"), QStringLiteral("blue")};
};

} // namespace golv
