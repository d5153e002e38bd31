#pragma once

#include "base/pointershape.h"

#include <QCursor>
#include <QObject>
#include <QString>

class QWidget;

namespace corvanna {

// Loads a Windows cursor file (.cur) as a pointer image, with the hot spot that the file's first
// directory entry names. Throws Failure "File not found" for a missing file and "Invalid picture"
// for one that is not a cursor Qt can read.
QCursor loadCursorFile(const QString& path);

// A window's pointer: one shape for the whole window and the mouse-move handlers that switch it.
// Long actions set the hourglass and then the default; a mouse move never replaces the hourglass.
class PointerFeedback : public QObject {
    Q_OBJECT
public:
    explicit PointerFeedback(QWidget* window);

    PointerShape shape() const { return m_shape; }
    void setShape(PointerShape shape);

    // The custom image shown for the hand; without one the platform's pointing hand shows.
    void setMouseIcon(const QCursor& cursor);
    bool hasMouseIcon() const { return m_hasIcon; }

    // Mouse moves over `widget` set `shape` (default or hand), unless the hourglass shows.
    void watch(QWidget* widget, PointerShape shape);
    // The handler every watched widget runs on a mouse move.
    void mouseMoved(PointerShape shape);

    // The cursor the window shows for the current shape.
    QCursor cursor() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    PointerShape m_shape = kPointerDefault;
    QCursor m_icon;
    bool m_hasIcon = false;
};

} // namespace corvanna
