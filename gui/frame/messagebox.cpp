#include "gui/frame/messagebox.h"

#include "base/product.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>

namespace corvanna {

Answer MessageBoxDialogs::present(const Message& message) {
    // The texts break lines with CR LF or a lone CR; the box breaks them with LF.
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QMessageBox box(message.icon == Icon::Warning    ? QMessageBox::Warning
                    : message.icon == Icon::Question ? QMessageBox::Question
                                                     : QMessageBox::NoIcon,
                    message.title, text, QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (message.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(message.defaultButton == Answer::No ? QMessageBox::No
                                                                 : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return message.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}

std::optional<QString> MessageBoxDialogs::askPassword(const QString& prompt, const QString& title) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                               QLineEdit::Password, QString(), &ok);
    if (!ok) return std::nullopt;
    return text;
}

std::unique_ptr<QProgressDialog> showWaitNotice(const QString& text, const QString& objectName) {
    auto notice = std::make_unique<QProgressDialog>(text, QString(), 0, 0);
    notice->setObjectName(objectName);
    notice->setWindowTitle(kProductName);
    notice->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    notice->setAttribute(Qt::WA_QuitOnClose, false);
    notice->setCancelButton(nullptr);
    notice->setMinimumDuration(0);
    notice->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return notice;
}

} // namespace corvanna
