#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a QGuiApplication on the offscreen platform, made once per
// process before the first input, with Qt's own warnings silenced (damaged pictures make
// libpng and the image readers talk on every input).

// Stops the run on a broken property. libFuzzer reports the trap as a crash and keeps the
// input, so a property failure is found and reproduced like any crash.
[[noreturn]] void FuzzFailed(const char* condition, const char* file, int line);
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzFailed(#condition, __FILE__, __LINE__);                                            \
    } while (false)

inline QByteArray FuzzBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}
