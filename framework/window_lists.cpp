#include "window_lists.h"

#include "runtime.h"
#include "window.h"

#include <algorithm>

namespace fw {

namespace {

struct Lists {
    std::vector<Window*> open;
    std::vector<Window*> implicit;
    std::vector<Window*> dirty;
};

Lists& lists()
{
    static Lists all;
    return all;
}

} // namespace

const std::vector<Window*>& Windows()
{
    return lists().open;
}

const std::vector<Window*>& _mImplicitWindowList()
{
    return lists().implicit;
}

const std::vector<Window*>& mDirtyWindows()
{
    return lists().dirty;
}

void releaseImplicitWindowList()
{
    lists().implicit.clear();
}

void releaseDirtyWindows()
{
    // Taken out first: each destructor takes its window out of the lists again.
    std::vector<Window*> dirty;
    dirty.swap(lists().dirty);
    for (Window* window : dirty)
        delete window;
}

void releaseWindows()
{
    std::vector<Window*> open;
    open.swap(lists().open);
    for (Window* window : open)
        delete window;
}

namespace windowlists {

void opened(Window* window)
{
    lists().open.insert(lists().open.begin(), window);
    lists().implicit.push_back(window);
}

void broughtToFront(Window* window)
{
    auto& open = lists().open;
    auto found = std::find(open.begin(), open.end(), window);
    if (found != open.end())
        std::rotate(open.begin(), found, found + 1);
}

void closed(Window* window)
{
    std::erase(lists().open, window);
    std::erase(lists().implicit, window);
    lists().dirty.push_back(window);
}

void destroyed(Window* window)
{
    std::erase(lists().open, window);
    std::erase(lists().implicit, window);
    std::erase(lists().dirty, window);
}

} // namespace windowlists
} // namespace fw
