#pragma once
// A filled rectangle with a border.
#include "framework/Control.h"

namespace fw {

class Rectangle : public RectControl {
public:
    Rectangle(Window& owner, std::string name);
    ~Rectangle() override;
    std::string ClassName() const override { return "Rectangle"; }

    void SetProperties(const RectangleProperties& properties);
    const RectangleProperties& Properties() const { return properties_; }

private:
    RectangleProperties properties_;
};

}  // namespace fw
