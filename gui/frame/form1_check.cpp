// The main window's database components check, run once by start-up.
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "support/componentcheck.h"

namespace corvanna {

void Form1::IsADOInstalled() {
    Session& session = m_session;
    checkDatabaseComponents({session.dialogs, session.places, session.databaseComponentsPresent,
                             session.processorAddressWidth, session.runAndWait,
                             [&session] { session.endProgram(0); }});
}

} // namespace corvanna
