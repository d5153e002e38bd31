<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Availability</name>
    <message>
        <source>%1 and 1 more night</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more nights</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>This stay overbooks %1 %2 on %3 (%4 over). Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The folder %1 could not be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No old backups were removed, because the backup %1 is dated after today (%2); if the computer&apos;s clock is wrong, correct it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be written to the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy failed its integrity check: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written to the disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old backup %1 could not be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy %1 failed its integrity check: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The working database has an unfinished write; start and close the program once, then restore again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>The disk is full: the list could not be exported to %1. Any earlier file of that name is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be exported to %1 (%2). Any earlier file of that name is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DayView</name>
    <message>
        <source>Arrivals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;rrivals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the &amp;House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;partures</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search By Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command text was not set for the command object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileEngine</name>
    <message>
        <source>The SQLite database driver is not available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuestCheck</name>
    <message>
        <source>Rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. Of Rooms:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deluxe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Superior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Wings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. Of Wings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wing Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Honeymoon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meeting Hall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. Of Halls:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hall Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Hall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East Hall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West Hall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green Leaf Hall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You forgot to input Guest Name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You forgot to enter Number of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You forgot to enter %1 Type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You forgot to enter Credit Card Type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You forgot to enter Credit Card Number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You forgot to enter Number Of Persons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You forgot to enter Phone Number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You forgot to enter Address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of %1 must be a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of %1 cannot be more than %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Of Persons must be a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Of Persons cannot be more than %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit card is expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit card expiry date is less than the check out date.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListOutput</name>
    <message>
        <source>%1, printed %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>Other accounts can still read %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1<byte value="xd"/>
%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RowLock</name>
    <message>
        <source>Guest Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accommodation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Persons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check-In Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check-Out Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerChoice</name>
    <message>
        <source>The server&apos;s tblRooms already holds %1 reservations; nothing was copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s tblInventory already holds %1 entries; nothing was copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a server: a postgresql:// URL or key=value connection string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a server: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: corvanna [--server TARGET | --local] [--copy-to-server TARGET]
  --server TARGET          keep the reservations on a PostgreSQL server from now on
                           (postgresql://user@host:port/dbname or key=value)
  --local                  back to the database file of this computer
  --copy-to-server TARGET  copy this computer&apos;s reservations to an empty server database
Passwords come from ~/.pgpass or PGPASSWORD and are never kept in the settings.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerLogin</name>
    <message>
        <source>Password of %1:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Permission denied: the settings file %1 cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 could not be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin %1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin %1 is not a valid style sheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Statements</name>
    <message>
        <source>The reservation key &quot;%1&quot; is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvanna::AvailabilityWindow</name>
    <message>
        <source>Availability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Free units per night; ! marks an over-booked night. (n): booked, no inventory entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reservations of the night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, %4 over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, %4 free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, no inventory entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvanna::DayViewWindow</name>
    <message>
        <source>The dates are reversed: the check-out date is before the check-in date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, dates reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reservations of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - 1 reservation</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n reservations</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvanna::Form1</name>
    <message>
        <source>The backup could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reservations are on a database server, whose own backups keep them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database was backed up to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no backups to restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup of %1 is damaged and cannot be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the working database with the backup of %1 (reservations: %2)? Reservations only in the working database: %3, only in the backup: %4, changed since the backup: %5; the working database is kept as %6 in the Backups folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup of %1 was restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check In Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Out Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reservations %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All reservations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reservation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back Up Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Sample/Example Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search By Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;vailability…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inventory…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Corvanna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name, phone, address, id, card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, find &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PostgreSQL server, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2
Front desk reservations for a small hotel.

Data folder: %3
Database: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The translation %1 could not be loaded; it is used from the next start on if it can be loaded then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menus and the main window speak the chosen language now. Windows that are open or were opened before follow at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvanna::Form2</name>
    <message>
        <source>Add New Guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. of Rooms:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check In Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. Of Persons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service Included:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breakfast, Lunch, Dinner, Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Out Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit Card Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit Card Num:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expiry Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you need fields added to this form, please email me at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds a NUL character, which the database server cannot store. Retype the field, then save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some stored values of this reservation could not be shown, and saving will replace them. Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This reservation no longer exists, so nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save what you typed as a new reservation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successfully Saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another desk changed this reservation after you opened it: %1.

Save your entries over its changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another desk deleted this reservation after you opened it.

Save your entries as a new reservation?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvanna::InventoryWindow</name>
    <message>
        <source>Rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meeting Halls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This database cannot keep an inventory (%1), so the program works without one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units of each type the hotel has. Leave Units empty for a type without a limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This database cannot keep an inventory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The units of %1 must be a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvanna::ReservationModel</name>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accomodation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Of Rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Services Included</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Persons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>card number hidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>card ending %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvanna::RestoreDialog</name>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backups kept:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced by a restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day&apos;s copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvanna::SchemaHistory</name>
    <message>
        <source>This database was written by a newer version of Corvanna (schema %1; this version knows up to %2). It is left unchanged: use the newer version.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvanna: arguments ignored (not options of this program): %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
