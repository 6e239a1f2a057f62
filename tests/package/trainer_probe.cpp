// A generic Qt plugin for looking at an installed trainer from inside its process: started with
// QT_PLUGIN_PATH pointing at this plugin's folder and QT_QPA_GENERIC_PLUGINS=trainerprobe, it
// waits for the main window, records what the window shows, opens the question with a picture
// from the program's Images/ folder, saves grabs of the window and its viewers as PNG files in
// $TRAINER_PROBE_DIR, writes report.txt there and ends the program. Error boxes that open on the
// way are recorded and closed.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

namespace {

class Probe : public QObject {
public:
    explicit Probe(QString dir) : dir_(std::move(dir)) {
        connect(&poll_, &QTimer::timeout, this, &Probe::tick);
        poll_.start(10);
    }

private:
    void tick() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            errorBoxes_ << box->text();
            box->done(QMessageBox::Ok);
            return;
        }
        QWidget* form = mainWindow();
        if (form == nullptr || form->windowHandle() == nullptr ||
            !form->windowHandle()->isExposed()) {
            return;
        }
        poll_.stop();
        inspect(form);
        QCoreApplication::exit(0);
    }

    static QWidget* mainWindow() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->findChild<QWidget*>("RulesViewer") != nullptr) {
                return top;
            }
        }
        return nullptr;
    }

    void inspect(QWidget* form) {
        QStringList report;
        auto add = [&report](const QString& key, const QString& value) {
            report << key + "=" + value;
        };
        add("working_dir", QDir::currentPath());
        add("phonetic_font", QFontDatabase::families().contains("SILDoulosIPA") ? "yes" : "no");
        save(form, "start_window");
        save(form->findChild<QWidget*>("RulesViewer"), "rules_viewer");
        // A 2006 paper for class 4: its fifth question is a rebus drawn in Images/.
        QString clicked = "yes";
        for (const char* name : {"Btn2006", "ClassLab3", "StartBtn", "Q5Lab"}) {
            if (!click(form->findChild<QWidget*>(name))) {
                clicked = QString("no, %1 is not shown").arg(name);
                break;
            }
        }
        add("question_opened", clicked);
        save(form->findChild<QWidget*>("QViewer"), "question_viewer");
        add("error_boxes", errorBoxes_.join(" | "));
        QFile file(QDir(dir_).filePath("report.txt"));
        if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
            QTextStream(&file) << report.join('\n') << '\n';
        }
    }

    // Clicks a shown widget through its window, at its centre, as a pupil does.
    static bool click(QWidget* widget) {
        if (widget == nullptr || !widget->isVisible()) {
            return false;
        }
        QWidget* top = widget->window();
        const QPoint at = widget->mapTo(top, widget->rect().center());
        QTest::mouseMove(top->windowHandle(), at);
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, at);
        return true;
    }

    // A widget's picture, or none when the widget is missing or hidden.
    void save(QWidget* widget, const QString& name) const {
        if (widget != nullptr && widget->isVisible()) {
            widget->grab().save(QDir(dir_).filePath(name + ".png"));
        }
    }

    QString dir_;
    QStringList errorBoxes_;
    QTimer poll_;
};

class ProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "trainer_probe.json")

public:
    QObject* create(const QString& key, const QString&) override {
        const QString dir = qEnvironmentVariable("TRAINER_PROBE_DIR");
        if (key.compare("trainerprobe", Qt::CaseInsensitive) != 0 || dir.isEmpty()) {
            return nullptr;
        }
        return new Probe(dir);
    }
};

} // namespace

#include "trainer_probe.moc"
