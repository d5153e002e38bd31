#include "base/report.h"

#include "base/product.h"

namespace corvanna {

QString errorReportText(const QString& description, const QString& procedure, int line) {
    return description + QStringLiteral("\r\n") + kReportLocationPrefix + procedure +
           QStringLiteral(" at line ") + QString::number(line) + QStringLiteral("\r\r") +
           QStringLiteral("Please email screenshot of this message to ") + kSupportEmail;
}

void ReportError(Dialogs& dialogs, const QString& description, const QString& procedure, int line) {
    dialogs.show({errorReportText(description, procedure, line),
                  QStringLiteral("Application Error"), Buttons::Ok, Icon::Warning, Answer::Ok});
}

void Procedure::fail(int line, const QString& description) {
    ++m_failures;
    ReportError(m_dialogs, description, m_procedure, line);
}

void Procedure::report(int line) {
    QString description;
    try {
        throw;
    } catch (const Failure& failure) {
        description = failure.description();
    } catch (const std::bad_alloc&) {
        description = QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        description = QString::fromLocal8Bit(e.what());
    } catch (...) {
        description = QStringLiteral("Unexpected error");
    }
    fail(line, description);
}

} // namespace corvanna
