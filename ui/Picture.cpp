#include "ui/Picture.h"

namespace zt {

Picture::Picture(Container& parent) : Control(parent) {
    Realize();
}

void Picture::SetShapes(std::vector<Shape> shapes) {
    if (shapes == shapes_)
        return;
    shapes_ = std::move(shapes);
    Changed();
}

} // namespace zt
