#include "ui/Swatch.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace golv {
namespace {

// Readers announce a swatch as the button it acts as.
QAccessibleInterface* accessibleSwatch(const QString& className, QObject* object)
{
    if (className == QLatin1String(Swatch::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Button);
    return nullptr;
}

} // namespace

Swatch::Swatch(QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleSwatch);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // The swatch paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    describeColour();
}

void Swatch::setColour(const QColor& colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    describeColour();
    update();
}

void Swatch::setColourWords(const std::array<QString, 3>& words)
{
    m_words = words;
    describeColour();
}

void Swatch::describeColour()
{
    setToolTip(m_colour.name(QColor::HexRgb).toUpper());
    setAccessibleDescription(QStringLiteral("%1 %2, %3 %4, %5 %6")
                                 .arg(m_words[0])
                                 .arg(m_colour.red())
                                 .arg(m_words[1])
                                 .arg(m_colour.green())
                                 .arg(m_words[2])
                                 .arg(m_colour.blue()));
}

void Swatch::opensFrom(QWidget* field) { field->installEventFilter(this); }

QSize Swatch::sizeHint() const
{
    const int height = fontMetrics().height() + 8;
    return {height * 2, height};
}

void Swatch::paintEvent(QPaintEvent*)
{
    // No style draws here: a style's hover or focus tint would change the
    // colour the user compares with the game.
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRect frame = rect().adjusted(1, 1, -2, -2);
    painter.fillRect(frame, m_colour);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(frame);
}

void Swatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
}

bool Swatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The keys that open a combo box's list elsewhere.
        const bool opens = (key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier)
            || (key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier);
        if (opens) {
            emit activated();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace golv
