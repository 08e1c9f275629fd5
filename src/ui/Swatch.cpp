#include "ui/Swatch.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // The swatch paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Swatch::setColour(const QColor& colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    setToolTip(m_colour.name(QColor::HexRgb).toUpper());
    setAccessibleDescription(
        QStringLiteral("red %1, green %2, blue %3").arg(m_colour.red()).arg(m_colour.green()).arg(m_colour.blue()));
    update();
}

QSize Swatch::sizeHint() const
{
    const int height = fontMetrics().height() + 8;
    return {height * 2, height};
}

void Swatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRect frame = rect().adjusted(1, 1, -2, -2);
    painter.fillRect(frame, m_colour);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(frame);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void Swatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
}

void Swatch::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit activated();
        break;
    default:
        QWidget::keyPressEvent(event);
        break;
    }
}

} // namespace golv
