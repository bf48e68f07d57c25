#include "control_names.h"

#include "control.h"
#include "text.h"

namespace fw {

namespace {

ControlNames::Key keyOf(const QString& name)
{
    return ControlNames::Key{name};
}

} // namespace

// The framework's comparison of names: equal without regard to case.
bool ControlNames::Key::operator==(const Key& other) const
{
    // Names are mostly asked for as they were given: the exact match is the quick one.
    return name == other.name || StrEquals(name, other.name);
}

// Names that compare equal fold every character (code point) to the same one, so
// the hash of the folded characters is the same for all their spellings.
size_t qHash(const ControlNames::Key& key, size_t seed) noexcept
{
    const QChar* units = key.name.constData();
    const qsizetype count = key.name.size();
    size_t hash = seed ^ 14695981039346656037ULL;
    for (qsizetype i = 0; i < count; ++i) {
        char32_t c = units[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < count && units[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(units[i], units[i + 1]);
            ++i;
        }
        // ASCII folds to lower case; asking Qt costs a call per character.
        const char32_t folded = c < 0x80 ? (c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c) : QChar::toCaseFolded(c);
        hash = (hash ^ folded) * 1099511628211ULL;
    }
    return hash;
}

RectControl* ControlNames::find(const QString& name) const
{
    return byName_.value(keyOf(name), nullptr);
}

void ControlNames::added(RectControl* control)
{
    const Key key = keyOf(control->Name());
    // The first control to bear a name keeps it: a new one takes only a free name,
    // so only what was looked for in vain can resolve differently now.
    if (!byName_.contains(key))
        byName_.insert(key, control);
    ++additions_;
    parentNameChanged(control, QString(), control->InitialParent());
}

void ControlNames::renamed(const QString& oldName, const QString& newName, const std::vector<RectControl*>& controls)
{
    refresh(oldName, controls);
    refresh(newName, controls);
    ++version_;
}

void ControlNames::removed(RectControl* control, const std::vector<RectControl*>& controls)
{
    refresh(control->Name(), controls);
    ++version_;
    parentNameChanged(control, control->InitialParent(), QString());
}

void ControlNames::parentNameChanged(RectControl* control, const QString& oldParent, const QString& newParent)
{
    if (!oldParent.isEmpty()) {
        const auto found = byParentName_.find(keyOf(oldParent));
        if (found != byParentName_.end()) {
            std::erase(*found, control);
            if (found->empty())
                byParentName_.erase(found);
        }
    }
    if (!newParent.isEmpty())
        byParentName_[keyOf(newParent)].push_back(control);
}

const std::vector<RectControl*>& ControlNames::naming(const QString& parentName) const
{
    static const std::vector<RectControl*> none;
    const auto found = byParentName_.constFind(keyOf(parentName));
    return found == byParentName_.cend() ? none : *found;
}

// The first control in creation order that bears the name now holds it.
void ControlNames::refresh(const QString& name, const std::vector<RectControl*>& controls)
{
    const Key key = keyOf(name);
    for (RectControl* control : controls) {
        if (keyOf(control->Name()) == key) {
            byName_.insert(key, control);
            return;
        }
    }
    byName_.remove(key);
}

} // namespace fw
