#pragma once

#include "base/dialogs.h"
#include "base/failure.h"

#include <QString>
#include <exception>
#include <new>
#include <utility>

namespace corvanna {

// The exact text of the error report: description, CR LF, location and line, CR CR, the request
// to send a screenshot. `procedure` names the handler as "Form1.listRooms".
QString errorReportText(const QString& description, const QString& procedure, int line);

// Shows the error report box: the text above, OK only, warning icon, title "Application Error".
void ReportError(Dialogs& dialogs, const QString& description, const QString& procedure, int line);

// A handler written as a run of numbered steps. A step that fails is reported with its number and
// the handler goes on with the next step; it never stops on an error.
//
//     Procedure proc(dialogs, "Form1.listRooms");
//     proc.step(102, [&] { model.clear(); });
//     if (proc.test(106, [&] { return ready(); }))   // a failing test counts as passed
//         proc.step(108, [&] { ... });
class Procedure {
public:
    Procedure(Dialogs& dialogs, QString procedure)
        : m_dialogs(dialogs)
        , m_procedure(std::move(procedure)) {}

    // Runs one step. Returns true when it succeeded, false when it failed and was reported.
    template <class Body> bool step(int line, Body&& body) {
        try {
            std::forward<Body>(body)();
            return true;
        } catch (...) {
            report(line);
            return false;
        }
    }

    // The test of a conditional step. A test that fails is reported and counts as passed, so
    // the steps it guards run.
    template <class Condition> bool test(int line, Condition&& condition) {
        try {
            return static_cast<bool>(std::forward<Condition>(condition)());
        } catch (...) {
            report(line);
            return true;
        }
    }

    // Reports a failure found without an exception (for instance a step that must be skipped).
    void fail(int line, const QString& description);

    int failures() const { return m_failures; }
    Dialogs& dialogs() const { return m_dialogs; }
    const QString& procedure() const { return m_procedure; }

private:
    void report(int line); // reports the exception in flight

    Dialogs& m_dialogs;
    QString m_procedure;
    int m_failures = 0;
};

} // namespace corvanna
