// Corvanna: the front desk's reservations.
#include "gui/form1.h"
#include "gui/messagebox.h"
#include "base/product.h"
#include "gui/session.h"
#include "support/platform.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {
// Measuring aid for the start-up benchmark (bench/): with CORVANNA_QUIT_WHEN_SHOWN set, the
// program quits as soon as its main window has been painted for the first time.
class QuitWhenShown : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    bool m_done = false;
};
} // namespace

int main(int argc, char* argv[]) {
    using namespace corvanna;
    if (!platform::hasDesktopDisplay()) {
        std::fputs("Corvanna needs a desktop display: start it from a desktop session "
                   "(or try: xvfb-run make run).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(applicationIcon());
    setApplicationTitle(kProductName);

    MessageBoxDialogs dialogs;
    Session session{dialogs, Places::current()};
    session.onEnd = [](int code) { QCoreApplication::exit(code); };

    Form1 form(session);
    if (!form.Form_Load() || session.ended) return session.exitCode;
    QuitWhenShown quitWhenShown;
    if (qEnvironmentVariableIsSet("CORVANNA_QUIT_WHEN_SHOWN"))
        form.installEventFilter(&quitWhenShown);
    form.show();
    return QApplication::exec();
}
