#include "editordriver.h"

#include "tests/common/windowsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

namespace corvanna::test {

namespace {

QWidget* keyTarget(QWidget* box) {
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit())
        return combo->lineEdit();
    return box;
}

void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &up);
}

} // namespace

void typeInto(QWidget* box, const QString& text) {
    QWidget* target = keyTarget(box);
    target->setFocus();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n')) {
            press(target, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            continue;
        }
        QString one(c);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            one += text.at(++i);
        press(target, Qt::Key_unknown, Qt::NoModifier, one);
    }
}

void pasteInto(QWidget* box, const QString& text) {
    QWidget* target = keyTarget(box);
    target->setFocus();
    QGuiApplication::clipboard()->setText(text);
    press(target, Qt::Key_V, Qt::ControlModifier, QString());
}

void clearBox(QWidget* box) {
    QWidget* target = keyTarget(box);
    target->setFocus();
    press(target, Qt::Key_A, Qt::ControlModifier, QString());
    press(target, Qt::Key_Delete, Qt::NoModifier, QString());
}

bool withEditor(const std::function<void()>& open, const std::function<void(Form2&)>& act) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        QPointer<Form2> editor = qobject_cast<Form2*>(QApplication::activeModalWidget());
        if (!editor) return;
        shown = true;
        act(*editor);
        if (editor && editor->isVisible()) editor->reject();
    });
    open();
    return shown;
}

void chooseValidChoices(Form2& editor) {
    control<QComboBox>(editor, "Combo1")->setCurrentIndex(0);
    control<QDateEdit>(editor, "dtpCheckIn")->setDate(QDate::currentDate());
    control<QDateEdit>(editor, "dtpCheckOut")->setDate(QDate::currentDate());
    control<QDateEdit>(editor, "dtpExpiry")->setDate(QDate::currentDate().addYears(2));
}

} // namespace corvanna::test
