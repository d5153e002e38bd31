#include "gui/language/language.h"

#include "base/dialogs.h"
#include "base/report.h"
#include "base/settings.h"
#include "gui/frame/design.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>

namespace corvanna {

namespace {

const char* const kContextProperty = "corvannaTextContext";
const char* const kSourceProperty = "corvannaTextSource";
const QString kEnglish = QStringLiteral("en");

LanguageSwitch* g_switch = nullptr;

QString translated(const QObject* object) {
    return QCoreApplication::translate(object->property(kContextProperty).toByteArray().constData(),
                                       object->property(kSourceProperty).toByteArray().constData());
}

QString currentText(const QObject* object) {
    if (const auto* box = qobject_cast<const QGroupBox*>(object)) return box->title();
    if (const auto* label = qobject_cast<const QLabel*>(object)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(object)) return button->text();
    return {};
}

void setFollowingText(QObject* object) {
    const QString text = translated(object);
    // A control named after its caption for assistive technology keeps being named so.
    auto* widget = qobject_cast<QWidget*>(object);
    const bool namedByCaption = widget && !widget->accessibleName().isEmpty() &&
                                widget->accessibleName() == accessibleCaption(currentText(object));
    if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(object))
        box->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(object))
        edit->setPlaceholderText(text);
    if (namedByCaption) widget->setAccessibleName(accessibleCaption(text));
}

bool known(const QString& code) {
    for (const DeskLanguage& language : deskLanguages())
        if (code == QLatin1String(language.code)) return true;
    return false;
}

} // namespace

const QList<DeskLanguage>& deskLanguages() {
    static const QList<DeskLanguage> languages{{"en", "English"},
                                               {"de", "Deutsch"},
                                               {"fr", "Fran\u00e7ais"},
                                               {"es", "Espa\u00f1ol"},
                                               {"it", "Italiano"}};
    return languages;
}

QString chosenLanguage(QString* unknown) {
    const QString code = SettingsStore().read(kLanguageKey, kEnglish).trimmed().toLower();
    if (known(code)) return code;
    if (unknown) *unknown = code;
    return kEnglish;
}

QString translationsFolder(const QString& programFolder) {
    return programFolder + QStringLiteral("/translations");
}

LanguageSwitch::LanguageSwitch(QString translationsFolder)
    : m_folder(std::move(translationsFolder)) {
    g_switch = this;
}

LanguageSwitch::~LanguageSwitch() {
    if (g_switch == this) g_switch = nullptr;
    apply(kEnglish);
}

LanguageSwitch* LanguageSwitch::instance() {
    return g_switch;
}

bool LanguageSwitch::apply(const QString& code) {
    auto program = std::make_unique<QTranslator>();
    auto qt = std::make_unique<QTranslator>();
    const bool english = code == kEnglish || !known(code);
    if (!english) {
        if (!program->load(QStringLiteral("corvanna_") + code, m_folder)) return false;
        // Qt's own dialogs (print, file) follow where the system has their translation.
        if (!qt->load(QStringLiteral("qtbase_") + code,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qt.reset();
    }
    for (QTranslator** old : {&m_program, &m_qt})
        if (*old) {
            QCoreApplication::removeTranslator(*old);
            delete *old;
            *old = nullptr;
        }
    m_current = english ? kEnglish : code;
    if (english) return true;
    m_program = program.release();
    QCoreApplication::installTranslator(m_program);
    if (qt) {
        m_qt = qt.release();
        QCoreApplication::installTranslator(m_qt);
    }
    return true;
}

void followLanguage(QObject* object, const char* context, const char* source) {
    object->setProperty(kContextProperty, QByteArray(context));
    object->setProperty(kSourceProperty, QByteArray(source));
    setFollowingText(object);
}

void retranslateFollowing(QObject* root) {
    if (root->property(kSourceProperty).isValid()) setFollowingText(root);
    for (QObject* child : root->findChildren<QObject*>())
        if (child->property(kSourceProperty).isValid()) setFollowingText(child);
}

void addLanguageMenu(QMenu* parent, Dialogs& dialogs) {
    auto* menu = parent->addMenu(QString());
    menu->setObjectName(QStringLiteral("menuLanguage"));
    followLanguage(menu, "corvanna::Form1", QT_TRANSLATE_NOOP("corvanna::Form1", "&Language"));
    auto* group = new QActionGroup(menu);
    const LanguageSwitch* languages = LanguageSwitch::instance();
    const QString current = languages ? languages->current() : kEnglish;
    for (const DeskLanguage& language : deskLanguages()) {
        const QString code = QString::fromLatin1(language.code);
        // Each language is named in itself, so a desk lost in another language finds its own.
        QAction* action = menu->addAction(QString::fromUtf8(language.name));
        action->setObjectName(QStringLiteral("actionLanguage_") + code);
        action->setCheckable(true);
        action->setChecked(code == current);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [&dialogs, code] {
            Procedure proc(dialogs, QStringLiteral("Form1.mnuLanguage_Click"));
            proc.step(10, [&] {
                SettingsStore settings;
                settings.write(kLanguageKey, code);
                settings.flush();
            });
            LanguageSwitch* languageSwitch = LanguageSwitch::instance();
            bool applied = false;
            proc.step(20, [&] {
                if (!languageSwitch) return;
                applied = languageSwitch->apply(code);
                if (!applied)
                    throw Failure(QCoreApplication::translate(
                                      "corvanna::Form1",
                                      "The translation %1 could not be loaded; it is used from "
                                      "the next start on if it can be loaded then.")
                                      .arg(QStringLiteral("corvanna_") + code));
            });
            if (applied)
                dialogs.notify(QCoreApplication::translate(
                    "corvanna::Form1",
                    "The menus and the main window speak the chosen language now. Windows that "
                    "are open or were opened before follow at the next start."));
        });
    }
}

} // namespace corvanna
