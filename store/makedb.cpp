// Builds a database file from a schema: makedb SCHEMA.sql OUT.mdb
#include <cstdio>
#include <fstream>
#include <sqlite3.h>
#include <sstream>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SCHEMA.sql OUT.mdb\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream schema;
    schema << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "makedb: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string out = argv[2];
    const std::string temp = out + ".new";
    std::remove(temp.c_str());
    sqlite3* db = nullptr;
    char* error = nullptr;
    if (sqlite3_open(temp.c_str(), &db) != SQLITE_OK ||
        sqlite3_exec(db, schema.str().c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: %s\n", error ? error : sqlite3_errmsg(db));
        sqlite3_free(error);
        sqlite3_close(db);
        return 1;
    }
    sqlite3_close(db);
    if (std::rename(temp.c_str(), out.c_str()) != 0) {
        std::perror("makedb");
        return 1;
    }
    return 0;
}
