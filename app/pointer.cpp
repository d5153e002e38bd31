#include "app/pointer.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

namespace corvanna {

namespace {
const char* const kShapeProperty = "corvannaPointerShape";
}

PointerFeedback::PointerFeedback(QWidget* window) : QObject(window), m_window(window)
{
    watch(window, 0);
}

void PointerFeedback::setShape(int shape)
{
    m_shape = shape;
    if (shape == 0)
        m_window->unsetCursor();
    else
        m_window->setCursor(cursor());
}

void PointerFeedback::setMouseIcon(const QCursor& cursor)
{
    m_icon = cursor;
    m_hasIcon = true;
    if (m_shape == 99)
        setShape(99);
}

QCursor PointerFeedback::cursor() const
{
    switch (m_shape) {
    case 11: return QCursor(Qt::WaitCursor);
    case 99: return m_hasIcon ? m_icon : QCursor(Qt::PointingHandCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}

void PointerFeedback::watch(QWidget* widget, int shape)
{
    widget->setMouseTracking(true);
    widget->setProperty(kShapeProperty, shape);
    widget->installEventFilter(this);
}

void PointerFeedback::mouseMoved(int shape)
{
    if (m_shape == 11)
        return;
    if (m_shape != shape)
        setShape(shape);
}

bool PointerFeedback::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        // Only moves over the watched widget itself count, not those passed up from a child
        // that has no handler of its own (a label, a text box).
        auto* widget = static_cast<QWidget*>(watched);
        const auto* move = static_cast<QMouseEvent*>(event);
        const QVariant shape = widget->property(kShapeProperty);
        if (shape.isValid() && !widget->childAt(move->position().toPoint()))
            mouseMoved(shape.toInt());
    }
    return QObject::eventFilter(watched, event);
}

QCursor loadCursorFile(const QString& path) { return QCursor(QPixmap(path)); }

} // namespace corvanna
