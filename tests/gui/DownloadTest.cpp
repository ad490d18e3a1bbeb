// The download command as a user meets it: the program started in a working folder, the menu
// command, the real address dialog answered from a script, messages answered through the prompt,
// and a test server on 127.0.0.1 that plays every kind of answer a web server can give.
#include "GuiTestSupport.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "dialogs/DownloadCommand.h"
#include "dialogs/DownloadDialog.h"
#include "dialogs/DownloadProgressDialog.h"
#include "framework/CommandRouter.h"
#include "framework/Text.h"
#include "resources/CommandIds.h"
#include "support/TestHttpServer.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>

namespace tessary {
namespace {

using test::deedFileOf;
using test::makeDeed;
using test::TestHttpServer;

const QString kRun = QStringLiteral("実行");
const QString kCancel = QStringLiteral("取消");

void press(QDialog& dialog, const QString& text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
        if (b->text() == text) {
            b->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

// Answers each opening of the download dialog with the next step of a script, and records the
// address each opening showed. An opening with no step left is cancelled and fails the test.
// A step may also answer the progress window, when one is queued for it.
class DialogScript {
public:
    using Step = std::function<void(CDownloadDialog&)>;

    DialogScript() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    // Types `address` and presses 実行.
    void type(const QString& address, bool keepChecked = true) {
        steps_.push_back([address, keepChecked](CDownloadDialog& d) {
            d.findChild<QLineEdit*>()->setText(address);
            d.findChild<QCheckBox*>()->setChecked(keepChecked);
            press(d, kRun);
        });
    }
    void cancel() {
        steps_.push_back([](CDownloadDialog& d) { press(d, kCancel); });
    }
    // Runs `check` at the next opening, before its step.
    void then(std::function<void()> check) {
        Step next = std::move(steps_.back());
        steps_.back() = [check = std::move(check), next = std::move(next)](CDownloadDialog& d) {
            check();
            next(d);
        };
    }
    // Presses 取消 in the progress window once it shows.
    void cancelProgress() { cancelProgress_ = true; }

    const QStringList& shown() const { return shown_; }
    bool done() const { return steps_.empty(); }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* progress = qobject_cast<CDownloadProgressDialog*>(modal)) {
            if (cancelProgress_ && progress->isVisible()) {
                cancelProgress_ = false;
                press(*progress, kCancel);
            }
            return;
        }
        auto* dialog = qobject_cast<CDownloadDialog*>(modal);
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        shown_ << dialog->findChild<QLineEdit*>()->text();
        if (steps_.empty()) {
            ADD_FAILURE() << "the download dialog opened once more than expected";
            dialog->reject();
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the step left the download dialog open";
            dialog->reject();
        }
    }

    QTimer timer_;
    std::deque<Step> steps_;
    QStringList shown_;
    bool cancelProgress_ = false;
};

class Download : public ::testing::Test {
protected:
    void start() {
        app = std::make_unique<CTessaryApp>(prompt, dir.path(), dir.path());
        ASSERT_TRUE(app->start());
        frame = app->mainFrame();
    }
    // The command with lowered limits: a 64 KiB cap, a 400 ms stall, the progress window at once.
    void lowerLimits() {
        doc().runDownload = [this] {
            CDownloadCommand::Options options;
            options.limits = {64 * 1024, 400, 5};
            options.progressDelayMs = 0;
            CDownloadCommand(doc(), frame, options).run();
        };
    }
    bool run(int id) { return frame->router().execute(id); }
    CTessaryDoc& doc() { return *app->document(); }
    QStringList messages() const {
        QStringList texts;
        for (const auto& m : prompt.shown) {
            texts << m.text;
        }
        return texts;
    }
    std::vector<std::uint32_t> serials() {
        std::vector<std::uint32_t> result;
        for (const auto& d : doc().data().deeds()) {
            result.push_back(d->serialNumber);
        }
        return result;
    }

    test::ProxyEnvironment noProxy;
    TestHttpServer server;
    test::TempDir dir;
    test::ScriptedPrompt prompt;
    std::unique_ptr<CTessaryApp> app;
    CMainFrame* frame = nullptr;

    const std::string served =
        deedFileOf({makeDeed(4, 4, 2, 1, 2, 3, 12),
                    makeDeed(1, 2, 1, 1, 1, 1, 5, fw::toCp932(QStringLiteral("大口"))),
                    makeDeed(2, 1, 3, 2, 1, 2, 9, fw::toCp932(QStringLiteral("銀行の箱")))});
};

TEST_F(Download, CancellingTheFirstDialogDoesNothing) {
    dir.write("Tessary.dat", deedFileOf({makeDeed(1, 1, 2, 1, 1, 1, 3)}));
    start();
    EXPECT_TRUE(frame->router().isEnabled(cmd::Download));
    DialogScript script;
    script.cancel();
    ASSERT_TRUE(run(cmd::Download));
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.shown(), QStringList{QStringLiteral("http://")});
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(server.connections(), 0);
    EXPECT_EQ(serials(), std::vector<std::uint32_t>{3});
    EXPECT_FALSE(doc().isModified());
}

TEST_F(Download, AWholeDeedFileBecomesAnUntitledModifiedDocument) {
    dir.write("Tessary.dat", deedFileOf({makeDeed(1, 1, 2, 1, 1, 1, 3)}));
    start();
    doc().data().registerDeed(std::make_unique<Deed>(makeDeed(1, 1, 3, 1, 1, 1)));
    server.answer("/deeds.dat", 200, QByteArray::fromStdString(served));
    DialogScript script;
    script.type(server.url(QStringLiteral("/deeds.dat")));
    ASSERT_TRUE(run(cmd::Download));
    EXPECT_TRUE(script.done());

    // The working folder's file was saved silently first, with both of its deeds.
    EXPECT_EQ(dir.read("Tessary.dat").size(), 4u + 2 * 15u);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("ダウンロードが完了しました。"));
    EXPECT_EQ(prompt.shown[0].icon, fw::MsgIcon::Information);

    // Exactly the served deeds, in file order, with the numbers the file gives them.
    ASSERT_EQ(doc().data().deeds().size(), 3u);
    EXPECT_EQ(serials(), (std::vector<std::uint32_t>{12, 5, 9}));
    EXPECT_EQ(doc().data().deeds()[2]->comment, fw::toCp932(QStringLiteral("銀行の箱")));
    EXPECT_EQ(doc().data().serialCounter(), 12u);
    EXPECT_TRUE(doc().isModified());
    EXPECT_TRUE(doc().pathName().isEmpty());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("テサリー - 無題 【 ディード一覧 】"));
    // The lists start afresh on the first group: one of the three deeds is in it.
    EXPECT_EQ(frame->paneText(1), QStringLiteral(" 1 / 3 枚 "));
    EXPECT_EQ(doc().data().lastEdit(), kEditNone); // nothing to undo

    // The request: plain GET with the program's name as agent and no cached copy wanted.
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.header(0, "User-Agent"), QByteArray("\x83\x65\x83\x54\x83\x8a\x81\x5b"));
    EXPECT_EQ(server.header(0, "Cache-Control"), "no-cache");
    EXPECT_EQ(server.header(0, "Pragma"), "no-cache");
    // The confirmed address was stored for the next time.
    EXPECT_EQ(doc().settings().readString("Settings", "PreviousDownLoadURL", ""),
              server.url(QStringLiteral("/deeds.dat")).toStdString());
}

TEST_F(Download, HttpsAndOtherSchemesAreRefusedWithoutTouchingTheNetwork) {
    start();
    DialogScript script;
    const QString secure = QStringLiteral("https://127.0.0.1:%1/deeds.dat").arg(server.port());
    script.type(secure);
    script.type(QStringLiteral("ftp://127.0.0.1/deeds.dat"));
    script.cancel();
    ASSERT_TRUE(run(cmd::Download));
    EXPECT_TRUE(script.done());
    EXPECT_EQ(server.connections(), 0);
    EXPECT_EQ(messages(),
              QStringList({QStringLiteral("無効なURLです。"), QStringLiteral("無効なURLです。")}));
    EXPECT_EQ(script.shown(), QStringList({QStringLiteral("http://"), secure,
                                           QStringLiteral("ftp://127.0.0.1/deeds.dat")}));
    for (const auto& m : prompt.shown) {
        EXPECT_EQ(m.icon, fw::MsgIcon::Exclamation);
    }
}

TEST_F(Download, EachFailureShowsItsMessageKeepsTheDocumentAndOffersTheAddressAgain) {
    dir.write("Tessary.dat", deedFileOf({makeDeed(1, 1, 2, 1, 1, 1, 7)}));
    start();
    lowerLimits();
    std::string shortFile = served;
    shortFile[0] = 4; // announces four deeds, holds three
    server.answer("/missing", 404, "no such file");
    server.answer("/error", 500, "server trouble");
    server.answer("/short", 200, QByteArray::fromStdString(shortFile));
    server.answer("/html", 200, "<html>not a deed file</html>");
    server.answer("/empty", 200, {});
    server.serve("/close", TestHttpServer::Kind::CloseAtOnce);
    server.serve("/stall", TestHttpServer::Kind::Stall, QByteArray::fromStdString(served));
    server.announce("/huge", 64 * 1024 + 1);
    server.redirect("/away", "https://127.0.0.1/deeds.dat");
    server.redirect("/moved", "/deeds.dat");
    server.answer("/deeds.dat", 200, QByteArray::fromStdString(served));

    const QString invalid = QStringLiteral("無効なURLです。");
    const QString notFound = QStringLiteral("URLが見つかりません。");
    const QString cannotOpen = QStringLiteral("URLを開くことができません。");
    const QString badFile = QStringLiteral("ディードファイルの読み込みに失敗しました。");
    const std::vector<std::pair<QString, QString>> cases = {
        {server.url(QStringLiteral("/missing")), notFound},
        {server.url(QStringLiteral("/error")), cannotOpen},
        {server.url(QStringLiteral("/short")), badFile},
        {server.url(QStringLiteral("/html")), badFile},
        {server.url(QStringLiteral("/empty")), badFile},
        {server.url(QStringLiteral("/close")), invalid},
        {server.url(QStringLiteral("/stall")), invalid},
        {server.url(QStringLiteral("/huge")), cannotOpen},
        {server.url(QStringLiteral("/away")), invalid},
        {QStringLiteral("deeds.dat"), invalid},
        {QStringLiteral("http://127.0.0.1:0/deeds.dat"), invalid},
    };
    DialogScript script;
    // After each failure the old document is still there, untouched.
    auto untouched = [this] {
        EXPECT_EQ(serials(), std::vector<std::uint32_t>{7});
        EXPECT_FALSE(doc().isModified());
        EXPECT_EQ(doc().pathName(), QString::fromStdString(dir.folderPath()));
    };
    for (const auto& [address, message] : cases) {
        script.type(address);
        script.then(untouched);
    }
    script.type(server.url(QStringLiteral("/moved")));
    script.then(untouched);
    ASSERT_TRUE(run(cmd::Download));
    EXPECT_TRUE(script.done());

    QStringList expected;
    QStringList offered{QStringLiteral("http://")};
    for (const auto& [address, message] : cases) {
        expected << message;
        offered << address; // the failed address, offered again
    }
    expected << QStringLiteral("ダウンロードが完了しました。");
    EXPECT_EQ(messages(), expected);
    EXPECT_EQ(script.shown(), offered);
    // The last redirect led to the file.
    EXPECT_EQ(serials(), (std::vector<std::uint32_t>{12, 5, 9}));
    EXPECT_TRUE(doc().isModified());
}

TEST_F(Download, CancellingTheSaveQuestionKeepsTheModifiedDocument) {
    dir.write("chosen.dat", deedFileOf({makeDeed(1, 1, 2, 1, 1, 1, 1)}));
    start();
    ASSERT_TRUE(app->openDocumentFile(QString::fromStdString(dir.file("chosen.dat"))));
    doc().data().registerDeed(std::make_unique<Deed>(makeDeed(1, 1, 3, 1, 1, 1)));
    server.answer("/deeds.dat", 200, QByteArray::fromStdString(served));
    DialogScript script;
    script.type(server.url(QStringLiteral("/deeds.dat")));
    prompt.answers.push_back(fw::MsgAnswer::Cancel);
    ASSERT_TRUE(run(cmd::Download));
    EXPECT_TRUE(script.done()); // the dialog is not offered again
    EXPECT_EQ(messages(), QStringList{QStringLiteral("chosen.dat への変更を保存しますか?")});
    EXPECT_EQ(serials(), (std::vector<std::uint32_t>{1, 2}));
    EXPECT_TRUE(doc().isModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("テサリー - chosen.dat 【 ディード一覧 】"));
    EXPECT_EQ(dir.read("chosen.dat").size(), 4u + 15u);
}

TEST_F(Download, StoppingTheTransferOffersTheAddressAgain) {
    start();
    doc().runDownload = [this] {
        CDownloadCommand::Options options;
        options.progressDelayMs = 0; // the stall limit stays long: only 取消 ends the transfer
        CDownloadCommand(doc(), frame, options).run();
    };
    server.serve("/slow", TestHttpServer::Kind::Stall, QByteArray::fromStdString(served));
    DialogScript script;
    script.type(server.url(QStringLiteral("/slow")), false);
    script.cancelProgress();
    script.cancel();
    ASSERT_TRUE(run(cmd::Download));
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(script.shown(),
              QStringList({QStringLiteral("http://"), server.url(QStringLiteral("/slow"))}));
    EXPECT_TRUE(doc().data().deeds().empty());
    // The box was unchecked: nothing stored.
    EXPECT_EQ(doc().settings().readString("Settings", "PreviousDownLoadURL", "<none>"), "<none>");
}

} // namespace
} // namespace tessary
