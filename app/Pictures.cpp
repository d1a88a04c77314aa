#include "app/Pictures.h"

#include <string>

namespace {

struct CachedPicture {
    const char* fileName;
    std::shared_ptr<fw::Picture> pic;
};

std::shared_ptr<fw::Picture> Load(CachedPicture& cache) {
    if (!cache.pic) cache.pic = fw::Picture::OpenFromApp(cache.fileName);
    return cache.pic;
}

CachedPicture puzzle128Cache{"puzzle128.gif", nullptr};
CachedPicture puzzle256Cache{"puzzle256.gif", nullptr};
CachedPicture titleCache{"Quendreltitle.png", nullptr};

}  // namespace

std::shared_ptr<fw::Picture> puzzle128() { return Load(puzzle128Cache); }
std::shared_ptr<fw::Picture> puzzle256() { return Load(puzzle256Cache); }
std::shared_ptr<fw::Picture> Quendreltitle1() { return Load(titleCache); }
