// Benchmarks of the desktop program on a collection of 1,000,000 deeds: opening the file in the
// main window, listing a group's deeds sorted, and switching to the order-status list.
#include "BenchDeeds.h"
#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "data/Catalogue.h"
#include "data/DeedFile.h"
#include "document/TessaryDoc.h"
#include "framework/CommandRouter.h"
#include "framework/Prompt.h"
#include "framework/Text.h"
#include "resources/CommandIds.h"
#include "views/DeedView.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <unistd.h>

namespace {

using namespace tessary;

constexpr int kDeedCount = 1'000'000;

class SilentPrompt : public fw::CPrompt {
public:
    fw::MsgAnswer message(QWidget*, const QString&, fw::MsgButtons, fw::MsgIcon,
                          fw::MsgAnswer defaultAnswer) override {
        return defaultAnswer;
    }
    QString openFileName(QWidget*, const fw::FileDialogSpec&) override { return {}; }
    QString saveFileName(QWidget*, const fw::FileDialogSpec&) override { return {}; }
};

std::string makeFolder() {
    char pattern[] = "/tmp/tessary-guibench-XXXXXX";
    return std::string(::mkdtemp(pattern));
}

void writeDeedFile(const std::string& path) {
    const std::string out = bench::benchDeedFile(kDeedCount, 7, bench::BenchComments::Trade);
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(out.data(), 1, out.size(), f);
    std::fclose(f);
}

struct Program {
    std::string folder = makeFolder();
    SilentPrompt prompt;
    std::unique_ptr<CTessaryApp> app;
    Program() {
        writeDeedFile(folder + "/big.dat");
        app = std::make_unique<CTessaryApp>(prompt, folder, folder);
        app->start();
        app->mainFrame()->show();
    }
};

Program& program() {
    static Program* p = new Program;
    return *p;
}

// Open: read the file, renew the views, the tree selects the first group and its deeds are
// listed and sorted.
void BM_OpenMillionDeeds(benchmark::State& state) {
    Program& p = program();
    for (auto _ : state) {
        state.PauseTiming();
        p.app->newDocument();
        QApplication::processEvents();
        state.ResumeTiming();
        p.app->openDocumentFile(fw::fromPath(p.folder + "/big.dat"));
        QApplication::processEvents();
    }
    state.counters["rows"] = p.app->mainFrame()->deedView()->rowCount();
}
BENCHMARK(BM_OpenMillionDeeds)->Unit(benchmark::kMillisecond)->Iterations(3);

// A group node's deeds listed and sorted by type (the tree's selection change and a sort).
void BM_ListGroupAndSort(benchmark::State& state) {
    Program& p = program();
    CTessaryDoc& doc = *p.app->document();
    const CatalogueEntry* group = doc.catalogue().findEntry(makeKey(2, 0, 0));
    for (auto _ : state) {
        doc.data().setSelectedEntry(group);
        doc.updateAllViews(nullptr, kHintSelectionChanged);
        p.app->mainFrame()->router().execute(cmd::SortType);
        QApplication::processEvents();
    }
    state.counters["rows"] = p.app->mainFrame()->deedView()->rowCount();
}
BENCHMARK(BM_ListGroupAndSort)->Unit(benchmark::kMillisecond)->Iterations(3);

// Switching to the order-status list counts every deed into the rows.
void BM_SwitchToConditionList(benchmark::State& state) {
    Program& p = program();
    for (auto _ : state) {
        state.PauseTiming();
        p.app->mainFrame()->showDeedList();
        QApplication::processEvents();
        state.ResumeTiming();
        p.app->mainFrame()->showConditionList();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SwitchToConditionList)->Unit(benchmark::kMillisecond)->Iterations(3);

// One page of the deed list painted at a random place of the 1,000,000 rows, as when the user
// drags the scroll bar.
void BM_ScrollDeedList(benchmark::State& state) {
    Program& p = program();
    CMainFrame* frame = p.app->mainFrame();
    CTessaryDoc& doc = *p.app->document();
    if (doc.data().deeds().size() != kDeedCount) {
        p.app->openDocumentFile(fw::fromPath(p.folder + "/big.dat"));
    }
    frame->showDeedList();
    doc.data().setSelectedEntry(doc.catalogue().findEntry(makeKey(3, 0, 0)));
    doc.updateAllViews(nullptr, kHintSelectionChanged);
    frame->resize(1000, 700);
    QApplication::processEvents();
    CDeedView* list = frame->deedView();
    QScrollBar* bar = list->verticalScrollBar();
    std::mt19937 random(3);
    for (auto _ : state) {
        bar->setValue(static_cast<int>(random() % static_cast<unsigned>(bar->maximum() + 1)));
        list->viewport()->repaint();
    }
    state.counters["rows"] = list->rowCount();
}
BENCHMARK(BM_ScrollDeedList)->Unit(benchmark::kMillisecond)->Iterations(100);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
