#pragma once
// Helpers shared by the fuzz targets.
#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline QByteArray octets(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A broken property is a fault like a crash: stop with the reason so that
// libFuzzer keeps the input.
inline void exiger(bool condition, const char *quoi)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", quoi);
        std::abort();
    }
}

} // namespace fuzz
