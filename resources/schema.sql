-- The reservation table of dbRooms.mdb. One row per reservation.
-- Dates are ISO text (yyyy-mm-dd) so that ranges compare correctly and any SQLite tool reads them.
-- GuestName orders case-insensitively. The checks make the engine reject what does not fit a
-- column, as the desk's original database did: text in a count, an impossible date.
CREATE TABLE tblRooms (
    id              INTEGER PRIMARY KEY AUTOINCREMENT,
    GuestName       TEXT COLLATE NOCASE,
    Accommodation   TEXT,
    NoOfRooms       INTEGER CHECK (NoOfRooms IS NULL OR typeof(NoOfRooms) = 'integer'),
    Type            TEXT,
    ServiceIncluded TEXT,
    NoOfPersons     INTEGER CHECK (NoOfPersons IS NULL OR typeof(NoOfPersons) = 'integer'),
    CheckInDate     TEXT CHECK (CheckInDate IS NULL OR date(CheckInDate, '+0 days') IS CheckInDate),
    CheckOutDate    TEXT CHECK (CheckOutDate IS NULL OR date(CheckOutDate, '+0 days') IS CheckOutDate),
    CreditCardType  TEXT,
    CreditCardNo    TEXT,
    PhoneNumber     TEXT,
    Address         TEXT
);
-- The date range reads through this index. There is deliberately no index on GuestName: the
-- engine would walk it for "order by GuestName" even under a date range (it cannot tell how few
-- rows a one-sided date bound leaves), reading every reservation to list a week; a full list
-- sorts faster than it walks such an index.
CREATE INDEX idxRoomsStay ON tblRooms (CheckInDate, CheckOutDate);
-- How far back a stay can begin: the longest stay, read at once, bounds the stay index's range
-- when the availability asks which stays take a night.
CREATE INDEX idxRoomsStayLength ON tblRooms (julianday(CheckOutDate) - julianday(CheckInDate));
-- The hotel's inventory: how many units of each kind (the word stored in Accommodation) and type.
-- A kind and type without a row is unlimited.
CREATE TABLE tblInventory (
    Kind  TEXT NOT NULL,
    Type  TEXT NOT NULL,
    Units INTEGER NOT NULL CHECK (typeof(Units) = 'integer' AND Units >= 0),
    PRIMARY KEY (Kind, Type)
);
