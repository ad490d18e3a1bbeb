// Shared pieces of the GUI tests: a prompt that answers from a queue, and a document on a
// temporary working folder.
#pragma once

#include "app/TessaryDoc.h"
#include "framework/Prompt.h"
#include "platform/ProfileFile.h"
#include "support/TempDir.h"

#include <QString>
#include <QStringList>

#include <deque>
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
        doc->data().selectedEntry = doc->catalogue().findEntry(makeKey(group, category, 0));
        if (doc->data().selectedEntry == nullptr) {
            throw std::runtime_error("no such node");
        }
    }
};

} // namespace tessary::test
