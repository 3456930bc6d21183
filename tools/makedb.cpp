// makedb SQL_FILE DB_FILE
// Runs an SQL text on a new SQLite database and moves the result into place,
// so a failed run never leaves a half-made database behind.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: makedb SQL_FILE DB_FILE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "makedb: cannot read %s\n", argv[1]);
        return 1;
    }
    std::stringstream sql;
    sql << in.rdbuf();

    const std::string target = argv[2];
    const std::string temp = target + ".tmp";
    std::remove(temp.c_str());

    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(temp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: cannot create %s: %s\n", temp.c_str(), sqlite3_errmsg(db));
        sqlite3_close(db);
        return 1;
    }
    char *error = nullptr;
    if (sqlite3_exec(db, sql.str().c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: %s: %s\n", argv[1], error ? error : "error");
        sqlite3_free(error);
        sqlite3_close(db);
        std::remove(temp.c_str());
        return 1;
    }
    sqlite3_close(db);
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        std::perror("makedb: rename");
        return 1;
    }
    return 0;
}
