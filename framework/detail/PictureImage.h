#pragma once
#include "framework/Picture.h"

#include <QImage>

namespace fw {

struct Picture::Image {
    QImage image;
};

}  // namespace fw
