#include "pictures.h"

#include "app/shell/app_object.h"

#include "framework/application.h"
#include "framework/exceptions.h"
#include "framework/picture.h"
#include "framework/system.h"

std::shared_ptr<fw::Picture> CachedPicture::get()
{
    return get([](int id) {
        return fw::nonNil(AppObject()->ResourceFork(), "resource fork")->GetPicture(id);
    });
}

std::shared_ptr<fw::Picture> CachedPicture::get(const Loader& load)
{
    if (!picture_)
        picture_ = load(id_);
    return picture_;
}

namespace Pictures {

CachedPicture& elementConstructive()
{
    static CachedPicture cache(174);
    return cache;
}

CachedPicture& elementReductive()
{
    static CachedPicture cache(175);
    return cache;
}

CachedPicture& controlDestruction()
{
    static CachedPicture cache(176);
    return cache;
}

CachedPicture& oruvIconAbout()
{
    static CachedPicture cache(177);
    return cache;
}

} // namespace Pictures

std::shared_ptr<fw::Picture> ElementConstructive()
{
    return Pictures::elementConstructive().get();
}

std::shared_ptr<fw::Picture> ElementReductive()
{
    return Pictures::elementReductive().get();
}

std::shared_ptr<fw::Picture> ControlDestruction()
{
    return Pictures::controlDestruction().get();
}

std::shared_ptr<fw::Picture> OruvIconAbout()
{
    return Pictures::oruvIconAbout().get();
}
