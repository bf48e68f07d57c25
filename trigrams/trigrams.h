#pragma once

#include "trigram.h"

#include <array>
#include <memory>
#include <optional>

// The nine records of the Later Heaven set, by name and by number.
namespace trigrams {

// The array of records with slots 0 to 9. It either exists (ten slots, each holding
// a record or nothing) or is released (no slots at all), like an array that is nil.
// Using a released table raises fw::NilObjectException; an index outside 0 to 9
// raises fw::OutOfBoundsException.
class TrigramTable {
public:
    static constexpr int UBound = 9;

    bool exists() const { return slots_.has_value(); }
    void create();  // exists from now on, with ten empty slots
    void release(); // lets go of every slot and no longer exists

    std::shared_ptr<trigram> at(int index) const;
    void put(int index, std::shared_ptr<trigram> record);

private:
    using Slots = std::array<std::shared_ptr<trigram>, UBound + 1>;
    void checkAccess(int index) const;

    std::optional<Slots> slots_;
};

// One global per member, named after it; each holds nothing until InitTrigrams.
extern std::shared_ptr<trigram> kan;   // 1
extern std::shared_ptr<trigram> kun;   // 2
extern std::shared_ptr<trigram> zhen;  // 3
extern std::shared_ptr<trigram> xun;   // 4
extern std::shared_ptr<trigram> taiji; // 5, the centre
extern std::shared_ptr<trigram> qian;  // 6
extern std::shared_ptr<trigram> dui;   // 7
extern std::shared_ptr<trigram> gen;   // 8
extern std::shared_ptr<trigram> li;    // 9

// Slot n holds the same record as the global of number n; slot 0 stays empty.
// Released until start-up creates it.
extern TrigramTable tri;

// Start-up: tri exists with ten empty slots (the globals hold nothing yet).
void createTable();
// Start-up: registers the record's class description under "trigram".
void registerTrigramClass();

// Builds nine new records into the globals (releasing the old ones) and stores each
// in tri at its Number. Requires tri to exist.
void InitTrigrams();

// Shutdown: sets each global to hold nothing, in the order kan, kun, zhen, xun,
// taiji, qian, dui, gen, li. Records still held by tri live on until releaseTable.
void releaseRecords();
// Shutdown, after releaseRecords: releases tri, whose records are then destroyed.
void releaseTable();

} // namespace trigrams
