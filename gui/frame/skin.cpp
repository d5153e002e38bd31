#include "gui/frame/skin.h"

#include "base/failure.h"
#include "base/places.h"
#include "gui/frame/design.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <QCoreApplication>

namespace corvanna {

namespace {

QColor buttonFace() {
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}
QColor buttonText() {
    return QApplication::palette().color(QPalette::Active, QPalette::ButtonText);
}

// The kinds of control whose background is the window's colour.
bool takesWindowColour(const QWidget* w) {
    return qobject_cast<const QGroupBox*>(w) || qobject_cast<const QLabel*>(w) ||
           qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w);
}

// Containers whose children are controls of the window too. Other controls (a date picker, a
// combo box, the list) are made of inner widgets that are not the window's controls.
bool holdsControls(const QWidget* w) {
    return qobject_cast<const QGroupBox*>(w) || w->metaObject() == &QWidget::staticMetaObject ||
           w->metaObject() == &QFrame::staticMetaObject;
}

void paintControls(QWidget* parent, const QColor& face, const QColor& text) {
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow()) continue;
        if (takesWindowColour(w)) paintBackground(w, face, text);
        if (holdsControls(w)) paintControls(w, face, text);
    }
}

// Style sheets report a syntax error only as a warning while they are applied; this catches it.
class StyleSheetErrors {
public:
    StyleSheetErrors() { s_previous = qInstallMessageHandler(&StyleSheetErrors::handle); }
    ~StyleSheetErrors() {
        qInstallMessageHandler(s_previous);
        s_found = false;
    }
    bool found() const { return s_found; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith(QLatin1String("Could not parse stylesheet"))) {
            s_found = true;
            return;
        }
        if (s_previous) s_previous(type, context, message);
    }
    static inline QtMessageHandler s_previous = nullptr;
    static inline bool s_found = false;
};

} // namespace

void ApplyClassicColours(QWidget* window) {
    if (!window) throw Failure(kObjectVariableNotSet);
    const QColor face = buttonFace();
    paintBackground(window, face, buttonText());
    paintControls(window, face, buttonText());
}

void ApplySkin(Form1& window) {
    const QString path = window.session().places.skinFile();
    if (!OrdinaryFileExists(path)) return;

    ApplyClassicColours(&window);

    // The skin is a style sheet for the main window and its controls.
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly | QIODevice::Text);
    const QString sheet = opened ? QString::fromUtf8(file.readAll()) : QString();
    if (!opened || file.error() != QFileDevice::NoError)
        throw Failure(QCoreApplication::translate("Skin", "The skin %1 could not be read: %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));

    StyleSheetErrors errors;
    window.setStyleSheet(sheet);
    window.ensurePolished();
    if (errors.found()) {
        window.setStyleSheet(QString());
        throw Failure(QCoreApplication::translate("Skin", "The skin %1 is not a valid style sheet")
                          .arg(QDir::toNativeSeparators(path)));
    }
}

} // namespace corvanna
