#pragma once

#include <QList>
#include <QString>

class QMenu;
class QObject;
class QTranslator;

namespace corvanna {

class Dialogs;

// A language the desk can choose: its code as the settings keep it and its name in itself.
struct DeskLanguage {
    const char* code;
    const char* name;
};

// English first: the designed texts, no translation loaded.
const QList<DeskLanguage>& deskLanguages();

// The desk's choice from the settings ([Corvanna] Language=de); "en" when none or unknown. A value
// that names no language the program has goes to `unknown`.
QString chosenLanguage(QString* unknown = nullptr);

// The program's translations and Qt's own for the chosen language, installed in the application.
// English removes them: the designed texts come back letter for letter.
class LanguageSwitch {
public:
    explicit LanguageSwitch(QString translationsFolder);
    ~LanguageSwitch();
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // False when the program's own translation of `code` could not be loaded (English stays).
    bool apply(const QString& code);
    const QString& current() const { return m_current; }

    // The one switch of the running program (null before main made it).
    static LanguageSwitch* instance();

private:
    QString m_folder;
    QString m_current = QStringLiteral("en");
    QTranslator* m_program = nullptr;
    QTranslator* m_qt = nullptr;
};

// The folder the program's .qm files lie in: "translations" in the program folder.
QString translationsFolder(const QString& programFolder);

// A text that follows the language: set now in the current language and set again from the same
// source at every language change (retranslateFollowing). Actions, menus, labels, buttons, group
// boxes and line edits' placeholders.
void followLanguage(QObject* object, const char* context, const char* source);
// Sets every following text of `root` and its children again.
void retranslateFollowing(QObject* root);

// Tools › Language: one checkable command per language. A choice is kept in the settings and
// applied at once; the desk is told what changes now and what at the next start.
void addLanguageMenu(QMenu* parent, Dialogs& dialogs);

} // namespace corvanna
