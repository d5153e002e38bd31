#include "csvexport.h"

#include "base/dates.h"
#include "base/failure.h"
#include "reservationmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>
#include <functional>

namespace corvanna {

namespace {

// The bytes gathered before one write to the file: few system calls, and a failing write still
// comes with the system's reason.
constexpr qsizetype kWriteBlock = 1 << 16;

// The longest proposed file name, in characters: well below the 255 bytes of a name on disk.
constexpr qsizetype kMaxFileNameLength = 120;

constexpr QFile::Permissions kPrivateFile =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;

// First characters by which a spreadsheet takes a cell for a formula (a tab or a carriage return
// before one is skipped by some).
bool startsFormula(const QString& value) {
    if (value.isEmpty()) return false;
    switch (value.front().unicode()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
        return true;
    default:
        return false;
    }
}

// The report of a failed export, naming the file. A disk without room (or a file larger than it
// takes) says so; other failures give the system's words.
QString exportFailure(const QString& path, const QFileDevice& file) {
    const QString reason = file.errorString();
    const QString name = QDir::toNativeSeparators(path);
    for (const int full : {ENOSPC, EDQUOT, EFBIG})
        if (reason == qt_error_string(full))
            return QCoreApplication::translate(
                       "CsvExport",
                       "The disk is full: the list could not be exported to %1. Any earlier file "
                       "of that name is unchanged.")
                .arg(name);
    return QCoreApplication::translate(
               "CsvExport",
               "The list could not be exported to %1 (%2). Any earlier file of that name is "
               "unchanged.")
        .arg(name, reason);
}

// A pattern that finds dates written in `format` (QDate's letters): numbers for d, M and y, a
// word for month and day names, the other characters as they are.
QString datePattern(const QString& format) {
    QString pattern = QStringLiteral("(?<![\\d\\p{L}])");
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        if (c == u'\'') {
            // Quoted text, '' for a quote itself.
            const qsizetype end = format.indexOf(u'\'', i + 1);
            const QString text = end < 0 ? format.mid(i + 1) : format.mid(i + 1, end - i - 1);
            pattern += QRegularExpression::escape(text.isEmpty() ? QStringLiteral("'") : text);
            i = end < 0 ? format.size() : end + 1;
            continue;
        }
        if (c == u'd' || c == u'M')
            pattern += run <= 2 ? QStringLiteral("\\d{1,2}") : QStringLiteral("[^\\s\\d]+");
        else if (c == u'y')
            pattern += QStringLiteral("\\d{%1}").arg(run >= 4 ? 4 : 2);
        else
            pattern += QRegularExpression::escape(QString(run, c));
        i += run;
    }
    return pattern + QStringLiteral("(?![\\d\\p{L}])");
}

} // namespace

QString csvField(const QString& value) {
    const QString text = startsFormula(value) ? QLatin1Char('\'') + value : value;
    const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                       text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    if (!quote) return text;
    QString out = text;
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

namespace {

// Writes CSV records to a device in blocks. A short write (the disk filling up) is followed by
// another one for the rest, which then fails with the system's reason.
class CsvWriter {
public:
    explicit CsvWriter(QIODevice& out)
        : m_out(out) {}
    template <class FieldOf> void record(int columns, const FieldOf& fieldOf) {
        QString line;
        for (int c = 0; c < columns; ++c) {
            if (c > 0) line += QLatin1Char(',');
            line += csvField(fieldOf(c));
        }
        line += QStringLiteral("\r\n");
        m_block += line.toUtf8();
        if (m_block.size() >= kWriteBlock) flush();
    }
    void flush() {
        for (qsizetype done = 0; done < m_block.size();) {
            const qint64 written = m_out.write(m_block.constData() + done, m_block.size() - done);
            if (written <= 0) throw Failure(m_out.errorString());
            done += written;
        }
        m_block.clear();
    }

private:
    QIODevice& m_out;
    QByteArray m_block;
};

// Writes a new file at `path`, readable by the desk's account only, through a temporary file
// that takes the name only when it is complete.
void writePrivately(const QString& path, const std::function<void(QIODevice&)>& write) {
    QSaveFile file(path);
    // Unbuffered: each block goes to the file system at once, and a write that fails keeps the
    // system's reason (a buffered one reports an unknown error).
    const auto fail = [&] {
        const QString failure = exportFailure(path, file);
        file.cancelWriting();
        throw Failure(failure);
    };
    // The guests' data, like the database: the new file is 0600 whatever it replaces.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !file.setPermissions(kPrivateFile))
        fail();
    try {
        write(file);
    } catch (const Failure&) {
        fail();
    }
    if (!file.commit()) fail();
}

} // namespace

void writeCsv(const ReservationModel& model, QIODevice& out) {
    const int columns = model.columnCount();
    CsvWriter writer(out);
    writer.record(columns, [](int c) { return ReservationModel::headerCaption(c); });
    const int rows = model.rowCount();
    for (int r = 0; r < rows; ++r)
        writer.record(columns, [&](int c) { return model.isoCellText(r, c); });
    writer.flush();
}

void exportCsv(const ReservationModel& model, const QString& path) {
    writePrivately(path, [&](QIODevice& out) { writeCsv(model, out); });
}

void exportTable(const QStringList& header, const std::vector<QStringList>& rows,
                 const QString& path) {
    writePrivately(path, [&](QIODevice& out) {
        CsvWriter writer(out);
        const int columns = int(header.size());
        writer.record(columns, [&](int c) { return header[c]; });
        for (const QStringList& row : rows)
            writer.record(columns, [&](int c) { return c < row.size() ? row[c] : QString(); });
        writer.flush();
    });
}

QString listFileName(const QString& title, const QLocale& locale) {
    const QString format = shortDateFormat(locale);
    const QRegularExpression date(datePattern(format),
                                  QRegularExpression::UseUnicodePropertiesOption);
    QString name;
    qsizetype from = 0;
    for (auto it = date.globalMatch(title); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QDate day = locale.toDate(match.captured(), format);
        name += title.mid(from, match.capturedStart() - from);
        name += day.isValid() ? day.toString(Qt::ISODate) : match.captured();
        from = match.capturedEnd();
    }
    name += title.mid(from);
    for (QChar& c : name) {
        if (c == u'"')
            c = u'\'';
        else if (QStringView(u"/\\:*?<>|").contains(c))
            c = u'-';
        else if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    name = name.simplified().left(kMaxFileNameLength).trimmed();
    return name.isEmpty() ? QCoreApplication::translate("CsvExport", "Reservations") : name;
}

} // namespace corvanna
