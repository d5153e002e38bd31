#pragma once

#include <QtGlobal>
#include <string_view>

namespace corvanna {

// One value of a cursor's current row. Texts are UTF-8 bytes that stay valid until the cursor
// moves.
struct CursorValue {
    enum Type : quint8 { Null, Integer, Day, Text };
    Type type = Null;
    qint64 number = 0; // Integer: the value; Day: the Julian day number (as QDate counts)
    const char* bytes = nullptr;
    qsizetype size = 0;

    std::string_view text() const { return {bytes, size_t(size)}; }
};

// The rows of one result set, read front to back, whatever engine gives them. The list reads
// its rows through this, so it knows nothing of the engine.
class RowCursor {
public:
    virtual ~RowCursor() = default;

    virtual int columnCount() const = 0;
    virtual const char* columnName(int column) const = 0; // UTF-8

    // The current row's value of a column, as `wanted` (Integer, Day or Text) when it is one,
    // else as its text; Null for a null. Day: a date stored as the engine stores dates.
    virtual CursorValue value(int column, CursorValue::Type wanted) const = 0;

    bool isNull(int column) const {
        return value(column, CursorValue::Text).type == CursorValue::Null;
    }
    // The whole number, or `fallback` when the value is null or not a whole number.
    qint64 wholeNumber(int column, qint64 fallback = 0) const {
        const CursorValue v = value(column, CursorValue::Integer);
        return v.type == CursorValue::Integer ? v.number : fallback;
    }
    // The Julian day number, or 0 when the value is null or not a date.
    qint64 dayNumber(int column) const {
        const CursorValue v = value(column, CursorValue::Day);
        return v.type == CursorValue::Day ? v.number : 0;
    }
    // The value as UTF-8 text; empty for a null.
    std::string_view utf8(int column) const { return value(column, CursorValue::Text).text(); }
};

// The Julian day number of an ISO date "yyyy-mm-dd" of the proleptic Gregorian calendar, or 0
// when the text is not such a date (year 0 included: QDate has none).
qint64 isoDayNumber(const char* text, qsizetype size);

} // namespace corvanna
