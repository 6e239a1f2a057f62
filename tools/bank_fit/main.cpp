// bank_fit: lays out question sets from their sources in viewers set up as the test screen's
// question and option viewers, and names every text that would need a scroll bar.
//
//   bank_fit [--all] ASSETS_DIR SET.txt...
//
// Pictures resolve against ASSETS_DIR, as against the program's folder. --all also prints the
// laid-out size of every text that holds a picture. Exit status 1 when anything does not fit.
#include "bank/cp1251.h"
#include "bank_source.h"
#include "engine/scoring.h"
#include "ui/layout.h"
#include "ui/viewer_control.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTextEdit>
#include <iostream>

namespace {

struct Fit {
    bool fits = true;
    QSize size;
};

Fit layOut(ui::ViewerControl& viewer, const std::string& markup) {
    viewer.loadFromString(markup);
    auto* view = qobject_cast<QTextEdit*>(viewer.widget());
    QCoreApplication::processEvents();
    const bool h = view->horizontalScrollBar()->isVisibleTo(view);
    const bool v = view->verticalScrollBar()->isVisibleTo(view);
    const QSizeF size = view->document()->size();
    return {!h && !v, QSize(qCeil(size.width()), qCeil(size.height()))};
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool all = args.removeAll("--all") > 0;
    if (args.size() < 2) {
        std::cerr << "usage: bank_fit [--all] ASSETS_DIR SET.txt...\n";
        return 2;
    }
    QStringList sets = args.mid(1);
    for (QString& s : sets) {
        s = QDir(s).absolutePath();
    }
    QDir::setCurrent(args[0]);

    QWidget window;
    window.resize(ui::kWindowWidth, ui::kWindowHeight);
    auto question = ui::makeMainViewer("QViewer", &window);
    question->widget()->setGeometry(ui::controlGeometry("QViewer"));
    auto option = ui::makeMainViewer("A1Viewer", &window);
    option->widget()->setGeometry(ui::controlGeometry("A1Viewer"));
    window.show();

    int failures = 0;
    for (const QString& path : sets) {
        const bankc::SourceSet set = bankc::readSet(path.toStdString());
        const std::string name = std::to_string(set.year) + " " + set.group;
        for (const bankc::SourceRecord& rec : set.records) {
            auto check = [&](const std::string& field, const std::string& utf8, bool isOption) {
                const auto text = bank::cp1251::fromUtf8(utf8);
                if (!text) {
                    std::cout << name << " q" << rec.position << " " << field
                              << ": cannot be encoded\n";
                    ++failures;
                    return;
                }
                const Fit fit = isOption ? layOut(*option, engine::optionHtml(*text))
                                         : layOut(*question, *text);
                const bool picture = utf8.find("<img") != std::string::npos;
                if (!fit.fits || (all && picture)) {
                    std::cout << name << " q" << rec.position << " " << field << ": "
                              << fit.size.width() << " x " << fit.size.height()
                              << (fit.fits ? " fits" : " DOES NOT FIT") << "\n";
                }
                failures += fit.fits ? 0 : 1;
            };
            check("question", rec.Q.text, false);
            for (size_t k = 0; k < rec.A.size(); ++k) {
                check("option " + std::to_string(k + 1), rec.A[k].text, true);
            }
        }
    }
    std::cout << failures << " texts do not fit\n";
    return failures == 0 ? 0 : 1;
}
