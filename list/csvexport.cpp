#include "csvexport.h"

#include "base/failure.h"
#include "reservationmodel.h"

#include <QSaveFile>

namespace corvanna {

QString csvField(const QString& value) {
    const bool quote = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) ||
                       value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'));
    if (!quote) return value;
    QString out = value;
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

void writeCsv(const ReservationModel& model, QIODevice& out) {
    const int columns = model.columnCount();
    const auto writeRecord = [&](const auto& fieldOf) {
        QString line;
        for (int c = 0; c < columns; ++c) {
            if (c > 0) line += QLatin1Char(',');
            line += csvField(fieldOf(c));
        }
        line += QStringLiteral("\r\n");
        if (out.write(line.toUtf8()) < 0) throw Failure(out.errorString());
    };
    writeRecord([](int c) { return ReservationModel::headerCaption(c); });
    const int rows = model.rowCount();
    for (int r = 0; r < rows; ++r)
        writeRecord([&](int c) { return model.isoCellText(r, c); });
}

void exportCsv(const ReservationModel& model, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw Failure(file.errorString());
    try {
        writeCsv(model, file);
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    if (!file.commit()) throw Failure(file.errorString());
}

} // namespace corvanna
