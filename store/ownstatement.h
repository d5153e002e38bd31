#pragma once

namespace corvanna {

// One of the program's own statements in both engines' dialects, side by side: the file's text
// (parameters ?1, ?2, ...) and the server's ($1, $2, ...). The values are bound as parameters in
// the same order on both.
struct OwnStatement {
    const char* file;
    const char* server;
};

} // namespace corvanna
