#pragma once

#include "connection.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

namespace corvanna {

// One select of our own, its values bound as parameters, read row by row through the engine in
// use. Failures carry the engine's words.
class Query {
public:
    Query(Connection& connection, const OwnStatement& sql, const QStringList& values = {})
        : m_cursor(connection.engine().select(sql, values)) {}

    bool next() {
        if (m_started) m_cursor->moveNext();
        m_started = true;
        return !m_cursor->eof();
    }
    // The value's text as UTF-8 bytes, valid until the next row.
    QByteArrayView bytes(int column) const {
        const CursorValue v = m_cursor->value(column, CursorValue::Text);
        return v.type == CursorValue::Null ? QByteArrayView() : QByteArrayView(v.bytes, v.size);
    }
    QString text(int column) const { return QString::fromUtf8(bytes(column)); }
    qint64 integer(int column) const {
        const CursorValue v = m_cursor->value(column, CursorValue::Integer);
        return v.type == CursorValue::Integer ? v.number : bytes(column).toLongLong();
    }
    bool isNull(int column) const { return m_cursor->isNull(column); }
    double real(int column) const { return bytes(column).toDouble(); }
    // A stored date ("yyyy-mm-dd") read from its bytes; anything else goes through the parser.
    QDate date(int column) const {
        const CursorValue v = m_cursor->value(column, CursorValue::Day);
        if (v.type == CursorValue::Day) return QDate::fromJulianDay(v.number);
        if (v.type == CursorValue::Null) return {};
        return QDate::fromString(text(column), Qt::ISODate);
    }
    // A text column whose few values repeat (a kind, a type): each value made text once.
    const QString& pooled(int column, std::vector<std::pair<QByteArray, QString>>& pool) const {
        const QByteArrayView b = bytes(column);
        for (const auto& [raw, value] : pool)
            if (raw == b) return value;
        pool.emplace_back(b.toByteArray(), QString::fromUtf8(b));
        return pool.back().second;
    }

private:
    std::unique_ptr<EngineCursor> m_cursor;
    bool m_started = false;
};

} // namespace corvanna
