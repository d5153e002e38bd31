#pragma once

#include <QCursor>
#include <QObject>
#include <QString>

class QWidget;

namespace corvanna {

// Loads a Windows cursor file (.cur) as a pointer image, with the hot spot that the file's first
// directory entry names. Throws Failure "File not found" for a missing file and "Invalid picture"
// for one that is not a cursor Qt can read.
QCursor loadCursorFile(const QString& path);

// A window's pointer: one shape for the whole window (0 default, 11 hourglass, 99 the custom
// hand image) and the mouse-move handlers that switch it. Long actions set 11 and then 0; a
// mouse move never replaces the hourglass.
class PointerFeedback : public QObject {
    Q_OBJECT
public:
    explicit PointerFeedback(QWidget* window);

    int shape() const { return m_shape; }
    void setShape(int shape);

    // The custom image shown for shape 99; without one the platform's pointing hand shows.
    void setMouseIcon(const QCursor& cursor);
    bool hasMouseIcon() const { return m_hasIcon; }

    // Mouse moves over `widget` set `shape` (0 or 99), unless the hourglass shows.
    void watch(QWidget* widget, int shape);
    // The handler every watched widget runs on a mouse move.
    void mouseMoved(int shape);

    // The cursor the window shows for the current shape.
    QCursor cursor() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    int m_shape = 0;
    QCursor m_icon;
    bool m_hasIcon = false;
};

} // namespace corvanna
