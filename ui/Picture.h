#pragma once

#include "ui/Color.h"
#include "ui/Control.h"

#include <vector>

namespace zt {

// One piece of a picture, in pixels from the picture's top-left corner.
struct Shape {
    enum Kind {
        Rectangle, // filled rectangle
        Disc,      // filled ellipse in the rectangle
        AppIcon,   // the program's icon, scaled to the rectangle
    };
    Kind kind = Rectangle;
    int left = 0, top = 0, width = 0, height = 0;
    Color fill;
    friend bool operator==(const Shape&, const Shape&) = default;
};

// A picture the form composes from shapes, painted in order over the background colour.
// Whatever falls outside the control is clipped; beside and below the shapes the picture is
// see-through.
class Picture : public Control {
public:
    explicit Picture(Container& parent);
    const std::vector<Shape>& Shapes() const { return shapes_; }
    void SetShapes(std::vector<Shape> shapes);

private:
    std::vector<Shape> shapes_;
};

} // namespace zt
