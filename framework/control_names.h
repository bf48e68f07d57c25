#pragma once

#include <QHash>
#include <QString>

#include <cstdint>
#include <vector>

namespace fw {

class RectControl;

// The controls of one window by name, without regard to case, as the framework's
// strings compare. Where several controls share a name, the first in creation order
// holds it, as a search from the first control would find.
class ControlNames {
public:
    RectControl* find(const QString& name) const;
    // A control appended to the window's controls.
    void added(RectControl* control);
    // A control of the window changed its name; controls are the window's, in order.
    void renamed(const QString& oldName, const QString& newName, const std::vector<RectControl*>& controls);
    // A control left the window; controls no longer hold it.
    void removed(RectControl* control, const std::vector<RectControl*>& controls);
    // A control of the window took another InitialParent (either may be empty).
    void parentNameChanged(RectControl* control, const QString& oldParent, const QString& newParent);
    // The controls that carry this name as their InitialParent, whether or not it
    // resolves to them: where the controls inside a control are found.
    const std::vector<RectControl*>& naming(const QString& parentName) const;
    // Changes whenever a name goes or moves to another control: what was resolved by
    // name before may resolve differently now.
    std::uint64_t version() const { return version_; }
    // Changes whenever a control is added: a name looked for in vain may be found now.
    std::uint64_t additions() const { return additions_; }

    // A name as a key that compares without regard to case (see qHash below).
    struct Key {
        QString name;
        bool operator==(const Key& other) const;
    };

private:
    void refresh(const QString& name, const std::vector<RectControl*>& controls);

    QHash<Key, RectControl*> byName_;
    QHash<Key, std::vector<RectControl*>> byParentName_;
    std::uint64_t version_ = 1;
    std::uint64_t additions_ = 0;
};

// The hash of a name's case-folded characters, taken without building the folded copy.
size_t qHash(const ControlNames::Key& key, size_t seed = 0) noexcept;

} // namespace fw
