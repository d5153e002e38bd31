#pragma once

#include "base/dialogs.h"

namespace corvanna {

// The real message boxes.
class MessageBoxDialogs : public Dialogs {
protected:
    Answer present(const Message& message) override;
    std::optional<QString> askPassword(const QString& prompt, const QString& title) override;
};

} // namespace corvanna
