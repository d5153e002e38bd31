#include "datagen.h"

#include <QCryptographicHash>
#include <QFile>
#include <algorithm>
#include <array>
#include <cctype>
#include <random>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvanna::bench {

namespace {

// Bump when the generated content changes, so cached files are rebuilt.
constexpr int kGeneratorVersion = 2;

const char* const kFirstNames[] = {
    "James", "Mary", "John", "Patricia", "Robert", "Jennifer", "Michael", "Linda", "William",
    "Elizabeth", "David", "Barbara", "Richard", "Susan", "Joseph", "Jessica", "Thomas", "Sarah",
    "Charles", "Karen", "Christopher", "Nancy", "Daniel", "Lisa", "Matthew", "Betty", "Anthony",
    "Margaret", "Mark", "Sandra", "Donald", "Ashley", "Steven", "Kimberly", "Paul", "Emily",
    "Andrew", "Donna", "Joshua", "Michelle", "Kenneth", "Dorothy", "Kevin", "Carol", "Brian",
    "Amanda", "George", "Melissa", "Edward", "Deborah", "Ronald", "Stephanie", "Timothy", "Rebecca",
    "Jason", "Sharon", "Jeffrey", "Laura", "Ryan", "Cynthia", "Jacob", "Kathleen", "Gary", "Amy",
    "Nicholas", "Shirley", "Eric", "Angela", "Jonathan", "Helen", "Stephen", "Anna", "Larry",
    "Brenda", "Justin", "Pamela", "Scott", "Nicole", "Brandon", "Emma", "Benjamin", "Samantha",
    "Samuel", "Katherine", "Gregory", "Christine", "Frank", "Debra", "Alexander", "Rachel",
    "Raymond", "Catherine", "Patrick", "Carolyn", "Jack", "Janet", "Dennis", "Ruth", "Jerry",
    "Maria", "Tyler", "Heather", "Aaron", "Diane", "Jose", "Virginia", "Adam", "Julie", "Henry",
    "Joyce", "Nathan", "Victoria", "Douglas", "Olivia", "Zachary", "Kelly", "Peter", "Christina",
    "Kyle", "Lauren", "Walter", "Joan", "Ethan", "Evelyn", "Jeremy", "Judith", "Harold", "Megan",
    "Keith", "Cheryl", "Christian", "Andrea", "Roger", "Hannah", "Noah", "Martha", "Gerald",
    "Jacqueline", "Carl", "Frances", "Terry", "Gloria", "Sean", "Ann", "Austin", "Teresa", "Arthur",
    "Kathryn", "Lawrence", "Sara", "Jesse", "Janice", "Dylan", "Jean", "Bryan", "Alice", "Joe",
    "Madison", "Jordan", "Doris", "Billy", "Abigail", "Bruce", "Julia", "Albert", "Judy", "Willie",
    "Grace", "Gabriel", "Denise", "Logan", "Amber", "Alan", "Marilyn", "Juan", "Beverly", "Wayne",
    "Danielle", "Roy", "Theresa", "Ralph", "Sophia", "Randy", "Marie", "Eugene", "Diana", "Vincent",
    "Brittany", "Russell", "Natalie", "Elijah", "Isabella", "Louis", "Charlotte", "Bobby", "Rose",
    "Philip", "Alexis", "Johnny", "Kayla",
    // With accents and other letters a desk meets every day.
    "José", "Zoë", "Renée", "Chloé", "André", "François", "Françoise", "Jürgen", "Jörg", "Søren",
    "Åsa", "Björn", "Ángel", "María", "Iñaki", "Łukasz", "Małgorzata", "Zoltán", "Dvořák", "Anaïs",
    "Noël", "Hélène", "Agnès", "Ólafur", "Siân", "Seán", "Máire", "Eóin", "Dagný", "Ştefan",
    "Çağla", "Gülşen", "Jiří", "Tomáš", "Mirosław", "Ève", "Océane", "Thaïs", "Bogdan", "Oksana",
    "Yuki", "Hiroshi", "Mei", "Wei", "Priya", "Rahul", "Aïcha", "Kwame", "D'Andre", "De'Shawn",
    "Ma'ayan"};

const char* const kLastNames[] = {
    "Smith",      "Johnson",    "Williams",    "Brown",         "Jones",      "Garcia",
    "Miller",     "Davis",      "Rodriguez",   "Martinez",      "Hernandez",  "Lopez",
    "Gonzalez",   "Wilson",     "Anderson",    "Thomas",        "Taylor",     "Moore",
    "Jackson",    "Martin",     "Lee",         "Perez",         "Thompson",   "White",
    "Harris",     "Sanchez",    "Clark",       "Ramirez",       "Lewis",      "Robinson",
    "Walker",     "Young",      "Allen",       "King",          "Wright",     "Scott",
    "Torres",     "Nguyen",     "Hill",        "Flores",        "Green",      "Adams",
    "Nelson",     "Baker",      "Hall",        "Rivera",        "Campbell",   "Mitchell",
    "Carter",     "Roberts",    "Gomez",       "Phillips",      "Evans",      "Turner",
    "Diaz",       "Parker",     "Cruz",        "Edwards",       "Collins",    "Reyes",
    "Stewart",    "Morris",     "Morales",     "Murphy",        "Cook",       "Rogers",
    "Gutierrez",  "Ortiz",      "Morgan",      "Cooper",        "Peterson",   "Bailey",
    "Reed",       "Kelly",      "Howard",      "Ramos",         "Kim",        "Cox",
    "Ward",       "Richardson", "Watson",      "Brooks",        "Chavez",     "Wood",
    "James",      "Bennett",    "Gray",        "Mendoza",       "Ruiz",       "Hughes",
    "Price",      "Alvarez",    "Castillo",    "Sanders",       "Patel",      "Myers",
    "Long",       "Ross",       "Foster",      "Jimenez",       "O'Brien",    "O'Connor",
    "O'Neill",    "O'Sullivan", "O'Reilly",    "O'Hara",        "D'Angelo",   "D'Arcy",
    "D'Souza",    "N'Diaye",    "L'Estrange",  "Dell'Acqua",    "Van't Hoff", "McDonald",
    "MacLeod",    "Müller",     "Schröder",    "Größer",        "Weiß",       "Gómez",
    "Núñez",      "Ibáñez",     "Peña",        "Muñoz",         "Dvořák",     "Novák",
    "Čapek",      "Łukasik",    "Wałęsa",      "Kowalczyk",     "Sørensen",   "Ødegaard",
    "Åberg",      "Ångström",   "Lefèvre",     "Gauthier",      "Bélanger",   "Côté",
    "Théberge",   "Hæggström",  "Öztürk",      "Yılmaz",        "Şahin",      "Ekström",
    "Citroën",    "Brontë",     "Fernández",   "Álvarez",       "de la Cruz", "van der Berg",
    "von Müller", "St. John",   "Smith-Jones", "García-Márquez"};

// Syllables for the long tail of surnames.
const char* const kHeads[] = {
    "Ash",  "Bar",  "Bel",  "Black", "Brad",  "Brook", "Cal",   "Car",   "Chad", "Clay",
    "Cor",  "Crom", "Dal",  "Dor",   "Dun",   "El",    "Fair",  "Far",   "Fen",  "Fitz",
    "Gar",  "Glen", "Hal",  "Har",   "Hart",  "Hol",   "Kings", "Lang",  "Lind", "Mar",
    "Mel",  "Mer",  "Mont", "Nor",   "Oak",   "Pem",   "Pen",   "Rad",   "Red",  "Ros",
    "Roth", "Shel", "Stan", "Stone", "Strat", "Sut",   "Tal",   "Thorn", "Wal",  "Wes",
    "Whit", "Wil",  "Win",  "Wood",  "Wyn",   "Yar",   "Ål",    "Bö",    "Lö",   "Sé"};
const char* const kTails[] = {
    "ford", "ton",   "ley",  "well",   "worth", "wick", "by",   "dale",  "field",  "more",
    "ham",  "stead", "bury", "combe",  "croft", "den",  "gate", "hurst", "ington", "land",
    "mere", "ridge", "shaw", "thorpe", "wood",  "berg", "mann", "son",   "sen",    "ström",
    "ière", "eau",   "ini",  "ello",   "ez",    "ski",  "wicz", "ov",    "enko",   "an"};

const char* const kStreets[] = {
    "Harbour Road", "High Street",   "Main Street",      "Church Lane",   "Station Road",
    "Mill Lane",    "Park Avenue",   "Oak Drive",        "Elm Street",    "Maple Avenue",
    "King's Road",  "Queen's Walk",  "Rue de la Paix",   "Bahnhofstraße", "Calle Mayor",
    "Via Roma",     "Sunset Blvd",   "Ocean Drive",      "Lake Shore Dr", "Bridge St",
    "Castle Hill",  "Market Square", "Avenida Atlântica"};
const char* const kCities[] = {"Pellworth",
                               "New York NY 10001",
                               "Los Angeles CA 90012",
                               "Newark NH 03101",
                               "Boston MA",
                               "Chicago IL 60601",
                               "London W1",
                               "Dublin 2",
                               "Paris 75008",
                               "München",
                               "Zürich",
                               "Kraków",
                               "São Paulo",
                               "Montréal QC",
                               "Québec",
                               "Köln",
                               "Malmö",
                               "Reykjavík",
                               "Istanbul",
                               "Las Vegas NV",
                               "Austin TX 73301",
                               "Seattle WA",
                               "Miami FL",
                               "Denver CO",
                               "St. John's NL"};
// Guests from abroad who write their names in their own script (or, for Vietnamese, with the
// letters beyond Latin Extended-B), given and family name in the order of each pool.
struct Script {
    std::vector<const char*> given;
    std::vector<const char*> family;
    bool familyFirst;
    const char* separator;
};
const Script kScripts[] = {
    {{"Γιάννης", "Μαρία", "Νίκος", "Ελένη", "Δημήτρης", "Σοφία", "Κώστας", "Αθηνά"},
     {"Παπαδόπουλος", "Οικονόμου", "Γεωργίου", "Νικολάου", "Βλάχος", "Αλεξίου"},
     false,
     " "},
    {{"Иван", "Ольга", "Дмитрий", "Наталья", "Сергей", "Ёлка", "Алексей", "Юлия"},
     {"Петров", "Смирнова", "Кузнецов", "Попова", "Соколов", "Лебедева", "Ёлкин"},
     false,
     " "},
    {{"伟", "芳", "娜", "秀英", "敏", "静"}, {"王", "李", "张", "刘", "陈", "杨"}, true, ""},
    {{"翔太", "陽菜", "蓮", "結衣", "大翔"}, {"佐藤", "鈴木", "高橋", "田中", "渡辺"}, true, " "},
    {{"민준", "서연", "도윤", "지우"}, {"김", "이", "박", "최", "정"}, true, ""},
    {{"محمد", "فاطمة", "أحمد", "ليلى", "عمر"}, {"العلي", "حسن", "الخطيب", "منصور"}, false, " "},
    {{"Văn An", "Thị Hương", "Đức Minh", "Ngọc Ánh", "Quốc Bảo"},
     {"Nguyễn", "Trần", "Lê", "Phạm", "Huỳnh", "Đặng"},
     true,
     " "}};

const char* const kAreaCodes[] = {"702", "212", "310", "603", "617",
                                  "312", "415", "206", "305", "512"};

struct Kind {
    const char* word;
    std::vector<const char*> types;
};
const Kind kKinds[] = {
    {"Room", {"Single", "Double", "Deluxe", "Suite", "Superior", "Other"}},
    {"Wing", {"Royal", "Honeymoon", "Family Type"}},
    {"Meeting Hall", {"Main Hall", "East Hall", "West Hall", "Green Leaf Hall"}}};
const char* const kRoomServices[] = {"Breakfast, Lunch, Dinner, Security",
                                     "Breakfast, Lunch, Dinner, Security",
                                     "Breakfast, Lunch, Dinner, Security",
                                     "Breakfast",
                                     "Breakfast, Dinner",
                                     "None",
                                     "Breakfast, Lunch, Dinner, Security, Spa",
                                     "Room only"};
const char* const kHallServices[] = {"Projector, Coffee, Lunch", "Coffee",
                                     "Projector, Sound, Catering",
                                     "Breakfast, Lunch, Dinner, Security"};

template <class T, size_t N> constexpr size_t countOf(const T (&)[N]) {
    return N;
}

class Random {
public:
    explicit Random(quint64 seed)
        : m_engine(seed) {}
    // Uniform in [0, n).
    size_t below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(m_engine); }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_engine); }
    double unit() { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }
    bool chance(double p) { return unit() < p; }
    template <class T, size_t N> const T& pick(const T (&items)[N]) { return items[below(N)]; }
    std::string digits(int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += char('0' + below(10));
        return s;
    }

private:
    std::mt19937_64 m_engine;
};

// A returning guest: what the desk types again at every stay.
struct Guest {
    std::string name;
    std::string cardType;
    std::string cardNo;
    std::string phone; // "\x01" stands for a null phone
    std::string address;
};

std::string lastName(Random& r) {
    if (r.chance(0.35)) return r.pick(kLastNames);
    std::string name = std::string(r.pick(kHeads)) + r.pick(kTails);
    if (r.chance(0.04)) name = std::string(r.chance(0.5) ? "O'" : "D'") + name;
    return name;
}

std::string scriptName(Random& r) {
    const Script& script = kScripts[r.below(countOf(kScripts))];
    const std::string given = script.given[r.below(script.given.size())];
    const std::string family = script.family[r.below(script.family.size())];
    return script.familyFirst ? family + script.separator + given
                              : given + script.separator + family;
}

Guest makeGuest(Random& r, DataShape shape) {
    constexpr double kOtherScripts = 0.06; // of a hotel's guests
    Guest g;
    if (shape == DataShape::Hotel && r.chance(kOtherScripts)) {
        g.name = scriptName(r);
    } else {
        g.name = std::string(r.pick(kFirstNames)) + ' ';
        if (r.chance(0.06)) g.name += std::string(1, char('A' + r.below(26))) + ". ";
        g.name += lastName(r);
    }
    if (r.chance(0.01)) // typed in a hurry
        for (char& c : g.name)
            if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    if (shape == DataShape::Hotel && r.chance(0.01)) // typed with the caps lock on
        for (char& c : g.name)
            if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');

    const double card = r.unit();
    if (card < 0.45) {
        g.cardType = "VISA";
        g.cardNo = "4" + r.digits(3) + ' ' + r.digits(4) + ' ' + r.digits(4) + ' ' + r.digits(4);
    } else if (card < 0.80) {
        g.cardType = "MASTERCARD";
        g.cardNo = "5" + r.digits(3) + ' ' + r.digits(4) + ' ' + r.digits(4) + ' ' + r.digits(4);
    } else if (card < 0.95) {
        g.cardType = "AMERICAN EXPRESS";
        g.cardNo = "37" + r.digits(2) + ' ' + r.digits(6) + ' ' + r.digits(5);
    } else {
        g.cardType = r.chance(0.5) ? "Diners Club" : "visa";
        g.cardNo = r.digits(16);
    }

    const double phone = r.unit();
    if (phone < 0.08)
        g.phone.clear();
    else if (phone < 0.085)
        g.phone = "\x01";
    else if (phone < 0.6)
        g.phone = "1" + std::string(r.pick(kAreaCodes)) + r.digits(7);
    else
        g.phone = "+" + std::to_string(r.between(1, 99)) + ' ' + r.digits(3) + ' ' + r.digits(3) +
                  ' ' + r.digits(4);

    // Two or three lines, as typed into the multi-line box (at most 50 characters).
    std::string address = std::to_string(r.between(1, 999)) + ' ' + r.pick(kStreets) + "\r\n";
    if (r.chance(0.3)) address += "Apt " + std::to_string(r.between(1, 120)) + "\r\n";
    address += r.pick(kCities);
    if (address.size() > 50) address.resize(50);
    g.address = address;
    return g;
}

void check(sqlite3* db, int rc, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

std::string readSchema(const QString& schemaFile) {
    QFile file(schemaFile);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the schema " + schemaFile.toStdString());
    return file.readAll().toStdString();
}

// Runs the schema's statements, split by the engine's own parser, and returns its index
// statements unrun: a bulk load builds the indexes after the rows.
std::vector<std::string> runSchemaWithoutIndexes(sqlite3* db, const std::string& schema) {
    std::vector<std::string> indexes;
    const char* sql = schema.c_str();
    while (*sql) {
        sqlite3_stmt* st = nullptr;
        const char* tail = nullptr;
        check(db, sqlite3_prepare_v2(db, sql, -1, &st, &tail), "schema");
        if (st) {
            const std::string text(sql, size_t(tail - sql));
            std::string upper(sqlite3_sql(st));
            sqlite3_finalize(st);
            std::transform(upper.begin(), upper.end(), upper.begin(),
                           [](unsigned char c) { return char(std::toupper(c)); });
            if (upper.find("CREATE INDEX") != std::string::npos ||
                upper.find("CREATE UNIQUE INDEX") != std::string::npos)
                indexes.push_back(text);
            else
                check(db, sqlite3_exec(db, text.c_str(), nullptr, nullptr, nullptr), "schema");
        }
        sql = tail;
    }
    return indexes;
}

} // namespace

QString generatorTag(const QString& schemaFile) {
    const QByteArray schema = QByteArray::fromStdString(readSchema(schemaFile));
    const QByteArray hash =
        QCryptographicHash::hash(schema, QCryptographicHash::Sha1).toHex().left(8);
    return QStringLiteral("g%1-%2").arg(kGeneratorVersion).arg(QString::fromLatin1(hash));
}

void createEmptyDatabase(const QString& path, const QString& schemaFile) {
    QFile::remove(path);
    sqlite3* db = nullptr;
    const std::string schema = readSchema(schemaFile);
    const int rc = sqlite3_open(path.toUtf8().constData(), &db);
    const int rc2 =
        rc == SQLITE_OK ? sqlite3_exec(db, schema.c_str(), nullptr, nullptr, nullptr) : rc;
    const std::string message = sqlite3_errmsg(db);
    sqlite3_close(db);
    if (rc2 != SQLITE_OK) throw std::runtime_error("empty database: " + message);
}

void generateDatabase(const QString& path, const QString& schemaFile, qint64 rows,
                      const QDate& anchor, quint64 seed, DataShape shape) {
    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    sqlite3* db = nullptr;
    if (sqlite3_open(temp.toUtf8().constData(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot create " + temp.toStdString());
    }
    struct Closer {
        sqlite3* db;
        ~Closer() { sqlite3_close(db); }
    } closer{db};

    // Bulk load: no journal, no sync, a large page cache; the indexes are built afterwards.
    check(db,
          sqlite3_exec(
              db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA cache_size=-262144;",
              nullptr, nullptr, nullptr),
          "pragmas");
    const std::vector<std::string> indexes = runSchemaWithoutIndexes(db, readSchema(schemaFile));

    Random r(seed);
    // Repeating: about three stays per guest, a few guests far more often than the rest. Hotel:
    // most stays are a new guest's; the others are an earlier guest's, coming back.
    constexpr double kNewGuest = 0.85;
    const bool hotel = shape == DataShape::Hotel;
    const size_t guestCount = size_t(std::max<qint64>(50, hotel ? rows : rows / 3));
    std::vector<Guest> guests;
    guests.reserve(guestCount);
    for (size_t i = 0; i < guestCount; ++i)
        guests.push_back(makeGuest(r, shape));
    size_t arrived = 0; // hotel: the guests who have stayed so far

    // Check-in days over twenty years up to the anchor and three months beyond, in booking order.
    const qint64 first = anchor.addYears(-20).toJulianDay();
    const qint64 last = anchor.addDays(90).toJulianDay();
    std::vector<qint64> days(static_cast<size_t>(rows));
    for (qint64& d : days)
        d = first + qint64(r.below(size_t(last - first + 1)));
    std::sort(days.begin(), days.end());

    check(db, sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), "begin");
    sqlite3_stmt* insert = nullptr;
    check(db,
          sqlite3_prepare_v2(
              db,
              "insert into tblRooms (GuestName,Accommodation,NoOfRooms,Type,ServiceIncluded,"
              "NoOfPersons,CheckInDate,CheckOutDate,CreditCardType,CreditCardNo,PhoneNumber,"
              "Address) values (?,?,?,?,?,?,?,?,?,?,?,?)",
              -1, &insert, nullptr),
          "prepare insert");
    static constexpr int kNights[] = {1, 1, 1, 2, 2, 2, 3, 3, 4, 5, 6, 7, 7, 10, 14};
    for (const qint64 day : days) {
        const double u = r.unit();
        size_t guest = size_t(double(guestCount) * u * u);
        if (hotel) {
            if (arrived == 0 || (arrived < guestCount && r.chance(kNewGuest)))
                guest = arrived++;
            else
                guest = size_t(double(arrived) * u);
        }
        const Guest& g = guests[guest];
        const double k = r.unit();
        const int kind = k < 0.85 ? 0 : k < 0.93 ? 1 : 2;
        const int nights =
            kind == 2 ? r.between(1, 3) : r.pick(kNights) + (r.chance(0.05) ? r.between(0, 3) : 0);
        const QByteArray checkIn = QDate::fromJulianDay(day).toString(Qt::ISODate).toLatin1();
        const QByteArray checkOut =
            QDate::fromJulianDay(day + std::min(nights, 14)).toString(Qt::ISODate).toLatin1();
        const int count = kind == 0   ? (r.chance(0.8) ? 1 : r.between(2, 4))
                          : kind == 1 ? 1
                                      : r.between(1, 2);
        const int persons = kind == 0   ? r.between(1, 2 * count + 1)
                            : kind == 1 ? r.between(2, 12)
                                        : r.between(10, 200);
        const char* service = kind == 2 ? r.pick(kHallServices) : r.pick(kRoomServices);
        const auto& types = kKinds[kind].types;

        sqlite3_bind_text(insert, 1, g.name.c_str(), int(g.name.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 2, kKinds[kind].word, -1, SQLITE_STATIC);
        sqlite3_bind_int(insert, 3, count);
        sqlite3_bind_text(insert, 4, types[r.below(types.size())], -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 5, service, -1, SQLITE_STATIC);
        sqlite3_bind_int(insert, 6, persons);
        sqlite3_bind_text(insert, 7, checkIn.constData(), int(checkIn.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 8, checkOut.constData(), int(checkOut.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 9, g.cardType.c_str(), int(g.cardType.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 10, g.cardNo.c_str(), int(g.cardNo.size()), SQLITE_STATIC);
        if (g.phone == "\x01")
            sqlite3_bind_null(insert, 11);
        else
            sqlite3_bind_text(insert, 11, g.phone.c_str(), int(g.phone.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 12, g.address.c_str(), int(g.address.size()), SQLITE_STATIC);
        check(db, sqlite3_step(insert), "insert");
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    for (const std::string& index : indexes)
        check(db, sqlite3_exec(db, index.c_str(), nullptr, nullptr, nullptr), "index");
    check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), "commit");
    // The desk's file uses the rollback journal; leave the file as the program would find it.
    check(db, sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr), "journal");
    sqlite3_close(db);
    closer.db = nullptr;

    QFile::remove(path);
    if (!QFile::rename(temp, path))
        throw std::runtime_error("cannot move " + temp.toStdString() + " to " + path.toStdString());
}

GuestValues savedGuest() {
    GuestValues values;
    values.guestName = QStringLiteral("Renée O'Brien");
    values.accommodation = QStringLiteral("Room");
    values.noOfRooms = QStringLiteral("1");
    values.type = QStringLiteral("Double");
    values.serviceIncluded = QStringLiteral("Breakfast, Lunch, Dinner, Security");
    values.noOfPersons = QStringLiteral("2");
    values.checkIn = QDate::currentDate();
    values.checkOut = values.checkIn.addDays(3);
    values.creditCardType = QStringLiteral("VISA");
    values.creditCardNo = QStringLiteral("4111 1111 1111 1111");
    values.phoneNumber = QStringLiteral("17025550147");
    values.address = QStringLiteral("12 Harbour Road\r\nPellworth");
    return values;
}

} // namespace corvanna::bench
