#include "base/settings.h"

#include "base/failure.h"
#include "base/privatefiles.h"
#include "base/product.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cmath>

#include <QCoreApplication>

namespace corvanna {

QString columnWidthKey(int position) {
    return QStringLiteral("ColumnHeaders") + QString::number(position);
}

bool showsFullCardNumbers(const QString& value) {
    return value.trimmed() == QLatin1String("1");
}

float defaultColumnWidth(int position) {
    return position == 1 ? kDefaultIdWidth : kDefaultColumnWidth;
}

namespace {

// Latin digits whatever the locale, in the C locale's form and without group separators.
QLocale latinNumbers() {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    return c;
}

// A number as the locale writes it ("٢٠٠٠" under Arabic digits) or in Latin
// digits with the locale's decimal sign (or a point); digits of any script are read.
double readNumber(const QString& text, const QLocale& locale, bool* ok) {
    const QString trimmed = text.trimmed();
    const double value = locale.toDouble(trimmed, ok);
    if (*ok) return value;
    QString latin;
    latin.reserve(trimmed.size());
    for (const QChar c : trimmed)
        latin += c.isDigit() ? QChar(u'0' + c.digitValue()) : c;
    latin.replace(locale.decimalPoint(), QStringLiteral("."));
    return latinNumbers().toDouble(latin, ok);
}

} // namespace

QString formatWidth(float twips, const QLocale& locale) {
    const QLocale plain = latinNumbers();
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
    // Latin digits, so that a change of locale never makes the widths unreadable; the decimal
    // sign is the locale's.
    return text.replace(QLatin1Char('.'), locale.decimalPoint());
}

float parseWidth(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double number = readNumber(text, locale, &ok);
    const float value = float(number);
    if (!ok || !std::isfinite(number) || !std::isfinite(value)) throw Failure(kTypeMismatch);
    return value;
}

int parseWindowState(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = readNumber(text, locale, &ok);
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
        throw Failure(QCoreApplication::translate(
                          "Settings", "Permission denied: the settings file %1 cannot be written")
                          .arg(m_settings.fileName()));
    m_settings.setValue(key, value);
    m_written.insert(m_settings.group() + QLatin1Char('/') + key, value);
}

void SettingsStore::flush() {
    const QString file = m_settings.fileName();
    // A new file is made private before the store fills it; a rewrite keeps the file's mode.
    if (!QFileInfo::exists(file)) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile(file).open(QIODevice::WriteOnly | QIODevice::NewOnly,
                         QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }
    m_settings.sync();
    narrowToOwner(file, false);
    if (m_settings.status() == QSettings::NoError) return;
    // The status keeps the first error met, also one of reading a damaged file that the sync has
    // since replaced: the file is read back to tell whether the values really were written.
    const QSettings written(file, QSettings::NativeFormat);
    bool stored = written.status() == QSettings::NoError;
    for (auto it = m_written.cbegin(); stored && it != m_written.cend(); ++it)
        stored = written.value(it.key()).toString() == it.value();
    if (!stored)
        throw Failure(
            QCoreApplication::translate("Settings", "The settings file %1 could not be written")
                .arg(file));
}

QString SettingsStore::fileName() const {
    return m_settings.fileName();
}

bool cardNumbersShownInFull() {
    return showsFullCardNumbers(SettingsStore().read(kShowFullCardNumbersKey, QStringLiteral("0")));
}

} // namespace corvanna
