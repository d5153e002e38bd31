#include "base/settings.h"

#include "base/failure.h"
#include "base/product.h"

#include <QSettings>
#include <cmath>

namespace corvanna {

QString columnWidthKey(int position) {
    return QStringLiteral("ColumnHeaders") + QString::number(position);
}

float defaultColumnWidth(int position) {
    return position == 1 ? kDefaultIdWidth : kDefaultColumnWidth;
}

QString formatWidth(float twips, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    // Shortest text that reads back as the same single-precision value, at most 7 digits as the
    // desk has always written them, with up to 9 where 7 would not read back.
    QString text;
    for (int digits = 1; digits <= 9; ++digits) {
        text = plain.toString(double(twips), 'g', digits);
        bool ok = false;
        if (plain.toFloat(text, &ok) == twips && ok) break;
    }
    if (text.contains(QLatin1Char('e'), Qt::CaseInsensitive) && std::fabs(twips) < 1e15f)
        text = plain.toString(double(twips), 'f', 0); // whole and large: plain digits
    return text;
}

float parseWidth(const QString& text, const QLocale& locale) {
    bool ok = false;
    const float value = locale.toFloat(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) throw Failure(kTypeMismatch);
    return value;
}

int parseWindowState(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) throw Failure(kTypeMismatch);
    const double rounded = std::nearbyint(value); // banker's rounding, as a 16-bit conversion does
    if (rounded < -32768 || rounded > 32767) throw Failure(kOverflow);
    const int state = int(rounded);
    if (state < 0 || state > 2) throw Failure(kInvalidPropertyValue);
    return state;
}

SettingsStore::SettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, kMakerName, QString()) {
    m_settings.beginGroup(kProductName);
}

SettingsStore::~SettingsStore() {
    m_settings.endGroup();
}

QString SettingsStore::read(const QString& key, const QString& defaultValue) const {
    const QVariant value = m_settings.value(key);
    // A stored value the store cannot decode is garbage, not a missing key: its reader gets text
    // that is no number, so it reports it.
    if (!value.isValid())
        return m_settings.contains(key) ? QStringLiteral("@Variant") : defaultValue;
    // A hand-edited value with an unquoted comma comes back as a list: keep it as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsStore::write(const QString& key, const QString& value) {
    if (!m_settings.isWritable())
        throw Failure(QStringLiteral("Permission denied: the settings file %1 cannot be written")
                          .arg(m_settings.fileName()));
    m_settings.setValue(key, value);
}

void SettingsStore::flush() {
    m_settings.sync();
    if (m_settings.status() != QSettings::NoError)
        throw Failure(
            QStringLiteral("The settings file %1 could not be written").arg(m_settings.fileName()));
}

} // namespace corvanna
