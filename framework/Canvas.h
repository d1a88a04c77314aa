#pragma once
// A canvas that draws its backdrop picture at its top left corner.
#include "framework/Control.h"

#include <memory>

namespace fw {

class Picture;

class Canvas : public RectControl {
public:
    Canvas(Window& owner, std::string name);
    ~Canvas() override;
    std::string ClassName() const override { return "Canvas"; }

    void SetProperties(const CanvasProperties& properties);
    void SetBackdrop(std::shared_ptr<Picture> picture);  // nullptr: no backdrop
    const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }

private:
    std::shared_ptr<Picture> backdrop_;
};

}  // namespace fw
