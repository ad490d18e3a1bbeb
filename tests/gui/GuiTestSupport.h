// Shared pieces of the GUI tests: a prompt that answers from a queue, and a document on a
// temporary working folder.
#pragma once

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "data/DeedFile.h"
#include "document/TessaryDoc.h"
#include "framework/CommandRouter.h"
#include "framework/Prompt.h"
#include "platform/ProfileFile.h"
#include "support/DeedFiles.h"
#include "support/TempDir.h"
#include "views/CategoryView.h"

#include <QApplication>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace tessary::test {

// Records every message and answers message boxes and file dialogs from queues. A message box
// with no queued answer gets its default answer; a file dialog with none is cancelled.
class ScriptedPrompt : public fw::CPrompt {
public:
    struct Shown {
        QString text;
        fw::MsgButtons buttons;
        fw::MsgIcon icon;
        fw::MsgAnswer defaultAnswer;
    };

    fw::MsgAnswer message(QWidget*, const QString& text, fw::MsgButtons buttons, fw::MsgIcon icon,
                          fw::MsgAnswer defaultAnswer) override {
        shown.push_back({text, buttons, icon, defaultAnswer});
        if (answers.empty()) {
            return defaultAnswer;
        }
        const fw::MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString openFileName(QWidget*, const fw::FileDialogSpec& spec) override {
        fileDialogs.push_back(spec);
        return takePath();
    }
    QString saveFileName(QWidget*, const fw::FileDialogSpec& spec) override {
        fileDialogs.push_back(spec);
        return takePath();
    }

    std::deque<fw::MsgAnswer> answers;
    std::deque<QString> paths;
    std::vector<Shown> shown;
    std::vector<fw::FileDialogSpec> fileDialogs;

private:
    QString takePath() {
        if (paths.empty()) {
            return {};
        }
        QString p = paths.front();
        paths.pop_front();
        return p;
    }
};

// A document whose settings file lives in a fresh temporary folder.
struct DocFixture {
    TempDir dir;
    ScriptedPrompt prompt;
    ProfileFile settings{dir.file("Tessary.ini")};
    std::unique_ptr<CTessaryDoc> doc = std::make_unique<CTessaryDoc>(prompt, settings);

    // Registers a deed and returns it.
    Deed* addDeed(int group, int category, int type, int material, int quality, int quantity,
                  std::uint16_t combined = 0, const std::string& comment = {}) {
        auto d = std::make_unique<Deed>();
        d->itemCode = Deed::makeItemCode(group, category, type, material);
        d->orderCode = Deed::makeOrderCode(quality, quantity);
        d->combined = combined;
        d->comment = comment;
        return doc->data().registerDeed(std::move(d));
    }
    // Selects a group (category 0) or category entry as the tree node.
    void selectNode(int group, int category = 0) {
        doc->data().setSelectedEntry(doc->catalogue().findEntry(makeKey(group, category, 0)));
        if (doc->data().selectedEntry() == nullptr) {
            throw std::runtime_error("no such node");
        }
    }
};

// The program started in a fresh temporary working folder, as a user starts it there.
class ProgramTest : public ::testing::Test {
protected:
    // Starts the program on the folder as it is.
    void startProgram() {
        app = std::make_unique<CTessaryApp>(prompt, dir.path(), dir.path());
        ASSERT_TRUE(app->start());
        frame = app->mainFrame();
    }
    // Starts the program on a deed file that holds `deeds`.
    void startProgram(const std::vector<Deed>& deeds) {
        dir.write("Tessary.dat", deedFileOf(deeds));
        startProgram();
    }
    bool enabled(int id) { return frame->router().isEnabled(id); }
    bool run(int id) { return frame->router().execute(id); }
    CTessaryDoc& doc() { return *app->document(); }
    DeedDocument& data() { return app->document()->data(); }

    // Chooses the group (category 0) or category node of the category tree, as a click does.
    void chooseNode(int group, int category = 0) {
        CCategoryView* tree = frame->categoryView();
        for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
            const CatalogueEntry* entry = CCategoryView::entryOf(*it);
            if (entry != nullptr && entry->key == makeKey(group, category, 0)) {
                tree->setCurrentItem(*it);
                return;
            }
        }
        FAIL() << "no tree node " << group << "/" << category;
    }

    TempDir dir;
    ScriptedPrompt prompt;
    std::unique_ptr<CTessaryApp> app;
    CMainFrame* frame = nullptr;
};

// Answers the modal dialog the next command opens, from a zero-delay timer that fires inside the
// dialog's event loop. Whatever `fill` does, a dialog it leaves open is cancelled (and the test
// fails), so no test waits for a human. Destroying the object stops a timer that never fired.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QDialog&)> fill) : fill_(std::move(fill)) {
        timer_.setSingleShot(true);
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            answered_ = true;
            fill_(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->reject();
            }
        });
        timer_.start();
    }
    bool answered() const { return answered_; }

private:
    std::function<void(QDialog&)> fill_;
    QTimer timer_;
    bool answered_ = false;
};

} // namespace tessary::test
