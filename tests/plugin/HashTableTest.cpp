// The plug-in's hash table (TableHachage.h), compiled here on its own: the
// index of listed paints keeps its keys and its names' look-ups in it.
// Hashes are chosen by hand, so that entries collide, wrap past the last
// slot and cross the growths.
#include <gtest/gtest.h>

#include "TableHachage.h"

namespace vyn::test {
namespace {

struct Entry {
    ASUInt32 key;
    ASUInt32 value;
};

// A table that gives its slots back at the end of the test.
struct Table : TableHachage<Entry> {
    ~Table() { Libere(); }

    const Entry *find(ASUInt32 hash, ASUInt32 key) const {
        return Cherche(hash, [&](const Entry &e) { return e.key == key; });
    }
};

// Every entry added is found under its hash with its own value, and a key
// never added is not, whatever hash it is looked for under.
void expectHolds(const Table &table, ASUInt32 count, ASUInt32 (*hashOf)(ASUInt32)) {
    ASSERT_EQ(table.Nombre(), count);
    for (ASUInt32 key = 0; key < count; ++key) {
        const Entry *found = table.find(hashOf(key), key);
        ASSERT_NE(found, nullptr) << "key " << key;
        EXPECT_EQ(found->value, 1000 + key) << "key " << key;
    }
    EXPECT_EQ(table.find(hashOf(0), count), nullptr) << "an absent key beside the first";
    EXPECT_EQ(table.find(hashOf(count - 1), count), nullptr) << "an absent key beside the last";
}

TEST(HashTable, AnEmptyTableFindsNothingAndTakesItsFirstEntry) {
    Table table;
    EXPECT_EQ(table.find(0, 0), nullptr) << "no slots yet";
    ASSERT_TRUE(table.Ajoute(7, {1, 1001}));
    EXPECT_EQ(table.Capacite(), TableHachage<Entry>::kCapaciteInitiale);
    EXPECT_EQ(table.find(7, 1)->value, 1001u);
    EXPECT_EQ(table.find(7, 2), nullptr) << "same hash, other key";
    EXPECT_EQ(table.find(8, 1), nullptr) << "same key under another hash is another entry";

    ASSERT_TRUE(table.Prepare());
    EXPECT_EQ(table.Nombre(), 0u);
    EXPECT_EQ(table.find(7, 1), nullptr) << "Prepare empties the table";
    table.Libere();
    table.Libere();
    EXPECT_EQ(table.Capacite(), 0u);
}

// Many entries through several growths, with hashes that crowd a few slots
// or the end of the table: every entry stays reachable and the table stays
// at most half full, so that a search for an absent key ends.
TEST(HashTable, EntriesSurviveGrowthUnderCollisions) {
    struct Case {
        const char *name;
        ASUInt32 (*hashOf)(ASUInt32);
    };
    const Case cases[] = {
        {"one hash for all", [](ASUInt32) -> ASUInt32 { return 0x5A5A5A5Au; }},
        {"four hashes", [](ASUInt32 key) -> ASUInt32 { return key % 4 * 0x10000u; }},
        {"on the last slot, wrapping", [](ASUInt32 key) -> ASUInt32 { return 0xFFFFFFFFu - key % 3; }},
        {"equal low bits", [](ASUInt32 key) -> ASUInt32 { return key << 12; }},
        {"spread", [](ASUInt32 key) -> ASUInt32 { return key * 2654435761u; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Table table;
        ASUInt32 capacity = 0;
        int growths = 0;
        for (ASUInt32 key = 0; key < 250; ++key) {
            ASSERT_TRUE(table.Ajoute(c.hashOf(key), {key, 1000 + key}));
            if (table.Capacite() != capacity) {
                ++growths;
                capacity = table.Capacite();
                expectHolds(table, key + 1, c.hashOf);
            }
            ASSERT_LE(2 * table.Nombre(), table.Capacite());
        }
        EXPECT_EQ(growths, 4) << "64, 128, 256, 512 slots";
        EXPECT_EQ(table.Capacite() & (table.Capacite() - 1), 0u) << "a power of two";
        expectHolds(table, 250, c.hashOf);
    }
}

} // namespace
} // namespace vyn::test
