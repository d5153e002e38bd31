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
CREATE TABLE IF NOT EXISTS tblStays (ReservationId INTEGER PRIMARY KEY, Status TEXT NOT NULL CHECK (Status IN ('expected', 'in house', 'checked out', 'cancelled', 'no-show')), CancelReason TEXT NOT NULL DEFAULT 'none' CHECK (CancelReason IN ('none', 'by guest', 'by hotel')), CheckedInAt TEXT, CheckedOutAt TEXT, Arrival TEXT);
CREATE TABLE IF NOT EXISTS tblStayUnits (ReservationId INTEGER NOT NULL, UnitId INTEGER NOT NULL, FromNight TEXT NOT NULL, ToNight TEXT NOT NULL, CHECK (FromNight < ToNight), PRIMARY KEY (ReservationId, FromNight));
CREATE INDEX IF NOT EXISTS idxStayUnitsUnit ON tblStayUnits (UnitId, FromNight);
-- The held nights of a span of nights, read from the index alone (step 4 of the history).
CREATE INDEX IF NOT EXISTS idxStayUnitsHeld ON tblStayUnits (FromNight, ToNight, UnitId, ReservationId);
CREATE TABLE IF NOT EXISTS tblStayEvents (id INTEGER PRIMARY KEY AUTOINCREMENT, ReservationId INTEGER NOT NULL, At TEXT NOT NULL, Desk TEXT NOT NULL, What TEXT NOT NULL, Before TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS idxStayEventsStay ON tblStayEvents (ReservationId, id);
CREATE TABLE IF NOT EXISTS tblCapacity (Kind TEXT NOT NULL, Type TEXT NOT NULL, KeepUnits INTEGER NOT NULL CHECK (KeepUnits IN (0, 1)), PRIMARY KEY (Kind, Type));
CREATE TRIGGER IF NOT EXISTS trgStayUnitsFree BEFORE INSERT ON tblStayUnits WHEN (SELECT ToNight FROM tblStayUnits WHERE UnitId = NEW.UnitId AND FromNight < NEW.ToNight ORDER BY FromNight DESC LIMIT 1) > NEW.FromNight OR NOT EXISTS (SELECT 1 FROM tblRooms WHERE id = NEW.ReservationId) OR NOT EXISTS (SELECT 1 FROM tblUnits WHERE id = NEW.UnitId) BEGIN SELECT RAISE(ABORT, 'unit taken or missing'); END;
CREATE TRIGGER IF NOT EXISTS trgStayUnitsFreeUpdate BEFORE UPDATE ON tblStayUnits WHEN (SELECT ToNight FROM tblStayUnits WHERE UnitId = NEW.UnitId AND FromNight < NEW.ToNight AND rowid <> OLD.rowid ORDER BY FromNight DESC LIMIT 1) > NEW.FromNight BEGIN SELECT RAISE(ABORT, 'unit taken'); END;
CREATE TRIGGER IF NOT EXISTS trgStaysReservation BEFORE INSERT ON tblStays WHEN NOT EXISTS (SELECT 1 FROM tblRooms WHERE id = NEW.ReservationId) BEGIN SELECT RAISE(ABORT, 'no such reservation'); END;
CREATE TRIGGER IF NOT EXISTS trgRoomsDeleteStay AFTER DELETE ON tblRooms BEGIN DELETE FROM tblStayUnits WHERE ReservationId = OLD.id; DELETE FROM tblStayEvents WHERE ReservationId = OLD.id; DELETE FROM tblStays WHERE ReservationId = OLD.id; END;
CREATE TRIGGER IF NOT EXISTS trgRoomsStayNights AFTER UPDATE OF CheckInDate, CheckOutDate ON tblRooms BEGIN DELETE FROM tblStayUnits WHERE ReservationId = NEW.id AND NOT coalesce(FromNight < (CASE WHEN NEW.CheckOutDate = NEW.CheckInDate THEN date(NEW.CheckInDate, '+1 day') ELSE NEW.CheckOutDate END) AND ToNight > NEW.CheckInDate, 0); UPDATE tblStayUnits SET FromNight = max(FromNight, NEW.CheckInDate), ToNight = min(ToNight, CASE WHEN NEW.CheckOutDate = NEW.CheckInDate THEN date(NEW.CheckInDate, '+1 day') ELSE NEW.CheckOutDate END) WHERE ReservationId = NEW.id AND (FromNight < NEW.CheckInDate OR ToNight > CASE WHEN NEW.CheckOutDate = NEW.CheckInDate THEN date(NEW.CheckInDate, '+1 day') ELSE NEW.CheckOutDate END); END;
-- Each stay row keeps its reservation's check-in date, kept by the engine (step 9 of the history):
-- a day's arrivals with a status and the stays of a room chart's nights read one index.
CREATE INDEX IF NOT EXISTS idxStaysArrival ON tblStays (Arrival, ReservationId, Status);
CREATE TRIGGER IF NOT EXISTS trgStaysArrival AFTER INSERT ON tblStays BEGIN UPDATE tblStays SET Arrival = (SELECT CheckInDate FROM tblRooms WHERE id = NEW.ReservationId) WHERE ReservationId = NEW.ReservationId; END;
CREATE TRIGGER IF NOT EXISTS trgRoomsArrival AFTER UPDATE OF CheckInDate ON tblRooms WHEN NEW.CheckInDate IS NOT OLD.CheckInDate BEGIN UPDATE tblStays SET Arrival = NEW.CheckInDate WHERE ReservationId = NEW.id; END;
-- Guests: profiles with their documents (NameKey, PhoneKey, EmailKey: the folded name, phone and
-- e-mail a save's match reads through one index), who stays in each reservation (one booker), the
-- desk's privacy rules (off until turned on) and the log of what they erased. The same statements
-- are step 5 of the schema history. A reservation's delete takes its guests' links with it.
CREATE TABLE IF NOT EXISTS tblGuests (id INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL, Phone TEXT, Email TEXT, Address TEXT, Nationality TEXT, BirthDate TEXT, DocType TEXT, DocNumber TEXT, DocCountry TEXT, DocExpiry TEXT, Note TEXT, ErasedAt TEXT, NameKey TEXT NOT NULL DEFAULT '', PhoneKey TEXT NOT NULL DEFAULT '', EmailKey TEXT NOT NULL DEFAULT '');
CREATE INDEX IF NOT EXISTS idxGuestsPhoneKey ON tblGuests (NameKey, PhoneKey);
CREATE INDEX IF NOT EXISTS idxGuestsEmailKey ON tblGuests (NameKey, EmailKey);
CREATE TABLE IF NOT EXISTS tblStayGuests (ReservationId INTEGER NOT NULL, GuestId INTEGER NOT NULL, Role TEXT NOT NULL CHECK (Role IN ('booker', 'guest')), Position INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (ReservationId, GuestId));
CREATE UNIQUE INDEX IF NOT EXISTS idxStayGuestsBooker ON tblStayGuests (ReservationId) WHERE Role = 'booker';
CREATE INDEX IF NOT EXISTS idxStayGuestsGuest ON tblStayGuests (GuestId);
CREATE TRIGGER IF NOT EXISTS trgStayGuestsKnown BEFORE INSERT ON tblStayGuests WHEN NOT EXISTS (SELECT 1 FROM tblRooms WHERE id = NEW.ReservationId) OR NOT EXISTS (SELECT 1 FROM tblGuests WHERE id = NEW.GuestId) BEGIN SELECT RAISE(ABORT, 'no such reservation or guest'); END;
CREATE TRIGGER IF NOT EXISTS trgStayGuestsKnownUpdate BEFORE UPDATE OF GuestId ON tblStayGuests WHEN NOT EXISTS (SELECT 1 FROM tblGuests WHERE id = NEW.GuestId) BEGIN SELECT RAISE(ABORT, 'no such guest'); END;
CREATE TRIGGER IF NOT EXISTS trgRoomsDeleteGuests AFTER DELETE ON tblRooms BEGIN DELETE FROM tblStayGuests WHERE ReservationId = OLD.id; END;
CREATE TRIGGER IF NOT EXISTS trgGuestsDelete AFTER DELETE ON tblGuests BEGIN DELETE FROM tblStayGuests WHERE GuestId = OLD.id; END;
CREATE TABLE IF NOT EXISTS tblPrivacyRules (Rule TEXT PRIMARY KEY CHECK (Rule IN ('cards', 'guests')), Enabled INTEGER NOT NULL DEFAULT 0 CHECK (Enabled IN (0, 1)), After INTEGER NOT NULL CHECK (After > 0));
INSERT OR IGNORE INTO tblPrivacyRules (Rule, Enabled, After) VALUES ('cards', 0, 30), ('guests', 0, 3);
CREATE TABLE IF NOT EXISTS tblPrivacyLog (id INTEGER PRIMARY KEY AUTOINCREMENT, At TEXT NOT NULL, Desk TEXT NOT NULL, What TEXT NOT NULL CHECK (What IN ('cards', 'guest', 'guests by age', 'export')), Count INTEGER NOT NULL);
-- The money (step 6 of the schema history): the hotel's details, tax rates, rates by season and
-- weekday, each night's price, charges, payments, invoices with gapless numbers per year, and whose
-- money a deleted reservation left behind. Rows about money are never changed or deleted. A stay's
-- night prices lie together by stay and night (step 8), the newest of a night the highest Seq.
CREATE TABLE IF NOT EXISTS tblHotel (Key TEXT PRIMARY KEY, Value TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS tblTaxRates (id INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL CHECK (trim(Name) <> ''), BasisPoints INTEGER NOT NULL CHECK (typeof(BasisPoints) = 'integer' AND BasisPoints BETWEEN 0 AND 10000));
CREATE TABLE IF NOT EXISTS tblRates (id INTEGER PRIMARY KEY AUTOINCREMENT, Kind TEXT NOT NULL, Type TEXT NOT NULL, FromNight TEXT, ToNight TEXT, Weekdays INTEGER NOT NULL DEFAULT 127 CHECK (Weekdays BETWEEN 1 AND 127), PriceCents INTEGER NOT NULL CHECK (typeof(PriceCents) = 'integer' AND PriceCents >= 0), TaxRateId INTEGER NOT NULL REFERENCES tblTaxRates (id), CreatedAt TEXT NOT NULL, CHECK ((FromNight IS NULL) = (ToNight IS NULL) AND (FromNight IS NULL OR FromNight <= ToNight)));
CREATE TABLE IF NOT EXISTS tblRatesRetired (RateId INTEGER PRIMARY KEY REFERENCES tblRates (id), At TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS tblNightPrices (ReservationId INTEGER NOT NULL, Night TEXT NOT NULL, Seq INTEGER NOT NULL CHECK (typeof(Seq) = 'integer' AND Seq >= 0), PriceCents INTEGER NOT NULL CHECK (typeof(PriceCents) = 'integer' AND PriceCents >= 0), TaxRateId INTEGER NOT NULL, Source TEXT NOT NULL CHECK (Source IN ('rate', 'override')), At TEXT NOT NULL, Desk TEXT NOT NULL, PRIMARY KEY (ReservationId, Night, Seq)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS tblCharges (id INTEGER PRIMARY KEY AUTOINCREMENT, ReservationId INTEGER NOT NULL, At TEXT NOT NULL, Desk TEXT NOT NULL, Description TEXT NOT NULL, Quantity INTEGER NOT NULL CHECK (typeof(Quantity) = 'integer'), UnitPriceCents INTEGER NOT NULL CHECK (typeof(UnitPriceCents) = 'integer'), TaxRateId INTEGER NOT NULL, VoidsId INTEGER UNIQUE REFERENCES tblCharges (id));
CREATE INDEX IF NOT EXISTS idxChargesStay ON tblCharges (ReservationId);
CREATE INDEX IF NOT EXISTS idxChargesAt ON tblCharges (At);
CREATE TABLE IF NOT EXISTS tblPayments (id INTEGER PRIMARY KEY AUTOINCREMENT, ReservationId INTEGER NOT NULL, At TEXT NOT NULL, Desk TEXT NOT NULL, Kind TEXT NOT NULL CHECK (Kind IN ('deposit', 'payment', 'refund')), AmountCents INTEGER NOT NULL CHECK (typeof(AmountCents) = 'integer' AND AmountCents > 0), Method TEXT NOT NULL, PaidOn TEXT NOT NULL, Note TEXT NOT NULL DEFAULT '', VoidsId INTEGER UNIQUE REFERENCES tblPayments (id));
CREATE INDEX IF NOT EXISTS idxPaymentsStay ON tblPayments (ReservationId);
CREATE INDEX IF NOT EXISTS idxPaymentsPaidOn ON tblPayments (PaidOn);
CREATE TABLE IF NOT EXISTS tblInvoices (id INTEGER PRIMARY KEY AUTOINCREMENT, Year INTEGER NOT NULL, Number INTEGER NOT NULL CHECK (Number > 0), Kind TEXT NOT NULL CHECK (Kind IN ('invoice', 'credit note')), RefersTo INTEGER UNIQUE REFERENCES tblInvoices (id), ReservationId INTEGER NOT NULL, IssuedAt TEXT NOT NULL, Desk TEXT NOT NULL, Snapshot TEXT NOT NULL, UNIQUE (Year, Number));
CREATE INDEX IF NOT EXISTS idxInvoicesStay ON tblInvoices (ReservationId);
CREATE TABLE IF NOT EXISTS tblMoneyKept (ReservationId INTEGER PRIMARY KEY, GuestName TEXT, CheckIn TEXT, CheckOut TEXT, DeletedAt TEXT NOT NULL);
CREATE TRIGGER IF NOT EXISTS trgRoomsKeepMoney AFTER DELETE ON tblRooms WHEN EXISTS (SELECT 1 FROM tblNightPrices WHERE ReservationId = OLD.id) OR EXISTS (SELECT 1 FROM tblCharges WHERE ReservationId = OLD.id) OR EXISTS (SELECT 1 FROM tblPayments WHERE ReservationId = OLD.id) OR EXISTS (SELECT 1 FROM tblInvoices WHERE ReservationId = OLD.id) BEGIN INSERT OR IGNORE INTO tblMoneyKept (ReservationId, GuestName, CheckIn, CheckOut, DeletedAt) VALUES (OLD.id, OLD.GuestName, OLD.CheckInDate, OLD.CheckOutDate, strftime('%Y-%m-%dT%H:%M:%fZ', 'now')); END;
CREATE TRIGGER IF NOT EXISTS trgtblRatesFixedUpdate BEFORE UPDATE ON tblRates BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END;
CREATE TRIGGER IF NOT EXISTS trgtblRatesFixedDelete BEFORE DELETE ON tblRates BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END;
CREATE TRIGGER IF NOT EXISTS trgtblRatesRetiredFixedUpdate BEFORE UPDATE ON tblRatesRetired BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END;
CREATE TRIGGER IF NOT EXISTS trgtblRatesRetiredFixedDelete BEFORE DELETE ON tblRatesRetired BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END;
CREATE TRIGGER IF NOT EXISTS trgtblNightPricesFixedUpdate BEFORE UPDATE ON tblNightPrices BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END;
CREATE TRIGGER IF NOT EXISTS trgtblNightPricesFixedDelete BEFORE DELETE ON tblNightPrices BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END;
CREATE TRIGGER IF NOT EXISTS trgtblChargesFixedUpdate BEFORE UPDATE ON tblCharges BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END;
CREATE TRIGGER IF NOT EXISTS trgtblChargesFixedDelete BEFORE DELETE ON tblCharges BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END;
CREATE TRIGGER IF NOT EXISTS trgtblPaymentsFixedUpdate BEFORE UPDATE ON tblPayments BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END;
CREATE TRIGGER IF NOT EXISTS trgtblPaymentsFixedDelete BEFORE DELETE ON tblPayments BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END;
CREATE TRIGGER IF NOT EXISTS trgtblInvoicesFixedUpdate BEFORE UPDATE ON tblInvoices BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END;
CREATE TRIGGER IF NOT EXISTS trgtblInvoicesFixedDelete BEFORE DELETE ON tblInvoices BEGIN SELECT RAISE(ABORT, 'money rows are never changed'); END;
-- The schema history step this file is at: a new working copy needs no upgrade at first start.
PRAGMA user_version = 9;
