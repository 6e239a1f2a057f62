#include "viewer/frame_viewer.h"

#include "viewer/picture_name.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace viewer {

namespace {

// The hourglass pointer for as long as the page is being read.
class WaitPointer {
public:
    WaitPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitPointer() { QGuiApplication::restoreOverrideCursor(); }
    WaitPointer(const WaitPointer&) = delete;
    WaitPointer& operator=(const WaitPointer&) = delete;
};

} // namespace

void TFrameViewer::LoadFromFile(const std::string& fileName) {
    WaitPointer waitPointer;
    const std::string file(withoutFragment(fileName));
    const QString path = QString::fromStdString(toLocalPath(file));
    if (file.empty() || !QFileInfo(path).isFile()) {
        throw PageFileError("Can't locate file: " + fileName);
    }
    QFile page(path);
    if (!page.open(QIODevice::ReadOnly)) {
        throw PageFileError("Can't read file: " + fileName);
    }
    const QByteArray bytes = page.readAll();
    const std::string_view markup(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    showMarkup(markup, declaredEncoding(markup), folderOf(file));
}

} // namespace viewer
