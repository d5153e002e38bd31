#pragma once

#include "gui/editor/form2.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/reservationmodel.h"
#include "tests/common/testsupport.h"

#include <QByteArray>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QObject>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <memory>

namespace corvanna::test {

// A window's control found by its object name; a missing or mistyped control ends the test run.
template <class T> T* control(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("%s has no control %s of the expected type", qPrintable(window.objectName()), name);
    return found;
}

// The guest names a list shows, top to bottom.
inline QStringList shownNames(const ReservationModel& model) {
    QStringList names;
    for (int r = 0; r < model.rowCount(); ++r)
        names << model.cellText(r, ReservationModel::GuestName);
    return names;
}

// Every box of the editor filled so that a Save goes through: a stay of Ada Lovelace's.
inline void fillValid(Form2& e) {
    control<QLineEdit>(e, "Text1")->setText("Ada Lovelace");
    control<QLineEdit>(e, "Text2")->setText("1");
    control<QComboBox>(e, "Combo1")->setCurrentIndex(0);
    control<QComboBox>(e, "Combo2")->setEditText("VISA");
    control<QLineEdit>(e, "Text3")->setText("4111 1111");
    control<QLineEdit>(e, "Text4")->setText("2");
    control<QLineEdit>(e, "Text6")->setText("555 0100");
    control<QPlainTextEdit>(e, "Text7")->setPlainText("1 Harbour Road");
    control<QDateEdit>(e, "dtpExpiry")->setDate(QDate::currentDate().addYears(1));
}

// One desk: its own folders, message boxes and session, and its main window once started.
struct WindowDesk {
    TempPlaces places;
    ScriptedDialogs dialogs;
    Session session{dialogs, places.places};
    std::unique_ptr<Form1> form;

    // Makes and loads the main window; false when the load ended the program.
    bool start() {
        form = std::make_unique<Form1>(session);
        return form->Form_Load();
    }
    QStringList names() const { return shownNames(*form->listModel()); }
    // The editor loaded on the reservation with this id; an empty id opens it for a new one.
    std::unique_ptr<Form2> edit(const QString& id) {
        session.mHotelID = id;
        auto editor = std::make_unique<Form2>(*form);
        editor->Form_Load();
        return editor;
    }
};

} // namespace corvanna::test
