#include "framework/Picture.h"

#include "framework/detail/PictureImage.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>

namespace fw {
namespace {

std::optional<std::string>& ChosenFolder() {
    static std::optional<std::string> folder;
    return folder;
}

}  // namespace

std::shared_ptr<Picture> Picture::OpenFromApp(const std::string& fileName) {
    QImage image(QDir(QString::fromStdString(ResourcesFolder())).filePath(QString::fromStdString(fileName)));
    if (image.isNull()) return nullptr;
    return std::shared_ptr<Picture>(new Picture(std::make_unique<Image>(Image{std::move(image)})));
}

Picture::Picture(std::unique_ptr<Image> image) : image_(std::move(image)) {}
Picture::~Picture() = default;

int Picture::Width() const { return image_->image.width(); }
int Picture::Height() const { return image_->image.height(); }

std::string ResourcesFolder() {
    if (ChosenFolder()) return *ChosenFolder();
    QDir bin(QCoreApplication::applicationDirPath());
    if (bin.exists(QStringLiteral("resources"))) return bin.filePath(QStringLiteral("resources")).toStdString();
    return QDir::cleanPath(bin.filePath(QStringLiteral(QUENDREL_RESOURCES_FROM_BINDIR))).toStdString();
}

// The empty text puts the default search back.
void SetResourcesFolder(const std::string& folder) {
    if (folder.empty())
        ChosenFolder().reset();
    else
        ChosenFolder() = folder;
}

}  // namespace fw
