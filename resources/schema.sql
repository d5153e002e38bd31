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
-- The names in an order read at once (ties by id; a missing name as an empty one), for the first
-- screen of a large list. No statement of the list orders by this expression, so their plans stay
-- as described above.
CREATE INDEX IF NOT EXISTS idxRoomsNameOrder ON tblRooms (coalesce(lower(GuestName), ''));
-- The hotel's inventory: how many units of each kind (the word stored in Accommodation) and type.
-- A kind and type without a row is unlimited.
CREATE TABLE tblInventory (
    Kind  TEXT NOT NULL,
    Type  TEXT NOT NULL,
    Units INTEGER NOT NULL CHECK (typeof(Units) = 'integer' AND Units >= 0),
    PRIMARY KEY (Kind, Type)
);
-- The stay: the hotel's units (rooms, wings, halls by name), each reservation's status, the units
-- it holds night by night ([FromNight, ToNight), ISO dates), the log that lets the last check-in
-- or check-out be undone, and the desk's answer where units and the inventory's count differ. The
-- same statements are step 3 of the schema history (store/schemahistory.cpp). A unit's spans
-- never share a night; the reservation's delete takes its stay; new dates keep only the held
-- nights that are still the stay's.
CREATE TABLE IF NOT EXISTS tblUnits (id INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL UNIQUE CHECK (trim(Name) <> ''), Kind TEXT NOT NULL, Type TEXT NOT NULL, Area TEXT, InService INTEGER NOT NULL DEFAULT 1 CHECK (InService IN (0, 1)));
CREATE TABLE IF NOT EXISTS tblStays (ReservationId INTEGER PRIMARY KEY, Status TEXT NOT NULL CHECK (Status IN ('expected', 'in house', 'checked out', 'cancelled', 'no-show')), CancelReason TEXT NOT NULL DEFAULT 'none' CHECK (CancelReason IN ('none', 'by guest', 'by hotel')), CheckedInAt TEXT, CheckedOutAt TEXT);
CREATE TABLE IF NOT EXISTS tblStayUnits (ReservationId INTEGER NOT NULL, UnitId INTEGER NOT NULL, FromNight TEXT NOT NULL, ToNight TEXT NOT NULL, CHECK (FromNight < ToNight), PRIMARY KEY (ReservationId, FromNight));
CREATE INDEX IF NOT EXISTS idxStayUnitsUnit ON tblStayUnits (UnitId, FromNight);
CREATE INDEX IF NOT EXISTS idxStayUnitsNight ON tblStayUnits (FromNight, ToNight);
CREATE TABLE IF NOT EXISTS tblStayEvents (id INTEGER PRIMARY KEY AUTOINCREMENT, ReservationId INTEGER NOT NULL, At TEXT NOT NULL, Desk TEXT NOT NULL, What TEXT NOT NULL, Before TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS idxStayEventsStay ON tblStayEvents (ReservationId, id);
CREATE TABLE IF NOT EXISTS tblCapacity (Kind TEXT NOT NULL, Type TEXT NOT NULL, KeepUnits INTEGER NOT NULL CHECK (KeepUnits IN (0, 1)), PRIMARY KEY (Kind, Type));
CREATE TRIGGER IF NOT EXISTS trgStayUnitsFree BEFORE INSERT ON tblStayUnits WHEN (SELECT ToNight FROM tblStayUnits WHERE UnitId = NEW.UnitId AND FromNight < NEW.ToNight ORDER BY FromNight DESC LIMIT 1) > NEW.FromNight OR NOT EXISTS (SELECT 1 FROM tblRooms WHERE id = NEW.ReservationId) OR NOT EXISTS (SELECT 1 FROM tblUnits WHERE id = NEW.UnitId) BEGIN SELECT RAISE(ABORT, 'unit taken or missing'); END;
CREATE TRIGGER IF NOT EXISTS trgStayUnitsFreeUpdate BEFORE UPDATE ON tblStayUnits WHEN (SELECT ToNight FROM tblStayUnits WHERE UnitId = NEW.UnitId AND FromNight < NEW.ToNight AND rowid <> OLD.rowid ORDER BY FromNight DESC LIMIT 1) > NEW.FromNight BEGIN SELECT RAISE(ABORT, 'unit taken'); END;
CREATE TRIGGER IF NOT EXISTS trgStaysReservation BEFORE INSERT ON tblStays WHEN NOT EXISTS (SELECT 1 FROM tblRooms WHERE id = NEW.ReservationId) BEGIN SELECT RAISE(ABORT, 'no such reservation'); END;
CREATE TRIGGER IF NOT EXISTS trgRoomsDeleteStay AFTER DELETE ON tblRooms BEGIN DELETE FROM tblStayUnits WHERE ReservationId = OLD.id; DELETE FROM tblStayEvents WHERE ReservationId = OLD.id; DELETE FROM tblStays WHERE ReservationId = OLD.id; END;
CREATE TRIGGER IF NOT EXISTS trgRoomsStayNights AFTER UPDATE OF CheckInDate, CheckOutDate ON tblRooms BEGIN DELETE FROM tblStayUnits WHERE ReservationId = NEW.id AND NOT coalesce(FromNight < (CASE WHEN NEW.CheckOutDate = NEW.CheckInDate THEN date(NEW.CheckInDate, '+1 day') ELSE NEW.CheckOutDate END) AND ToNight > NEW.CheckInDate, 0); UPDATE tblStayUnits SET FromNight = max(FromNight, NEW.CheckInDate), ToNight = min(ToNight, CASE WHEN NEW.CheckOutDate = NEW.CheckInDate THEN date(NEW.CheckInDate, '+1 day') ELSE NEW.CheckOutDate END) WHERE ReservationId = NEW.id AND (FromNight < NEW.CheckInDate OR ToNight > CASE WHEN NEW.CheckOutDate = NEW.CheckInDate THEN date(NEW.CheckInDate, '+1 day') ELSE NEW.CheckOutDate END); END;
-- The schema history step this file is at: a new working copy needs no upgrade at first start.
PRAGMA user_version = 7;
