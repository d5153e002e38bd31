<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Availability</name>
    <message>
        <source>%1 and 1 more night</source>
        <translation>%1 und 1 weitere Nacht</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more nights</source>
        <translation>
            <numerusform>%1 und %n weitere Nacht</numerusform>
            <numerusform>%1 und %n weitere Nächte</numerusform>
        </translation>
    </message>
    <message>
        <source>This stay overbooks %1 %2 on %3 (%4 over). Save anyway?</source>
        <translation>Dieser Aufenthalt überbucht %2 „%1“ am %3 (%4 zu viel). Trotzdem speichern?</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The folder %1 could not be made: %2</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be copied</source>
        <translation>%1 konnte nicht kopiert werden</translation>
    </message>
    <message>
        <source>No old backups were removed, because the backup %1 is dated after today (%2); if the computer&apos;s clock is wrong, correct it.</source>
        <translation>Es wurden keine alten Sicherungen entfernt, weil die Sicherung %1 nach dem heutigen Tag (%2) datiert ist; geht die Uhr des Computers falsch, stellen Sie sie bitte richtig.</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The backup could not be written to the folder %1: %2</source>
        <translation>Die Sicherung konnte nicht in den Ordner %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The copy failed its integrity check: %1</source>
        <translation>Die Kopie hat die Integritätsprüfung nicht bestanden: %1</translation>
    </message>
    <message>
        <source>%1 could not be written to the disk</source>
        <translation>%1 konnte nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>%1 could not be renamed</source>
        <translation>%1 konnte nicht umbenannt werden</translation>
    </message>
    <message>
        <source>The old backup %1 could not be removed</source>
        <translation>Die alte Sicherung %1 konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>The copy %1 failed its integrity check: %2</source>
        <translation>Die Kopie %1 hat die Integritätsprüfung nicht bestanden: %2</translation>
    </message>
    <message>
        <source>The working database has an unfinished write; start and close the program once, then restore again</source>
        <translation>In der Arbeitsdatenbank ist ein Schreibvorgang nicht abgeschlossen; starten und schließen Sie das Programm einmal und stellen Sie dann erneut wieder her</translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation>%1 konnte nicht ersetzt werden</translation>
    </message>
    <message>
        <source>The working database was replaced by another program; the file it replaced was not copied.</source>
        <translation>Die Arbeitsdatenbank wurde von einem anderen Programm ersetzt; die ersetzte Datei wurde nicht kopiert.</translation>
    </message>
    <message>
        <source>The backup cannot be restored while another program has the reservation database open. Close the program everywhere else, then restore again.</source>
        <translation>Die Sicherung kann nicht wiederhergestellt werden, solange ein anderes Programm die Reservierungsdatenbank geöffnet hat. Schließen Sie das Programm überall sonst und stellen Sie dann erneut wieder her.</translation>
    </message>
</context>
<context>
    <name>ComponentCheck</name>
    <message>
        <source>Please check for MDAC installation.<byte value="xd"/>
<byte value="xd"/>
Please check this: %1 and look for &apos;How to obtain this update&apos; section and download the appropriate update.<byte value="xd"/>
<byte value="xd"/>
Please email %2 with a screenshot of this message if you have any questions.</source>
        <translation>Bitte prüfen Sie die MDAC-Installation.<byte value="xd"/>
<byte value="xd"/>
Bitte sehen Sie hier nach: %1, suchen Sie den Abschnitt &apos;How to obtain this update&apos; und laden Sie das passende Update herunter.<byte value="xd"/>
<byte value="xd"/>
Bei Fragen senden Sie bitte eine E-Mail mit einem Bildschirmfoto dieser Meldung an %2.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>The disk is full: the list could not be exported to %1. Any earlier file of that name is unchanged.</source>
        <translation>Der Datenträger ist voll: Die Liste konnte nicht nach %1 exportiert werden. Eine frühere Datei dieses Namens ist unverändert.</translation>
    </message>
    <message>
        <source>The list could not be exported to %1 (%2). Any earlier file of that name is unchanged.</source>
        <translation>Die Liste konnte nicht nach %1 exportiert werden (%2). Eine frühere Datei dieses Namens ist unverändert.</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Reservierungen</translation>
    </message>
</context>
<context>
    <name>DayView</name>
    <message>
        <source>Arrivals</source>
        <translation>Anreisen</translation>
    </message>
    <message>
        <source>A&amp;rrivals</source>
        <translation>A&amp;nreisen</translation>
    </message>
    <message>
        <source>In the House</source>
        <translation>Im Haus</translation>
    </message>
    <message>
        <source>In the &amp;House</source>
        <translation>Im &amp;Haus</translation>
    </message>
    <message>
        <source>Departures</source>
        <translation>Abreisen</translation>
    </message>
    <message>
        <source>De&amp;partures</source>
        <translation>A&amp;breisen</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Search By Date</source>
        <translation>Nach Datum suchen</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle zeigen</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Neu anlegen</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Edit Selected</source>
        <translation>Auswahl bearbeiten</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Beispieldaten laden</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Object required</source>
        <translation>Objekt erforderlich</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Unzulässige Verwendung von Null</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Der Vorgang ist für ein geschlossenes Objekt nicht zulässig.</translation>
    </message>
    <message>
        <source>Command text was not set for the command object.</source>
        <translation>Für das Befehlsobjekt wurde kein Befehlstext festgelegt.</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>Das Element wurde in der Auflistung, die dem angeforderten Namen oder Ordinalwert entspricht, nicht gefunden.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation>BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht.</translation>
    </message>
</context>
<context>
    <name>FileEngine</name>
    <message>
        <source>The SQLite database driver is not available</source>
        <translation>Der SQLite-Datenbanktreiber ist nicht verfügbar</translation>
    </message>
    <message>
        <source>The database %1 was replaced by another program and could not be opened again: %2</source>
        <translation>Die Datenbank %1 wurde von einem anderen Programm ersetzt und konnte nicht erneut geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>GuestCheck</name>
    <message>
        <source>Rooms</source>
        <translation>Zimmer</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Zimmer</translation>
    </message>
    <message>
        <source>No. Of Rooms:</source>
        <translation>Zimmer:</translation>
    </message>
    <message>
        <source>Room Type:</source>
        <translation>Zimmertyp:</translation>
    </message>
    <message>
        <source> Wings</source>
        <translation>Flügel</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>Flügel</translation>
    </message>
    <message>
        <source>No. Of Wings:</source>
        <translation>Flügel:</translation>
    </message>
    <message>
        <source>Wing Type:</source>
        <translation>Flügeltyp:</translation>
    </message>
    <message>
        <source>Meeting Hall</source>
        <translation>Tagungssaal</translation>
    </message>
    <message>
        <source>No. Of Halls:</source>
        <translation>Säle:</translation>
    </message>
    <message>
        <source>Hall Type:</source>
        <translation>Saaltyp:</translation>
    </message>
    <message>
        <source>You forgot to input Guest Name.</source>
        <translation>Sie haben vergessen, den Namen des Gastes einzugeben.</translation>
    </message>
    <message>
        <source>You forgot to enter Number of %1.</source>
        <translation>Sie haben vergessen, die Anzahl einzugeben (%1).</translation>
    </message>
    <message>
        <source>You forgot to enter %1 Type.</source>
        <translation>Sie haben vergessen, den Typ einzugeben (%1).</translation>
    </message>
    <message>
        <source>You forgot to enter Credit Card Type.</source>
        <translation>Sie haben vergessen, die Kreditkartenart einzugeben.</translation>
    </message>
    <message>
        <source>You forgot to enter Credit Card Number.</source>
        <translation>Sie haben vergessen, die Kreditkartennummer einzugeben.</translation>
    </message>
    <message>
        <source>You forgot to enter Number Of Persons.</source>
        <translation>Sie haben vergessen, die Personenzahl einzugeben.</translation>
    </message>
    <message>
        <source>You forgot to enter Phone Number.</source>
        <translation>Sie haben vergessen, die Telefonnummer einzugeben.</translation>
    </message>
    <message>
        <source>You forgot to enter Address.</source>
        <translation>Sie haben vergessen, die Anschrift einzugeben.</translation>
    </message>
    <message>
        <source>Number of %1 must be a whole number.</source>
        <translation>Die Anzahl (%1) muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>Number of %1 cannot be more than %2.</source>
        <translation>Die Anzahl (%1) darf nicht größer als %2 sein.</translation>
    </message>
    <message>
        <source>Number Of Persons must be a whole number.</source>
        <translation>Die Personenzahl muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>Number Of Persons cannot be more than %1.</source>
        <translation>Die Personenzahl darf nicht größer als %1 sein.</translation>
    </message>
    <message>
        <source>Credit card is expired.</source>
        <translation>Die Kreditkarte ist abgelaufen.</translation>
    </message>
    <message>
        <source>Credit card expiry date is less than the check out date.</source>
        <translation>Die Kreditkarte läuft vor dem Abreisedatum ab.</translation>
    </message>
</context>
<context>
    <name>GuestCommands</name>
    <message>
        <source>The printer could not be started</source>
        <translation>Der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation>Der Druck wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>Guest profile of %1</source>
        <translation>Gastprofil von %1</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Telefon: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse: %1</translation>
    </message>
    <message>
        <source>Nationality: %1</source>
        <translation>Staatsangehörigkeit: %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <translation>Geburtsdatum: %1</translation>
    </message>
    <message>
        <source>Document: %1 %2, issued by %3, valid until %4</source>
        <translation>Ausweis: %1 %2, ausgestellt von %3, gültig bis %4</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notiz: %1</translation>
    </message>
    <message>
        <source>1 stay</source>
        <translation>1 Aufenthalt</translation>
    </message>
    <message numerus="yes">
        <source>%n stays</source>
        <translation>
            <numerusform>%n Aufenthalt</numerusform>
            <numerusform>%n Aufenthalte</numerusform>
        </translation>
    </message>
    <message>
        <source>Reservation %1: %2 to %3, %4 %5, %6 (%7)</source>
        <translation>Reservierung %1: %2 bis %3, %4 %5, %6 (%7)</translation>
    </message>
    <message>
        <source>booker</source>
        <translation>Bucher</translation>
    </message>
    <message>
        <source>guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>This database keeps no guest profiles (it was made by an older program and cannot be changed here), so the guests&apos; commands are not available.</source>
        <translation>Diese Datenbank führt keine Gastprofile (sie wurde von einem älteren Programm angelegt und kann hier nicht geändert werden), daher sind die Befehle für Gäste nicht verfügbar.</translation>
    </message>
    <message>
        <source>Link this reservation to the guest profile of %1?</source>
        <translation>Diese Reservierung mit dem Gastprofil von %1 verknüpfen?</translation>
    </message>
    <message>
        <source>Registration card %1</source>
        <translation>Meldeschein %1</translation>
    </message>
    <message>
        <source>Print the registration card</source>
        <translation>Meldeschein drucken</translation>
    </message>
    <message>
        <source>Guest %1</source>
        <translation>Gast %1</translation>
    </message>
    <message>
        <source>Export Guest</source>
        <translation>Gast exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The guest&apos;s data was written to %1 and %2.</source>
        <translation>Die Daten des Gastes wurden in %1 und %2 geschrieben.</translation>
    </message>
    <message>
        <source>The privacy rules erased 1 card number.</source>
        <translation>Die Datenschutzregeln haben 1 Kartennummer gelöscht.</translation>
    </message>
    <message numerus="yes">
        <source>The privacy rules erased %n card numbers.</source>
        <translation>
            <numerusform>Die Datenschutzregeln haben %n Kartennummer gelöscht.</numerusform>
            <numerusform>Die Datenschutzregeln haben %n Kartennummern gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>The privacy rules erased 1 guest profile.</source>
        <translation>Die Datenschutzregeln haben 1 Gastprofil gelöscht.</translation>
    </message>
    <message numerus="yes">
        <source>The privacy rules erased %n guest profiles.</source>
        <translation>
            <numerusform>Die Datenschutzregeln haben %n Gastprofil gelöscht.</numerusform>
            <numerusform>Die Datenschutzregeln haben %n Gastprofile gelöscht.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Guests</name>
    <message>
        <source>A guest profile needs a name.</source>
        <translation>Ein Gästeprofil braucht einen Namen.</translation>
    </message>
    <message>
        <source>Guest profile %1 no longer exists.</source>
        <translation>Das Gästeprofil %1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>Die Reservierung %1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Erased guest</source>
        <translation>Gelöschter Gast</translation>
    </message>
    <message>
        <source>An erased guest profile cannot be changed.</source>
        <translation>Ein gelöschtes Gästeprofil kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>A guest profile cannot be merged into itself.</source>
        <translation>Ein Gästeprofil kann nicht mit sich selbst zusammengeführt werden.</translation>
    </message>
    <message>
        <source>An erased guest profile cannot be merged.</source>
        <translation>Ein gelöschtes Gästeprofil kann nicht zusammengeführt werden.</translation>
    </message>
</context>
<context>
    <name>Invoice</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Einzelpreis</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Brutto</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total (taxes included)</source>
        <translation>Gesamt (inkl. Steuern)</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Steuern</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Payments received</source>
        <translation>Erhaltene Zahlungen</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4</source>
        <translation>%1  %2  %3  %4</translation>
    </message>
    <message>
        <source>Paid: %1</source>
        <translation>Bezahlt: %1</translation>
    </message>
    <message>
        <source>Balance due: %1</source>
        <translation>Offener Betrag: %1</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Anzahlung</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Erstattung</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Night, %1 %2</source>
        <translation>Nacht, %1 %2</translation>
    </message>
    <message>
        <source>Credit note %1 %2</source>
        <translation>Gutschrift %1 %2</translation>
    </message>
    <message>
        <source>Invoice %1 %2</source>
        <translation>Rechnung %1 %2</translation>
    </message>
    <message>
        <source>Tax number: %1</source>
        <translation>Steuernummer: %1</translation>
    </message>
    <message>
        <source>Credit note %1</source>
        <translation>Gutschrift %1</translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation>Rechnung %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Cancels invoice %1</source>
        <translation>Storniert Rechnung %1</translation>
    </message>
    <message>
        <source>Reservation %1</source>
        <translation>Reservierung %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 to %4</source>
        <translation>%1 %2, %3 bis %4</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>Der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation>Der Druck wurde nicht beendet</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>%1 drucken</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ListOutput</name>
    <message>
        <source>%1, printed %2</source>
        <translation>%1, gedruckt am %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>%1 drucken</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>Der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation>Der Druck wurde nicht abgeschlossen</translation>
    </message>
</context>
<context>
    <name>LocalCopy</name>
    <message>
        <source>The server cannot be reached, so this desk shows a read-only copy of the reservations: nothing was saved.</source>
        <translation>Der Server ist nicht erreichbar, daher zeigt dieser Platz eine schreibgeschützte Kopie der Reservierungen: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>%1
No local copy of the reservations is available.</source>
        <translation>%1
Es ist keine lokale Kopie der Reservierungen vorhanden.</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>&quot;%1&quot; is not an amount. Type it with digits and at most two decimals, for example %2.</source>
        <translation>„%1“ ist kein Betrag. Geben Sie ihn mit Ziffern und höchstens zwei Nachkommastellen ein, zum Beispiel %2.</translation>
    </message>
    <message>
        <source>This database keeps no accounts (it was made by an older program and cannot be changed here), so prices, folios, invoices and reports are not available.</source>
        <translation>Diese Datenbank führt keine Konten (sie stammt von einem älteren Programm und kann hier nicht geändert werden), daher sind Preise, Gästekonten, Rechnungen und Berichte nicht verfügbar.</translation>
    </message>
    <message>
        <source>This database keeps no accounts yet. Open it once with write access so that it can be brought up to date.</source>
        <translation>Diese Datenbank führt noch keine Konten. Öffnen Sie sie einmal mit Schreibrecht, damit sie auf den neuesten Stand gebracht werden kann.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>Die Reservierung %1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Night of %1</source>
        <translation>Nacht vom %1</translation>
    </message>
    <message>
        <source>Invoice %1 no longer exists.</source>
        <translation>Die Rechnung %1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The currency must be a three-letter ISO code, such as EUR or USD.</source>
        <translation>Die Währung muss ein ISO-Code aus drei Buchstaben sein, etwa EUR oder USD.</translation>
    </message>
    <message>
        <source>A tax rate needs a name.</source>
        <translation>Ein Steuersatz braucht einen Namen.</translation>
    </message>
    <message>
        <source>A tax rate lies between 0 % and 100 %.</source>
        <translation>Ein Steuersatz liegt zwischen 0 % und 100 %.</translation>
    </message>
    <message>
        <source>A rate needs a kind and a type.</source>
        <translation>Ein Preis braucht eine Art und einen Typ.</translation>
    </message>
    <message>
        <source>A price cannot be below zero.</source>
        <translation>Ein Preis kann nicht unter null liegen.</translation>
    </message>
    <message>
        <source>A rate needs at least one weekday.</source>
        <translation>Ein Preis braucht mindestens einen Wochentag.</translation>
    </message>
    <message>
        <source>A rate&apos;s range needs a first and a last night, the last not before the first.</source>
        <translation>Der Zeitraum eines Preises braucht eine erste und eine letzte Nacht, die letzte nicht vor der ersten.</translation>
    </message>
    <message>
        <source>The tax rate no longer exists.</source>
        <translation>Der Steuersatz existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The rate no longer exists.</source>
        <translation>Der Preis existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The night of %1 is not a night of this stay.</source>
        <translation>Die Nacht vom %1 gehört nicht zu diesem Aufenthalt.</translation>
    </message>
    <message>
        <source>Choose the tax rate of the night&apos;s price.</source>
        <translation>Wählen Sie den Steuersatz des Preises der Nacht.</translation>
    </message>
    <message>
        <source>A charge needs a description.</source>
        <translation>Eine Belastung braucht eine Beschreibung.</translation>
    </message>
    <message>
        <source>A charge needs a quantity.</source>
        <translation>Eine Belastung braucht eine Menge.</translation>
    </message>
    <message>
        <source>An amount must be above zero.</source>
        <translation>Ein Betrag muss über null liegen.</translation>
    </message>
    <message>
        <source>A payment needs a method.</source>
        <translation>Eine Zahlung braucht eine Zahlungsart.</translation>
    </message>
    <message>
        <source>A payment needs the day it was paid.</source>
        <translation>Eine Zahlung braucht den Tag, an dem sie bezahlt wurde.</translation>
    </message>
    <message>
        <source>This entry is already void, or no longer exists.</source>
        <translation>Dieser Eintrag ist bereits storniert oder existiert nicht mehr.</translation>
    </message>
    <message>
        <source>This reservation already has an invoice. Issue a credit note for it before a new invoice.</source>
        <translation>Diese Reservierung hat bereits eine Rechnung. Stellen Sie eine Gutschrift dafür aus, bevor Sie eine neue Rechnung ausstellen.</translation>
    </message>
    <message>
        <source>There is nothing to invoice: the account has no charge.</source>
        <translation>Es gibt nichts abzurechnen: Das Konto hat keine Belastung.</translation>
    </message>
    <message>
        <source>A credit note cannot be credited.</source>
        <translation>Eine Gutschrift kann nicht gutgeschrieben werden.</translation>
    </message>
    <message>
        <source>Invoice %1 already has a credit note.</source>
        <translation>Die Rechnung %1 hat bereits eine Gutschrift.</translation>
    </message>
</context>
<context>
    <name>Privacy</name>
    <message>
        <source>Card numbers are erased after 1 to %1 days.</source>
        <translation>Kartennummern werden nach 1 bis %1 Tagen gelöscht.</translation>
    </message>
    <message>
        <source>Guests are erased after 1 to %1 years.</source>
        <translation>Gäste werden nach 1 bis %1 Jahren gelöscht.</translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>Other accounts can still read %1</source>
        <translation>Andere Konten können noch lesen: %1</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>From the &amp;night of:</source>
        <translation>Ab der &amp;Nacht vom:</translation>
    </message>
    <message>
        <source>From the night of</source>
        <translation>Ab der Nacht vom</translation>
    </message>
    <message>
        <source>Cancel Reservation</source>
        <translation>Reservierung stornieren</translation>
    </message>
    <message>
        <source>Who cancels the reservation of %1?</source>
        <translation>Wer storniert die Reservierung von %1?</translation>
    </message>
    <message>
        <source>The &amp;guest</source>
        <translation>Der &amp;Gast</translation>
    </message>
    <message>
        <source>The &amp;hotel</source>
        <translation>Das &amp;Hotel</translation>
    </message>
</context>
<context>
    <name>RegistrationCard</name>
    <message>
        <source>Registration card, reservation %1</source>
        <translation>Meldeschein, Reservierung %1</translation>
    </message>
    <message>
        <source>Arrival: %1</source>
        <translation>Anreise: %1</translation>
    </message>
    <message>
        <source>Departure: %1</source>
        <translation>Abreise: %1</translation>
    </message>
    <message>
        <source>1 night</source>
        <translation>1 Nacht</translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation>
            <numerusform>%n Nacht</numerusform>
            <numerusform>%n Nächte</numerusform>
        </translation>
    </message>
    <message>
        <source>Accommodation: %1, %2</source>
        <translation>Unterkunft: %1, %2</translation>
    </message>
    <message>
        <source>Unit: not assigned yet</source>
        <translation>Einheit: noch nicht zugewiesen</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Einheit: %1</translation>
    </message>
    <message>
        <source>Guest %1 of %2: %3 (booker)</source>
        <translation>Gast %1 von %2: %3 (Bucher)</translation>
    </message>
    <message>
        <source>Guest %1 of %2: %3</source>
        <translation>Gast %1 von %2: %3</translation>
    </message>
    <message>
        <source>Nationality: %1</source>
        <translation>Staatsangehörigkeit: %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <translation>Geburtsdatum: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse: %1</translation>
    </message>
    <message>
        <source>Document: %1 %2, issued by %3, valid until %4</source>
        <translation>Ausweis: %1 %2, ausgestellt von %3, gültig bis %4</translation>
    </message>
    <message>
        <source>Signature of the guest</source>
        <translation>Unterschrift des Gastes</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1<byte value="xd"/>
%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
%2 in Zeile %3<byte value="xd"/><byte value="xd"/>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>RowLock</name>
    <message>
        <source>Guest Name</source>
        <translation>Name des Gastes</translation>
    </message>
    <message>
        <source>Accommodation</source>
        <translation>Unterkunft</translation>
    </message>
    <message>
        <source>Number of Rooms</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Leistungen</translation>
    </message>
    <message>
        <source>Number of Persons</source>
        <translation>Personenzahl</translation>
    </message>
    <message>
        <source>Check-In Date</source>
        <translation>Anreisedatum</translation>
    </message>
    <message>
        <source>Check-Out Date</source>
        <translation>Abreisedatum</translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation>Kartenart</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Kartennummer</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Anschrift</translation>
    </message>
</context>
<context>
    <name>ServerChoice</name>
    <message>
        <source>The server&apos;s tblRooms already holds %1 reservations; nothing was copied.</source>
        <translation>Die Tabelle tblRooms des Servers enthält bereits %1 Reservierungen; es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>The server&apos;s tblInventory already holds %1 entries; nothing was copied.</source>
        <translation>Die Tabelle tblInventory des Servers enthält bereits %1 Einträge; es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>%1 needs a server: a postgresql:// URL or key=value connection string</source>
        <translation>%1 braucht einen Server: eine postgresql://-URL oder eine Verbindungsangabe key=value</translation>
    </message>
    <message>
        <source>not a server: %1</source>
        <translation>kein Server: %1</translation>
    </message>
    <message>
        <source>usage: corvanna [--server TARGET | --local] [--copy-to-server TARGET]
  --server TARGET          keep the reservations on a PostgreSQL server from now on
                           (postgresql://user@host:port/dbname or key=value)
  --local                  back to the database file of this computer
  --copy-to-server TARGET  copy this computer&apos;s reservations to an empty server database
Passwords come from ~/.pgpass or PGPASSWORD and are never kept in the settings.
</source>
        <translation>Aufruf: corvanna [--server ZIEL | --local] [--copy-to-server ZIEL]
  --server ZIEL            die Reservierungen ab jetzt auf einem PostgreSQL-Server führen
                           (postgresql://user@host:port/dbname oder key=value)
  --local                  zurück zur Datenbankdatei dieses Computers
  --copy-to-server ZIEL    die Reservierungen dieses Computers in eine leere Serverdatenbank kopieren
Passwörter kommen aus ~/.pgpass oder PGPASSWORD und werden nie in den Einstellungen gespeichert.
</translation>
    </message>
</context>
<context>
    <name>ServerLogin</name>
    <message>
        <source>Password of %1:</source>
        <translation>Passwort für %1:</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Permission denied: the settings file %1 cannot be written</source>
        <translation>Zugriff verweigert: Die Einstellungsdatei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin %1 could not be read: %2</source>
        <translation>Die Oberfläche %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The skin %1 is not a valid style sheet</source>
        <translation>Die Oberfläche %1 ist kein gültiges Stylesheet</translation>
    </message>
</context>
<context>
    <name>Statements</name>
    <message>
        <source>The reservation key &quot;%1&quot; is not a whole number</source>
        <translation>Der Reservierungsschlüssel „%1“ ist keine ganze Zahl</translation>
    </message>
</context>
<context>
    <name>Stays</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2 %3, not the booked type</source>
        <translation>%1: %2 %3, nicht die gebuchte Art</translation>
    </message>
    <message>
        <source>This database keeps no stays (it was made by an older program and cannot be changed here), so check-in, check-out and units are not available.</source>
        <translation>Diese Datenbank führt keine Aufenthalte (sie stammt von einem älteren Programm und kann hier nicht geändert werden), daher sind Einchecken, Auschecken und Einheiten nicht verfügbar.</translation>
    </message>
    <message>
        <source>Select a reservation first.</source>
        <translation>Wählen Sie zuerst eine Reservierung aus.</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be checked in: its status is %2.</source>
        <translation>Die Reservierung von %1 kann nicht eingecheckt werden: Ihr Status ist „%2“.</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be checked out: its status is %2.</source>
        <translation>Die Reservierung von %1 kann nicht ausgecheckt werden: Ihr Status ist „%2“.</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be cancelled: its status is %2.</source>
        <translation>Die Reservierung von %1 kann nicht storniert werden: Ihr Status ist „%2“.</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be marked as a no-show: its status is %2.</source>
        <translation>Die Reservierung von %1 kann nicht als No-Show markiert werden: Ihr Status ist „%2“.</translation>
    </message>
    <message>
        <source>No unit is free for every night of %1&apos;s stay. Free a unit in the room chart, or add one under Tools, Units.</source>
        <translation>Keine Einheit ist für alle Nächte des Aufenthalts von %1 frei. Geben Sie im Zimmerplan eine Einheit frei oder legen Sie unter Extras, Einheiten eine an.</translation>
    </message>
    <message>
        <source>Check In</source>
        <translation>Einchecken</translation>
    </message>
    <message>
        <source>Which unit does %1 take? Units of the booked type (%2 %3) come first.</source>
        <translation>Welche Einheit erhält %1? Einheiten der gebuchten Art (%2 %3) stehen zuerst.</translation>
    </message>
    <message>
        <source>%1 holds that unit on the night of %2, so %3 was not checked in.</source>
        <translation>%1 belegt diese Einheit in der Nacht vom %2, daher wurde %3 nicht eingecheckt.</translation>
    </message>
    <message>
        <source>Mark %1 as a no-show? The reservation stays in the list and its units are freed.</source>
        <translation>%1 als No-Show markieren? Die Reservierung bleibt in der Liste, und ihre Einheiten werden frei.</translation>
    </message>
    <message>
        <source>There is no check-in or check-out of %1 to undo.</source>
        <translation>Für %1 gibt es kein Einchecken oder Auschecken, das rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>Undo the last check-in or check-out of %1?</source>
        <translation>Das letzte Einchecken oder Auschecken von %1 rückgängig machen?</translation>
    </message>
    <message>
        <source>Unit %1 is held by %2 on the night of %3, so the stay was not moved.</source>
        <translation>Einheit %1 ist in der Nacht vom %3 durch %2 belegt, daher wurde der Aufenthalt nicht verlegt.</translation>
    </message>
    <message>
        <source>The stay&apos;s history cannot be read.</source>
        <translation>Der Verlauf des Aufenthalts kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>Die Reservierung %1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>A stay that is %1 holds no unit.</source>
        <translation>Ein Aufenthalt mit dem Status „%1“ belegt keine Einheit.</translation>
    </message>
    <message>
        <source>This reservation&apos;s dates give no night to hold a unit.</source>
        <translation>Die Daten dieser Reservierung ergeben keine Nacht, für die eine Einheit belegt werden kann.</translation>
    </message>
    <message>
        <source>The night %1 is not one of this stay&apos;s nights.</source>
        <translation>Die Nacht %1 gehört nicht zu diesem Aufenthalt.</translation>
    </message>
    <message>
        <source>The unit no longer exists.</source>
        <translation>Die Einheit existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The unit %1 is out of service.</source>
        <translation>Die Einheit %1 ist außer Betrieb.</translation>
    </message>
    <message>
        <source>A unit needs a name.</source>
        <translation>Eine Einheit braucht einen Namen.</translation>
    </message>
    <message>
        <source>A unit needs a kind and a type.</source>
        <translation>Eine Einheit braucht eine Art und einen Typ.</translation>
    </message>
    <message>
        <source>There is already a unit named %1.</source>
        <translation>Es gibt bereits eine Einheit namens %1.</translation>
    </message>
    <message>
        <source>This unit holds a stay. Move the stay to another unit first, or take the unit out of service.</source>
        <translation>Diese Einheit ist durch einen Aufenthalt belegt. Verlegen Sie den Aufenthalt zuerst in eine andere Einheit oder nehmen Sie die Einheit außer Betrieb.</translation>
    </message>
    <message>
        <source>There is no check-in or check-out of this stay to undo.</source>
        <translation>Für diesen Aufenthalt gibt es kein Einchecken oder Auschecken, das rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>The unit is now held by %1 on %2; the check-in or check-out cannot be undone.</source>
        <translation>Die Einheit ist jetzt am %2 durch %1 belegt; das Einchecken oder Auschecken kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>erwartet</translation>
    </message>
    <message>
        <source>in house</source>
        <translation>im Haus</translation>
    </message>
    <message>
        <source>checked out</source>
        <translation>abgereist</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>storniert</translation>
    </message>
    <message>
        <source>no-show</source>
        <translation>No-Show</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>ohne Angabe eines Grundes</translation>
    </message>
    <message>
        <source>by the guest</source>
        <translation>durch den Gast</translation>
    </message>
    <message>
        <source>by the hotel</source>
        <translation>durch das Hotel</translation>
    </message>
</context>
<context>
    <name>corvanna::AvailabilityWindow</name>
    <message>
        <source>Availability</source>
        <translation>Verfügbarkeit</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Ab:</translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation>
            <numerusform>%n Nacht</numerusform>
            <numerusform>%n Nächte</numerusform>
        </translation>
    </message>
    <message>
        <source>Free units per night; ! marks an over-booked night. (n): booked, no inventory entered.</source>
        <translation>Freie Einheiten je Nacht; ! kennzeichnet eine überbuchte Nacht. (n): gebucht, kein Bestand erfasst.</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Name des Gastes</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation>Anreise</translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation>Abreise</translation>
    </message>
    <message>
        <source>id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Reservations of the night</source>
        <translation>Reservierungen der Nacht</translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, %4 over</source>
        <translation>%1 am %2: %3 gebucht, %4 zu viel</translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, %4 free</source>
        <translation>%1 am %2: %3 gebucht, %4 frei</translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, no inventory entered</source>
        <translation>%1 am %2: %3 gebucht, kein Bestand erfasst</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 am %2</translation>
    </message>
</context>
<context>
    <name>corvanna::DayViewWindow</name>
    <message>
        <source>The dates are reversed: the check-out date is before the check-in date.</source>
        <translation>Die Daten sind vertauscht: Das Abreisedatum liegt vor dem Anreisedatum.</translation>
    </message>
    <message>
        <source>%1, dates reversed</source>
        <translation>%1, Daten vertauscht</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>&amp;Ansicht:</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>Reservations of the day</source>
        <translation>Reservierungen des Tages</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A day view&apos;s name and its date, as the list&apos;s title: &quot;Arrivals 08/12/2026&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 - 1 reservation</source>
        <translation>%1 - 1 Reservierung</translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n reservations</source>
        <translation>
            <numerusform>%1 - %n Reservierung</numerusform>
            <numerusform>%1 - %n Reservierungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Check &amp;In</source>
        <translation>E&amp;inchecken</translation>
    </message>
    <message>
        <source>Check &amp;Out</source>
        <translation>A&amp;uschecken</translation>
    </message>
    <message>
        <source>&amp;Cancel…</source>
        <translation>&amp;Stornieren…</translation>
    </message>
    <message>
        <source>No-&amp;show</source>
        <translation>N&amp;o-Show</translation>
    </message>
    <message>
        <source>&amp;Undo Check-in/Check-out</source>
        <translation>Ein-/Auschecken &amp;rückgängig</translation>
    </message>
    <message>
        <source>Sta&amp;y</source>
        <translation>Au&amp;fenthalt</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Aufenthalt</translation>
    </message>
    <message>
        <source>&amp;Folio…</source>
        <translation>Gäste&amp;konto…</translation>
    </message>
</context>
<context>
    <name>corvanna::FolioWindow</name>
    <message>
        <source>Night, price set by hand</source>
        <translation>Nacht, Preis von Hand</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Belastung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Anzahlung</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Erstattung</translation>
    </message>
    <message>
        <source>Folio</source>
        <translation>Gästekonto</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Einzelpreis</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Rezeption</translation>
    </message>
    <message>
        <source>Night&apos;s price</source>
        <translation>Preis der Nacht</translation>
    </message>
    <message>
        <source>Tax rate of the night&apos;s price</source>
        <translation>Steuersatz des Preises der Nacht</translation>
    </message>
    <message>
        <source>Set &amp;Price</source>
        <translation>&amp;Preis setzen</translation>
    </message>
    <message>
        <source>Charge&apos;s description</source>
        <translation>Beschreibung der Belastung</translation>
    </message>
    <message>
        <source>Add &amp;Charge</source>
        <translation>Belastung &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Kind of payment</source>
        <translation>Art der Zahlung</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Bank transfer</source>
        <translation>Überweisung</translation>
    </message>
    <message>
        <source>Add Pa&amp;yment</source>
        <translation>&amp;Zahlung hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Night:</source>
        <translation>&amp;Nacht:</translation>
    </message>
    <message>
        <source>C&amp;harge:</source>
        <translation>&amp;Belastung:</translation>
    </message>
    <message>
        <source>Pay&amp;ment:</source>
        <translation>Za&amp;hlung:</translation>
    </message>
    <message>
        <source>Invoices</source>
        <translation>Rechnungen</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Issued</source>
        <translation>Ausgestellt</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>&amp;Void</source>
        <translation>S&amp;tornieren</translation>
    </message>
    <message>
        <source>&amp;Invoice</source>
        <translation>&amp;Rechnung</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Als P&amp;DF speichern…</translation>
    </message>
    <message>
        <source>C&amp;redit Note</source>
        <translation>&amp;Gutschrift</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Tax rate as before</source>
        <translation>Steuersatz wie bisher</translation>
    </message>
    <message>
        <source>%1, %2 %3, %4 to %5, reservation %6</source>
        <translation>%1, %2 %3, %4 bis %5, Reservierung %6</translation>
    </message>
    <message>
        <source>Folio of %1</source>
        <translation>Gästekonto von %1</translation>
    </message>
    <message>
        <source>%1 (void)</source>
        <translation>%1 (storniert)</translation>
    </message>
    <message>
        <source>Cancelled or a no-show: the stay&apos;s nights are not charged.</source>
        <translation>Storniert oder No-Show: Die Nächte des Aufenthalts werden nicht berechnet.</translation>
    </message>
    <message>
        <source>1 night without a price: %1</source>
        <translation>1 Nacht ohne Preis: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n nights without a price: %1</source>
        <translation>
            <numerusform>%n Nacht ohne Preis: %1</numerusform>
            <numerusform>%n Nächte ohne Preis: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Charges: %1</source>
        <translation>Belastungen: %1</translation>
    </message>
    <message>
        <source>Paid: %1</source>
        <translation>Bezahlt: %1</translation>
    </message>
    <message>
        <source>Balance: %1</source>
        <translation>Saldo: %1</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>kein Preis</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Credit note</source>
        <translation>Gutschrift</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>This stay has no night to price.</source>
        <translation>Dieser Aufenthalt hat keine Nacht, die einen Preis braucht.</translation>
    </message>
    <message>
        <source>No rate prices the night of %1: choose the tax rate of its price.</source>
        <translation>Kein Preis gilt für die Nacht vom %1: Wählen Sie den Steuersatz ihres Preises.</translation>
    </message>
    <message>
        <source>A charge needs a description.</source>
        <translation>Eine Belastung braucht eine Beschreibung.</translation>
    </message>
    <message>
        <source>Add a tax rate first (Tools, Hotel…): every charge names its tax.</source>
        <translation>Legen Sie zuerst einen Steuersatz an (Extras, Hotel…): Jede Belastung nennt ihre Steuer.</translation>
    </message>
    <message>
        <source>A payment needs an amount above zero.</source>
        <translation>Eine Zahlung braucht einen Betrag über null.</translation>
    </message>
    <message>
        <source>A payment needs a method: choose or type how it was paid.</source>
        <translation>Eine Zahlung braucht eine Zahlungsart: Wählen oder schreiben Sie, wie bezahlt wurde.</translation>
    </message>
    <message>
        <source>Select a charge or a payment first.</source>
        <translation>Wählen Sie zuerst eine Belastung oder eine Zahlung.</translation>
    </message>
    <message>
        <source>A night is not voided: set its price instead (0 for a night not charged).</source>
        <translation>Eine Nacht wird nicht storniert: Setzen Sie stattdessen ihren Preis (0 für eine Nacht, die nicht berechnet wird).</translation>
    </message>
    <message>
        <source>This entry is void already.</source>
        <translation>Dieser Eintrag ist bereits storniert.</translation>
    </message>
    <message>
        <source>Void the entry &quot;%1&quot; of %2 from %3? It stays in the account, marked void.</source>
        <translation>Den Eintrag „%1“ über %2 vom %3 stornieren? Er bleibt als storniert im Konto.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Invoice %1 covers this stay. Cancel it by a credit note before issuing a new one.</source>
        <translation>Die Rechnung %1 deckt diesen Aufenthalt ab. Stornieren Sie sie mit einer Gutschrift, bevor Sie eine neue ausstellen.</translation>
    </message>
    <message>
        <source>There is nothing to invoice: the account has no charge.</source>
        <translation>Es gibt nichts abzurechnen: Das Konto hat keine Belastung.</translation>
    </message>
    <message>
        <source>1 night of this stay has no price and will not be on the invoice. Issue it anyway?</source>
        <translation>1 Nacht dieses Aufenthalts hat keinen Preis und steht nicht auf der Rechnung. Trotzdem ausstellen?</translation>
    </message>
    <message numerus="yes">
        <source>%n nights of this stay have no price and will not be on the invoice. Issue it anyway?</source>
        <translation>
            <numerusform>%n Nacht dieses Aufenthalts hat keinen Preis und steht nicht auf der Rechnung. Trotzdem ausstellen?</numerusform>
            <numerusform>%n Nächte dieses Aufenthalts haben keinen Preis und stehen nicht auf der Rechnung. Trotzdem ausstellen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Issue an invoice of %1 to %2? Its number cannot be taken back: a credit note cancels it.</source>
        <translation>Eine Rechnung über %1 an %2 ausstellen? Ihre Nummer kann nicht zurückgenommen werden: Eine Gutschrift storniert sie.</translation>
    </message>
    <message>
        <source>Select an invoice first.</source>
        <translation>Wählen Sie zuerst eine Rechnung.</translation>
    </message>
    <message>
        <source>%1 is a credit note: only an invoice is cancelled by one.</source>
        <translation>%1 ist eine Gutschrift: Nur eine Rechnung wird durch eine Gutschrift storniert.</translation>
    </message>
    <message>
        <source>Invoice %1 is cancelled by a credit note already.</source>
        <translation>Die Rechnung %1 ist bereits durch eine Gutschrift storniert.</translation>
    </message>
    <message>
        <source>Cancel invoice %1 by a credit note?</source>
        <translation>Die Rechnung %1 durch eine Gutschrift stornieren?</translation>
    </message>
</context>
<context>
    <name>corvanna::Form1</name>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>Die Sicherung konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>The reservations are on a database server, whose own backups keep them.</source>
        <translation>Die Reservierungen liegen auf einem Datenbankserver, dessen eigene Sicherungen sie bewahren.</translation>
    </message>
    <message>
        <source>The database was backed up to %1.</source>
        <translation>Die Datenbank wurde nach %1 gesichert.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>There are no backups to restore.</source>
        <translation>Es gibt keine Sicherungen zum Wiederherstellen.</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged and cannot be restored.</source>
        <translation>Die Sicherung vom %1 ist beschädigt und kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Replace the working database with the backup of %1 (reservations: %2)? Reservations only in the working database: %3, only in the backup: %4, changed since the backup: %5; the working database is kept as %6 in the Backups folder.</source>
        <translation>Die Arbeitsdatenbank durch die Sicherung vom %1 ersetzen (Reservierungen: %2)? Reservierungen nur in der Arbeitsdatenbank: %3, nur in der Sicherung: %4, seit der Sicherung geändert: %5; die Arbeitsdatenbank wird als %6 im Ordner Backups aufbewahrt.</translation>
    </message>
    <message>
        <source>The backup of %1 was restored.</source>
        <translation>Die Sicherung vom %1 wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Reservierungen</translation>
    </message>
    <message>
        <source>Check In Date:</source>
        <translation>Anreisedatum:</translation>
    </message>
    <message>
        <source>Check Out Date:</source>
        <translation>Abreisedatum:</translation>
    </message>
    <message>
        <source>Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Doppelklick auf einen Eintrag entfernt ihn. Ziehen Sie die Linie | nach rechts aus dem Fenster, um die vollen Namen zu sehen.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 nicht gefunden.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Reservations %1 to %2</source>
        <translation>Reservierungen %1 bis %2</translation>
    </message>
    <message>
        <source>All reservations</source>
        <translation>Alle Reservierungen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Reservation</source>
        <translation>&amp;Reservierung</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Back Up Now</source>
        <translation>&amp;Jetzt sichern</translation>
    </message>
    <message>
        <source>&amp;Restore…</source>
        <translation>&amp;Wiederherstellen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Edit Selected</source>
        <translation>Auswahl &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>Auswahl &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Load Sample/Example Data</source>
        <translation>B&amp;eispieldaten laden</translation>
    </message>
    <message>
        <source>&amp;Search By Date</source>
        <translation>Nach &amp;Datum suchen</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>A&amp;lle zeigen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>A&amp;vailability…</source>
        <translation>&amp;Verfügbarkeit…</translation>
    </message>
    <message>
        <source>&amp;Inventory…</source>
        <translation>&amp;Bestand…</translation>
    </message>
    <message>
        <source>&amp;About Corvanna</source>
        <translation>&amp;Über Corvanna</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>S&amp;uchen:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Name, phone, address, id, card</source>
        <translation>Name, Telefon, Anschrift, ID, Karte</translation>
    </message>
    <message>
        <source>%1, find &quot;%2&quot;</source>
        <translation>%1, Suche „%2“</translation>
    </message>
    <message>
        <source>PostgreSQL server, %1</source>
        <translation>PostgreSQL-Server, %1</translation>
    </message>
    <message>
        <source>%1 %2
Front desk reservations for a small hotel.

Data folder: %3
Database: %4</source>
        <translation>%1 %2
Reservierungen an der Rezeption eines kleinen Hotels.

Datenordner: %3
Datenbank: %4</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The translation %1 could not be loaded; it is used from the next start on if it can be loaded then.</source>
        <translation>Die Übersetzung %1 konnte nicht geladen werden; sie wird ab dem nächsten Start verwendet, wenn sie sich dann laden lässt.</translation>
    </message>
    <message>
        <source>The menus and the main window speak the chosen language now. Windows that are open or were opened before follow at the next start.</source>
        <translation>Die Menüs und das Hauptfenster verwenden jetzt die gewählte Sprache. Fenster, die geöffnet sind oder schon geöffnet waren, folgen beim nächsten Start.</translation>
    </message>
    <message>
        <source>Keeping today&apos;s backup of the reservations…</source>
        <translation>Die heutige Sicherung der Reservierungen wird angelegt…</translation>
    </message>
    <message>
        <source>%1 - %2 - read-only copy as of %3</source>
        <translation>%1 - %2 - schreibgeschützte Kopie, Stand %3</translation>
    </message>
    <message>
        <source>The server cannot be reached. The list shows a read-only copy of the reservations as of %1; nothing can be saved until the server is back.</source>
        <translation>Der Server ist nicht erreichbar. Die Liste zeigt eine schreibgeschützte Kopie der Reservierungen mit Stand %1; bis der Server wieder erreichbar ist, kann nichts gespeichert werden.</translation>
    </message>
    <message>
        <source>Check &amp;In</source>
        <translation>E&amp;inchecken</translation>
    </message>
    <message>
        <source>Check &amp;Out</source>
        <translation>A&amp;uschecken</translation>
    </message>
    <message>
        <source>&amp;Cancel…</source>
        <translation>&amp;Stornieren…</translation>
    </message>
    <message>
        <source>No-&amp;show</source>
        <translation>N&amp;o-Show</translation>
    </message>
    <message>
        <source>&amp;Undo Check-in/Check-out</source>
        <translation>Ein-/Auschecken &amp;rückgängig</translation>
    </message>
    <message>
        <source>R&amp;oom Chart</source>
        <translation>&amp;Zimmerplan</translation>
    </message>
    <message>
        <source>&amp;Units…</source>
        <translation>&amp;Einheiten…</translation>
    </message>
    <message>
        <source>&amp;Guests of the Stay…</source>
        <translation>&amp;Gäste des Aufenthalts…</translation>
    </message>
    <message>
        <source>&amp;Registration Card…</source>
        <translation>&amp;Meldeschein…</translation>
    </message>
    <message>
        <source>&amp;Guests…</source>
        <translation>&amp;Gäste…</translation>
    </message>
    <message>
        <source>&amp;Privacy…</source>
        <translation>&amp;Datenschutz…</translation>
    </message>
    <message>
        <source>Select a reservation first.</source>
        <translation>Wählen Sie zuerst eine Reservierung.</translation>
    </message>
    <message>
        <source>&amp;Folio…</source>
        <translation>Gäste&amp;konto…</translation>
    </message>
    <message>
        <source>R&amp;eports…</source>
        <translation>Beri&amp;chte…</translation>
    </message>
    <message>
        <source>&amp;Hotel…</source>
        <translation>&amp;Hotel…</translation>
    </message>
    <message>
        <source>R&amp;ates…</source>
        <translation>&amp;Preise…</translation>
    </message>
    <message>
        <source>Bringing the reservation database up to date for this version of Corvanna…</source>
        <translation>Die Reservierungsdatenbank wird für diese Version von Corvanna aktualisiert…</translation>
    </message>
</context>
<context>
    <name>corvanna::Form2</name>
    <message>
        <source>Add New Guest</source>
        <translation>Neuer Gast</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Name des Gastes</translation>
    </message>
    <message>
        <source>Room Details</source>
        <translation>Zimmerangaben</translation>
    </message>
    <message>
        <source>No. of Rooms:</source>
        <translation>Zimmer:</translation>
    </message>
    <message>
        <source>Room Type:</source>
        <translation>Zimmertyp:</translation>
    </message>
    <message>
        <source>Check In Date:</source>
        <translation>Anreise:</translation>
    </message>
    <message>
        <source>No. Of Persons:</source>
        <translation>Personen:</translation>
    </message>
    <message>
        <source>Service Included:</source>
        <translation>Leistungen:</translation>
    </message>
    <message>
        <source>Breakfast, Lunch, Dinner, Security</source>
        <translation>Frühstück, Mittagessen, Abendessen, Sicherheit</translation>
    </message>
    <message>
        <source>Check Out Date:</source>
        <translation>Abreise:</translation>
    </message>
    <message>
        <source>Other Information</source>
        <translation>Weitere Angaben</translation>
    </message>
    <message>
        <source>Credit Card Type:</source>
        <translation>Kartenart:</translation>
    </message>
    <message>
        <source>Credit Card Num:</source>
        <translation>Kartennummer:</translation>
    </message>
    <message>
        <source>Expiry Date:</source>
        <translation>Gültig bis:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Anschrift:</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>If you need fields added to this form, please email me at %1</source>
        <translation>Wenn Sie weitere Felder in diesem Formular benötigen, schreiben Sie mir bitte eine E-Mail an %1</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds a NUL character, which the database server cannot store. Retype the field, then save again.</source>
        <translation>Das Feld „%1“ enthält ein NUL-Zeichen, das der Datenbankserver nicht speichern kann. Geben Sie das Feld neu ein und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>Some stored values of this reservation could not be shown, and saving will replace them. Save anyway?</source>
        <translation>Einige gespeicherte Werte dieser Reservierung konnten nicht angezeigt werden, und das Speichern ersetzt sie. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>This reservation no longer exists, so nothing was saved.</source>
        <translation>Diese Reservierung besteht nicht mehr; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Save what you typed as a new reservation?</source>
        <translation>Ihre Eingaben als neue Reservierung speichern?</translation>
    </message>
    <message>
        <source>Successfully Saved.</source>
        <translation>Erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>Another desk changed this reservation after you opened it: %1.

Save your entries over its changes?</source>
        <translation>Ein anderer Platz hat diese Reservierung geändert, nachdem Sie sie geöffnet haben: %1.

Ihre Eingaben über diese Änderungen speichern?</translation>
    </message>
    <message>
        <source>Another desk deleted this reservation after you opened it.

Save your entries as a new reservation?</source>
        <translation>Ein anderer Platz hat diese Reservierung gelöscht, nachdem Sie sie geöffnet haben.

Ihre Eingaben als neue Reservierung speichern?</translation>
    </message>
</context>
<context>
    <name>corvanna::GuestsWindow</name>
    <message>
        <source>Guests</source>
        <translation>Gäste</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Name, phone, e-mail, address</source>
        <translation>Name, Telefon, E-Mail, Adresse</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>S&amp;uchen:</translation>
    </message>
    <message>
        <source>Guest profiles</source>
        <translation>Gastprofile</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Phone:</source>
        <translation>&amp;Telefon:</translation>
    </message>
    <message>
        <source>E-m&amp;ail:</source>
        <translation>E-M&amp;ail:</translation>
    </message>
    <message>
        <source>A&amp;ddress:</source>
        <translation>A&amp;dresse:</translation>
    </message>
    <message>
        <source>Nationa&amp;lity:</source>
        <translation>&amp;Staatsangehörigkeit:</translation>
    </message>
    <message>
        <source>Date of &amp;birth:</source>
        <translation>Ge&amp;burtsdatum:</translation>
    </message>
    <message>
        <source>Document &amp;type:</source>
        <translation>Aus&amp;weisart:</translation>
    </message>
    <message>
        <source>Document n&amp;umber:</source>
        <translation>Ausw&amp;eisnummer:</translation>
    </message>
    <message>
        <source>Issued b&amp;y:</source>
        <translation>Ausgestellt &amp;von:</translation>
    </message>
    <message>
        <source>&amp;Valid until:</source>
        <translation>&amp;Gültig bis:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;otiz:</translation>
    </message>
    <message>
        <source>Stays</source>
        <translation>Aufenthalte</translation>
    </message>
    <message>
        <source>Check-in</source>
        <translation>Anreise</translation>
    </message>
    <message>
        <source>Check-out</source>
        <translation>Abreise</translation>
    </message>
    <message>
        <source>Nights</source>
        <translation>Nächte</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>&amp;Save Guest</source>
        <translation>Gast s&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Merge…</source>
        <translation>&amp;Zusammenführen…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Erase…</source>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Booker</source>
        <translation>Bucher</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Please enter the guest&apos;s name.</source>
        <translation>Bitte geben Sie den Namen des Gastes ein.</translation>
    </message>
    <message>
        <source>Save the changes to the profile of %1?</source>
        <translation>Die Änderungen am Profil von %1 speichern?</translation>
    </message>
    <message>
        <source>The changes were not saved, because the guest&apos;s name was empty.</source>
        <translation>Die Änderungen wurden nicht gespeichert, weil der Name des Gastes leer war.</translation>
    </message>
    <message>
        <source>Merge the profile of %1 (no. %2) into the profile of %3 (no. %4)? Every stay of no. %2 moves to no. %4, and no. %2 is removed.</source>
        <translation>Das Profil von %1 (Nr. %2) mit dem Profil von %3 (Nr. %4) zusammenführen? Jeder Aufenthalt von Nr. %2 geht auf Nr. %4 über, und Nr. %2 wird entfernt.</translation>
    </message>
    <message>
        <source>Erase everything held about %1? This cannot be undone.</source>
        <translation>Alles über %1 Gespeicherte löschen? Das kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>The profile&apos;s name, phone, e-mail, address, birth date, document and note go.</source>
        <translation>Name, Telefon, E-Mail, Adresse, Geburtsdatum, Ausweis und Notiz des Profils werden gelöscht.</translation>
    </message>
    <message>
        <source>1 stay keeps its dates but loses the guest&apos;s name, address and phone.</source>
        <translation>1 Aufenthalt behält seine Daten, verliert aber Name, Adresse und Telefon des Gastes.</translation>
    </message>
    <message numerus="yes">
        <source>%n stays keep their dates but lose the guest&apos;s name, address and phone.</source>
        <translation>
            <numerusform>%n Aufenthalt behält seine Daten, verliert aber Name, Adresse und Telefon des Gastes.</numerusform>
            <numerusform>%n Aufenthalte behalten ihre Daten, verlieren aber Name, Adresse und Telefon des Gastes.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card number goes.</source>
        <translation>1 Kartennummer wird gelöscht.</translation>
    </message>
    <message numerus="yes">
        <source>%n card numbers go.</source>
        <translation>
            <numerusform>%n Kartennummer wird gelöscht.</numerusform>
            <numerusform>%n Kartennummern werden gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Ausgegeben</translation>
    </message>
</context>
<context>
    <name>corvanna::HotelWindow</name>
    <message>
        <source>Hotel</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Tax number:</source>
        <translation>&amp;Steuernummer:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>&amp;Footer:</source>
        <translation>&amp;Fußzeile:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Tax number</source>
        <translation>Steuernummer</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Fußzeile</translation>
    </message>
    <message>
        <source>Tax rates</source>
        <translation>Steuersätze</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Tax rate&apos;s name</source>
        <translation>Name des Steuersatzes</translation>
    </message>
    <message>
        <source>Tax rate in percent</source>
        <translation>Steuersatz in Prozent</translation>
    </message>
    <message>
        <source>Add &amp;Rate</source>
        <translation>Steuersatz &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a currency. Type its code of three letters, such as EUR or USD, or leave it empty for the currency of this computer&apos;s settings.</source>
        <translation>„%1“ ist keine Währung. Geben Sie ihren Code aus drei Buchstaben ein, etwa EUR oder USD, oder lassen Sie das Feld leer für die Währung der Einstellungen dieses Computers.</translation>
    </message>
    <message>
        <source>A tax rate needs a name.</source>
        <translation>Ein Steuersatz braucht einen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tax rate. Type a percentage from 0 to 100 with at most two decimals, for example %2.</source>
        <translation>„%1“ ist kein Steuersatz. Geben Sie einen Prozentsatz von 0 bis 100 mit höchstens zwei Nachkommastellen ein, zum Beispiel %2.</translation>
    </message>
</context>
<context>
    <name>corvanna::InventoryWindow</name>
    <message>
        <source>Rooms</source>
        <translation>Zimmer</translation>
    </message>
    <message>
        <source>Wings</source>
        <translation>Flügel</translation>
    </message>
    <message>
        <source>Meeting Halls</source>
        <translation>Tagungssäle</translation>
    </message>
    <message>
        <source>This database cannot keep an inventory (%1), so the program works without one.</source>
        <translation>Diese Datenbank kann keinen Bestand führen (%1); das Programm arbeitet ohne.</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Units of each type the hotel has. Leave Units empty for a type without a limit.</source>
        <translation>Einheiten jedes Typs, die das Hotel hat. Lassen Sie Einheiten für einen Typ ohne Grenze leer.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This database cannot keep an inventory.</source>
        <translation>Diese Datenbank kann keinen Bestand führen.</translation>
    </message>
    <message>
        <source>The units of %1 must be a whole number.</source>
        <translation>Die Einheiten von %1 müssen eine ganze Zahl sein.</translation>
    </message>
</context>
<context>
    <name>corvanna::ListRowDelegate</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>corvanna::PrivacyWindow</name>
    <message>
        <source>Card numbers erased</source>
        <translation>Kartennummern gelöscht</translation>
    </message>
    <message>
        <source>Guest erased</source>
        <translation>Gast gelöscht</translation>
    </message>
    <message>
        <source>Guests erased by age</source>
        <translation>Gäste nach Alter gelöscht</translation>
    </message>
    <message>
        <source>Guest exported</source>
        <translation>Gast exportiert</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Erase &amp;card numbers this many days after check-out:</source>
        <translation>&amp;Kartennummern so viele Tage nach der Abreise löschen:</translation>
    </message>
    <message>
        <source>Days after check-out</source>
        <translation>Tage nach der Abreise</translation>
    </message>
    <message>
        <source>Erase &amp;guest profiles this many years after their last stay:</source>
        <translation>&amp;Gastprofile so viele Jahre nach dem letzten Aufenthalt löschen:</translation>
    </message>
    <message>
        <source>Years after the last stay</source>
        <translation>Jahre nach dem letzten Aufenthalt</translation>
    </message>
    <message>
        <source>Privacy log</source>
        <translation>Datenschutzprotokoll</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>&amp;Log:</source>
        <translation>&amp;Protokoll:</translation>
    </message>
</context>
<context>
    <name>corvanna::RatesWindow</name>
    <message>
        <source>every day</source>
        <translation>jeden Tag</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Preise</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Wochentage</translation>
    </message>
    <message>
        <source>Price per night</source>
        <translation>Preis pro Nacht</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>&amp;Only the nights from</source>
        <translation>&amp;Nur die Nächte vom</translation>
    </message>
    <message>
        <source>&amp;Add Rate</source>
        <translation>Preis &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>&amp;Price per night:</source>
        <translation>&amp;Preis pro Nacht:</translation>
    </message>
    <message>
        <source>New rate</source>
        <translation>Neuer Preis</translation>
    </message>
    <message>
        <source>Nights without a price</source>
        <translation>Nächte ohne Preis</translation>
    </message>
    <message numerus="yes">
        <source>Nights of the next %n days without a price:</source>
        <translation>
            <numerusform>Nächte des nächsten %n Tages ohne Preis:</numerusform>
            <numerusform>Nächte der nächsten %n Tage ohne Preis:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Retire</source>
        <translation>&amp;Außer Kraft setzen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>1 night: %1</source>
        <translation>1 Nacht: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n nights: %1</source>
        <translation>
            <numerusform>%n Nacht: %1</numerusform>
            <numerusform>%n Nächte: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The last night of a rate cannot come before its first night.</source>
        <translation>Die letzte Nacht eines Preises kann nicht vor seiner ersten Nacht liegen.</translation>
    </message>
    <message>
        <source>A rate needs at least one weekday.</source>
        <translation>Ein Preis braucht mindestens einen Wochentag.</translation>
    </message>
    <message>
        <source>Add a tax rate first (Tools, Hotel…): every price names its tax.</source>
        <translation>Legen Sie zuerst einen Steuersatz an (Extras, Hotel…): Jeder Preis nennt seine Steuer.</translation>
    </message>
    <message>
        <source>Select a rate first.</source>
        <translation>Wählen Sie zuerst einen Preis.</translation>
    </message>
    <message>
        <source>Retire the rate of %1 for %2 %3? Nights it has priced keep their price.</source>
        <translation>Den Preis von %1 für %2 %3 außer Kraft setzen? Nächte, die er bepreist hat, behalten ihren Preis.</translation>
    </message>
</context>
<context>
    <name>corvanna::ReportsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Rows of the table</source>
        <translation>Zeilen der Tabelle</translation>
    </message>
    <message>
        <source>By day</source>
        <translation>Nach Tag</translation>
    </message>
    <message>
        <source>By month</source>
        <translation>Nach Monat</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>A&amp;nzeigen</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>CSV e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Units available</source>
        <translation>Verfügbare Einheiten</translation>
    </message>
    <message>
        <source>Nights sold</source>
        <translation>Verkaufte Nächte</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Auslastung</translation>
    </message>
    <message>
        <source>Room revenue</source>
        <translation>Logisumsatz</translation>
    </message>
    <message>
        <source>ADR</source>
        <translation>Durchschnittspreis</translation>
    </message>
    <message>
        <source>RevPAR</source>
        <translation>RevPAR</translation>
    </message>
    <message>
        <source>Occupancy and revenue</source>
        <translation>Auslastung und Umsatz</translation>
    </message>
    <message>
        <source>Occupancy chart</source>
        <translation>Auslastungsdiagramm</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Brutto</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Reservation</source>
        <translation>Reservierung</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Name des Gastes</translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation>Anreise</translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation>Abreise</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Revenue by tax rate</source>
        <translation>Umsatz nach Steuersatz</translation>
    </message>
    <message>
        <source>Payments by method</source>
        <translation>Zahlungen nach Zahlungsart</translation>
    </message>
    <message>
        <source>Open balances</source>
        <translation>Offene Salden</translation>
    </message>
    <message>
        <source>Deleted reservations with money</source>
        <translation>Gelöschte Reservierungen mit Buchungen</translation>
    </message>
    <message>
        <source>The period&apos;s last day cannot come before its first.</source>
        <translation>Der letzte Tag des Zeitraums kann nicht vor seinem ersten liegen.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Report %1 to %2</source>
        <translation>Bericht %1 bis %2</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>corvanna::ReservationModel</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Name des Gastes</translation>
    </message>
    <message>
        <source>Accomodation</source>
        <translation>Unterkunft</translation>
    </message>
    <message>
        <source>Number Of Rooms</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Services Included</source>
        <translation>Leistungen</translation>
    </message>
    <message>
        <source>Number of Persons</source>
        <translation>Personenzahl</translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation>Anreisedatum</translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation>Abreisedatum</translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation>Kartenart</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Kartennummer</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Anschrift</translation>
    </message>
    <message>
        <source>card number hidden</source>
        <translation>Kartennummer verborgen</translation>
    </message>
    <message>
        <source>card ending %1</source>
        <translation>Karte mit Endziffern %1</translation>
    </message>
</context>
<context>
    <name>corvanna::RestoreDialog</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Backups kept:</source>
        <translation>&amp;Aufbewahrte Sicherungen:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Reservierungen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>Replaced by a restore</source>
        <translation>Durch Wiederherstellung ersetzt</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Jetzt sichern</translation>
    </message>
    <message>
        <source>Day&apos;s copy</source>
        <translation>Tageskopie</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>corvanna::RoomChartView</name>
    <message>
        <source>Room chart</source>
        <translation>Zimmerplan</translation>
    </message>
    <message>
        <source>E</source>
        <comment>sign of an expected stay</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>H</source>
        <comment>sign of a stay in house</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>O</source>
        <comment>sign of a checked-out stay</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>C</source>
        <comment>sign of a cancelled stay</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <comment>sign of a no-show</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Without a unit</source>
        <translation>Ohne Einheit</translation>
    </message>
    <message>
        <source>%1, %2, unit %3, nights of %4 to %5</source>
        <translation>%1, %2, Einheit %3, Nächte vom %4 bis %5</translation>
    </message>
</context>
<context>
    <name>corvanna::RoomChartWindow</name>
    <message>
        <source>Room Chart</source>
        <translation>Zimmerplan</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Ab:</translation>
    </message>
    <message>
        <source>First night</source>
        <translation>Erste Nacht</translation>
    </message>
    <message>
        <source>Nights shown</source>
        <translation>Angezeigte Nächte</translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation>
            <numerusform>%n Nacht</numerusform>
            <numerusform>%n Nächte</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Previous Week</source>
        <translation>&amp;Vorige Woche</translation>
    </message>
    <message>
        <source>&amp;Next Week</source>
        <translation>&amp;Nächste Woche</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>E expected, H in house, O checked out. The first row counts the rooms of each night that have no unit yet.</source>
        <translation>E erwartet, H im Haus, A abgereist. Die erste Zeile zählt je Nacht die Zimmer, die noch keine Einheit haben.</translation>
    </message>
    <message>
        <source>&amp;Without a unit:</source>
        <translation>&amp;Ohne Einheit:</translation>
    </message>
    <message>
        <source>Stays without a unit</source>
        <translation>Aufenthalte ohne Einheit</translation>
    </message>
    <message>
        <source>&amp;Move to Unit…</source>
        <translation>Einheit &amp;wechseln…</translation>
    </message>
    <message>
        <source>Op&amp;en</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Check &amp;In</source>
        <translation>E&amp;inchecken</translation>
    </message>
    <message>
        <source>Check &amp;Out</source>
        <translation>A&amp;uschecken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1
%2 %3, %4 to %5</source>
        <translation>%1
%2 %3, %4 bis %5</translation>
    </message>
    <message>
        <source>Choose a stay in the chart or in the list of stays without a unit first.</source>
        <translation>Wählen Sie zuerst einen Aufenthalt im Plan oder in der Liste der Aufenthalte ohne Einheit.</translation>
    </message>
    <message>
        <source>Move to Unit</source>
        <translation>Einheit wechseln</translation>
    </message>
    <message>
        <source>Which unit does %1 move to, and from which night?</source>
        <translation>In welche Einheit wechselt %1, und ab welcher Nacht?</translation>
    </message>
    <message>
        <source>Which unit does %1 take?</source>
        <translation>Welche Einheit erhält %1?</translation>
    </message>
    <message>
        <source>There are no units in service. Add them under Tools, Units.</source>
        <translation>Es sind keine Einheiten in Betrieb. Legen Sie sie unter Extras, Einheiten an.</translation>
    </message>
    <message>
        <source>Fo&amp;lio…</source>
        <translation>Fo&amp;lio…</translation>
    </message>
</context>
<context>
    <name>corvanna::SchemaHistory</name>
    <message>
        <source>This database was written by a newer version of Corvanna (schema %1; this version knows up to %2). It is left unchanged: use the newer version.</source>
        <translation>Diese Datenbank wurde von einer neueren Version von Corvanna geschrieben (Schema %1; diese Version kennt bis %2). Sie bleibt unverändert: Verwenden Sie die neuere Version.</translation>
    </message>
</context>
<context>
    <name>corvanna::StayGuestsWindow</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Guests of Reservation %1</source>
        <translation>Gäste der Reservierung %1</translation>
    </message>
    <message>
        <source>Booker</source>
        <translation>Bucher</translation>
    </message>
    <message>
        <source>Further guests</source>
        <translation>Weitere Gäste</translation>
    </message>
    <message>
        <source>Guest to add</source>
        <translation>Hinzuzufügender Gast</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Booker:</source>
        <translation>&amp;Bucher:</translation>
    </message>
    <message>
        <source>&amp;Further guests:</source>
        <translation>&amp;Weitere Gäste:</translation>
    </message>
    <message>
        <source>A&amp;dd a guest:</source>
        <translation>Gast hin&amp;zufügen:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
</context>
<context>
    <name>corvanna::Stays</name>
    <message>
        <source>Only an expected guest can be checked in; this stay is %1.</source>
        <translation>Nur ein erwarteter Gast kann eingecheckt werden; dieser Aufenthalt ist „%1“.</translation>
    </message>
    <message>
        <source>Only a guest in the house can be checked out; this stay is %1.</source>
        <translation>Nur ein Gast im Haus kann ausgecheckt werden; dieser Aufenthalt ist „%1“.</translation>
    </message>
    <message>
        <source>Only an expected stay can be cancelled or marked as a no-show; this stay is %1.</source>
        <translation>Nur ein erwarteter Aufenthalt kann storniert oder als No-Show markiert werden; dieser Aufenthalt ist „%1“.</translation>
    </message>
</context>
<context>
    <name>corvanna::UnitsWindow</name>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>In Betrieb</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Units in service for %1 %2: %3. The inventory counts %4. Count the units from now on? (No keeps the inventory&apos;s count.)</source>
        <translation>Einheiten in Betrieb für %1 %2: %3. Der Bestand zählt %4. Ab jetzt die Einheiten zählen? (Nein behält die Zahl des Bestands.)</translation>
    </message>
    <message>
        <source>A unit needs a name.</source>
        <translation>Eine Einheit braucht einen Namen.</translation>
    </message>
    <message>
        <source>There is already a unit named %1. Each unit needs a name of its own.</source>
        <translation>Es gibt bereits eine Einheit namens %1. Jede Einheit braucht einen eigenen Namen.</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Einheit hinzufügen</translation>
    </message>
    <message>
        <source>Edit Unit</source>
        <translation>Einheit bearbeiten</translation>
    </message>
    <message>
        <source>&amp;In service</source>
        <translation>&amp;In Betrieb</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>A&amp;rea:</source>
        <translation>&amp;Bereich:</translation>
    </message>
    <message>
        <source>Select a unit first.</source>
        <translation>Wählen Sie zuerst eine Einheit aus.</translation>
    </message>
    <message>
        <source>Unit %1 holds a stay, so it cannot be removed. Move the stay to another unit first, or take the unit out of service.</source>
        <translation>Die Einheit %1 ist durch einen Aufenthalt belegt und kann daher nicht entfernt werden. Verlegen Sie den Aufenthalt zuerst in eine andere Einheit oder nehmen Sie die Einheit außer Betrieb.</translation>
    </message>
    <message>
        <source>Unit %1 holds the stay of %2, so it cannot be removed. Move the stay to another unit first, or take the unit out of service.</source>
        <translation>Die Einheit %1 ist durch den Aufenthalt von %2 belegt und kann daher nicht entfernt werden. Verlegen Sie den Aufenthalt zuerst in eine andere Einheit oder nehmen Sie die Einheit außer Betrieb.</translation>
    </message>
    <message>
        <source>Remove unit %1?</source>
        <translation>Einheit %1 entfernen?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvanna: arguments ignored (not options of this program): %1</source>
        <translation>corvanna: Argumente ignoriert (keine Optionen dieses Programms): %1</translation>
    </message>
</context>
</TS>
