<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Availability</name>
    <message>
        <source>%1 and 1 more night</source>
        <translation>%1 e 1 altra notte</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more nights</source>
        <translation>
            <numerusform>%1 e %n altra notte</numerusform>
            <numerusform>%1 e altre %n notti</numerusform>
        </translation>
    </message>
    <message>
        <source>This stay overbooks %1 %2 on %3 (%4 over). Save anyway?</source>
        <translation>Questo soggiorno sovraprenota %2 «%1» il %3 (%4 in eccesso). Salvare comunque?</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The folder %1 could not be made: %2</source>
        <translation>Impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be copied</source>
        <translation>Impossibile copiare %1</translation>
    </message>
    <message>
        <source>No old backups were removed, because the backup %1 is dated after today (%2); if the computer&apos;s clock is wrong, correct it.</source>
        <translation>Nessun backup vecchio è stato rimosso, perché il backup %1 ha una data successiva a oggi (%2); se l&apos;orologio del computer è sbagliato, lo corregga.</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>%1 non è stato trovato</translation>
    </message>
    <message>
        <source>The backup could not be written to the folder %1: %2</source>
        <translation>Impossibile scrivere il backup nella cartella %1: %2</translation>
    </message>
    <message>
        <source>The copy failed its integrity check: %1</source>
        <translation>La copia non ha superato il controllo di integrità: %1</translation>
    </message>
    <message>
        <source>%1 could not be written to the disk</source>
        <translation>Impossibile scrivere %1 sul disco</translation>
    </message>
    <message>
        <source>%1 could not be renamed</source>
        <translation>Impossibile rinominare %1</translation>
    </message>
    <message>
        <source>The old backup %1 could not be removed</source>
        <translation>Impossibile rimuovere il vecchio backup %1</translation>
    </message>
    <message>
        <source>The copy %1 failed its integrity check: %2</source>
        <translation>La copia %1 non ha superato il controllo di integrità: %2</translation>
    </message>
    <message>
        <source>The working database has an unfinished write; start and close the program once, then restore again</source>
        <translation>Il database di lavoro ha una scrittura non terminata; avvii e chiuda il programma una volta, poi ripristini di nuovo</translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation>Impossibile sostituire %1</translation>
    </message>
    <message>
        <source>The working database was replaced by another program; the file it replaced was not copied.</source>
        <translation>Il database di lavoro è stato sostituito da un altro programma; il file sostituito non è stato copiato.</translation>
    </message>
    <message>
        <source>The backup cannot be restored while another program has the reservation database open. Close the program everywhere else, then restore again.</source>
        <translation>Il backup non può essere ripristinato finché un altro programma ha aperto il database delle prenotazioni. Chiuda il programma ovunque altrove, poi ripeta il ripristino.</translation>
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
        <translation>Verifichi l&apos;installazione di MDAC.<byte value="xd"/>
<byte value="xd"/>
Consulti: %1, cerchi la sezione &apos;How to obtain this update&apos; e scarichi l&apos;aggiornamento adatto.<byte value="xd"/>
<byte value="xd"/>
Per qualsiasi domanda invii per e-mail una schermata di questo messaggio a %2.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>The disk is full: the list could not be exported to %1. Any earlier file of that name is unchanged.</source>
        <translation>Il disco è pieno: impossibile esportare l&apos;elenco in %1. Un file precedente con quel nome è rimasto invariato.</translation>
    </message>
    <message>
        <source>The list could not be exported to %1 (%2). Any earlier file of that name is unchanged.</source>
        <translation>Impossibile esportare l&apos;elenco in %1 (%2). Un file precedente con quel nome è rimasto invariato.</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Prenotazioni</translation>
    </message>
</context>
<context>
    <name>DayView</name>
    <message>
        <source>Arrivals</source>
        <translation>Arrivi</translation>
    </message>
    <message>
        <source>A&amp;rrivals</source>
        <translation>A&amp;rrivi</translation>
    </message>
    <message>
        <source>In the House</source>
        <translation>In albergo</translation>
    </message>
    <message>
        <source>In the &amp;House</source>
        <translation>In al&amp;bergo</translation>
    </message>
    <message>
        <source>Departures</source>
        <translation>Partenze</translation>
    </message>
    <message>
        <source>De&amp;partures</source>
        <translation>&amp;Partenze</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Search By Date</source>
        <translation>Cerca per data</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostra tutto</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Aggiungi nuova</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Elimina selezione</translation>
    </message>
    <message>
        <source>Edit Selected</source>
        <translation>Modifica selezione</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Carica dati di esempio</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore di proprietà non valido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Errore di accesso al percorso/file</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Immagine non valida</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Autorizzazione negata</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Indice non compreso nell&apos;intervallo</translation>
    </message>
    <message>
        <source>Object required</source>
        <translation>Necessario oggetto</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Utilizzo non valido di Null</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variabile oggetto o variabile del blocco With non impostata</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Operazione non consentita se l&apos;oggetto è chiuso.</translation>
    </message>
    <message>
        <source>Command text was not set for the command object.</source>
        <translation>Testo del comando non impostato per l&apos;oggetto comando.</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Impossibile trovare il percorso</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>Impossibile trovare l&apos;elemento nell&apos;insieme corrispondente al nome o al numero ordinale richiesto.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation>BOF o EOF è True oppure il record corrente è stato eliminato.</translation>
    </message>
</context>
<context>
    <name>FileEngine</name>
    <message>
        <source>The SQLite database driver is not available</source>
        <translation>Il driver del database SQLite non è disponibile</translation>
    </message>
    <message>
        <source>The database %1 was replaced by another program and could not be opened again: %2</source>
        <translation>Il database %1 è stato sostituito da un altro programma e non è stato possibile riaprirlo: %2</translation>
    </message>
</context>
<context>
    <name>GuestCheck</name>
    <message>
        <source>Rooms</source>
        <translation>Camere</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>No. Of Rooms:</source>
        <translation>N. camere:</translation>
    </message>
    <message>
        <source>Room Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source> Wings</source>
        <translation>Ali</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>Ala</translation>
    </message>
    <message>
        <source>No. Of Wings:</source>
        <translation>N. ali:</translation>
    </message>
    <message>
        <source>Wing Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Meeting Hall</source>
        <translation>Sala riunioni</translation>
    </message>
    <message>
        <source>No. Of Halls:</source>
        <translation>N. sale:</translation>
    </message>
    <message>
        <source>Hall Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>You forgot to input Guest Name.</source>
        <translation>Ha dimenticato di inserire il nome dell&apos;ospite.</translation>
    </message>
    <message>
        <source>You forgot to enter Number of %1.</source>
        <translation>Ha dimenticato di inserire il numero (%1).</translation>
    </message>
    <message>
        <source>You forgot to enter %1 Type.</source>
        <translation>Ha dimenticato di inserire il tipo (%1).</translation>
    </message>
    <message>
        <source>You forgot to enter Credit Card Type.</source>
        <translation>Ha dimenticato di inserire il tipo di carta di credito.</translation>
    </message>
    <message>
        <source>You forgot to enter Credit Card Number.</source>
        <translation>Ha dimenticato di inserire il numero della carta di credito.</translation>
    </message>
    <message>
        <source>You forgot to enter Number Of Persons.</source>
        <translation>Ha dimenticato di inserire il numero di persone.</translation>
    </message>
    <message>
        <source>You forgot to enter Phone Number.</source>
        <translation>Ha dimenticato di inserire il numero di telefono.</translation>
    </message>
    <message>
        <source>You forgot to enter Address.</source>
        <translation>Ha dimenticato di inserire l&apos;indirizzo.</translation>
    </message>
    <message>
        <source>Number of %1 must be a whole number.</source>
        <translation>Il numero (%1) deve essere un numero intero.</translation>
    </message>
    <message>
        <source>Number of %1 cannot be more than %2.</source>
        <translation>Il numero (%1) non può essere superiore a %2.</translation>
    </message>
    <message>
        <source>Number Of Persons must be a whole number.</source>
        <translation>Il numero di persone deve essere un numero intero.</translation>
    </message>
    <message>
        <source>Number Of Persons cannot be more than %1.</source>
        <translation>Il numero di persone non può essere superiore a %1.</translation>
    </message>
    <message>
        <source>Credit card is expired.</source>
        <translation>La carta di credito è scaduta.</translation>
    </message>
    <message>
        <source>Credit card expiry date is less than the check out date.</source>
        <translation>La carta di credito scade prima della data di partenza.</translation>
    </message>
</context>
<context>
    <name>GuestCommands</name>
    <message>
        <source>The printer could not be started</source>
        <translation>Non è stato possibile avviare la stampante</translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation>La stampa non è terminata</translation>
    </message>
    <message>
        <source>Guest profile of %1</source>
        <translation>Profilo dell&apos;ospite %1</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Telefono: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Indirizzo: %1</translation>
    </message>
    <message>
        <source>Nationality: %1</source>
        <translation>Nazionalità: %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <translation>Data di nascita: %1</translation>
    </message>
    <message>
        <source>Document: %1 %2, issued by %3, valid until %4</source>
        <translation>Documento: %1 %2, rilasciato da %3, valido fino al %4</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>1 stay</source>
        <translation>1 soggiorno</translation>
    </message>
    <message numerus="yes">
        <source>%n stays</source>
        <translation>
            <numerusform>%n soggiorno</numerusform>
            <numerusform>%n soggiorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Reservation %1: %2 to %3, %4 %5, %6 (%7)</source>
        <translation>Prenotazione %1: dal %2 al %3, %4 %5, %6 (%7)</translation>
    </message>
    <message>
        <source>booker</source>
        <translation>prenotante</translation>
    </message>
    <message>
        <source>guest</source>
        <translation>ospite</translation>
    </message>
    <message>
        <source>This database keeps no guest profiles (it was made by an older program and cannot be changed here), so the guests&apos; commands are not available.</source>
        <translation>Questo database non contiene profili degli ospiti (è stato creato da un programma precedente e qui non si può modificare), quindi i comandi degli ospiti non sono disponibili.</translation>
    </message>
    <message>
        <source>Link this reservation to the guest profile of %1?</source>
        <translation>Collegare questa prenotazione al profilo dell&apos;ospite %1?</translation>
    </message>
    <message>
        <source>Registration card %1</source>
        <translation>Scheda di registrazione %1</translation>
    </message>
    <message>
        <source>Print the registration card</source>
        <translation>Stampa la scheda di registrazione</translation>
    </message>
    <message>
        <source>Guest %1</source>
        <translation>Ospite %1</translation>
    </message>
    <message>
        <source>Export Guest</source>
        <translation>Esporta ospite</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The guest&apos;s data was written to %1 and %2.</source>
        <translation>I dati dell&apos;ospite sono stati scritti in %1 e %2.</translation>
    </message>
    <message>
        <source>The privacy rules erased 1 card number.</source>
        <translation>Le regole sulla privacy hanno cancellato 1 numero di carta.</translation>
    </message>
    <message numerus="yes">
        <source>The privacy rules erased %n card numbers.</source>
        <translation>
            <numerusform>Le regole sulla privacy hanno cancellato %n numero di carta.</numerusform>
            <numerusform>Le regole sulla privacy hanno cancellato %n numeri di carta.</numerusform>
        </translation>
    </message>
    <message>
        <source>The privacy rules erased 1 guest profile.</source>
        <translation>Le regole sulla privacy hanno cancellato 1 profilo di ospite.</translation>
    </message>
    <message numerus="yes">
        <source>The privacy rules erased %n guest profiles.</source>
        <translation>
            <numerusform>Le regole sulla privacy hanno cancellato %n profilo di ospite.</numerusform>
            <numerusform>Le regole sulla privacy hanno cancellato %n profili di ospiti.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Guests</name>
    <message>
        <source>A guest profile needs a name.</source>
        <translation>Un profilo ospite deve avere un nome.</translation>
    </message>
    <message>
        <source>Guest profile %1 no longer exists.</source>
        <translation>Il profilo ospite %1 non esiste più.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>La prenotazione %1 non esiste più.</translation>
    </message>
    <message>
        <source>Erased guest</source>
        <translation>Ospite cancellato</translation>
    </message>
    <message>
        <source>An erased guest profile cannot be changed.</source>
        <translation>Un profilo ospite cancellato non può essere modificato.</translation>
    </message>
    <message>
        <source>A guest profile cannot be merged into itself.</source>
        <translation>Un profilo ospite non può essere unito a se stesso.</translation>
    </message>
    <message>
        <source>An erased guest profile cannot be merged.</source>
        <translation>Un profilo ospite cancellato non può essere unito.</translation>
    </message>
</context>
<context>
    <name>Invoice</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Prezzo unitario</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Aliquota</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Lordo</translation>
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
        <translation>Totale (imposte incluse)</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Imposte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Payments received</source>
        <translation>Pagamenti ricevuti</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4</source>
        <translation>%1  %2  %3  %4</translation>
    </message>
    <message>
        <source>Paid: %1</source>
        <translation>Pagato: %1</translation>
    </message>
    <message>
        <source>Balance due: %1</source>
        <translation>Saldo dovuto: %1</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Acconto</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Rimborso</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pagamento</translation>
    </message>
    <message>
        <source>Night, %1 %2</source>
        <translation>Notte, %1 %2</translation>
    </message>
    <message>
        <source>Credit note %1 %2</source>
        <translation>Nota di credito %1 %2</translation>
    </message>
    <message>
        <source>Invoice %1 %2</source>
        <translation>Fattura %1 %2</translation>
    </message>
    <message>
        <source>Tax number: %1</source>
        <translation>Partita IVA: %1</translation>
    </message>
    <message>
        <source>Credit note %1</source>
        <translation>Nota di credito %1</translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation>Fattura %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Cancels invoice %1</source>
        <translation>Annulla la fattura %1</translation>
    </message>
    <message>
        <source>Reservation %1</source>
        <translation>Prenotazione %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 to %4</source>
        <translation>%1 %2, dal %3 al %4</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>Non è stato possibile avviare la stampante</translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation>La stampa non è terminata</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Stampa %1</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ListOutput</name>
    <message>
        <source>%1, printed %2</source>
        <translation>%1, stampato il %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Stampa %1</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>Impossibile avviare la stampante</translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation>La stampa non è stata completata</translation>
    </message>
</context>
<context>
    <name>LocalCopy</name>
    <message>
        <source>The server cannot be reached, so this desk shows a read-only copy of the reservations: nothing was saved.</source>
        <translation>Il server non è raggiungibile, quindi questa postazione mostra una copia di sola lettura delle prenotazioni: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>%1
No local copy of the reservations is available.</source>
        <translation>%1
Non è disponibile alcuna copia locale delle prenotazioni.</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>&quot;%1&quot; is not an amount. Type it with digits and at most two decimals, for example %2.</source>
        <translation>«%1» non è un importo. Scrivilo in cifre con al massimo due decimali, per esempio %2.</translation>
    </message>
    <message>
        <source>This database keeps no accounts (it was made by an older program and cannot be changed here), so prices, folios, invoices and reports are not available.</source>
        <translation>Questo database non tiene conti (è stato creato da un programma precedente e qui non può essere modificato), quindi prezzi, conti, fatture e rapporti non sono disponibili.</translation>
    </message>
    <message>
        <source>This database keeps no accounts yet. Open it once with write access so that it can be brought up to date.</source>
        <translation>Questo database non tiene ancora conti. Aprilo una volta con accesso in scrittura perché possa essere aggiornato.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>La prenotazione %1 non esiste più.</translation>
    </message>
    <message>
        <source>Night of %1</source>
        <translation>Notte del %1</translation>
    </message>
    <message>
        <source>Invoice %1 no longer exists.</source>
        <translation>La fattura %1 non esiste più.</translation>
    </message>
    <message>
        <source>The currency must be a three-letter ISO code, such as EUR or USD.</source>
        <translation>La valuta deve essere un codice ISO di tre lettere, come EUR o USD.</translation>
    </message>
    <message>
        <source>A tax rate needs a name.</source>
        <translation>Un&apos;aliquota ha bisogno di un nome.</translation>
    </message>
    <message>
        <source>A tax rate lies between 0 % and 100 %.</source>
        <translation>Un&apos;aliquota è compresa tra 0 % e 100 %.</translation>
    </message>
    <message>
        <source>A rate needs a kind and a type.</source>
        <translation>Una tariffa ha bisogno di una categoria e di un tipo.</translation>
    </message>
    <message>
        <source>A price cannot be below zero.</source>
        <translation>Un prezzo non può essere inferiore a zero.</translation>
    </message>
    <message>
        <source>A rate needs at least one weekday.</source>
        <translation>Una tariffa ha bisogno di almeno un giorno della settimana.</translation>
    </message>
    <message>
        <source>A rate&apos;s range needs a first and a last night, the last not before the first.</source>
        <translation>Il periodo di una tariffa ha bisogno di una prima e di un&apos;ultima notte, l&apos;ultima non prima della prima.</translation>
    </message>
    <message>
        <source>The tax rate no longer exists.</source>
        <translation>L&apos;aliquota non esiste più.</translation>
    </message>
    <message>
        <source>The rate no longer exists.</source>
        <translation>La tariffa non esiste più.</translation>
    </message>
    <message>
        <source>The night of %1 is not a night of this stay.</source>
        <translation>La notte del %1 non fa parte di questo soggiorno.</translation>
    </message>
    <message>
        <source>Choose the tax rate of the night&apos;s price.</source>
        <translation>Scegli l&apos;aliquota del prezzo della notte.</translation>
    </message>
    <message>
        <source>A charge needs a description.</source>
        <translation>Un addebito ha bisogno di una descrizione.</translation>
    </message>
    <message>
        <source>A charge needs a quantity.</source>
        <translation>Un addebito ha bisogno di una quantità.</translation>
    </message>
    <message>
        <source>An amount must be above zero.</source>
        <translation>Un importo deve essere superiore a zero.</translation>
    </message>
    <message>
        <source>A payment needs a method.</source>
        <translation>Un pagamento ha bisogno di un metodo.</translation>
    </message>
    <message>
        <source>A payment needs the day it was paid.</source>
        <translation>Un pagamento ha bisogno del giorno in cui è stato fatto.</translation>
    </message>
    <message>
        <source>This entry is already void, or no longer exists.</source>
        <translation>Questa voce è già annullata o non esiste più.</translation>
    </message>
    <message>
        <source>This reservation already has an invoice. Issue a credit note for it before a new invoice.</source>
        <translation>Questa prenotazione ha già una fattura. Emetti una nota di credito prima di una nuova fattura.</translation>
    </message>
    <message>
        <source>There is nothing to invoice: the account has no charge.</source>
        <translation>Non c&apos;è nulla da fatturare: il conto non ha addebiti.</translation>
    </message>
    <message>
        <source>A credit note cannot be credited.</source>
        <translation>Una nota di credito non può essere stornata.</translation>
    </message>
    <message>
        <source>Invoice %1 already has a credit note.</source>
        <translation>La fattura %1 ha già una nota di credito.</translation>
    </message>
</context>
<context>
    <name>Privacy</name>
    <message>
        <source>Card numbers are erased after 1 to %1 days.</source>
        <translation>I numeri di carta vengono cancellati dopo un periodo da 1 a %1 giorni.</translation>
    </message>
    <message>
        <source>Guests are erased after 1 to %1 years.</source>
        <translation>Gli ospiti vengono cancellati dopo un periodo da 1 a %1 anni.</translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>Other accounts can still read %1</source>
        <translation>Altri account possono ancora leggere %1</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>From the &amp;night of:</source>
        <translation>Dalla &amp;notte del:</translation>
    </message>
    <message>
        <source>From the night of</source>
        <translation>Dalla notte del</translation>
    </message>
    <message>
        <source>Cancel Reservation</source>
        <translation>Annulla prenotazione</translation>
    </message>
    <message>
        <source>Who cancels the reservation of %1?</source>
        <translation>Chi annulla la prenotazione di %1?</translation>
    </message>
    <message>
        <source>The &amp;guest</source>
        <translation>L&apos;&amp;ospite</translation>
    </message>
    <message>
        <source>The &amp;hotel</source>
        <translation>L&apos;&amp;albergo</translation>
    </message>
</context>
<context>
    <name>RegistrationCard</name>
    <message>
        <source>Registration card, reservation %1</source>
        <translation>Scheda di registrazione, prenotazione %1</translation>
    </message>
    <message>
        <source>Arrival: %1</source>
        <translation>Arrivo: %1</translation>
    </message>
    <message>
        <source>Departure: %1</source>
        <translation>Partenza: %1</translation>
    </message>
    <message>
        <source>1 night</source>
        <translation>1 notte</translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation>
            <numerusform>%n notte</numerusform>
            <numerusform>%n notti</numerusform>
        </translation>
    </message>
    <message>
        <source>Accommodation: %1, %2</source>
        <translation>Sistemazione: %1, %2</translation>
    </message>
    <message>
        <source>Unit: not assigned yet</source>
        <translation>Unità: non ancora assegnata</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Unità: %1</translation>
    </message>
    <message>
        <source>Guest %1 of %2: %3 (booker)</source>
        <translation>Ospite %1 di %2: %3 (prenotante)</translation>
    </message>
    <message>
        <source>Guest %1 of %2: %3</source>
        <translation>Ospite %1 di %2: %3</translation>
    </message>
    <message>
        <source>Nationality: %1</source>
        <translation>Nazionalità: %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <translation>Data di nascita: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Indirizzo: %1</translation>
    </message>
    <message>
        <source>Document: %1 %2, issued by %3, valid until %4</source>
        <translation>Documento: %1 %2, rilasciato da %3, valido fino al %4</translation>
    </message>
    <message>
        <source>Signature of the guest</source>
        <translation>Firma dell&apos;ospite</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1<byte value="xd"/>
%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
%2 alla riga %3<byte value="xd"/><byte value="xd"/>Invii una schermata di questo messaggio per e-mail a %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Errore dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Errore imprevisto</translation>
    </message>
</context>
<context>
    <name>RowLock</name>
    <message>
        <source>Guest Name</source>
        <translation>Nome dell&apos;ospite</translation>
    </message>
    <message>
        <source>Accommodation</source>
        <translation>Sistemazione</translation>
    </message>
    <message>
        <source>Number of Rooms</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Servizi</translation>
    </message>
    <message>
        <source>Number of Persons</source>
        <translation>Numero di persone</translation>
    </message>
    <message>
        <source>Check-In Date</source>
        <translation>Data di arrivo</translation>
    </message>
    <message>
        <source>Check-Out Date</source>
        <translation>Data di partenza</translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation>Tipo di carta</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Numero della carta</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numero di telefono</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
</context>
<context>
    <name>ServerChoice</name>
    <message>
        <source>The server&apos;s tblRooms already holds %1 reservations; nothing was copied.</source>
        <translation>La tabella tblRooms del server contiene già %1 prenotazioni; non è stato copiato nulla.</translation>
    </message>
    <message>
        <source>The server&apos;s tblInventory already holds %1 entries; nothing was copied.</source>
        <translation>La tabella tblInventory del server contiene già %1 voci; non è stato copiato nulla.</translation>
    </message>
    <message>
        <source>%1 needs a server: a postgresql:// URL or key=value connection string</source>
        <translation>%1 richiede un server: un URL postgresql:// o una stringa di connessione key=value</translation>
    </message>
    <message>
        <source>not a server: %1</source>
        <translation>non è un server: %1</translation>
    </message>
    <message>
        <source>usage: corvanna [--server TARGET | --local] [--copy-to-server TARGET]
  --server TARGET          keep the reservations on a PostgreSQL server from now on
                           (postgresql://user@host:port/dbname or key=value)
  --local                  back to the database file of this computer
  --copy-to-server TARGET  copy this computer&apos;s reservations to an empty server database
Passwords come from ~/.pgpass or PGPASSWORD and are never kept in the settings.
</source>
        <translation>uso: corvanna [--server DESTINAZIONE | --local] [--copy-to-server DESTINAZIONE]
  --server DESTINAZIONE    tenere d&apos;ora in poi le prenotazioni su un server PostgreSQL
                           (postgresql://user@host:port/dbname o key=value)
  --local                  tornare al file di database di questo computer
  --copy-to-server DESTINAZIONE
                           copiare le prenotazioni di questo computer in un database vuoto del server
Le password provengono da ~/.pgpass o PGPASSWORD e non vengono mai salvate nelle impostazioni.
</translation>
    </message>
</context>
<context>
    <name>ServerLogin</name>
    <message>
        <source>Password of %1:</source>
        <translation>Password di %1:</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Permission denied: the settings file %1 cannot be written</source>
        <translation>Autorizzazione negata: impossibile scrivere il file delle impostazioni %1</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written</source>
        <translation>Impossibile scrivere il file delle impostazioni %1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin %1 could not be read: %2</source>
        <translation>Impossibile leggere il tema %1: %2</translation>
    </message>
    <message>
        <source>The skin %1 is not a valid style sheet</source>
        <translation>Il tema %1 non è un foglio di stile valido</translation>
    </message>
</context>
<context>
    <name>Statements</name>
    <message>
        <source>The reservation key &quot;%1&quot; is not a whole number</source>
        <translation>La chiave di prenotazione «%1» non è un numero intero</translation>
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
        <translation>%1: %2 %3, non del tipo prenotato</translation>
    </message>
    <message>
        <source>This database keeps no stays (it was made by an older program and cannot be changed here), so check-in, check-out and units are not available.</source>
        <translation>Questo database non gestisce soggiorni (è stato creato da un programma precedente e qui non può essere modificato), quindi arrivi, partenze e unità non sono disponibili.</translation>
    </message>
    <message>
        <source>Select a reservation first.</source>
        <translation>Selezioni prima una prenotazione.</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be checked in: its status is %2.</source>
        <translation>Non è possibile registrare l&apos;arrivo della prenotazione di %1: il suo stato è «%2».</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be checked out: its status is %2.</source>
        <translation>Non è possibile registrare la partenza della prenotazione di %1: il suo stato è «%2».</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be cancelled: its status is %2.</source>
        <translation>Non è possibile annullare la prenotazione di %1: il suo stato è «%2».</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be marked as a no-show: its status is %2.</source>
        <translation>Non è possibile segnare la prenotazione di %1 come mancato arrivo: il suo stato è «%2».</translation>
    </message>
    <message>
        <source>No unit is free for every night of %1&apos;s stay. Free a unit in the room chart, or add one under Tools, Units.</source>
        <translation>Nessuna unità è libera per tutte le notti del soggiorno di %1. Liberi un&apos;unità nel planning delle camere, oppure ne aggiunga una in Strumenti, Unità.</translation>
    </message>
    <message>
        <source>Check In</source>
        <translation>Registra arrivo</translation>
    </message>
    <message>
        <source>Which unit does %1 take? Units of the booked type (%2 %3) come first.</source>
        <translation>Quale unità occupa %1? Le unità del tipo prenotato (%2 %3) sono elencate per prime.</translation>
    </message>
    <message>
        <source>%1 holds that unit on the night of %2, so %3 was not checked in.</source>
        <translation>%1 occupa quell&apos;unità la notte del %2, quindi l&apos;arrivo di %3 non è stato registrato.</translation>
    </message>
    <message>
        <source>Mark %1 as a no-show? The reservation stays in the list and its units are freed.</source>
        <translation>Segnare %1 come mancato arrivo? La prenotazione resta nell&apos;elenco e le sue unità vengono liberate.</translation>
    </message>
    <message>
        <source>There is no check-in or check-out of %1 to undo.</source>
        <translation>Non c&apos;è alcun arrivo o partenza di %1 da annullare.</translation>
    </message>
    <message>
        <source>Undo the last check-in or check-out of %1?</source>
        <translation>Annullare l&apos;ultimo arrivo o l&apos;ultima partenza di %1?</translation>
    </message>
    <message>
        <source>Unit %1 is held by %2 on the night of %3, so the stay was not moved.</source>
        <translation>L&apos;unità %1 è occupata da %2 la notte del %3, quindi il soggiorno non è stato spostato.</translation>
    </message>
    <message>
        <source>The stay&apos;s history cannot be read.</source>
        <translation>Non è possibile leggere la cronologia del soggiorno.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>La prenotazione %1 non esiste più.</translation>
    </message>
    <message>
        <source>A stay that is %1 holds no unit.</source>
        <translation>Un soggiorno nello stato «%1» non occupa alcuna unità.</translation>
    </message>
    <message>
        <source>This reservation&apos;s dates give no night to hold a unit.</source>
        <translation>Le date di questa prenotazione non comprendono alcuna notte in cui occupare un&apos;unità.</translation>
    </message>
    <message>
        <source>The night %1 is not one of this stay&apos;s nights.</source>
        <translation>La notte %1 non è una delle notti di questo soggiorno.</translation>
    </message>
    <message>
        <source>The unit no longer exists.</source>
        <translation>L&apos;unità non esiste più.</translation>
    </message>
    <message>
        <source>The unit %1 is out of service.</source>
        <translation>L&apos;unità %1 è fuori servizio.</translation>
    </message>
    <message>
        <source>A unit needs a name.</source>
        <translation>Un&apos;unità deve avere un nome.</translation>
    </message>
    <message>
        <source>A unit needs a kind and a type.</source>
        <translation>Un&apos;unità deve avere una categoria e un tipo.</translation>
    </message>
    <message>
        <source>There is already a unit named %1.</source>
        <translation>Esiste già un&apos;unità chiamata %1.</translation>
    </message>
    <message>
        <source>This unit holds a stay. Move the stay to another unit first, or take the unit out of service.</source>
        <translation>Questa unità è occupata da un soggiorno. Sposti prima il soggiorno in un&apos;altra unità, oppure metta l&apos;unità fuori servizio.</translation>
    </message>
    <message>
        <source>There is no check-in or check-out of this stay to undo.</source>
        <translation>Non c&apos;è alcun arrivo o partenza di questo soggiorno da annullare.</translation>
    </message>
    <message>
        <source>The unit is now held by %1 on %2; the check-in or check-out cannot be undone.</source>
        <translation>L&apos;unità è ora occupata da %1 il %2; l&apos;arrivo o la partenza non può essere annullato.</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>atteso</translation>
    </message>
    <message>
        <source>in house</source>
        <translation>in albergo</translation>
    </message>
    <message>
        <source>checked out</source>
        <translation>partito</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancellato</translation>
    </message>
    <message>
        <source>no-show</source>
        <translation>mancato arrivo</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>senza motivo indicato</translation>
    </message>
    <message>
        <source>by the guest</source>
        <translation>dall&apos;ospite</translation>
    </message>
    <message>
        <source>by the hotel</source>
        <translation>dall&apos;albergo</translation>
    </message>
</context>
<context>
    <name>corvanna::AvailabilityWindow</name>
    <message>
        <source>Availability</source>
        <translation>Disponibilità</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation>
            <numerusform>%n notte</numerusform>
            <numerusform>%n notti</numerusform>
        </translation>
    </message>
    <message>
        <source>Free units per night; ! marks an over-booked night. (n): booked, no inventory entered.</source>
        <translation>Unità libere per notte; ! segnala una notte sovraprenotata. (n): prenotato, nessun inventario inserito.</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Nome dell&apos;ospite</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation>Arrivo</translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation>Partenza</translation>
    </message>
    <message>
        <source>id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Reservations of the night</source>
        <translation>Prenotazioni della notte</translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, %4 over</source>
        <translation>%1 il %2: %3 prenotato/i, %4 in eccesso</translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, %4 free</source>
        <translation>%1 il %2: %3 prenotato/i, %4 libero/i</translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, no inventory entered</source>
        <translation>%1 il %2: %3 prenotato/i, nessun inventario inserito</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 il %2</translation>
    </message>
</context>
<context>
    <name>corvanna::DayViewWindow</name>
    <message>
        <source>The dates are reversed: the check-out date is before the check-in date.</source>
        <translation>Le date sono invertite: la data di partenza precede quella di arrivo.</translation>
    </message>
    <message>
        <source>%1, dates reversed</source>
        <translation>%1, date invertite</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>&amp;Vista:</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Oggi</translation>
    </message>
    <message>
        <source>Reservations of the day</source>
        <translation>Prenotazioni del giorno</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;sporta CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A day view&apos;s name and its date, as the list&apos;s title: &quot;Arrivals 08/12/2026&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 - 1 reservation</source>
        <translation>%1 - 1 prenotazione</translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n reservations</source>
        <translation>
            <numerusform>%1 - %n prenotazione</numerusform>
            <numerusform>%1 - %n prenotazioni</numerusform>
        </translation>
    </message>
    <message>
        <source>Check &amp;In</source>
        <translation>Registra &amp;arrivo</translation>
    </message>
    <message>
        <source>Check &amp;Out</source>
        <translation>Registra &amp;partenza</translation>
    </message>
    <message>
        <source>&amp;Cancel…</source>
        <translation>Ann&amp;ulla…</translation>
    </message>
    <message>
        <source>No-&amp;show</source>
        <translation>Mancato a&amp;rrivo</translation>
    </message>
    <message>
        <source>&amp;Undo Check-in/Check-out</source>
        <translation>Annulla arrivo/par&amp;tenza</translation>
    </message>
    <message>
        <source>Sta&amp;y</source>
        <translation>So&amp;ggiorno</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Soggiorno</translation>
    </message>
    <message>
        <source>&amp;Folio…</source>
        <translation>Conto &amp;ospite…</translation>
    </message>
</context>
<context>
    <name>corvanna::FolioWindow</name>
    <message>
        <source>Night, price set by hand</source>
        <translation>Notte, prezzo a mano</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Notte</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Addebito</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Acconto</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pagamento</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Rimborso</translation>
    </message>
    <message>
        <source>Folio</source>
        <translation>Conto ospite</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Prezzo unitario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Aliquota</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Reception</translation>
    </message>
    <message>
        <source>Night&apos;s price</source>
        <translation>Prezzo della notte</translation>
    </message>
    <message>
        <source>Tax rate of the night&apos;s price</source>
        <translation>Aliquota del prezzo della notte</translation>
    </message>
    <message>
        <source>Set &amp;Price</source>
        <translation>Imposta &amp;prezzo</translation>
    </message>
    <message>
        <source>Charge&apos;s description</source>
        <translation>Descrizione dell&apos;addebito</translation>
    </message>
    <message>
        <source>Add &amp;Charge</source>
        <translation>Aggiungi a&amp;ddebito</translation>
    </message>
    <message>
        <source>Kind of payment</source>
        <translation>Tipo di pagamento</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metodo</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Contanti</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Bank transfer</source>
        <translation>Bonifico</translation>
    </message>
    <message>
        <source>Add Pa&amp;yment</source>
        <translation>Aggiungi pa&amp;gamento</translation>
    </message>
    <message>
        <source>&amp;Night:</source>
        <translation>&amp;Notte:</translation>
    </message>
    <message>
        <source>C&amp;harge:</source>
        <translation>Add&amp;ebito:</translation>
    </message>
    <message>
        <source>Pay&amp;ment:</source>
        <translation>Pagamen&amp;to:</translation>
    </message>
    <message>
        <source>Invoices</source>
        <translation>Fatture</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Issued</source>
        <translation>Emessa</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>&amp;Void</source>
        <translation>A&amp;nnulla voce</translation>
    </message>
    <message>
        <source>&amp;Invoice</source>
        <translation>&amp;Fattura</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Salva come P&amp;DF…</translation>
    </message>
    <message>
        <source>C&amp;redit Note</source>
        <translation>Nota di &amp;credito</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Tax rate as before</source>
        <translation>Aliquota come prima</translation>
    </message>
    <message>
        <source>%1, %2 %3, %4 to %5, reservation %6</source>
        <translation>%1, %2 %3, dal %4 al %5, prenotazione %6</translation>
    </message>
    <message>
        <source>Folio of %1</source>
        <translation>Conto di %1</translation>
    </message>
    <message>
        <source>%1 (void)</source>
        <translation>%1 (annullata)</translation>
    </message>
    <message>
        <source>Cancelled or a no-show: the stay&apos;s nights are not charged.</source>
        <translation>Annullata o mancato arrivo: le notti del soggiorno non sono addebitate.</translation>
    </message>
    <message>
        <source>1 night without a price: %1</source>
        <translation>1 notte senza prezzo: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n nights without a price: %1</source>
        <translation>
            <numerusform>%n notte senza prezzo: %1</numerusform>
            <numerusform>%n notti senza prezzo: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Charges: %1</source>
        <translation>Addebiti: %1</translation>
    </message>
    <message>
        <source>Paid: %1</source>
        <translation>Pagato: %1</translation>
    </message>
    <message>
        <source>Balance: %1</source>
        <translation>Saldo: %1</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>senza prezzo</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Credit note</source>
        <translation>Nota di credito</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Fattura</translation>
    </message>
    <message>
        <source>This stay has no night to price.</source>
        <translation>Questo soggiorno non ha notti da prezzare.</translation>
    </message>
    <message>
        <source>No rate prices the night of %1: choose the tax rate of its price.</source>
        <translation>Nessuna tariffa prezza la notte del %1: scegli l&apos;aliquota del suo prezzo.</translation>
    </message>
    <message>
        <source>A charge needs a description.</source>
        <translation>Un addebito ha bisogno di una descrizione.</translation>
    </message>
    <message>
        <source>Add a tax rate first (Tools, Hotel…): every charge names its tax.</source>
        <translation>Aggiungi prima un&apos;aliquota (Strumenti, Albergo…): ogni addebito indica la sua imposta.</translation>
    </message>
    <message>
        <source>A payment needs an amount above zero.</source>
        <translation>Un pagamento ha bisogno di un importo superiore a zero.</translation>
    </message>
    <message>
        <source>A payment needs a method: choose or type how it was paid.</source>
        <translation>Un pagamento ha bisogno di un metodo: scegli o scrivi come è stato pagato.</translation>
    </message>
    <message>
        <source>Select a charge or a payment first.</source>
        <translation>Seleziona prima un addebito o un pagamento.</translation>
    </message>
    <message>
        <source>A night is not voided: set its price instead (0 for a night not charged).</source>
        <translation>Una notte non si annulla: imposta invece il suo prezzo (0 per una notte non addebitata).</translation>
    </message>
    <message>
        <source>This entry is void already.</source>
        <translation>Questa voce è già annullata.</translation>
    </message>
    <message>
        <source>Void the entry &quot;%1&quot; of %2 from %3? It stays in the account, marked void.</source>
        <translation>Annullare la voce «%1» di %2 del %3? Resta nel conto, segnata come annullata.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Invoice %1 covers this stay. Cancel it by a credit note before issuing a new one.</source>
        <translation>La fattura %1 copre questo soggiorno. Annullala con una nota di credito prima di emetterne una nuova.</translation>
    </message>
    <message>
        <source>There is nothing to invoice: the account has no charge.</source>
        <translation>Non c&apos;è nulla da fatturare: il conto non ha addebiti.</translation>
    </message>
    <message>
        <source>1 night of this stay has no price and will not be on the invoice. Issue it anyway?</source>
        <translation>1 notte di questo soggiorno non ha prezzo e non sarà in fattura. Emetterla comunque?</translation>
    </message>
    <message numerus="yes">
        <source>%n nights of this stay have no price and will not be on the invoice. Issue it anyway?</source>
        <translation>
            <numerusform>%n notte di questo soggiorno non ha prezzo e non sarà in fattura. Emetterla comunque?</numerusform>
            <numerusform>%n notti di questo soggiorno non hanno prezzo e non saranno in fattura. Emetterla comunque?</numerusform>
        </translation>
    </message>
    <message>
        <source>Issue an invoice of %1 to %2? Its number cannot be taken back: a credit note cancels it.</source>
        <translation>Emettere una fattura di %1 a %2? Il suo numero non può essere ritirato: una nota di credito la annulla.</translation>
    </message>
    <message>
        <source>Select an invoice first.</source>
        <translation>Seleziona prima una fattura.</translation>
    </message>
    <message>
        <source>%1 is a credit note: only an invoice is cancelled by one.</source>
        <translation>%1 è una nota di credito: solo una fattura si annulla con una nota di credito.</translation>
    </message>
    <message>
        <source>Invoice %1 is cancelled by a credit note already.</source>
        <translation>La fattura %1 è già annullata da una nota di credito.</translation>
    </message>
    <message>
        <source>Cancel invoice %1 by a credit note?</source>
        <translation>Annullare la fattura %1 con una nota di credito?</translation>
    </message>
</context>
<context>
    <name>corvanna::Form1</name>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>Impossibile eseguire il backup: %1</translation>
    </message>
    <message>
        <source>The reservations are on a database server, whose own backups keep them.</source>
        <translation>Le prenotazioni si trovano su un server di database, i cui backup le conservano.</translation>
    </message>
    <message>
        <source>The database was backed up to %1.</source>
        <translation>Il backup del database è stato salvato in %1.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>There are no backups to restore.</source>
        <translation>Non ci sono backup da ripristinare.</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged and cannot be restored.</source>
        <translation>Il backup del %1 è danneggiato e non può essere ripristinato.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Replace the working database with the backup of %1 (reservations: %2)? Reservations only in the working database: %3, only in the backup: %4, changed since the backup: %5; the working database is kept as %6 in the Backups folder.</source>
        <translation>Sostituire il database di lavoro con il backup del %1 (prenotazioni: %2)? Prenotazioni solo nel database di lavoro: %3, solo nel backup: %4, modificate dopo il backup: %5; il database di lavoro viene conservato come %6 nella cartella Backups.</translation>
    </message>
    <message>
        <source>The backup of %1 was restored.</source>
        <translation>Il backup del %1 è stato ripristinato.</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Prenotazioni</translation>
    </message>
    <message>
        <source>Check In Date:</source>
        <translation>Data di arrivo:</translation>
    </message>
    <message>
        <source>Check Out Date:</source>
        <translation>Data di partenza:</translation>
    </message>
    <message>
        <source>Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Fare doppio clic su una voce per rimuoverla. Trascinare la linea | a destra fuori dalla finestra per vedere i nomi completi.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 non trovato.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Eliminare davvero %1?</translation>
    </message>
    <message>
        <source>Reservations %1 to %2</source>
        <translation>Prenotazioni dal %1 al %2</translation>
    </message>
    <message>
        <source>All reservations</source>
        <translation>Tutte le prenotazioni</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Reservation</source>
        <translation>&amp;Prenotazione</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;sporta CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <source>&amp;Back Up Now</source>
        <translation>Esegui &amp;backup ora</translation>
    </message>
    <message>
        <source>&amp;Restore…</source>
        <translation>&amp;Ripristina…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>&amp;Edit Selected</source>
        <translation>&amp;Modifica selezione</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Elimina selezione</translation>
    </message>
    <message>
        <source>&amp;Load Sample/Example Data</source>
        <translation>&amp;Carica dati di esempio</translation>
    </message>
    <message>
        <source>&amp;Search By Date</source>
        <translation>Cerca per &amp;data</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>&amp;Mostra tutto</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Trova...</translation>
    </message>
    <message>
        <source>A&amp;vailability…</source>
        <translation>Di&amp;sponibilità…</translation>
    </message>
    <message>
        <source>&amp;Inventory…</source>
        <translation>&amp;Inventario…</translation>
    </message>
    <message>
        <source>&amp;About Corvanna</source>
        <translation>&amp;Informazioni su Corvanna</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>T&amp;rova:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Name, phone, address, id, card</source>
        <translation>Nome, telefono, indirizzo, ID, carta</translation>
    </message>
    <message>
        <source>%1, find &quot;%2&quot;</source>
        <translation>%1, ricerca «%2»</translation>
    </message>
    <message>
        <source>PostgreSQL server, %1</source>
        <translation>server PostgreSQL, %1</translation>
    </message>
    <message>
        <source>%1 %2
Front desk reservations for a small hotel.

Data folder: %3
Database: %4</source>
        <translation>%1 %2
Prenotazioni della reception di un piccolo albergo.

Cartella dei dati: %3
Database: %4</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>The translation %1 could not be loaded; it is used from the next start on if it can be loaded then.</source>
        <translation>Impossibile caricare la traduzione %1; verrà usata dal prossimo avvio se allora sarà possibile caricarla.</translation>
    </message>
    <message>
        <source>The menus and the main window speak the chosen language now. Windows that are open or were opened before follow at the next start.</source>
        <translation>I menu e la finestra principale usano ora la lingua scelta. Le finestre aperte o già aperte in precedenza la useranno dal prossimo avvio.</translation>
    </message>
    <message>
        <source>Keeping today&apos;s backup of the reservations…</source>
        <translation>Salvataggio del backup odierno delle prenotazioni…</translation>
    </message>
    <message>
        <source>%1 - %2 - read-only copy as of %3</source>
        <translation>%1 - %2 - copia di sola lettura, aggiornata a %3</translation>
    </message>
    <message>
        <source>The server cannot be reached. The list shows a read-only copy of the reservations as of %1; nothing can be saved until the server is back.</source>
        <translation>Il server non è raggiungibile. L&apos;elenco mostra una copia di sola lettura delle prenotazioni aggiornata a %1; non è possibile salvare nulla finché il server non torna disponibile.</translation>
    </message>
    <message>
        <source>Check &amp;In</source>
        <translation>Registra &amp;arrivo</translation>
    </message>
    <message>
        <source>Check &amp;Out</source>
        <translation>Registra &amp;partenza</translation>
    </message>
    <message>
        <source>&amp;Cancel…</source>
        <translation>Ann&amp;ulla…</translation>
    </message>
    <message>
        <source>No-&amp;show</source>
        <translation>Mancato a&amp;rrivo</translation>
    </message>
    <message>
        <source>&amp;Undo Check-in/Check-out</source>
        <translation>Annulla arrivo/par&amp;tenza</translation>
    </message>
    <message>
        <source>R&amp;oom Chart</source>
        <translation>Planning delle &amp;camere</translation>
    </message>
    <message>
        <source>&amp;Units…</source>
        <translation>&amp;Unità…</translation>
    </message>
    <message>
        <source>&amp;Guests of the Stay…</source>
        <translation>&amp;Ospiti del soggiorno…</translation>
    </message>
    <message>
        <source>&amp;Registration Card…</source>
        <translation>Sc&amp;heda di registrazione…</translation>
    </message>
    <message>
        <source>&amp;Guests…</source>
        <translation>&amp;Ospiti…</translation>
    </message>
    <message>
        <source>&amp;Privacy…</source>
        <translation>&amp;Privacy…</translation>
    </message>
    <message>
        <source>Select a reservation first.</source>
        <translation>Selezionare prima una prenotazione.</translation>
    </message>
    <message>
        <source>&amp;Folio…</source>
        <translation>Conto &amp;ospite…</translation>
    </message>
    <message>
        <source>R&amp;eports…</source>
        <translation>Rapport&amp;i…</translation>
    </message>
    <message>
        <source>&amp;Hotel…</source>
        <translation>&amp;Albergo…</translation>
    </message>
    <message>
        <source>R&amp;ates…</source>
        <translation>&amp;Tariffe…</translation>
    </message>
    <message>
        <source>Bringing the reservation database up to date for this version of Corvanna…</source>
        <translation>Aggiornamento del database delle prenotazioni per questa versione di Corvanna…</translation>
    </message>
</context>
<context>
    <name>corvanna::Form2</name>
    <message>
        <source>Add New Guest</source>
        <translation>Nuovo ospite</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Nome dell&apos;ospite</translation>
    </message>
    <message>
        <source>Room Details</source>
        <translation>Dettagli della camera</translation>
    </message>
    <message>
        <source>No. of Rooms:</source>
        <translation>N. camere:</translation>
    </message>
    <message>
        <source>Room Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Check In Date:</source>
        <translation>Arrivo:</translation>
    </message>
    <message>
        <source>No. Of Persons:</source>
        <translation>Persone:</translation>
    </message>
    <message>
        <source>Service Included:</source>
        <translation>Servizi:</translation>
    </message>
    <message>
        <source>Breakfast, Lunch, Dinner, Security</source>
        <translation>Colazione, pranzo, cena, sicurezza</translation>
    </message>
    <message>
        <source>Check Out Date:</source>
        <translation>Partenza:</translation>
    </message>
    <message>
        <source>Other Information</source>
        <translation>Altre informazioni</translation>
    </message>
    <message>
        <source>Credit Card Type:</source>
        <translation>Tipo di carta:</translation>
    </message>
    <message>
        <source>Credit Card Num:</source>
        <translation>N. carta:</translation>
    </message>
    <message>
        <source>Expiry Date:</source>
        <translation>Scadenza:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Telefono:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>If you need fields added to this form, please email me at %1</source>
        <translation>Se servono altri campi in questo modulo, mi scriva a %1</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds a NUL character, which the database server cannot store. Retype the field, then save again.</source>
        <translation>Il campo «%1» contiene un carattere NUL che il server di database non può memorizzare. Reinserisca il campo e salvi di nuovo.</translation>
    </message>
    <message>
        <source>Some stored values of this reservation could not be shown, and saving will replace them. Save anyway?</source>
        <translation>Alcuni valori salvati di questa prenotazione non sono stati mostrati e il salvataggio li sostituirà. Salvare comunque?</translation>
    </message>
    <message>
        <source>This reservation no longer exists, so nothing was saved.</source>
        <translation>Questa prenotazione non esiste più, quindi non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Save what you typed as a new reservation?</source>
        <translation>Salvare i dati inseriti come nuova prenotazione?</translation>
    </message>
    <message>
        <source>Successfully Saved.</source>
        <translation>Salvataggio riuscito.</translation>
    </message>
    <message>
        <source>Another desk changed this reservation after you opened it: %1.

Save your entries over its changes?</source>
        <translation>Un&apos;altra postazione ha modificato questa prenotazione dopo che l&apos;ha aperta: %1.

Salvare i suoi dati sopra tali modifiche?</translation>
    </message>
    <message>
        <source>Another desk deleted this reservation after you opened it.

Save your entries as a new reservation?</source>
        <translation>Un&apos;altra postazione ha eliminato questa prenotazione dopo che l&apos;ha aperta.

Salvare i suoi dati come nuova prenotazione?</translation>
    </message>
</context>
<context>
    <name>corvanna::GuestsWindow</name>
    <message>
        <source>Guests</source>
        <translation>Ospiti</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Name, phone, e-mail, address</source>
        <translation>Nome, telefono, e-mail, indirizzo</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>T&amp;rova:</translation>
    </message>
    <message>
        <source>Guest profiles</source>
        <translation>Profili degli ospiti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Phone:</source>
        <translation>&amp;Telefono:</translation>
    </message>
    <message>
        <source>E-m&amp;ail:</source>
        <translation>E-m&amp;ail:</translation>
    </message>
    <message>
        <source>A&amp;ddress:</source>
        <translation>In&amp;dirizzo:</translation>
    </message>
    <message>
        <source>Nationa&amp;lity:</source>
        <translation>Naziona&amp;lità:</translation>
    </message>
    <message>
        <source>Date of &amp;birth:</source>
        <translation>Data di nascita (&amp;b):</translation>
    </message>
    <message>
        <source>Document &amp;type:</source>
        <translation>T&amp;ipo di documento:</translation>
    </message>
    <message>
        <source>Document n&amp;umber:</source>
        <translation>Nu&amp;mero di documento:</translation>
    </message>
    <message>
        <source>Issued b&amp;y:</source>
        <translation>Rila&amp;sciato da:</translation>
    </message>
    <message>
        <source>&amp;Valid until:</source>
        <translation>&amp;Valido fino al:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ota:</translation>
    </message>
    <message>
        <source>Stays</source>
        <translation>Soggiorni</translation>
    </message>
    <message>
        <source>Check-in</source>
        <translation>Arrivo</translation>
    </message>
    <message>
        <source>Check-out</source>
        <translation>Partenza</translation>
    </message>
    <message>
        <source>Nights</source>
        <translation>Notti</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Ruolo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>&amp;Save Guest</source>
        <translation>Salva os&amp;pite</translation>
    </message>
    <message>
        <source>&amp;Merge…</source>
        <translation>&amp;Unisci…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>&amp;Esporta…</translation>
    </message>
    <message>
        <source>&amp;Erase…</source>
        <translation>&amp;Cancella…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Booker</source>
        <translation>Prenotante</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Ospite</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Please enter the guest&apos;s name.</source>
        <translation>Inserire il nome dell&apos;ospite.</translation>
    </message>
    <message>
        <source>Save the changes to the profile of %1?</source>
        <translation>Salvare le modifiche al profilo di %1?</translation>
    </message>
    <message>
        <source>The changes were not saved, because the guest&apos;s name was empty.</source>
        <translation>Le modifiche non sono state salvate perché il nome dell&apos;ospite era vuoto.</translation>
    </message>
    <message>
        <source>Merge the profile of %1 (no. %2) into the profile of %3 (no. %4)? Every stay of no. %2 moves to no. %4, and no. %2 is removed.</source>
        <translation>Unire il profilo di %1 (n. %2) al profilo di %3 (n. %4)? Ogni soggiorno del n. %2 passa al n. %4, e il n. %2 viene eliminato.</translation>
    </message>
    <message>
        <source>Erase everything held about %1? This cannot be undone.</source>
        <translation>Cancellare tutto ciò che è conservato su %1? L&apos;operazione non si può annullare.</translation>
    </message>
    <message>
        <source>The profile&apos;s name, phone, e-mail, address, birth date, document and note go.</source>
        <translation>Vengono cancellati nome, telefono, e-mail, indirizzo, data di nascita, documento e nota del profilo.</translation>
    </message>
    <message>
        <source>1 stay keeps its dates but loses the guest&apos;s name, address and phone.</source>
        <translation>1 soggiorno conserva le sue date ma perde nome, indirizzo e telefono dell&apos;ospite.</translation>
    </message>
    <message numerus="yes">
        <source>%n stays keep their dates but lose the guest&apos;s name, address and phone.</source>
        <translation>
            <numerusform>%n soggiorno conserva le sue date ma perde nome, indirizzo e telefono dell&apos;ospite.</numerusform>
            <numerusform>%n soggiorni conservano le loro date ma perdono nome, indirizzo e telefono dell&apos;ospite.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card number goes.</source>
        <translation>Viene cancellato 1 numero di carta.</translation>
    </message>
    <message numerus="yes">
        <source>%n card numbers go.</source>
        <translation>
            <numerusform>Viene cancellato %n numero di carta.</numerusform>
            <numerusform>Vengono cancellati %n numeri di carta.</numerusform>
        </translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Speso</translation>
    </message>
</context>
<context>
    <name>corvanna::HotelWindow</name>
    <message>
        <source>Hotel</source>
        <translation>Albergo</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Indirizzo:</translation>
    </message>
    <message>
        <source>&amp;Tax number:</source>
        <translation>Partita I&amp;VA:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Valuta:</translation>
    </message>
    <message>
        <source>&amp;Footer:</source>
        <translation>&amp;Piè di pagina:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Tax number</source>
        <translation>Partita IVA</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Valuta</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Piè di pagina</translation>
    </message>
    <message>
        <source>Tax rates</source>
        <translation>Aliquote</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Aliquota</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Tax rate&apos;s name</source>
        <translation>Nome dell&apos;aliquota</translation>
    </message>
    <message>
        <source>Tax rate in percent</source>
        <translation>Aliquota in percentuale</translation>
    </message>
    <message>
        <source>Add &amp;Rate</source>
        <translation>Aggiungi a&amp;liquota</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a currency. Type its code of three letters, such as EUR or USD, or leave it empty for the currency of this computer&apos;s settings.</source>
        <translation>«%1» non è una valuta. Scrivi il suo codice di tre lettere, come EUR o USD, oppure lascia vuoto per la valuta delle impostazioni di questo computer.</translation>
    </message>
    <message>
        <source>A tax rate needs a name.</source>
        <translation>Un&apos;aliquota ha bisogno di un nome.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tax rate. Type a percentage from 0 to 100 with at most two decimals, for example %2.</source>
        <translation>«%1» non è un&apos;aliquota. Scrivi una percentuale da 0 a 100 con al massimo due decimali, per esempio %2.</translation>
    </message>
</context>
<context>
    <name>corvanna::InventoryWindow</name>
    <message>
        <source>Rooms</source>
        <translation>Camere</translation>
    </message>
    <message>
        <source>Wings</source>
        <translation>Ali</translation>
    </message>
    <message>
        <source>Meeting Halls</source>
        <translation>Sale riunioni</translation>
    </message>
    <message>
        <source>This database cannot keep an inventory (%1), so the program works without one.</source>
        <translation>Questo database non può tenere un inventario (%1), quindi il programma funziona senza.</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventario</translation>
    </message>
    <message>
        <source>Units of each type the hotel has. Leave Units empty for a type without a limit.</source>
        <translation>Unità di ogni tipo di cui dispone l&apos;albergo. Lasciare vuoto Unità per un tipo senza limite.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Genere</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>This database cannot keep an inventory.</source>
        <translation>Questo database non può tenere un inventario.</translation>
    </message>
    <message>
        <source>The units of %1 must be a whole number.</source>
        <translation>Le unità di %1 devono essere un numero intero.</translation>
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
        <translation>Numeri di carta cancellati</translation>
    </message>
    <message>
        <source>Guest erased</source>
        <translation>Ospite cancellato</translation>
    </message>
    <message>
        <source>Guests erased by age</source>
        <translation>Ospiti cancellati per anzianità</translation>
    </message>
    <message>
        <source>Guest exported</source>
        <translation>Ospite esportato</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Erase &amp;card numbers this many days after check-out:</source>
        <translation>Cancellare i numeri di &amp;carta questi giorni dopo la partenza:</translation>
    </message>
    <message>
        <source>Days after check-out</source>
        <translation>Giorni dopo la partenza</translation>
    </message>
    <message>
        <source>Erase &amp;guest profiles this many years after their last stay:</source>
        <translation>Cancellare i profili degli &amp;ospiti questi anni dopo l&apos;ultimo soggiorno:</translation>
    </message>
    <message>
        <source>Years after the last stay</source>
        <translation>Anni dopo l&apos;ultimo soggiorno</translation>
    </message>
    <message>
        <source>Privacy log</source>
        <translation>Registro della privacy</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Postazione</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Cosa</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>&amp;Log:</source>
        <translation>&amp;Registro:</translation>
    </message>
</context>
<context>
    <name>corvanna::RatesWindow</name>
    <message>
        <source>every day</source>
        <translation>ogni giorno</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Tariffe</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Price per night</source>
        <translation>Prezzo a notte</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Aliquota</translation>
    </message>
    <message>
        <source>&amp;Only the nights from</source>
        <translation>S&amp;olo le notti dal</translation>
    </message>
    <message>
        <source>&amp;Add Rate</source>
        <translation>&amp;Aggiungi tariffa</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Categoria:</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>a&amp;l</translation>
    </message>
    <message>
        <source>&amp;Price per night:</source>
        <translation>&amp;Prezzo a notte:</translation>
    </message>
    <message>
        <source>New rate</source>
        <translation>Nuova tariffa</translation>
    </message>
    <message>
        <source>Nights without a price</source>
        <translation>Notti senza prezzo</translation>
    </message>
    <message numerus="yes">
        <source>Nights of the next %n days without a price:</source>
        <translation>
            <numerusform>Notti del prossimo %n giorno senza prezzo:</numerusform>
            <numerusform>Notti dei prossimi %n giorni senza prezzo:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Retire</source>
        <translation>&amp;Ritira</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predefinita</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>1 night: %1</source>
        <translation>1 notte: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n nights: %1</source>
        <translation>
            <numerusform>%n notte: %1</numerusform>
            <numerusform>%n notti: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The last night of a rate cannot come before its first night.</source>
        <translation>L&apos;ultima notte di una tariffa non può precedere la prima.</translation>
    </message>
    <message>
        <source>A rate needs at least one weekday.</source>
        <translation>Una tariffa ha bisogno di almeno un giorno della settimana.</translation>
    </message>
    <message>
        <source>Add a tax rate first (Tools, Hotel…): every price names its tax.</source>
        <translation>Aggiungi prima un&apos;aliquota (Strumenti, Albergo…): ogni prezzo indica la sua imposta.</translation>
    </message>
    <message>
        <source>Select a rate first.</source>
        <translation>Seleziona prima una tariffa.</translation>
    </message>
    <message>
        <source>Retire the rate of %1 for %2 %3? Nights it has priced keep their price.</source>
        <translation>Ritirare la tariffa di %1 per %2 %3? Le notti che ha prezzato mantengono il loro prezzo.</translation>
    </message>
</context>
<context>
    <name>corvanna::ReportsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Rapporti</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Al:</translation>
    </message>
    <message>
        <source>Rows of the table</source>
        <translation>Righe della tabella</translation>
    </message>
    <message>
        <source>By day</source>
        <translation>Per giorno</translation>
    </message>
    <message>
        <source>By month</source>
        <translation>Per mese</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostra</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>E&amp;sporta CSV…</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Units available</source>
        <translation>Unità disponibili</translation>
    </message>
    <message>
        <source>Nights sold</source>
        <translation>Notti vendute</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Occupazione</translation>
    </message>
    <message>
        <source>Room revenue</source>
        <translation>Ricavi camere</translation>
    </message>
    <message>
        <source>ADR</source>
        <translation>ADR</translation>
    </message>
    <message>
        <source>RevPAR</source>
        <translation>RevPAR</translation>
    </message>
    <message>
        <source>Occupancy and revenue</source>
        <translation>Occupazione e ricavi</translation>
    </message>
    <message>
        <source>Occupancy chart</source>
        <translation>Grafico dell&apos;occupazione</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Aliquota</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Lordo</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metodo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Reservation</source>
        <translation>Prenotazione</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Nome dell&apos;ospite</translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation>Arrivo</translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation>Partenza</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Eliminata</translation>
    </message>
    <message>
        <source>Revenue by tax rate</source>
        <translation>Ricavi per aliquota</translation>
    </message>
    <message>
        <source>Payments by method</source>
        <translation>Pagamenti per metodo</translation>
    </message>
    <message>
        <source>Open balances</source>
        <translation>Saldi aperti</translation>
    </message>
    <message>
        <source>Deleted reservations with money</source>
        <translation>Prenotazioni eliminate con movimenti</translation>
    </message>
    <message>
        <source>The period&apos;s last day cannot come before its first.</source>
        <translation>L&apos;ultimo giorno del periodo non può precedere il primo.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Report %1 to %2</source>
        <translation>Rapporto dal %1 al %2</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
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
        <translation>Nome dell&apos;ospite</translation>
    </message>
    <message>
        <source>Accomodation</source>
        <translation>Sistemazione</translation>
    </message>
    <message>
        <source>Number Of Rooms</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Services Included</source>
        <translation>Servizi inclusi</translation>
    </message>
    <message>
        <source>Number of Persons</source>
        <translation>Numero di persone</translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation>Data di arrivo</translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation>Data di partenza</translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation>Tipo di carta</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Numero della carta</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numero di telefono</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>card number hidden</source>
        <translation>numero della carta nascosto</translation>
    </message>
    <message>
        <source>card ending %1</source>
        <translation>carta che termina con %1</translation>
    </message>
</context>
<context>
    <name>corvanna::RestoreDialog</name>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>&amp;Backups kept:</source>
        <translation>&amp;Backup conservati:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Prenotazioni</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Replaced by a restore</source>
        <translation>Sostituito da un ripristino</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Backup ora</translation>
    </message>
    <message>
        <source>Day&apos;s copy</source>
        <translation>Copia del giorno</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
</context>
<context>
    <name>corvanna::RoomChartView</name>
    <message>
        <source>Room chart</source>
        <translation>Planning delle camere</translation>
    </message>
    <message>
        <source>E</source>
        <comment>sign of an expected stay</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>H</source>
        <comment>sign of a stay in house</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>O</source>
        <comment>sign of a checked-out stay</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>C</source>
        <comment>sign of a cancelled stay</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>N</source>
        <comment>sign of a no-show</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Without a unit</source>
        <translation>Senza unità</translation>
    </message>
    <message>
        <source>%1, %2, unit %3, nights of %4 to %5</source>
        <translation>%1, %2, unità %3, notti dal %4 al %5</translation>
    </message>
</context>
<context>
    <name>corvanna::RoomChartWindow</name>
    <message>
        <source>Room Chart</source>
        <translation>Planning delle camere</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>First night</source>
        <translation>Prima notte</translation>
    </message>
    <message>
        <source>Nights shown</source>
        <translation>Notti mostrate</translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation>
            <numerusform>%n notte</numerusform>
            <numerusform>%n notti</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Previous Week</source>
        <translation>Settimana &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next Week</source>
        <translation>Settimana &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Oggi</translation>
    </message>
    <message>
        <source>E expected, H in house, O checked out. The first row counts the rooms of each night that have no unit yet.</source>
        <translation>A atteso, I in albergo, P partito. La prima riga conta, per ogni notte, le camere che non hanno ancora un&apos;unità.</translation>
    </message>
    <message>
        <source>&amp;Without a unit:</source>
        <translation>Senza &amp;unità:</translation>
    </message>
    <message>
        <source>Stays without a unit</source>
        <translation>Soggiorni senza unità</translation>
    </message>
    <message>
        <source>&amp;Move to Unit…</source>
        <translation>Spos&amp;ta in un&apos;unità…</translation>
    </message>
    <message>
        <source>Op&amp;en</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Check &amp;In</source>
        <translation>Registra a&amp;rrivo</translation>
    </message>
    <message>
        <source>Check &amp;Out</source>
        <translation>Registra parte&amp;nza</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>%1
%2 %3, %4 to %5</source>
        <translation>%1
%2 %3, dal %4 al %5</translation>
    </message>
    <message>
        <source>Choose a stay in the chart or in the list of stays without a unit first.</source>
        <translation>Scelga prima un soggiorno nel planning o nell&apos;elenco dei soggiorni senza unità.</translation>
    </message>
    <message>
        <source>Move to Unit</source>
        <translation>Sposta in un&apos;unità</translation>
    </message>
    <message>
        <source>Which unit does %1 move to, and from which night?</source>
        <translation>In quale unità passa %1, e da quale notte?</translation>
    </message>
    <message>
        <source>Which unit does %1 take?</source>
        <translation>Quale unità occupa %1?</translation>
    </message>
    <message>
        <source>There are no units in service. Add them under Tools, Units.</source>
        <translation>Non ci sono unità in servizio. Le aggiunga in Strumenti, Unità.</translation>
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
        <translation>Questo database è stato scritto da una versione più recente di Corvanna (schema %1; questa versione conosce fino al %2). Resta invariato: usi la versione più recente.</translation>
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
        <translation>Ospiti della prenotazione %1</translation>
    </message>
    <message>
        <source>Booker</source>
        <translation>Prenotante</translation>
    </message>
    <message>
        <source>Further guests</source>
        <translation>Altri ospiti</translation>
    </message>
    <message>
        <source>Guest to add</source>
        <translation>Ospite da aggiungere</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Booker:</source>
        <translation>&amp;Prenotante:</translation>
    </message>
    <message>
        <source>&amp;Further guests:</source>
        <translation>Al&amp;tri ospiti:</translation>
    </message>
    <message>
        <source>A&amp;dd a guest:</source>
        <translation>Aggiungi un o&amp;spite:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
</context>
<context>
    <name>corvanna::Stays</name>
    <message>
        <source>Only an expected guest can be checked in; this stay is %1.</source>
        <translation>Si può registrare l&apos;arrivo solo di un ospite atteso; questo soggiorno è «%1».</translation>
    </message>
    <message>
        <source>Only a guest in the house can be checked out; this stay is %1.</source>
        <translation>Si può registrare la partenza solo di un ospite in albergo; questo soggiorno è «%1».</translation>
    </message>
    <message>
        <source>Only an expected stay can be cancelled or marked as a no-show; this stay is %1.</source>
        <translation>Solo un soggiorno atteso può essere annullato o segnato come mancato arrivo; questo soggiorno è «%1».</translation>
    </message>
</context>
<context>
    <name>corvanna::UnitsWindow</name>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>In servizio</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>A&amp;ggiungi…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifica…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Units in service for %1 %2: %3. The inventory counts %4. Count the units from now on? (No keeps the inventory&apos;s count.)</source>
        <translation>Unità in servizio per %1 %2: %3. L&apos;inventario ne conta %4. Contare le unità d&apos;ora in poi? (No mantiene il numero dell&apos;inventario.)</translation>
    </message>
    <message>
        <source>A unit needs a name.</source>
        <translation>Un&apos;unità deve avere un nome.</translation>
    </message>
    <message>
        <source>There is already a unit named %1. Each unit needs a name of its own.</source>
        <translation>Esiste già un&apos;unità chiamata %1. Ogni unità deve avere un nome proprio.</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Aggiungi unità</translation>
    </message>
    <message>
        <source>Edit Unit</source>
        <translation>Modifica unità</translation>
    </message>
    <message>
        <source>&amp;In service</source>
        <translation>In &amp;servizio</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Categoria:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>A&amp;rea:</source>
        <translation>&amp;Zona:</translation>
    </message>
    <message>
        <source>Select a unit first.</source>
        <translation>Selezioni prima un&apos;unità.</translation>
    </message>
    <message>
        <source>Unit %1 holds a stay, so it cannot be removed. Move the stay to another unit first, or take the unit out of service.</source>
        <translation>L&apos;unità %1 è occupata da un soggiorno, quindi non può essere rimossa. Sposti prima il soggiorno in un&apos;altra unità, oppure metta l&apos;unità fuori servizio.</translation>
    </message>
    <message>
        <source>Unit %1 holds the stay of %2, so it cannot be removed. Move the stay to another unit first, or take the unit out of service.</source>
        <translation>L&apos;unità %1 è occupata dal soggiorno di %2, quindi non può essere rimossa. Sposti prima il soggiorno in un&apos;altra unità, oppure metta l&apos;unità fuori servizio.</translation>
    </message>
    <message>
        <source>Remove unit %1?</source>
        <translation>Rimuovere l&apos;unità %1?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvanna: arguments ignored (not options of this program): %1</source>
        <translation>corvanna: argomenti ignorati (non sono opzioni di questo programma): %1</translation>
    </message>
</context>
</TS>
