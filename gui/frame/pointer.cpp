#include "gui/frame/pointer.h"

#include "base/failure.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>
#include <QtEndian>

namespace corvanna {

namespace {
const char* const kShapeProperty = "corvannaPointerShape";
}

PointerFeedback::PointerFeedback(QWidget* window)
    : QObject(window)
    , m_window(window) {
    watch(window, kPointerDefault);
}

void PointerFeedback::setShape(PointerShape shape) {
    m_shape = shape;
    if (shape == kPointerDefault)
        m_window->unsetCursor();
    else
        m_window->setCursor(cursor());
}

void PointerFeedback::setMouseIcon(const QCursor& cursor) {
    m_icon = cursor;
    m_hasIcon = true;
    if (m_shape == kPointerHand) setShape(kPointerHand);
}

QCursor PointerFeedback::cursor() const {
    switch (m_shape) {
    case kPointerHourglass:
        return QCursor(Qt::WaitCursor);
    case kPointerHand:
        return m_hasIcon ? m_icon : QCursor(Qt::PointingHandCursor);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

void PointerFeedback::watch(QWidget* widget, PointerShape shape) {
    widget->setMouseTracking(true);
    widget->setProperty(kShapeProperty, int(shape));
    widget->installEventFilter(this);
}

void PointerFeedback::mouseMoved(PointerShape shape) {
    if (m_shape == kPointerHourglass) return;
    if (m_shape != shape) setShape(shape);
}

bool PointerFeedback::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        // Only moves over the watched widget itself count, not those passed up from a child
        // that has no handler of its own (a label, a text box).
        auto* widget = static_cast<QWidget*>(watched);
        const auto* move = static_cast<QMouseEvent*>(event);
        const QVariant shape = widget->property(kShapeProperty);
        if (shape.isValid() && !widget->childAt(move->position().toPoint()))
            mouseMoved(PointerShape(shape.toInt()));
    }
    return QObject::eventFilter(watched, event);
}

QCursor loadCursorFile(const QString& path) {
    if (!QFileInfo(path).isFile()) throw Failure(kFileNotFound);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw Failure(kPathFileAccessError);

    // The directory: reserved 0, type 2 (cursor), the number of images; then the first image's
    // entry, whose bytes 4 to 7 (10 to 13 of the file) hold the hot spot, x then y.
    const QByteArray head = file.read(22);
    const auto word = [&head](int offset) {
        return qFromLittleEndian<quint16>(head.constData() + offset);
    };
    if (head.size() < 22 || word(0) != 0 || word(2) != 2 || word(4) == 0)
        throw Failure(kInvalidPicture);
    const int hotX = word(10);
    const int hotY = word(12);

    if (!file.seek(0)) throw Failure(kPathFileAccessError);
    QImageReader reader(&file, "cur");
    const QImage image = reader.read();
    if (image.isNull() || hotX >= image.width() || hotY >= image.height())
        throw Failure(kInvalidPicture);
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

} // namespace corvanna
