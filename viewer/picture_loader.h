#pragma once

#include <QByteArray>
#include <QImage>
#include <string>
#include <string_view>

namespace viewer {

// The 16 x 16 marker drawn where a picture is missing or broken: yellow, black "!".
const QImage& errorMarker();

// A JPEG decoded with libjpeg-turbo, other formats with Qt's readers; null when the bytes
// are no picture or one too large to hold.
QImage decodePicture(const QByteArray& bytes);

// Supplies the pictures a document names.
class PictureSource {
public:
    virtual ~PictureSource() = default;
    // The picture named by an img src; the error marker when it cannot be had. Never null.
    virtual QImage picture(std::string_view src) = 0;
};

// Pictures read from files, relative names taken against a folder (empty: the working
// directory), each in its rendering for a screen of device pixel ratio `ratio`.
class FilePictures final : public PictureSource {
public:
    explicit FilePictures(std::string baseFolder, qreal ratio = 1.0)
        : baseFolder_(std::move(baseFolder)), ratio_(ratio) {}
    QImage picture(std::string_view src) override;

private:
    std::string baseFolder_;
    qreal ratio_;
};

} // namespace viewer
