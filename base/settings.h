#pragma once

#include <QHash>
#include <QLocale>
#include <QSettings>
#include <QString>

namespace corvanna {

// The settings kept between runs: organisation "Pellworth", section "Corvanna". Written only
// when the main window closes; read at start-up.
constexpr int kColumnCount = 13;
constexpr float kDefaultIdWidth = 1.0f;        // twips: the ID column is practically hidden
constexpr float kDefaultColumnWidth = 2000.0f; // twips
inline const QString kWindowStateKey = QStringLiteral("WindowState");
// Set by hand to 1 on a desk that must see card numbers in full in its lists; never written.
inline const QString kShowFullCardNumbersKey = QStringLiteral("ShowFullCardNumbers");
// The desk's language by its code ("de"); absent or "en": the designed English.
inline const QString kLanguageKey = QStringLiteral("Language");
bool showsFullCardNumbers(const QString& value); // "1" (blanks around allowed): in full
// The desk's choice as the settings file holds it now; every list that shows card numbers asks.
bool cardNumbersShownInFull();

QString columnWidthKey(int position); // "ColumnHeaders" + position (1 to 13)
float defaultColumnWidth(int position);

// A width as the shortest decimal text of the single-precision value in Latin digits, with the
// locale's decimal separator and no group separator ("2000", "1234,5" under a comma locale).
QString formatWidth(float twips, const QLocale& locale = QLocale());
// Reads a width written by formatWidth, or in the locale's own digits. Throws Failure
// "Type mismatch" for text that is no number.
float parseWidth(const QString& text, const QLocale& locale = QLocale());

// Reads a window state as a 16-bit whole number and checks it is 0, 1 or 2.
// Throws Failure "Type mismatch", "Overflow" or "Invalid property value".
int parseWindowState(const QString& text, const QLocale& locale = QLocale());

// The per-user settings store, as key -> text.
class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString read(const QString& key, const QString& defaultValue) const;
    // Throws Failure when the store cannot be written.
    void write(const QString& key, const QString& value);
    // Writes pending values out, to a file only its owner may read; throws Failure when the
    // store cannot be written.
    void flush();
    QString fileName() const;

private:
    QSettings m_settings;
    QHash<QString, QString> m_written; // what this store was asked to write, by full key
};

} // namespace corvanna
