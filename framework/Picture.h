#pragma once
// A picture loaded from a file in the application's resources folder.
#include <memory>
#include <string>

namespace fw {

class Picture {
public:
    // The picture of that file name in the resources folder, or nullptr when it is
    // missing or cannot be decoded.
    static std::shared_ptr<Picture> OpenFromApp(const std::string& fileName);
    ~Picture();
    int Width() const;
    int Height() const;

    struct Image;
    const Image& Pixels() const { return *image_; }  // the framework's own use

private:
    explicit Picture(std::unique_ptr<Image> image);
    std::unique_ptr<Image> image_;
};

// resources/ beside the executable when it exists, else the installed share folder.
std::string ResourcesFolder();
void SetResourcesFolder(const std::string& folder);  // tests point it elsewhere

}  // namespace fw
