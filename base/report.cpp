#include "base/report.h"

#include "base/product.h"

#include <QCoreApplication>

namespace corvanna {

QString errorReportText(const QString& description, const QString& procedure, int line) {
    // A classic description (base/failure.h) in the desk's language; the engine's own words and
    // descriptions translated where they were made have no entry and stay as they are.
    const QString shown = QCoreApplication::translate("Failure", description.toUtf8().constData());
    return QCoreApplication::translate("Report", "%1\r\n%2 at line %3\r\rPlease email screenshot "
                                                 "of this message to %4")
        .arg(shown, kReportLocationPrefix + procedure, QString::number(line), kSupportEmail);
}

void ReportError(Dialogs& dialogs, const QString& description, const QString& procedure, int line) {
    dialogs.show({errorReportText(description, procedure, line),
                  QCoreApplication::translate("Report", "Application Error"), Buttons::Ok,
                  Icon::Warning, Answer::Ok});
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
        description = QCoreApplication::translate("Report", "Out of memory");
    } catch (const std::exception& e) {
        description = QString::fromLocal8Bit(e.what());
    } catch (...) {
        description = QCoreApplication::translate("Report", "Unexpected error");
    }
    fail(line, description);
}

} // namespace corvanna
