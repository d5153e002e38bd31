// Corvanna: the front desk's reservations.
#include "app/form1.h"
#include "app/messagebox.h"
#include "app/product.h"
#include "app/session.h"
#include "support/platform.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    using namespace corvanna;
    if (!platform::hasDesktopDisplay()) {
        std::fputs("Corvanna needs a desktop display: start it from a desktop session "
                   "(or try: xvfb-run make run).\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(applicationIcon());
    setApplicationTitle(kProductName);

    MessageBoxDialogs dialogs;
    Session session{dialogs, Places::current()};
    session.onEnd = [](int code) { QCoreApplication::exit(code); };

    Form1 form(session);
    if (!form.Form_Load() || session.ended)
        return session.exitCode;
    form.show();
    return QApplication::exec();
}
