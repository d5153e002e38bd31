// Corvanna: the front desk's reservations.
#include "base/failure.h"
#include "base/product.h"
#include "base/settings.h"
#include "gui/frame/form1.h"
#include "gui/frame/messagebox.h"
#include "gui/frame/session.h"
#include "gui/language/language.h"
#include "store/serverchoice.h"
#include "support/platform.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {
// Measuring aid for the start-up benchmark (bench/): with CORVANNA_QUIT_WHEN_SHOWN set, the
// program ends as soon as its main window has been painted for the first time, without the
// closing work (settings, the day's backup), which is not part of starting.
class QuitWhenShown : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool m_done = false;
};

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

// corvanna --copy-to-server TARGET: a command without a window.
int copyCommand(const QString& target) {
    using namespace corvanna;
    const QString file = Places::current().workingDatabase();
    try {
        const qint64 rows = copyToServer(file, target);
        std::printf("Copied %lld reservations from %s.\n", static_cast<long long>(rows),
                    file.toLocal8Bit().constData());
        return 0;
    } catch (const Failure& failure) {
        std::fprintf(stderr, "corvanna: %s\n", failure.description().toLocal8Bit().constData());
        return 1;
    }
}

// One line on stderr naming the arguments the program does not take; it starts as without them.
void reportIgnored(const QStringList& ignored) {
    if (ignored.isEmpty()) return;
    QStringList quoted;
    for (const QString& argument : ignored)
        quoted << QLatin1Char('"') + argument + QLatin1Char('"');
    const QString line =
        QCoreApplication::translate("main",
                                    "corvanna: arguments ignored (not options of this program): %1")
            .arg(quoted.join(QLatin1Char(' ')));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

int usageError(const QString& error) {
    std::fprintf(stderr, "corvanna: %s\n%s", error.toLocal8Bit().constData(),
                 corvanna::startOptionsUsage().toLocal8Bit().constData());
    return 2;
}
} // namespace

int main(int argc, char* argv[]) {
    using namespace corvanna;
    if (argumentsOf(argc, argv).contains(QStringLiteral("--copy-to-server"))) {
        QCoreApplication core(argc, argv);
        const StartOptions options = parseStartOptions(argumentsOf(argc, argv));
        if (!options.error.isEmpty()) return usageError(options.error);
        reportIgnored(options.ignored);
        return copyCommand(options.copyToServer);
    }
    if (!platform::hasDesktopDisplay()) {
        std::fputs("Corvanna needs a desktop display: start it from a desktop session "
                   "(or try: xvfb-run make run).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(applicationIcon());
    setApplicationTitle(kProductName);
    // The desk's language, before the first window: without a choice the designed English.
    LanguageSwitch languages(translationsFolder(Places::current().programFolder));
    QString unknownLanguage;
    const QString code = chosenLanguage(&unknownLanguage);
    if (!unknownLanguage.isEmpty())
        std::fprintf(stderr,
                     "corvanna: the settings name the language \"%s\", which this program does not "
                     "have (en, de, fr, es, it); it speaks English\n",
                     unknownLanguage.toLocal8Bit().constData());
    if (!languages.apply(code))
        std::fprintf(stderr, "corvanna: the translation corvanna_%s was not found in %s\n",
                     code.toLocal8Bit().constData(),
                     translationsFolder(Places::current().programFolder).toLocal8Bit().constData());

    MessageBoxDialogs dialogs;
    Session session{dialogs, Places::current()};
    // The arguments Qt did not take for itself choose the database.
    const StartOptions options = parseStartOptions(argumentsOf(argc, argv));
    if (!options.error.isEmpty()) return usageError(options.error);
    reportIgnored(options.ignored);
    try {
        SettingsStore settings;
        session.server = applyDatabaseChoice(options, settings);
    } catch (const Failure& failure) {
        return usageError(failure.description());
    }
    session.onEnd = [](int code) { QCoreApplication::exit(code); };

    Form1 form(session);
    if (!form.Form_Load() || session.ended) return session.exitCode;
    QuitWhenShown quitWhenShown;
    if (qEnvironmentVariableIsSet("CORVANNA_QUIT_WHEN_SHOWN"))
        form.installEventFilter(&quitWhenShown);
    form.show();
    return QApplication::exec();
}
