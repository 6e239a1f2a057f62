#include "fuzz/fuzz_entry.h"

#include "viewer/markup_document.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <cstdlib>
#include <string_view>

namespace viewer::fuzz {

namespace {

// Pictures without touching the disk: names ending "jpg" give a small picture, the rest the
// error marker, so both kinds of inline picture are laid out.
class FakePictures final : public PictureSource {
public:
    QImage picture(std::string_view src) override {
        if (src.size() >= 3 && src.substr(src.size() - 3) == "jpg") {
            static const QImage small = [] {
                QImage image(40, 20, QImage::Format_RGB32);
                image.fill(Qt::darkCyan);
                return image;
            }();
            return small;
        }
        return errorMarker();
    }
};

void ensureApplication() {
    if (QGuiApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "viewer_fuzz";
        static char* argv[] = {name, nullptr};
        static QGuiApplication application(argc, argv);
    }
}

} // namespace

void loadOnce(const std::uint8_t* data, std::size_t size, bool layOut) {
    ensureApplication();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    FakePictures pictures;
    ViewerSettings settings;
    // Odd sizes get the option box's width and margins, even ones the summary's.
    const bool option = size % 2 == 1;
    settings.marginWidth = option ? 0 : 10;
    const auto document =
        loadMarkupDocument(bytes, declaredEncoding(bytes), settings, pictures, option ? 225 : 550);
    if (layOut) {
        document->setTextWidth(option ? 225 : 550);
        document->documentLayout()->documentSize();
    }
}

} // namespace viewer::fuzz
