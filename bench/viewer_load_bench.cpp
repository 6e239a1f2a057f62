// The viewer's load of a text (decode, read the markup, build the document, lay it out) side by
// side with QTextDocument::setHtml on the same text, decoded and laid out at the same width.
// After the benchmarks, every text is timed one by one and the texts where ours is slower are
// counted.
#include "bank/cp1251.h"
#include "bench_texts.h"
#include "viewer/document_style.h"
#include "viewer/document_text.h"
#include "viewer/markup_document.h"
#include "viewer/markup_tree.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <tuple>

namespace {

using bench::BenchText;
using bench::TextKind;

// Pictures are not read in either load: ours gets the error marker, setHtml finds no file.
class MarkerPictures final : public viewer::PictureSource {
public:
    QImage picture(std::string_view) override { return viewer::errorMarker(); }
};

struct ViewerShape {
    viewer::ViewerSettings settings;
    int width;
};

// The viewer each kind of text is shown in.
ViewerShape shapeFor(TextKind kind) {
    ViewerShape shape;
    switch (kind) {
    case TextKind::Question:
        shape.settings.marginWidth = 5;
        shape.width = 497;
        break;
    case TextKind::Option:
        shape.settings.marginWidth = 0;
        shape.width = 225;
        break;
    default: // the result viewer: summary, review, explanations
        shape.settings.fontSizePoints = 11;
        shape.settings.fontColour = QColor(0, 0, 128);
        shape.width = 550;
        break;
    }
    shape.settings.marginHeight = 0;
    return shape;
}

qreal loadOurs(const BenchText& text) {
    const ViewerShape shape = shapeFor(text.kind);
    MarkerPictures pictures;
    const auto document = viewer::loadMarkupDocument(text.markup, viewer::Encoding::Windows1251,
                                                     shape.settings, pictures, shape.width);
    document->setTextWidth(shape.width);
    return document->documentLayout()->documentSize().height();
}

// The peer's document of a text, read by setHtml with the viewer's margin and font, not laid out.
void buildPeer(QTextDocument& document, const BenchText& text, const ViewerShape& shape) {
    document.setUndoRedoEnabled(false);
    document.setDocumentMargin(shape.settings.marginWidth);
    QFont font(viewer::familiesFor(shape.settings.fontName).constFirst());
    font.setPixelSize(viewer::pixelSizeOfPoints(shape.settings.fontSizePoints));
    document.setDefaultFont(font);
    document.setHtml(QString::fromStdString(bank::cp1251::toUtf8(text.markup)));
}

qreal loadPeer(const BenchText& text) {
    const ViewerShape shape = shapeFor(text.kind);
    QTextDocument document;
    buildPeer(document, text, shape);
    document.setTextWidth(shape.width);
    return document.documentLayout()->documentSize().height();
}

// The load's steps on their own, to see where the time goes: read the markup; read and build
// without laying out; and, for the peer, setHtml without laying out.
enum class Step { Read, Build, PeerBuild };

void runStep(benchmark::State& state, const std::vector<BenchText>* texts, Step step) {
    for (auto _ : state) {
        for (const BenchText& text : *texts) {
            const ViewerShape shape = shapeFor(text.kind);
            if (step == Step::Read) {
                benchmark::DoNotOptimize(viewer::parseMarkup(
                    viewer::decodeText(text.markup, viewer::Encoding::Windows1251)));
            } else if (step == Step::Build) {
                MarkerPictures pictures;
                benchmark::DoNotOptimize(
                    viewer::loadMarkupDocument(text.markup, viewer::Encoding::Windows1251,
                                               shape.settings, pictures, shape.width));
            } else {
                QTextDocument document;
                buildPeer(document, text, shape);
                benchmark::DoNotOptimize(document.characterCount());
            }
        }
    }
}

void runOne(benchmark::State& state, const BenchText* text, bool ours) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ours ? loadOurs(*text) : loadPeer(*text));
    }
    state.counters["chars"] = static_cast<double>(text->markup.size());
}

void runAll(benchmark::State& state, const std::vector<BenchText>* texts, bool ours) {
    for (auto _ : state) {
        for (const BenchText& text : *texts) {
            benchmark::DoNotOptimize(ours ? loadOurs(text) : loadPeer(text));
        }
    }
    state.counters["texts"] = static_cast<double>(texts->size());
}

void registerPair(const std::string& name, const BenchText* text) {
    benchmark::RegisterBenchmark(("ours/" + name).c_str(), runOne, text, true)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("setHtml/" + name).c_str(), runOne, text, false)
        ->Unit(benchmark::kMicrosecond);
}

void registerGroup(const std::string& name, const std::vector<BenchText>* texts) {
    if (texts->empty()) {
        return;
    }
    benchmark::RegisterBenchmark(("ours/" + name).c_str(), runAll, texts, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("setHtml/" + name).c_str(), runAll, texts, false)
        ->Unit(benchmark::kMillisecond);
}

double microsecondsOf(const BenchText& text, bool ours) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(ours ? loadOurs(text) : loadPeer(text));
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

// The best of several runs of both loads, taken in turn so that a busy moment hits both.
std::pair<double, double> bestMicroseconds(const BenchText& text, int runs) {
    double ours = 1e300;
    double peer = 1e300;
    for (int run = 0; run < runs; ++run) {
        ours = std::min(ours, microsecondsOf(text, true));
        peer = std::min(peer, microsecondsOf(text, false));
    }
    return {ours, peer};
}

void compareEveryText(const std::vector<BenchText>& texts) {
    if (texts.empty()) {
        return;
    }
    std::vector<double> ratios;
    int slower = 0;
    double worst = 0;
    std::string worstName;
    int retimed = 0;
    for (const BenchText& text : texts) {
        auto [ours, peer] = bestMicroseconds(text, 21);
        if (ours > peer) {
            // A text of a few microseconds is easily hit by a busy moment: time it again, longer.
            std::tie(ours, peer) = bestMicroseconds(text, 401);
            ++retimed;
        }
        const double ratio = ours / peer;
        ratios.push_back(ratio);
        slower += ratio > 1.0 ? 1 : 0;
        if (ratio > worst) {
            worst = ratio;
            worstName = text.name;
        }
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("\nEvery text one by one (best of 21, best of 401 for the %d that looked slower): "
                "%zu texts, ours slower on %d; ours/setHtml median %.2f, worst %.2f (%s)\n",
                retimed, texts.size(), slower, ratios[ratios.size() / 2], worst, worstName.c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);

    static const std::vector<BenchText> representative = bench::representativeTexts();
    for (const BenchText& text : representative) {
        registerPair(text.name, &text);
    }

    static const std::vector<BenchText> bank = bench::bankTexts(TRAINER_BANK_SOURCES);
    static std::vector<BenchText> questions;
    static std::vector<BenchText> options;
    static std::vector<BenchText> explanations;
    for (const BenchText& text : bank) {
        (text.kind == TextKind::Question ? questions
         : text.kind == TextKind::Option ? options
                                         : explanations)
            .push_back(text);
    }
    registerGroup("bank_questions", &questions);
    registerGroup("bank_options", &options);
    if (!options.empty()) {
        benchmark::RegisterBenchmark("steps/read/bank_options", runStep, &options, Step::Read)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("steps/build/bank_options", runStep, &options, Step::Build)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("steps/setHtml_build/bank_options", runStep, &options,
                                     Step::PeerBuild)
            ->Unit(benchmark::kMillisecond);
    }
    registerGroup("bank_explanations", &explanations);
    if (!bank.empty()) {
        static const BenchText longest =
            *std::max_element(bank.begin(), bank.end(), [](const BenchText& a, const BenchText& b) {
                return a.markup.size() < b.markup.size();
            });
        registerPair("bank_longest", &longest);
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::vector<BenchText> every = representative;
    every.insert(every.end(), bank.begin(), bank.end());
    compareEveryText(every);
    return 0;
}
