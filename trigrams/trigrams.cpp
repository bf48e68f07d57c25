#include "trigrams.h"

#include "framework/classes.h"
#include "framework/exceptions.h"

#include <string>
#include <utility>

namespace trigrams {

std::shared_ptr<trigram> kan;
std::shared_ptr<trigram> kun;
std::shared_ptr<trigram> zhen;
std::shared_ptr<trigram> xun;
std::shared_ptr<trigram> taiji;
std::shared_ptr<trigram> qian;
std::shared_ptr<trigram> dui;
std::shared_ptr<trigram> gen;
std::shared_ptr<trigram> li;

TrigramTable tri;

void TrigramTable::create()
{
    slots_.emplace();
}

void TrigramTable::release()
{
    slots_.reset();
}

std::shared_ptr<trigram> TrigramTable::at(int index) const
{
    checkAccess(index);
    return (*slots_)[static_cast<std::size_t>(index)];
}

void TrigramTable::put(int index, std::shared_ptr<trigram> record)
{
    checkAccess(index);
    (*slots_)[static_cast<std::size_t>(index)] = std::move(record);
}

// A released table is a nil array: that error comes before any index check.
void TrigramTable::checkAccess(int index) const
{
    fw::nonNil(slots_ ? &*slots_ : nullptr, "tri");
    if (index < 0 || index > UBound)
        throw fw::OutOfBoundsException("tri: index " + std::to_string(index) + " is outside 0 to "
                                       + std::to_string(UBound));
}

void createTable()
{
    tri.create();
}

void registerTrigramClass()
{
    fw::registerClass(QStringLiteral("trigram"), &trigram::staticMetaObject);
}

void releaseRecords()
{
    for (std::shared_ptr<trigram>* global : {&kan, &kun, &zhen, &xun, &taiji, &qian, &dui, &gen, &li})
        global->reset();
}

void releaseTable()
{
    tri.release();
}

} // namespace trigrams
