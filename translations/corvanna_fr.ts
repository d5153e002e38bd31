<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Availability</name>
    <message>
        <source>%1 and 1 more night</source>
        <translation>%1 et 1 nuit de plus</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more nights</source>
        <translation>
            <numerusform>%1 et %n nuit de plus</numerusform>
            <numerusform>%1 et %n nuits de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>This stay overbooks %1 %2 on %3 (%4 over). Save anyway?</source>
        <translation>Ce séjour surréserve %2 « %1 » le %3 (%4 en trop). Enregistrer quand même ?</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The folder %1 could not be made: %2</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé : %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>%1 could not be copied</source>
        <translation>%1 n&apos;a pas pu être copié</translation>
    </message>
    <message>
        <source>No old backups were removed, because the backup %1 is dated after today (%2); if the computer&apos;s clock is wrong, correct it.</source>
        <translation>Aucune ancienne sauvegarde n&apos;a été supprimée, car la sauvegarde %1 est datée d&apos;après aujourd&apos;hui (%2) ; si l&apos;horloge de l&apos;ordinateur est fausse, veuillez la corriger.</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>The backup could not be written to the folder %1: %2</source>
        <translation>La sauvegarde n&apos;a pas pu être écrite dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>The copy failed its integrity check: %1</source>
        <translation>La copie n&apos;a pas passé le contrôle d&apos;intégrité : %1</translation>
    </message>
    <message>
        <source>%1 could not be written to the disk</source>
        <translation>%1 n&apos;a pas pu être écrit sur le disque</translation>
    </message>
    <message>
        <source>%1 could not be renamed</source>
        <translation>%1 n&apos;a pas pu être renommé</translation>
    </message>
    <message>
        <source>The old backup %1 could not be removed</source>
        <translation>L&apos;ancienne sauvegarde %1 n&apos;a pas pu être supprimée</translation>
    </message>
    <message>
        <source>The copy %1 failed its integrity check: %2</source>
        <translation>La copie %1 n&apos;a pas passé le contrôle d&apos;intégrité : %2</translation>
    </message>
    <message>
        <source>The working database has an unfinished write; start and close the program once, then restore again</source>
        <translation>La base de travail a une écriture inachevée ; démarrez et fermez le programme une fois, puis restaurez à nouveau</translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation>%1 n&apos;a pas pu être remplacé</translation>
    </message>
    <message>
        <source>The working database was replaced by another program; the file it replaced was not copied.</source>
        <translation>La base de travail a été remplacée par un autre programme ; le fichier remplacé n&apos;a pas été copié.</translation>
    </message>
    <message>
        <source>The backup cannot be restored while another program has the reservation database open. Close the program everywhere else, then restore again.</source>
        <translation>La sauvegarde ne peut pas être restaurée tant qu&apos;un autre programme a ouvert la base des réservations. Fermez le programme partout ailleurs, puis relancez la restauration.</translation>
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
        <translation>Veuillez vérifier l&apos;installation de MDAC.<byte value="xd"/>
<byte value="xd"/>
Veuillez consulter : %1, cherchez la section &apos;How to obtain this update&apos; et téléchargez la mise à jour appropriée.<byte value="xd"/>
<byte value="xd"/>
Pour toute question, envoyez une capture d&apos;écran de ce message par e-mail à %2.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>The disk is full: the list could not be exported to %1. Any earlier file of that name is unchanged.</source>
        <translation>Le disque est plein : la liste n&apos;a pas pu être exportée vers %1. Un fichier antérieur de ce nom reste inchangé.</translation>
    </message>
    <message>
        <source>The list could not be exported to %1 (%2). Any earlier file of that name is unchanged.</source>
        <translation>La liste n&apos;a pas pu être exportée vers %1 (%2). Un fichier antérieur de ce nom reste inchangé.</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Réservations</translation>
    </message>
</context>
<context>
    <name>DayView</name>
    <message>
        <source>Arrivals</source>
        <translation>Arrivées</translation>
    </message>
    <message>
        <source>A&amp;rrivals</source>
        <translation>Arri&amp;vées</translation>
    </message>
    <message>
        <source>In the House</source>
        <translation>À l&apos;hôtel</translation>
    </message>
    <message>
        <source>In the &amp;House</source>
        <translation>À l&apos;&amp;hôtel</translation>
    </message>
    <message>
        <source>Departures</source>
        <translation>Départs</translation>
    </message>
    <message>
        <source>De&amp;partures</source>
        <translation>Dé&amp;parts</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Search By Date</source>
        <translation>Chercher par date</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Edit Selected</source>
        <translation>Modifier la sélection</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Charger des données d&apos;exemple</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au chemin/fichier</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image non valide</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index hors limites</translation>
    </message>
    <message>
        <source>Object required</source>
        <translation>Objet requis</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Utilisation incorrecte de Null</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable objet ou variable de bloc With non définie</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Cette opération n&apos;est pas autorisée si l&apos;objet est fermé.</translation>
    </message>
    <message>
        <source>Command text was not set for the command object.</source>
        <translation>Le texte de la commande n&apos;a pas été défini pour l&apos;objet commande.</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin d&apos;accès introuvable</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>Impossible de trouver l&apos;élément dans la collection correspondant au nom ou à l&apos;ordinal demandé.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation>BOF ou EOF est égal à True, ou l&apos;enregistrement actuel a été supprimé.</translation>
    </message>
</context>
<context>
    <name>FileEngine</name>
    <message>
        <source>The SQLite database driver is not available</source>
        <translation>Le pilote de base de données SQLite n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>The database %1 was replaced by another program and could not be opened again: %2</source>
        <translation>La base %1 a été remplacée par un autre programme et n&apos;a pas pu être rouverte : %2</translation>
    </message>
</context>
<context>
    <name>GuestCheck</name>
    <message>
        <source>Rooms</source>
        <translation>Chambre</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Chambre</translation>
    </message>
    <message>
        <source>No. Of Rooms:</source>
        <translation>Chambres :</translation>
    </message>
    <message>
        <source>Room Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source> Wings</source>
        <translation>Ailes</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>Aile</translation>
    </message>
    <message>
        <source>No. Of Wings:</source>
        <translation>Ailes :</translation>
    </message>
    <message>
        <source>Wing Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Meeting Hall</source>
        <translation>Salle réunion</translation>
    </message>
    <message>
        <source>No. Of Halls:</source>
        <translation>Salles :</translation>
    </message>
    <message>
        <source>Hall Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>You forgot to input Guest Name.</source>
        <translation>Vous avez oublié de saisir le nom du client.</translation>
    </message>
    <message>
        <source>You forgot to enter Number of %1.</source>
        <translation>Vous avez oublié de saisir le nombre (%1).</translation>
    </message>
    <message>
        <source>You forgot to enter %1 Type.</source>
        <translation>Vous avez oublié de saisir le type (%1).</translation>
    </message>
    <message>
        <source>You forgot to enter Credit Card Type.</source>
        <translation>Vous avez oublié de saisir le type de carte de crédit.</translation>
    </message>
    <message>
        <source>You forgot to enter Credit Card Number.</source>
        <translation>Vous avez oublié de saisir le numéro de carte de crédit.</translation>
    </message>
    <message>
        <source>You forgot to enter Number Of Persons.</source>
        <translation>Vous avez oublié de saisir le nombre de personnes.</translation>
    </message>
    <message>
        <source>You forgot to enter Phone Number.</source>
        <translation>Vous avez oublié de saisir le numéro de téléphone.</translation>
    </message>
    <message>
        <source>You forgot to enter Address.</source>
        <translation>Vous avez oublié de saisir l&apos;adresse.</translation>
    </message>
    <message>
        <source>Number of %1 must be a whole number.</source>
        <translation>Le nombre (%1) doit être un nombre entier.</translation>
    </message>
    <message>
        <source>Number of %1 cannot be more than %2.</source>
        <translation>Le nombre (%1) ne peut pas dépasser %2.</translation>
    </message>
    <message>
        <source>Number Of Persons must be a whole number.</source>
        <translation>Le nombre de personnes doit être un nombre entier.</translation>
    </message>
    <message>
        <source>Number Of Persons cannot be more than %1.</source>
        <translation>Le nombre de personnes ne peut pas dépasser %1.</translation>
    </message>
    <message>
        <source>Credit card is expired.</source>
        <translation>La carte de crédit est expirée.</translation>
    </message>
    <message>
        <source>Credit card expiry date is less than the check out date.</source>
        <translation>La carte de crédit expire avant la date de départ.</translation>
    </message>
</context>
<context>
    <name>GuestCommands</name>
    <message>
        <source>The printer could not be started</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée</translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation>L&apos;impression ne s&apos;est pas terminée</translation>
    </message>
    <message>
        <source>Guest profile of %1</source>
        <translation>Profil client de %1</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Téléphone : %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail : %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse : %1</translation>
    </message>
    <message>
        <source>Nationality: %1</source>
        <translation>Nationalité : %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <translation>Date de naissance : %1</translation>
    </message>
    <message>
        <source>Document: %1 %2, issued by %3, valid until %4</source>
        <translation>Pièce d&apos;identité : %1 %2, délivrée par %3, valable jusqu&apos;au %4</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note : %1</translation>
    </message>
    <message>
        <source>1 stay</source>
        <translation>1 séjour</translation>
    </message>
    <message numerus="yes">
        <source>%n stays</source>
        <translation>
            <numerusform>%n séjour</numerusform>
            <numerusform>%n séjours</numerusform>
        </translation>
    </message>
    <message>
        <source>Reservation %1: %2 to %3, %4 %5, %6 (%7)</source>
        <translation>Réservation %1 : du %2 au %3, %4 %5, %6 (%7)</translation>
    </message>
    <message>
        <source>booker</source>
        <translation>réservant</translation>
    </message>
    <message>
        <source>guest</source>
        <translation>client</translation>
    </message>
    <message>
        <source>This database keeps no guest profiles (it was made by an older program and cannot be changed here), so the guests&apos; commands are not available.</source>
        <translation>Cette base de données ne contient pas de profils clients (elle a été créée par un programme plus ancien et ne peut pas être modifiée ici) : les commandes des clients ne sont donc pas disponibles.</translation>
    </message>
    <message>
        <source>Link this reservation to the guest profile of %1?</source>
        <translation>Lier cette réservation au profil client de %1 ?</translation>
    </message>
    <message>
        <source>Registration card %1</source>
        <translation>Fiche de police %1</translation>
    </message>
    <message>
        <source>Print the registration card</source>
        <translation>Imprimer la fiche de police</translation>
    </message>
    <message>
        <source>Guest %1</source>
        <translation>Client %1</translation>
    </message>
    <message>
        <source>Export Guest</source>
        <translation>Exporter le client</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The guest&apos;s data was written to %1 and %2.</source>
        <translation>Les données du client ont été écrites dans %1 et %2.</translation>
    </message>
    <message>
        <source>The privacy rules erased 1 card number.</source>
        <translation>Les règles de confidentialité ont effacé 1 numéro de carte.</translation>
    </message>
    <message numerus="yes">
        <source>The privacy rules erased %n card numbers.</source>
        <translation>
            <numerusform>Les règles de confidentialité ont effacé %n numéro de carte.</numerusform>
            <numerusform>Les règles de confidentialité ont effacé %n numéros de carte.</numerusform>
        </translation>
    </message>
    <message>
        <source>The privacy rules erased 1 guest profile.</source>
        <translation>Les règles de confidentialité ont effacé 1 profil client.</translation>
    </message>
    <message numerus="yes">
        <source>The privacy rules erased %n guest profiles.</source>
        <translation>
            <numerusform>Les règles de confidentialité ont effacé %n profil client.</numerusform>
            <numerusform>Les règles de confidentialité ont effacé %n profils clients.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Guests</name>
    <message>
        <source>A guest profile needs a name.</source>
        <translation>Un profil de client doit avoir un nom.</translation>
    </message>
    <message>
        <source>Guest profile %1 no longer exists.</source>
        <translation>Le profil de client %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>La réservation %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Erased guest</source>
        <translation>Client effacé</translation>
    </message>
    <message>
        <source>An erased guest profile cannot be changed.</source>
        <translation>Un profil de client effacé ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>A guest profile cannot be merged into itself.</source>
        <translation>Un profil de client ne peut pas être fusionné avec lui-même.</translation>
    </message>
    <message>
        <source>An erased guest profile cannot be merged.</source>
        <translation>Un profil de client effacé ne peut pas être fusionné.</translation>
    </message>
</context>
<context>
    <name>Invoice</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Prix unitaire</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Taux de taxe</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Taxe</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Brut</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total (taxes included)</source>
        <translation>Total (taxes comprises)</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Taxes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Payments received</source>
        <translation>Paiements reçus</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4</source>
        <translation>%1  %2  %3  %4</translation>
    </message>
    <message>
        <source>Paid: %1</source>
        <translation>Payé : %1</translation>
    </message>
    <message>
        <source>Balance due: %1</source>
        <translation>Solde dû : %1</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Acompte</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Remboursement</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Night, %1 %2</source>
        <translation>Nuit, %1 %2</translation>
    </message>
    <message>
        <source>Credit note %1 %2</source>
        <translation>Avoir %1 %2</translation>
    </message>
    <message>
        <source>Invoice %1 %2</source>
        <translation>Facture %1 %2</translation>
    </message>
    <message>
        <source>Tax number: %1</source>
        <translation>Numéro fiscal : %1</translation>
    </message>
    <message>
        <source>Credit note %1</source>
        <translation>Avoir %1</translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation>Facture %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date : %1</translation>
    </message>
    <message>
        <source>Cancels invoice %1</source>
        <translation>Annule la facture %1</translation>
    </message>
    <message>
        <source>Reservation %1</source>
        <translation>Réservation %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 to %4</source>
        <translation>%1 %2, du %3 au %4</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée</translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation>L&apos;impression ne s&apos;est pas terminée</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Imprimer %1</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ListOutput</name>
    <message>
        <source>%1, printed %2</source>
        <translation>%1, imprimé le %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Imprimer %1</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée</translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation>L&apos;impression ne s&apos;est pas terminée</translation>
    </message>
</context>
<context>
    <name>LocalCopy</name>
    <message>
        <source>The server cannot be reached, so this desk shows a read-only copy of the reservations: nothing was saved.</source>
        <translation>Le serveur est injoignable ; ce poste affiche donc une copie en lecture seule des réservations : rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>%1
No local copy of the reservations is available.</source>
        <translation>%1
Aucune copie locale des réservations n&apos;est disponible.</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>&quot;%1&quot; is not an amount. Type it with digits and at most two decimals, for example %2.</source>
        <translation>« %1 » n&apos;est pas un montant. Saisissez-le en chiffres, avec deux décimales au plus, par exemple %2.</translation>
    </message>
    <message>
        <source>This database keeps no accounts (it was made by an older program and cannot be changed here), so prices, folios, invoices and reports are not available.</source>
        <translation>Cette base de données ne tient pas de comptes (elle a été créée par un programme plus ancien et ne peut pas être modifiée ici) : les prix, les comptes clients, les factures et les rapports ne sont pas disponibles.</translation>
    </message>
    <message>
        <source>This database keeps no accounts yet. Open it once with write access so that it can be brought up to date.</source>
        <translation>Cette base de données ne tient pas encore de comptes. Ouvrez-la une fois avec le droit d&apos;écriture pour qu&apos;elle puisse être mise à jour.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>La réservation %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Night of %1</source>
        <translation>Nuit du %1</translation>
    </message>
    <message>
        <source>Invoice %1 no longer exists.</source>
        <translation>La facture %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The currency must be a three-letter ISO code, such as EUR or USD.</source>
        <translation>La devise doit être un code ISO de trois lettres, comme EUR ou USD.</translation>
    </message>
    <message>
        <source>A tax rate needs a name.</source>
        <translation>Un taux de taxe doit avoir un nom.</translation>
    </message>
    <message>
        <source>A tax rate lies between 0 % and 100 %.</source>
        <translation>Un taux de taxe est compris entre 0 % et 100 %.</translation>
    </message>
    <message>
        <source>A rate needs a kind and a type.</source>
        <translation>Un tarif doit avoir une catégorie et un type.</translation>
    </message>
    <message>
        <source>A price cannot be below zero.</source>
        <translation>Un prix ne peut pas être inférieur à zéro.</translation>
    </message>
    <message>
        <source>A rate needs at least one weekday.</source>
        <translation>Un tarif doit avoir au moins un jour de la semaine.</translation>
    </message>
    <message>
        <source>A rate&apos;s range needs a first and a last night, the last not before the first.</source>
        <translation>La période d&apos;un tarif doit avoir une première et une dernière nuit, la dernière pas avant la première.</translation>
    </message>
    <message>
        <source>The tax rate no longer exists.</source>
        <translation>Le taux de taxe n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The rate no longer exists.</source>
        <translation>Le tarif n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The night of %1 is not a night of this stay.</source>
        <translation>La nuit du %1 ne fait pas partie de ce séjour.</translation>
    </message>
    <message>
        <source>Choose the tax rate of the night&apos;s price.</source>
        <translation>Choisissez le taux de taxe du prix de la nuit.</translation>
    </message>
    <message>
        <source>A charge needs a description.</source>
        <translation>Une prestation doit avoir une description.</translation>
    </message>
    <message>
        <source>A charge needs a quantity.</source>
        <translation>Une prestation doit avoir une quantité.</translation>
    </message>
    <message>
        <source>An amount must be above zero.</source>
        <translation>Un montant doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>A payment needs a method.</source>
        <translation>Un paiement doit avoir un moyen de paiement.</translation>
    </message>
    <message>
        <source>A payment needs the day it was paid.</source>
        <translation>Un paiement doit avoir le jour où il a été fait.</translation>
    </message>
    <message>
        <source>This entry is already void, or no longer exists.</source>
        <translation>Cette écriture est déjà annulée ou n&apos;existe plus.</translation>
    </message>
    <message>
        <source>This reservation already has an invoice. Issue a credit note for it before a new invoice.</source>
        <translation>Cette réservation a déjà une facture. Émettez un avoir pour celle-ci avant une nouvelle facture.</translation>
    </message>
    <message>
        <source>There is nothing to invoice: the account has no charge.</source>
        <translation>Il n&apos;y a rien à facturer : le compte n&apos;a aucune prestation.</translation>
    </message>
    <message>
        <source>A credit note cannot be credited.</source>
        <translation>Un avoir ne peut pas faire l&apos;objet d&apos;un avoir.</translation>
    </message>
    <message>
        <source>Invoice %1 already has a credit note.</source>
        <translation>La facture %1 a déjà un avoir.</translation>
    </message>
</context>
<context>
    <name>Privacy</name>
    <message>
        <source>Card numbers are erased after 1 to %1 days.</source>
        <translation>Les numéros de carte sont effacés après un délai de 1 à %1 jours.</translation>
    </message>
    <message>
        <source>Guests are erased after 1 to %1 years.</source>
        <translation>Les clients sont effacés après un délai de 1 à %1 ans.</translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>Other accounts can still read %1</source>
        <translation>D&apos;autres comptes peuvent encore lire %1</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>From the &amp;night of:</source>
        <translation>À partir de la &amp;nuit du :</translation>
    </message>
    <message>
        <source>From the night of</source>
        <translation>À partir de la nuit du</translation>
    </message>
    <message>
        <source>Cancel Reservation</source>
        <translation>Annuler la réservation</translation>
    </message>
    <message>
        <source>Who cancels the reservation of %1?</source>
        <translation>Qui annule la réservation de %1 ?</translation>
    </message>
    <message>
        <source>The &amp;guest</source>
        <translation>Le &amp;client</translation>
    </message>
    <message>
        <source>The &amp;hotel</source>
        <translation>L&apos;&amp;hôtel</translation>
    </message>
</context>
<context>
    <name>RegistrationCard</name>
    <message>
        <source>Registration card, reservation %1</source>
        <translation>Fiche de police, réservation %1</translation>
    </message>
    <message>
        <source>Arrival: %1</source>
        <translation>Arrivée : %1</translation>
    </message>
    <message>
        <source>Departure: %1</source>
        <translation>Départ : %1</translation>
    </message>
    <message>
        <source>1 night</source>
        <translation>1 nuit</translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation>
            <numerusform>%n nuit</numerusform>
            <numerusform>%n nuits</numerusform>
        </translation>
    </message>
    <message>
        <source>Accommodation: %1, %2</source>
        <translation>Hébergement : %1, %2</translation>
    </message>
    <message>
        <source>Unit: not assigned yet</source>
        <translation>Unité : pas encore attribuée</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Unité : %1</translation>
    </message>
    <message>
        <source>Guest %1 of %2: %3 (booker)</source>
        <translation>Client %1 sur %2 : %3 (réservant)</translation>
    </message>
    <message>
        <source>Guest %1 of %2: %3</source>
        <translation>Client %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>Nationality: %1</source>
        <translation>Nationalité : %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <translation>Date de naissance : %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse : %1</translation>
    </message>
    <message>
        <source>Document: %1 %2, issued by %3, valid until %4</source>
        <translation>Pièce d&apos;identité : %1 %2, délivrée par %3, valable jusqu&apos;au %4</translation>
    </message>
    <message>
        <source>Signature of the guest</source>
        <translation>Signature du client</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1<byte value="xd"/>
%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
%2 à la ligne %3<byte value="xd"/><byte value="xd"/>Veuillez envoyer une capture d&apos;écran de ce message par e-mail à %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur d&apos;application</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
</context>
<context>
    <name>RowLock</name>
    <message>
        <source>Guest Name</source>
        <translation>Nom du client</translation>
    </message>
    <message>
        <source>Accommodation</source>
        <translation>Hébergement</translation>
    </message>
    <message>
        <source>Number of Rooms</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>Number of Persons</source>
        <translation>Nombre de personnes</translation>
    </message>
    <message>
        <source>Check-In Date</source>
        <translation>Date d&apos;arrivée</translation>
    </message>
    <message>
        <source>Check-Out Date</source>
        <translation>Date de départ</translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation>Type de carte</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Numéro de carte</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>ServerChoice</name>
    <message>
        <source>The server&apos;s tblRooms already holds %1 reservations; nothing was copied.</source>
        <translation>La table tblRooms du serveur contient déjà %1 réservations ; rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>The server&apos;s tblInventory already holds %1 entries; nothing was copied.</source>
        <translation>La table tblInventory du serveur contient déjà %1 entrées ; rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>%1 needs a server: a postgresql:// URL or key=value connection string</source>
        <translation>%1 demande un serveur : une URL postgresql:// ou une chaîne de connexion key=value</translation>
    </message>
    <message>
        <source>not a server: %1</source>
        <translation>pas un serveur : %1</translation>
    </message>
    <message>
        <source>usage: corvanna [--server TARGET | --local] [--copy-to-server TARGET]
  --server TARGET          keep the reservations on a PostgreSQL server from now on
                           (postgresql://user@host:port/dbname or key=value)
  --local                  back to the database file of this computer
  --copy-to-server TARGET  copy this computer&apos;s reservations to an empty server database
Passwords come from ~/.pgpass or PGPASSWORD and are never kept in the settings.
</source>
        <translation>usage : corvanna [--server CIBLE | --local] [--copy-to-server CIBLE]
  --server CIBLE           tenir désormais les réservations sur un serveur PostgreSQL
                           (postgresql://user@host:port/dbname ou key=value)
  --local                  revenir au fichier de base de données de cet ordinateur
  --copy-to-server CIBLE   copier les réservations de cet ordinateur vers une base vide du serveur
Les mots de passe viennent de ~/.pgpass ou de PGPASSWORD et ne sont jamais gardés dans les réglages.
</translation>
    </message>
</context>
<context>
    <name>ServerLogin</name>
    <message>
        <source>Password of %1:</source>
        <translation>Mot de passe de %1 :</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Permission denied: the settings file %1 cannot be written</source>
        <translation>Permission refusée : le fichier de réglages %1 ne peut pas être écrit</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin %1 could not be read: %2</source>
        <translation>L&apos;habillage %1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>The skin %1 is not a valid style sheet</source>
        <translation>L&apos;habillage %1 n&apos;est pas une feuille de style valide</translation>
    </message>
</context>
<context>
    <name>Statements</name>
    <message>
        <source>The reservation key &quot;%1&quot; is not a whole number</source>
        <translation>La clé de réservation « %1 » n&apos;est pas un nombre entier</translation>
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
        <translation>%1 : %2 %3, pas le type réservé</translation>
    </message>
    <message>
        <source>This database keeps no stays (it was made by an older program and cannot be changed here), so check-in, check-out and units are not available.</source>
        <translation>Cette base ne tient pas de séjours (elle a été créée par un programme plus ancien et ne peut pas être modifiée ici) ; l&apos;arrivée, le départ et les unités ne sont donc pas disponibles.</translation>
    </message>
    <message>
        <source>Select a reservation first.</source>
        <translation>Sélectionnez d&apos;abord une réservation.</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be checked in: its status is %2.</source>
        <translation>La réservation de %1 ne peut pas être enregistrée à l&apos;arrivée : son statut est « %2 ».</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be checked out: its status is %2.</source>
        <translation>La réservation de %1 ne peut pas être enregistrée au départ : son statut est « %2 ».</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be cancelled: its status is %2.</source>
        <translation>La réservation de %1 ne peut pas être annulée : son statut est « %2 ».</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be marked as a no-show: its status is %2.</source>
        <translation>La réservation de %1 ne peut pas être marquée comme non présentée : son statut est « %2 ».</translation>
    </message>
    <message>
        <source>No unit is free for every night of %1&apos;s stay. Free a unit in the room chart, or add one under Tools, Units.</source>
        <translation>Aucune unité n&apos;est libre pour toutes les nuits du séjour de %1. Libérez une unité dans le planning des chambres, ou ajoutez-en une sous Outils, Unités.</translation>
    </message>
    <message>
        <source>Check In</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Which unit does %1 take? Units of the booked type (%2 %3) come first.</source>
        <translation>Quelle unité attribuer à %1 ? Les unités du type réservé (%2 %3) viennent en premier.</translation>
    </message>
    <message>
        <source>%1 holds that unit on the night of %2, so %3 was not checked in.</source>
        <translation>%1 occupe cette unité la nuit du %2 ; l&apos;arrivée de %3 n&apos;a donc pas été enregistrée.</translation>
    </message>
    <message>
        <source>Mark %1 as a no-show? The reservation stays in the list and its units are freed.</source>
        <translation>Marquer %1 comme client non présenté ? La réservation reste dans la liste et ses unités sont libérées.</translation>
    </message>
    <message>
        <source>There is no check-in or check-out of %1 to undo.</source>
        <translation>Il n&apos;y a aucune arrivée ni aucun départ de %1 à défaire.</translation>
    </message>
    <message>
        <source>Undo the last check-in or check-out of %1?</source>
        <translation>Défaire la dernière arrivée ou le dernier départ de %1 ?</translation>
    </message>
    <message>
        <source>Unit %1 is held by %2 on the night of %3, so the stay was not moved.</source>
        <translation>L&apos;unité %1 est occupée par %2 la nuit du %3 ; le séjour n&apos;a donc pas été déplacé.</translation>
    </message>
    <message>
        <source>The stay&apos;s history cannot be read.</source>
        <translation>L&apos;historique du séjour ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>La réservation %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>A stay that is %1 holds no unit.</source>
        <translation>Un séjour au statut « %1 » n&apos;occupe aucune unité.</translation>
    </message>
    <message>
        <source>This reservation&apos;s dates give no night to hold a unit.</source>
        <translation>Les dates de cette réservation ne donnent aucune nuit pour occuper une unité.</translation>
    </message>
    <message>
        <source>The night %1 is not one of this stay&apos;s nights.</source>
        <translation>La nuit du %1 ne fait pas partie de ce séjour.</translation>
    </message>
    <message>
        <source>The unit no longer exists.</source>
        <translation>L&apos;unité n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The unit %1 is out of service.</source>
        <translation>L&apos;unité %1 est hors service.</translation>
    </message>
    <message>
        <source>A unit needs a name.</source>
        <translation>Une unité doit avoir un nom.</translation>
    </message>
    <message>
        <source>A unit needs a kind and a type.</source>
        <translation>Une unité doit avoir une catégorie et un type.</translation>
    </message>
    <message>
        <source>There is already a unit named %1.</source>
        <translation>Il existe déjà une unité nommée %1.</translation>
    </message>
    <message>
        <source>This unit holds a stay. Move the stay to another unit first, or take the unit out of service.</source>
        <translation>Cette unité est occupée par un séjour. Déplacez d&apos;abord le séjour vers une autre unité, ou mettez l&apos;unité hors service.</translation>
    </message>
    <message>
        <source>There is no check-in or check-out of this stay to undo.</source>
        <translation>Il n&apos;y a aucune arrivée ni aucun départ de ce séjour à défaire.</translation>
    </message>
    <message>
        <source>The unit is now held by %1 on %2; the check-in or check-out cannot be undone.</source>
        <translation>L&apos;unité est désormais occupée par %1 le %2 ; l&apos;arrivée ou le départ ne peut pas être défait.</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>attendu</translation>
    </message>
    <message>
        <source>in house</source>
        <translation>à l&apos;hôtel</translation>
    </message>
    <message>
        <source>checked out</source>
        <translation>parti</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>no-show</source>
        <translation>non présenté</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>sans motif indiqué</translation>
    </message>
    <message>
        <source>by the guest</source>
        <translation>par le client</translation>
    </message>
    <message>
        <source>by the hotel</source>
        <translation>par l&apos;hôtel</translation>
    </message>
</context>
<context>
    <name>corvanna::AvailabilityWindow</name>
    <message>
        <source>Availability</source>
        <translation>Disponibilité</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation>
            <numerusform>%n nuit</numerusform>
            <numerusform>%n nuits</numerusform>
        </translation>
    </message>
    <message>
        <source>Free units per night; ! marks an over-booked night. (n): booked, no inventory entered.</source>
        <translation>Unités libres par nuit ; ! signale une nuit surréservée. (n) : réservé, aucun inventaire saisi.</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Nom du client</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Reservations of the night</source>
        <translation>Réservations de la nuit</translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, %4 over</source>
        <translation>%1 le %2 : %3 réservé(s), %4 en trop</translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, %4 free</source>
        <translation>%1 le %2 : %3 réservé(s), %4 libre(s)</translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, no inventory entered</source>
        <translation>%1 le %2 : %3 réservé(s), aucun inventaire saisi</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 le %2</translation>
    </message>
</context>
<context>
    <name>corvanna::DayViewWindow</name>
    <message>
        <source>The dates are reversed: the check-out date is before the check-in date.</source>
        <translation>Les dates sont inversées : la date de départ précède la date d&apos;arrivée.</translation>
    </message>
    <message>
        <source>%1, dates reversed</source>
        <translation>%1, dates inversées</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>&amp;Vue :</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Au&amp;jourd&apos;hui</translation>
    </message>
    <message>
        <source>Reservations of the day</source>
        <translation>Réservations du jour</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A day view&apos;s name and its date, as the list&apos;s title: &quot;Arrivals 08/12/2026&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 - 1 reservation</source>
        <translation>%1 - 1 réservation</translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n reservations</source>
        <translation>
            <numerusform>%1 - %n réservation</numerusform>
            <numerusform>%1 - %n réservations</numerusform>
        </translation>
    </message>
    <message>
        <source>Check &amp;In</source>
        <translation>&amp;Enregistrer l&apos;arrivée</translation>
    </message>
    <message>
        <source>Check &amp;Out</source>
        <translation>Enregistrer le dépar&amp;t</translation>
    </message>
    <message>
        <source>&amp;Cancel…</source>
        <translation>&amp;Annuler…</translation>
    </message>
    <message>
        <source>No-&amp;show</source>
        <translation>Non &amp;présenté</translation>
    </message>
    <message>
        <source>&amp;Undo Check-in/Check-out</source>
        <translation>&amp;Défaire l&apos;arrivée/le départ</translation>
    </message>
    <message>
        <source>Sta&amp;y</source>
        <translation>&amp;Séjour</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Séjour</translation>
    </message>
    <message>
        <source>&amp;Folio…</source>
        <translation>&amp;Folio…</translation>
    </message>
</context>
<context>
    <name>corvanna::FolioWindow</name>
    <message>
        <source>Night, price set by hand</source>
        <translation>Nuit, prix saisi à la main</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Prestation</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Acompte</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Remboursement</translation>
    </message>
    <message>
        <source>Folio</source>
        <translation>Compte client</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Prix unitaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Taux de taxe</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Night&apos;s price</source>
        <translation>Prix de la nuit</translation>
    </message>
    <message>
        <source>Tax rate of the night&apos;s price</source>
        <translation>Taux de taxe du prix de la nuit</translation>
    </message>
    <message>
        <source>Set &amp;Price</source>
        <translation>Fixer le &amp;prix</translation>
    </message>
    <message>
        <source>Charge&apos;s description</source>
        <translation>Description de la prestation</translation>
    </message>
    <message>
        <source>Add &amp;Charge</source>
        <translation>Ajouter la &amp;prestation</translation>
    </message>
    <message>
        <source>Kind of payment</source>
        <translation>Type de paiement</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Bank transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <source>Add Pa&amp;yment</source>
        <translation>Ajouter le pa&amp;iement</translation>
    </message>
    <message>
        <source>&amp;Night:</source>
        <translation>&amp;Nuit :</translation>
    </message>
    <message>
        <source>C&amp;harge:</source>
        <translation>Pres&amp;tation :</translation>
    </message>
    <message>
        <source>Pay&amp;ment:</source>
        <translation>Paie&amp;ment :</translation>
    </message>
    <message>
        <source>Invoices</source>
        <translation>Factures</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Issued</source>
        <translation>Émise</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Void</source>
        <translation>&amp;Annuler l&apos;écriture</translation>
    </message>
    <message>
        <source>&amp;Invoice</source>
        <translation>&amp;Facturer</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Enregistrer en P&amp;DF…</translation>
    </message>
    <message>
        <source>C&amp;redit Note</source>
        <translation>A&amp;voir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Tax rate as before</source>
        <translation>Taux de taxe inchangé</translation>
    </message>
    <message>
        <source>%1, %2 %3, %4 to %5, reservation %6</source>
        <translation>%1, %2 %3, du %4 au %5, réservation %6</translation>
    </message>
    <message>
        <source>Folio of %1</source>
        <translation>Compte de %1</translation>
    </message>
    <message>
        <source>%1 (void)</source>
        <translation>%1 (annulée)</translation>
    </message>
    <message>
        <source>Cancelled or a no-show: the stay&apos;s nights are not charged.</source>
        <translation>Annulé ou non présenté : les nuits du séjour ne sont pas facturées.</translation>
    </message>
    <message>
        <source>1 night without a price: %1</source>
        <translation>1 nuit sans prix : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n nights without a price: %1</source>
        <translation>
            <numerusform>%n nuit sans prix : %1</numerusform>
            <numerusform>%n nuits sans prix : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Charges: %1</source>
        <translation>Prestations : %1</translation>
    </message>
    <message>
        <source>Paid: %1</source>
        <translation>Payé : %1</translation>
    </message>
    <message>
        <source>Balance: %1</source>
        <translation>Solde : %1</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>sans prix</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Credit note</source>
        <translation>Avoir</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>This stay has no night to price.</source>
        <translation>Ce séjour n&apos;a aucune nuit à tarifer.</translation>
    </message>
    <message>
        <source>No rate prices the night of %1: choose the tax rate of its price.</source>
        <translation>Aucun tarif ne s&apos;applique à la nuit du %1 : choisissez le taux de taxe de son prix.</translation>
    </message>
    <message>
        <source>A charge needs a description.</source>
        <translation>Une prestation doit avoir une description.</translation>
    </message>
    <message>
        <source>Add a tax rate first (Tools, Hotel…): every charge names its tax.</source>
        <translation>Ajoutez d&apos;abord un taux de taxe (Outils, Hôtel…) : chaque prestation indique sa taxe.</translation>
    </message>
    <message>
        <source>A payment needs an amount above zero.</source>
        <translation>Un paiement doit avoir un montant supérieur à zéro.</translation>
    </message>
    <message>
        <source>A payment needs a method: choose or type how it was paid.</source>
        <translation>Un paiement doit avoir un moyen : choisissez ou saisissez comment il a été payé.</translation>
    </message>
    <message>
        <source>Select a charge or a payment first.</source>
        <translation>Sélectionnez d&apos;abord une prestation ou un paiement.</translation>
    </message>
    <message>
        <source>A night is not voided: set its price instead (0 for a night not charged).</source>
        <translation>Une nuit ne s&apos;annule pas : fixez plutôt son prix (0 pour une nuit non facturée).</translation>
    </message>
    <message>
        <source>This entry is void already.</source>
        <translation>Cette écriture est déjà annulée.</translation>
    </message>
    <message>
        <source>Void the entry &quot;%1&quot; of %2 from %3? It stays in the account, marked void.</source>
        <translation>Annuler l&apos;écriture « %1 » de %2 du %3 ? Elle reste dans le compte, marquée annulée.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Invoice %1 covers this stay. Cancel it by a credit note before issuing a new one.</source>
        <translation>La facture %1 couvre ce séjour. Annulez-la par un avoir avant d&apos;en émettre une nouvelle.</translation>
    </message>
    <message>
        <source>There is nothing to invoice: the account has no charge.</source>
        <translation>Il n&apos;y a rien à facturer : le compte n&apos;a aucune prestation.</translation>
    </message>
    <message>
        <source>1 night of this stay has no price and will not be on the invoice. Issue it anyway?</source>
        <translation>1 nuit de ce séjour n&apos;a pas de prix et ne figurera pas sur la facture. L&apos;émettre quand même ?</translation>
    </message>
    <message numerus="yes">
        <source>%n nights of this stay have no price and will not be on the invoice. Issue it anyway?</source>
        <translation>
            <numerusform>%n nuit de ce séjour n&apos;a pas de prix et ne figurera pas sur la facture. L&apos;émettre quand même ?</numerusform>
            <numerusform>%n nuits de ce séjour n&apos;ont pas de prix et ne figureront pas sur la facture. L&apos;émettre quand même ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Issue an invoice of %1 to %2? Its number cannot be taken back: a credit note cancels it.</source>
        <translation>Émettre une facture de %1 à %2 ? Son numéro ne peut pas être repris : un avoir l&apos;annule.</translation>
    </message>
    <message>
        <source>Select an invoice first.</source>
        <translation>Sélectionnez d&apos;abord une facture.</translation>
    </message>
    <message>
        <source>%1 is a credit note: only an invoice is cancelled by one.</source>
        <translation>%1 est un avoir : seule une facture s&apos;annule par un avoir.</translation>
    </message>
    <message>
        <source>Invoice %1 is cancelled by a credit note already.</source>
        <translation>La facture %1 est déjà annulée par un avoir.</translation>
    </message>
    <message>
        <source>Cancel invoice %1 by a credit note?</source>
        <translation>Annuler la facture %1 par un avoir ?</translation>
    </message>
</context>
<context>
    <name>corvanna::Form1</name>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>La sauvegarde n&apos;a pas pu être faite : %1</translation>
    </message>
    <message>
        <source>The reservations are on a database server, whose own backups keep them.</source>
        <translation>Les réservations sont sur un serveur de base de données, dont les propres sauvegardes les conservent.</translation>
    </message>
    <message>
        <source>The database was backed up to %1.</source>
        <translation>La base de données a été sauvegardée dans %1.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>There are no backups to restore.</source>
        <translation>Il n&apos;y a aucune sauvegarde à restaurer.</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged and cannot be restored.</source>
        <translation>La sauvegarde du %1 est endommagée et ne peut pas être restaurée.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Replace the working database with the backup of %1 (reservations: %2)? Reservations only in the working database: %3, only in the backup: %4, changed since the backup: %5; the working database is kept as %6 in the Backups folder.</source>
        <translation>Remplacer la base de travail par la sauvegarde du %1 (réservations : %2) ? Réservations seulement dans la base de travail : %3, seulement dans la sauvegarde : %4, modifiées depuis la sauvegarde : %5 ; la base de travail est conservée sous le nom %6 dans le dossier Backups.</translation>
    </message>
    <message>
        <source>The backup of %1 was restored.</source>
        <translation>La sauvegarde du %1 a été restaurée.</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Réservations</translation>
    </message>
    <message>
        <source>Check In Date:</source>
        <translation>Date d&apos;arrivée :</translation>
    </message>
    <message>
        <source>Check Out Date:</source>
        <translation>Date de départ :</translation>
    </message>
    <message>
        <source>Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Double-cliquez sur un élément pour le supprimer. Tirez la ligne | vers la droite hors de la fenêtre pour voir les noms complets.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 introuvable.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Voulez-vous vraiment supprimer %1 ?</translation>
    </message>
    <message>
        <source>Reservations %1 to %2</source>
        <translation>Réservations du %1 au %2</translation>
    </message>
    <message>
        <source>All reservations</source>
        <translation>Toutes les réservations</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Reservation</source>
        <translation>&amp;Réservation</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Back Up Now</source>
        <translation>&amp;Sauvegarder maintenant</translation>
    </message>
    <message>
        <source>&amp;Restore…</source>
        <translation>&amp;Restaurer…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <source>&amp;Edit Selected</source>
        <translation>&amp;Modifier la sélection</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Supprimer la sélection</translation>
    </message>
    <message>
        <source>&amp;Load Sample/Example Data</source>
        <translation>&amp;Charger des données d&apos;exemple</translation>
    </message>
    <message>
        <source>&amp;Search By Date</source>
        <translation>Chercher par &amp;date</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>&amp;Tout afficher</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>A&amp;vailability…</source>
        <translation>Disp&amp;onibilité…</translation>
    </message>
    <message>
        <source>&amp;Inventory…</source>
        <translation>&amp;Inventaire…</translation>
    </message>
    <message>
        <source>&amp;About Corvanna</source>
        <translation>&amp;À propos de Corvanna</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>Re&amp;chercher :</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Name, phone, address, id, card</source>
        <translation>Nom, téléphone, adresse, ID, carte</translation>
    </message>
    <message>
        <source>%1, find &quot;%2&quot;</source>
        <translation>%1, recherche « %2 »</translation>
    </message>
    <message>
        <source>PostgreSQL server, %1</source>
        <translation>serveur PostgreSQL, %1</translation>
    </message>
    <message>
        <source>%1 %2
Front desk reservations for a small hotel.

Data folder: %3
Database: %4</source>
        <translation>%1 %2
Réservations de la réception d&apos;un petit hôtel.

Dossier des données : %3
Base de données : %4</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The translation %1 could not be loaded; it is used from the next start on if it can be loaded then.</source>
        <translation>La traduction %1 n&apos;a pas pu être chargée ; elle sera utilisée dès le prochain démarrage si elle peut alors être chargée.</translation>
    </message>
    <message>
        <source>The menus and the main window speak the chosen language now. Windows that are open or were opened before follow at the next start.</source>
        <translation>Les menus et la fenêtre principale utilisent maintenant la langue choisie. Les fenêtres ouvertes ou déjà ouvertes auparavant suivront au prochain démarrage.</translation>
    </message>
    <message>
        <source>Keeping today&apos;s backup of the reservations…</source>
        <translation>Sauvegarde du jour des réservations en cours…</translation>
    </message>
    <message>
        <source>%1 - %2 - read-only copy as of %3</source>
        <translation>%1 - %2 - copie en lecture seule, état à %3</translation>
    </message>
    <message>
        <source>The server cannot be reached. The list shows a read-only copy of the reservations as of %1; nothing can be saved until the server is back.</source>
        <translation>Le serveur est injoignable. La liste affiche une copie en lecture seule des réservations, état à %1 ; rien ne peut être enregistré avant le retour du serveur.</translation>
    </message>
    <message>
        <source>Check &amp;In</source>
        <translation>&amp;Enregistrer l&apos;arrivée</translation>
    </message>
    <message>
        <source>Check &amp;Out</source>
        <translation>Enregistrer le dépar&amp;t</translation>
    </message>
    <message>
        <source>&amp;Cancel…</source>
        <translation>&amp;Annuler…</translation>
    </message>
    <message>
        <source>No-&amp;show</source>
        <translation>Non &amp;présenté</translation>
    </message>
    <message>
        <source>&amp;Undo Check-in/Check-out</source>
        <translation>&amp;Défaire l&apos;arrivée/le départ</translation>
    </message>
    <message>
        <source>R&amp;oom Chart</source>
        <translation>Planning des &amp;chambres</translation>
    </message>
    <message>
        <source>&amp;Units…</source>
        <translation>&amp;Unités…</translation>
    </message>
    <message>
        <source>&amp;Guests of the Stay…</source>
        <translation>C&amp;lients du séjour…</translation>
    </message>
    <message>
        <source>&amp;Registration Card…</source>
        <translation>&amp;Fiche de police…</translation>
    </message>
    <message>
        <source>&amp;Guests…</source>
        <translation>Cl&amp;ients…</translation>
    </message>
    <message>
        <source>&amp;Privacy…</source>
        <translation>&amp;Confidentialité…</translation>
    </message>
    <message>
        <source>Select a reservation first.</source>
        <translation>Sélectionnez d&apos;abord une réservation.</translation>
    </message>
    <message>
        <source>&amp;Folio…</source>
        <translation>&amp;Folio…</translation>
    </message>
    <message>
        <source>R&amp;eports…</source>
        <translation>Rapport&amp;s…</translation>
    </message>
    <message>
        <source>&amp;Hotel…</source>
        <translation>&amp;Hôtel…</translation>
    </message>
    <message>
        <source>R&amp;ates…</source>
        <translation>&amp;Tarifs…</translation>
    </message>
    <message>
        <source>Bringing the reservation database up to date for this version of Corvanna…</source>
        <translation>Mise à jour de la base des réservations pour cette version de Corvanna…</translation>
    </message>
</context>
<context>
    <name>corvanna::Form2</name>
    <message>
        <source>Add New Guest</source>
        <translation>Nouveau client</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Nom du client</translation>
    </message>
    <message>
        <source>Room Details</source>
        <translation>Détails de la chambre</translation>
    </message>
    <message>
        <source>No. of Rooms:</source>
        <translation>Chambres :</translation>
    </message>
    <message>
        <source>Room Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Check In Date:</source>
        <translation>Arrivée :</translation>
    </message>
    <message>
        <source>No. Of Persons:</source>
        <translation>Personnes :</translation>
    </message>
    <message>
        <source>Service Included:</source>
        <translation>Services :</translation>
    </message>
    <message>
        <source>Breakfast, Lunch, Dinner, Security</source>
        <translation>Petit déjeuner, déjeuner, dîner, sécurité</translation>
    </message>
    <message>
        <source>Check Out Date:</source>
        <translation>Départ :</translation>
    </message>
    <message>
        <source>Other Information</source>
        <translation>Autres informations</translation>
    </message>
    <message>
        <source>Credit Card Type:</source>
        <translation>Type de carte :</translation>
    </message>
    <message>
        <source>Credit Card Num:</source>
        <translation>N° de carte :</translation>
    </message>
    <message>
        <source>Expiry Date:</source>
        <translation>Expiration :</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>If you need fields added to this form, please email me at %1</source>
        <translation>Si vous avez besoin de champs supplémentaires dans ce formulaire, écrivez-moi à %1</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds a NUL character, which the database server cannot store. Retype the field, then save again.</source>
        <translation>Le champ « %1 » contient un caractère NUL que le serveur de base de données ne peut pas stocker. Saisissez à nouveau le champ, puis enregistrez.</translation>
    </message>
    <message>
        <source>Some stored values of this reservation could not be shown, and saving will replace them. Save anyway?</source>
        <translation>Certaines valeurs enregistrées de cette réservation n&apos;ont pas pu être affichées, et l&apos;enregistrement les remplacera. Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>This reservation no longer exists, so nothing was saved.</source>
        <translation>Cette réservation n&apos;existe plus ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Save what you typed as a new reservation?</source>
        <translation>Enregistrer votre saisie comme nouvelle réservation ?</translation>
    </message>
    <message>
        <source>Successfully Saved.</source>
        <translation>Enregistré avec succès.</translation>
    </message>
    <message>
        <source>Another desk changed this reservation after you opened it: %1.

Save your entries over its changes?</source>
        <translation>Un autre poste a modifié cette réservation après que vous l&apos;avez ouverte : %1.

Enregistrer votre saisie par-dessus ses modifications ?</translation>
    </message>
    <message>
        <source>Another desk deleted this reservation after you opened it.

Save your entries as a new reservation?</source>
        <translation>Un autre poste a supprimé cette réservation après que vous l&apos;avez ouverte.

Enregistrer votre saisie comme nouvelle réservation ?</translation>
    </message>
</context>
<context>
    <name>corvanna::GuestsWindow</name>
    <message>
        <source>Guests</source>
        <translation>Clients</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Name, phone, e-mail, address</source>
        <translation>Nom, téléphone, e-mail, adresse</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>Re&amp;chercher :</translation>
    </message>
    <message>
        <source>Guest profiles</source>
        <translation>Profils clients</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Phone:</source>
        <translation>&amp;Téléphone :</translation>
    </message>
    <message>
        <source>E-m&amp;ail:</source>
        <translation>E-m&amp;ail :</translation>
    </message>
    <message>
        <source>A&amp;ddress:</source>
        <translation>A&amp;dresse :</translation>
    </message>
    <message>
        <source>Nationa&amp;lity:</source>
        <translation>Nationa&amp;lité :</translation>
    </message>
    <message>
        <source>Date of &amp;birth:</source>
        <translation>Date de nai&amp;ssance :</translation>
    </message>
    <message>
        <source>Document &amp;type:</source>
        <translation>T&amp;ype de pièce :</translation>
    </message>
    <message>
        <source>Document n&amp;umber:</source>
        <translation>N&amp;uméro de pièce :</translation>
    </message>
    <message>
        <source>Issued b&amp;y:</source>
        <translation>Délivrée &amp;par :</translation>
    </message>
    <message>
        <source>&amp;Valid until:</source>
        <translation>&amp;Valable jusqu&apos;au :</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ote :</translation>
    </message>
    <message>
        <source>Stays</source>
        <translation>Séjours</translation>
    </message>
    <message>
        <source>Check-in</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Check-out</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Nights</source>
        <translation>Nuits</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>&amp;Save Guest</source>
        <translation>&amp;Enregistrer le client</translation>
    </message>
    <message>
        <source>&amp;Merge…</source>
        <translation>&amp;Fusionner…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>&amp;Erase…</source>
        <translation>Efface&amp;r…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Booker</source>
        <translation>Réservant</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Please enter the guest&apos;s name.</source>
        <translation>Veuillez saisir le nom du client.</translation>
    </message>
    <message>
        <source>Save the changes to the profile of %1?</source>
        <translation>Enregistrer les modifications du profil de %1 ?</translation>
    </message>
    <message>
        <source>The changes were not saved, because the guest&apos;s name was empty.</source>
        <translation>Les modifications n&apos;ont pas été enregistrées, car le nom du client était vide.</translation>
    </message>
    <message>
        <source>Merge the profile of %1 (no. %2) into the profile of %3 (no. %4)? Every stay of no. %2 moves to no. %4, and no. %2 is removed.</source>
        <translation>Fusionner le profil de %1 (n° %2) dans le profil de %3 (n° %4) ? Chaque séjour du n° %2 passe au n° %4, et le n° %2 est supprimé.</translation>
    </message>
    <message>
        <source>Erase everything held about %1? This cannot be undone.</source>
        <translation>Effacer tout ce qui est conservé sur %1 ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>The profile&apos;s name, phone, e-mail, address, birth date, document and note go.</source>
        <translation>Le nom, le téléphone, l&apos;e-mail, l&apos;adresse, la date de naissance, la pièce d&apos;identité et la note du profil disparaissent.</translation>
    </message>
    <message>
        <source>1 stay keeps its dates but loses the guest&apos;s name, address and phone.</source>
        <translation>1 séjour garde ses dates mais perd le nom, l&apos;adresse et le téléphone du client.</translation>
    </message>
    <message numerus="yes">
        <source>%n stays keep their dates but lose the guest&apos;s name, address and phone.</source>
        <translation>
            <numerusform>%n séjour garde ses dates mais perd le nom, l&apos;adresse et le téléphone du client.</numerusform>
            <numerusform>%n séjours gardent leurs dates mais perdent le nom, l&apos;adresse et le téléphone du client.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card number goes.</source>
        <translation>1 numéro de carte disparaît.</translation>
    </message>
    <message numerus="yes">
        <source>%n card numbers go.</source>
        <translation>
            <numerusform>%n numéro de carte disparaît.</numerusform>
            <numerusform>%n numéros de carte disparaissent.</numerusform>
        </translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Dépensé</translation>
    </message>
</context>
<context>
    <name>corvanna::HotelWindow</name>
    <message>
        <source>Hotel</source>
        <translation>Hôtel</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>&amp;Tax number:</source>
        <translation>Numéro &amp;fiscal :</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>De&amp;vise :</translation>
    </message>
    <message>
        <source>&amp;Footer:</source>
        <translation>&amp;Pied de page :</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Tax number</source>
        <translation>Numéro fiscal</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Pied de page</translation>
    </message>
    <message>
        <source>Tax rates</source>
        <translation>Taux de taxe</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Taux de taxe</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Tax rate&apos;s name</source>
        <translation>Nom du taux de taxe</translation>
    </message>
    <message>
        <source>Tax rate in percent</source>
        <translation>Taux de taxe en pourcentage</translation>
    </message>
    <message>
        <source>Add &amp;Rate</source>
        <translation>Ajouter le &amp;taux</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a currency. Type its code of three letters, such as EUR or USD, or leave it empty for the currency of this computer&apos;s settings.</source>
        <translation>« %1 » n&apos;est pas une devise. Saisissez son code de trois lettres, comme EUR ou USD, ou laissez le champ vide pour la devise des réglages de cet ordinateur.</translation>
    </message>
    <message>
        <source>A tax rate needs a name.</source>
        <translation>Un taux de taxe doit avoir un nom.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tax rate. Type a percentage from 0 to 100 with at most two decimals, for example %2.</source>
        <translation>« %1 » n&apos;est pas un taux de taxe. Saisissez un pourcentage de 0 à 100 avec deux décimales au plus, par exemple %2.</translation>
    </message>
</context>
<context>
    <name>corvanna::InventoryWindow</name>
    <message>
        <source>Rooms</source>
        <translation>Chambres</translation>
    </message>
    <message>
        <source>Wings</source>
        <translation>Ailes</translation>
    </message>
    <message>
        <source>Meeting Halls</source>
        <translation>Salles de réunion</translation>
    </message>
    <message>
        <source>This database cannot keep an inventory (%1), so the program works without one.</source>
        <translation>Cette base de données ne peut pas tenir d&apos;inventaire (%1) ; le programme fonctionne donc sans.</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventaire</translation>
    </message>
    <message>
        <source>Units of each type the hotel has. Leave Units empty for a type without a limit.</source>
        <translation>Unités de chaque type dont dispose l&apos;hôtel. Laissez Unités vide pour un type sans limite.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This database cannot keep an inventory.</source>
        <translation>Cette base de données ne peut pas tenir d&apos;inventaire.</translation>
    </message>
    <message>
        <source>The units of %1 must be a whole number.</source>
        <translation>Les unités de %1 doivent être un nombre entier.</translation>
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
        <translation>Numéros de carte effacés</translation>
    </message>
    <message>
        <source>Guest erased</source>
        <translation>Client effacé</translation>
    </message>
    <message>
        <source>Guests erased by age</source>
        <translation>Clients effacés par ancienneté</translation>
    </message>
    <message>
        <source>Guest exported</source>
        <translation>Client exporté</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Erase &amp;card numbers this many days after check-out:</source>
        <translation>Effacer les numéros de &amp;carte ce nombre de jours après le départ :</translation>
    </message>
    <message>
        <source>Days after check-out</source>
        <translation>Jours après le départ</translation>
    </message>
    <message>
        <source>Erase &amp;guest profiles this many years after their last stay:</source>
        <translation>&amp;Effacer les profils clients ce nombre d&apos;années après leur dernier séjour :</translation>
    </message>
    <message>
        <source>Years after the last stay</source>
        <translation>Années après le dernier séjour</translation>
    </message>
    <message>
        <source>Privacy log</source>
        <translation>Journal de confidentialité</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Log:</source>
        <translation>&amp;Journal :</translation>
    </message>
</context>
<context>
    <name>corvanna::RatesWindow</name>
    <message>
        <source>every day</source>
        <translation>tous les jours</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Tarifs</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Price per night</source>
        <translation>Prix par nuit</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Taux de taxe</translation>
    </message>
    <message>
        <source>&amp;Only the nights from</source>
        <translation>&amp;Seulement les nuits du</translation>
    </message>
    <message>
        <source>&amp;Add Rate</source>
        <translation>&amp;Ajouter le tarif</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Catégorie :</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>a&amp;u</translation>
    </message>
    <message>
        <source>&amp;Price per night:</source>
        <translation>&amp;Prix par nuit :</translation>
    </message>
    <message>
        <source>New rate</source>
        <translation>Nouveau tarif</translation>
    </message>
    <message>
        <source>Nights without a price</source>
        <translation>Nuits sans prix</translation>
    </message>
    <message numerus="yes">
        <source>Nights of the next %n days without a price:</source>
        <translation>
            <numerusform>Nuits du prochain %n jour sans prix :</numerusform>
            <numerusform>Nuits des %n prochains jours sans prix :</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Retire</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>1 night: %1</source>
        <translation>1 nuit : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n nights: %1</source>
        <translation>
            <numerusform>%n nuit : %1</numerusform>
            <numerusform>%n nuits : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The last night of a rate cannot come before its first night.</source>
        <translation>La dernière nuit d&apos;un tarif ne peut pas précéder sa première nuit.</translation>
    </message>
    <message>
        <source>A rate needs at least one weekday.</source>
        <translation>Un tarif doit avoir au moins un jour de la semaine.</translation>
    </message>
    <message>
        <source>Add a tax rate first (Tools, Hotel…): every price names its tax.</source>
        <translation>Ajoutez d&apos;abord un taux de taxe (Outils, Hôtel…) : chaque prix indique sa taxe.</translation>
    </message>
    <message>
        <source>Select a rate first.</source>
        <translation>Sélectionnez d&apos;abord un tarif.</translation>
    </message>
    <message>
        <source>Retire the rate of %1 for %2 %3? Nights it has priced keep their price.</source>
        <translation>Retirer le tarif de %1 pour %2 %3 ? Les nuits qu&apos;il a tarifées gardent leur prix.</translation>
    </message>
</context>
<context>
    <name>corvanna::ReportsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>Rows of the table</source>
        <translation>Lignes du tableau</translation>
    </message>
    <message>
        <source>By day</source>
        <translation>Par jour</translation>
    </message>
    <message>
        <source>By month</source>
        <translation>Par mois</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>Affic&amp;her</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>E&amp;xporter en CSV…</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Units available</source>
        <translation>Unités disponibles</translation>
    </message>
    <message>
        <source>Nights sold</source>
        <translation>Nuits vendues</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Occupation</translation>
    </message>
    <message>
        <source>Room revenue</source>
        <translation>Chiffre d&apos;affaires hébergement</translation>
    </message>
    <message>
        <source>ADR</source>
        <translation>PMC</translation>
    </message>
    <message>
        <source>RevPAR</source>
        <translation>RevPAR</translation>
    </message>
    <message>
        <source>Occupancy and revenue</source>
        <translation>Occupation et chiffre d&apos;affaires</translation>
    </message>
    <message>
        <source>Occupancy chart</source>
        <translation>Graphique d&apos;occupation</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Taux de taxe</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Brut</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Taxe</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Reservation</source>
        <translation>Réservation</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Nom du client</translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Supprimée</translation>
    </message>
    <message>
        <source>Revenue by tax rate</source>
        <translation>Chiffre d&apos;affaires par taux de taxe</translation>
    </message>
    <message>
        <source>Payments by method</source>
        <translation>Paiements par moyen</translation>
    </message>
    <message>
        <source>Open balances</source>
        <translation>Soldes ouverts</translation>
    </message>
    <message>
        <source>Deleted reservations with money</source>
        <translation>Réservations supprimées avec des écritures</translation>
    </message>
    <message>
        <source>The period&apos;s last day cannot come before its first.</source>
        <translation>Le dernier jour de la période ne peut pas précéder le premier.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Report %1 to %2</source>
        <translation>Rapport du %1 au %2</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
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
        <translation>Nom du client</translation>
    </message>
    <message>
        <source>Accomodation</source>
        <translation>Hébergement</translation>
    </message>
    <message>
        <source>Number Of Rooms</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Services Included</source>
        <translation>Services inclus</translation>
    </message>
    <message>
        <source>Number of Persons</source>
        <translation>Nombre de personnes</translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation>Date d&apos;arrivée</translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation>Date de départ</translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation>Type de carte</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Numéro de carte</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>card number hidden</source>
        <translation>numéro de carte masqué</translation>
    </message>
    <message>
        <source>card ending %1</source>
        <translation>carte se terminant par %1</translation>
    </message>
</context>
<context>
    <name>corvanna::RestoreDialog</name>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>&amp;Backups kept:</source>
        <translation>&amp;Sauvegardes conservées :</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Réservations</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Replaced by a restore</source>
        <translation>Remplacée par une restauration</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Sauvegarder maintenant</translation>
    </message>
    <message>
        <source>Day&apos;s copy</source>
        <translation>Copie du jour</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
</context>
<context>
    <name>corvanna::RoomChartView</name>
    <message>
        <source>Room chart</source>
        <translation>Planning des chambres</translation>
    </message>
    <message>
        <source>E</source>
        <comment>sign of an expected stay</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>H</source>
        <comment>sign of a stay in house</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>O</source>
        <comment>sign of a checked-out stay</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>C</source>
        <comment>sign of a cancelled stay</comment>
        <translation>X</translation>
    </message>
    <message>
        <source>N</source>
        <comment>sign of a no-show</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Without a unit</source>
        <translation>Sans unité</translation>
    </message>
    <message>
        <source>%1, %2, unit %3, nights of %4 to %5</source>
        <translation>%1, %2, unité %3, nuits du %4 au %5</translation>
    </message>
</context>
<context>
    <name>corvanna::RoomChartWindow</name>
    <message>
        <source>Room Chart</source>
        <translation>Planning des chambres</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>First night</source>
        <translation>Première nuit</translation>
    </message>
    <message>
        <source>Nights shown</source>
        <translation>Nuits affichées</translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation>
            <numerusform>%n nuit</numerusform>
            <numerusform>%n nuits</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Previous Week</source>
        <translation>Semaine &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Week</source>
        <translation>Semaine &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Au&amp;jourd&apos;hui</translation>
    </message>
    <message>
        <source>E expected, H in house, O checked out. The first row counts the rooms of each night that have no unit yet.</source>
        <translation>A attendu, P présent, D parti. La première ligne compte, pour chaque nuit, les chambres qui n&apos;ont pas encore d&apos;unité.</translation>
    </message>
    <message>
        <source>&amp;Without a unit:</source>
        <translation>Sans &amp;unité :</translation>
    </message>
    <message>
        <source>Stays without a unit</source>
        <translation>Séjours sans unité</translation>
    </message>
    <message>
        <source>&amp;Move to Unit…</source>
        <translation>&amp;Changer d&apos;unité…</translation>
    </message>
    <message>
        <source>Op&amp;en</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Check &amp;In</source>
        <translation>&amp;Enregistrer l&apos;arrivée</translation>
    </message>
    <message>
        <source>Check &amp;Out</source>
        <translation>Enregistrer le dépar&amp;t</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1
%2 %3, %4 to %5</source>
        <translation>%1
%2 %3, du %4 au %5</translation>
    </message>
    <message>
        <source>Choose a stay in the chart or in the list of stays without a unit first.</source>
        <translation>Choisissez d&apos;abord un séjour dans le planning ou dans la liste des séjours sans unité.</translation>
    </message>
    <message>
        <source>Move to Unit</source>
        <translation>Changer d&apos;unité</translation>
    </message>
    <message>
        <source>Which unit does %1 move to, and from which night?</source>
        <translation>Vers quelle unité déplacer %1, et à partir de quelle nuit ?</translation>
    </message>
    <message>
        <source>Which unit does %1 take?</source>
        <translation>Quelle unité attribuer à %1 ?</translation>
    </message>
    <message>
        <source>There are no units in service. Add them under Tools, Units.</source>
        <translation>Aucune unité n&apos;est en service. Ajoutez-en sous Outils, Unités.</translation>
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
        <translation>Cette base de données a été écrite par une version plus récente de Corvanna (schéma %1 ; cette version connaît jusqu&apos;au %2). Elle reste inchangée : utilisez la version plus récente.</translation>
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
        <translation>Clients de la réservation %1</translation>
    </message>
    <message>
        <source>Booker</source>
        <translation>Réservant</translation>
    </message>
    <message>
        <source>Further guests</source>
        <translation>Autres clients</translation>
    </message>
    <message>
        <source>Guest to add</source>
        <translation>Client à ajouter</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>R&amp;etirer</translation>
    </message>
    <message>
        <source>&amp;Booker:</source>
        <translation>&amp;Réservant :</translation>
    </message>
    <message>
        <source>&amp;Further guests:</source>
        <translation>A&amp;utres clients :</translation>
    </message>
    <message>
        <source>A&amp;dd a guest:</source>
        <translation>Ajouter un c&amp;lient :</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
</context>
<context>
    <name>corvanna::Stays</name>
    <message>
        <source>Only an expected guest can be checked in; this stay is %1.</source>
        <translation>Seul un client attendu peut être enregistré à l&apos;arrivée ; ce séjour est « %1 ».</translation>
    </message>
    <message>
        <source>Only a guest in the house can be checked out; this stay is %1.</source>
        <translation>Seul un client à l&apos;hôtel peut être enregistré au départ ; ce séjour est « %1 ».</translation>
    </message>
    <message>
        <source>Only an expected stay can be cancelled or marked as a no-show; this stay is %1.</source>
        <translation>Seul un séjour attendu peut être annulé ou marqué comme non présenté ; ce séjour est « %1 ».</translation>
    </message>
</context>
<context>
    <name>corvanna::UnitsWindow</name>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>En service</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Ajouter…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Units in service for %1 %2: %3. The inventory counts %4. Count the units from now on? (No keeps the inventory&apos;s count.)</source>
        <translation>Unités en service pour %1 %2 : %3. L&apos;inventaire en compte %4. Compter désormais les unités ? (Non garde le nombre de l&apos;inventaire.)</translation>
    </message>
    <message>
        <source>A unit needs a name.</source>
        <translation>Une unité doit avoir un nom.</translation>
    </message>
    <message>
        <source>There is already a unit named %1. Each unit needs a name of its own.</source>
        <translation>Il existe déjà une unité nommée %1. Chaque unité doit avoir son propre nom.</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Ajouter une unité</translation>
    </message>
    <message>
        <source>Edit Unit</source>
        <translation>Modifier l&apos;unité</translation>
    </message>
    <message>
        <source>&amp;In service</source>
        <translation>&amp;En service</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Catégorie :</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>A&amp;rea:</source>
        <translation>&amp;Zone :</translation>
    </message>
    <message>
        <source>Select a unit first.</source>
        <translation>Sélectionnez d&apos;abord une unité.</translation>
    </message>
    <message>
        <source>Unit %1 holds a stay, so it cannot be removed. Move the stay to another unit first, or take the unit out of service.</source>
        <translation>L&apos;unité %1 est occupée par un séjour et ne peut donc pas être supprimée. Déplacez d&apos;abord le séjour vers une autre unité, ou mettez l&apos;unité hors service.</translation>
    </message>
    <message>
        <source>Unit %1 holds the stay of %2, so it cannot be removed. Move the stay to another unit first, or take the unit out of service.</source>
        <translation>L&apos;unité %1 est occupée par le séjour de %2 et ne peut donc pas être supprimée. Déplacez d&apos;abord le séjour vers une autre unité, ou mettez l&apos;unité hors service.</translation>
    </message>
    <message>
        <source>Remove unit %1?</source>
        <translation>Supprimer l&apos;unité %1 ?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvanna: arguments ignored (not options of this program): %1</source>
        <translation>corvanna : arguments ignorés (ce ne sont pas des options de ce programme) : %1</translation>
    </message>
</context>
</TS>
