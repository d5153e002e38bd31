#pragma once

#include "base/dialogs.h"

#include <QString>
#include <memory>

class QProgressDialog;

namespace corvanna {

// The real message boxes.
class MessageBoxDialogs : public Dialogs {
protected:
    Answer present(const Message& message) override;
    std::optional<QString> askPassword(const QString& prompt, const QString& title) override;
};

// A small notice of its own, without buttons, for a wait the desk cannot shorten (the close's
// copy, a database brought up to date): shown at once and painted before the wait begins.
std::unique_ptr<QProgressDialog> showWaitNotice(const QString& text, const QString& objectName);

} // namespace corvanna
