#pragma once

#include <QHashFunctions>

// A row's position in a table: its section and its row within the section.
struct IndexPath
{
    int section = 0;
    int row = 0;

    friend bool operator==(const IndexPath &a, const IndexPath &b) = default;
};

inline size_t qHash(const IndexPath &path, size_t seed = 0)
{
    return qHashMulti(seed, path.section, path.row);
}
