#pragma once

#include "base/dialogs.h"

namespace corvanna {

// The real message boxes.
class MessageBoxDialogs : public Dialogs {
protected:
    Answer present(const Message& message) override;
};

} // namespace corvanna
