#pragma once

#include <functional>
#include <memory>

namespace fw {
class Picture;
}

// One picture of the application's resources, read on first use and kept until
// shutdown. A missing picture is not kept: the next use asks the resources again.
class CachedPicture {
public:
    using Loader = std::function<std::shared_ptr<fw::Picture>(int id)>;

    explicit CachedPicture(int resourceId) : id_(resourceId) {}

    // The picture from the application's resource fork.
    std::shared_ptr<fw::Picture> get();
    // The same through another source of pictures.
    std::shared_ptr<fw::Picture> get(const Loader& load);
    void release() { picture_.reset(); }
    bool isCached() const { return picture_ != nullptr; }
    int resourceId() const { return id_; }

private:
    int id_;
    std::shared_ptr<fw::Picture> picture_;
};

// The four pictures: nil when the resources hold none with the picture's id.
std::shared_ptr<fw::Picture> ElementConstructive(); // 174, the generating cycle
std::shared_ptr<fw::Picture> ElementReductive();    // 175, the weakening cycle
std::shared_ptr<fw::Picture> ControlDestruction();  // 176, the controlling cycle
std::shared_ptr<fw::Picture> OruvIconAbout();       // 177, the program's icon

namespace Pictures {

// The caches themselves: shutdown releases them one by one, in this order.
CachedPicture& elementConstructive();
CachedPicture& elementReductive();
CachedPicture& controlDestruction();
CachedPicture& oruvIconAbout();

} // namespace Pictures
