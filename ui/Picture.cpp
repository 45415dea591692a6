#include "ui/Picture.h"

#include "ui/Application.h"

namespace zt {

Picture::Picture(Container& parent) : Control(parent) {
    Realize(App().Host().CreatePeer(*this));
}

void Picture::SetShapes(std::vector<Shape> shapes) {
    if (shapes == shapes_)
        return;
    shapes_ = std::move(shapes);
    Changed();
}

} // namespace zt
