// The download dialog and the progress window on their own: what the dialog shows at every
// opening, what 実行 stores and refuses, and how the progress window follows and stops a
// transfer.
#include "GuiTestSupport.h"

#include "dialogs/DownloadDialog.h"
#include "dialogs/DownloadProgressDialog.h"
#include "framework/HttpFetcher.h"
#include "framework/Text.h"
#include "support/TestHttpServer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace tessary {
namespace {

using test::ModalAnswer;
using test::ScriptedPrompt;
using test::TempDir;

QPushButton* button(QDialog& dialog, const QString& text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
        if (b->text() == text) {
            return b;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

void press(QDialog& dialog, const QString& text) {
    if (QPushButton* b = button(dialog, text)) {
        b->click();
    }
}

const QString kRun = QStringLiteral("実行");
const QString kCancel = QStringLiteral("取消");

struct DownloadDialogTest : ::testing::Test {
    TempDir dir;
    ScriptedPrompt prompt;
    ProfileFile settings{dir.file("Tessary.ini")};

    std::string stored() {
        return settings.readString("Settings", "PreviousDownLoadURL", "<none>");
    }
};

TEST_F(DownloadDialogTest, EveryOpeningShowsTheAddressSelectedAndTheBoxChecked) {
    CDownloadDialog dialog(nullptr, settings, prompt);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ダウンロード"));
    EXPECT_EQ(dialog.address(), QStringLiteral("http://")); // nothing stored yet

    QString shownText;
    bool allSelected = false;
    bool focused = false;
    bool checked = false;
    auto look = [&](QDialog& d) {
        auto* edit = d.findChild<QLineEdit*>();
        auto* box = d.findChild<QCheckBox*>();
        shownText = edit->text();
        allSelected = edit->selectedText() == edit->text();
        focused = d.focusWidget() == edit;
        checked = box->isChecked();
        EXPECT_EQ(box->text(), QStringLiteral("このURLを保存する"));
        box->setChecked(false); // must not survive into the next opening
        press(d, kCancel);
    };
    {
        ModalAnswer answer(look);
        EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    }
    EXPECT_EQ(shownText, QStringLiteral("http://"));
    EXPECT_TRUE(allSelected);
    EXPECT_TRUE(focused);
    EXPECT_TRUE(checked);

    // The next opening shows the address the command puts back, checked again.
    dialog.setAddress(QStringLiteral("http://127.0.0.1/failed.dat"));
    {
        ModalAnswer answer(look);
        dialog.exec();
    }
    EXPECT_EQ(shownText, QStringLiteral("http://127.0.0.1/failed.dat"));
    EXPECT_TRUE(allSelected);
    EXPECT_TRUE(checked);
    EXPECT_EQ(stored(), "<none>"); // cancelling stores nothing
}

TEST_F(DownloadDialogTest, RunStoresTheAddressExactlyAsTyped) {
    settings.writeString("Settings", "PreviousDownLoadURL", "http://stored.example/a.dat");
    CDownloadDialog dialog(nullptr, settings, prompt);
    EXPECT_EQ(dialog.address(), QStringLiteral("http://stored.example/a.dat"));

    // Checked: stored exactly as typed, blanks and Japanese included, with Enter as 実行.
    const QString typed = QStringLiteral(" http://h/ディード.dat ");
    {
        ModalAnswer answer([&](QDialog& d) {
            auto* edit = d.findChild<QLineEdit*>();
            edit->setText(typed);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    }
    EXPECT_EQ(dialog.address(), typed);
    EXPECT_EQ(fw::fromCp932(stored()), typed);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(DownloadDialogTest, AnEmptyAddressIsRefusedAndTheDialogStaysOpen) {
    settings.writeString("Settings", "PreviousDownLoadURL", "http://stored.example/a.dat");
    CDownloadDialog dialog(nullptr, settings, prompt);
    bool stayedOpen = false;
    bool editFocused = false;
    ModalAnswer answer([&](QDialog& d) {
        auto* edit = d.findChild<QLineEdit*>();
        edit->clear();
        press(d, kRun);
        stayedOpen = d.isVisible();
        editFocused = d.focusWidget() == edit;
        QTest::keyClick(edit, Qt::Key_Escape); // Escape is 取消
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(editFocused);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("URLを指定してください。"));
    EXPECT_EQ(prompt.shown[0].icon, fw::MsgIcon::Exclamation);
    EXPECT_EQ(stored(), "http://stored.example/a.dat");
}

// Answers the first modal dialog of class T that shows, once `ready` says so; polled from a
// zero-delay timer, so nothing waits on the clock.
template <class T>
class AnswerWhenShown {
public:
    AnswerWhenShown(std::function<bool(T&)> ready, std::function<void(T&)> fill)
        : ready_(std::move(ready)), fill_(std::move(fill)) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (dialog != nullptr && dialog->isVisible() && ready_(*dialog)) {
                timer_.stop();
                answered_ = true;
                fill_(*dialog);
            }
        });
        timer_.start();
    }
    bool answered() const { return answered_; }

private:
    std::function<bool(T&)> ready_;
    std::function<void(T&)> fill_;
    QTimer timer_;
    bool answered_ = false;
};

struct DownloadProgressTest : ::testing::Test {
    test::ProxyEnvironment noProxy;
    test::TestHttpServer server;
    fw::CHttpFetcher fetcher{"agent", {1024 * 1024, 5000, 5}};
};

TEST_F(DownloadProgressTest, TheProgressWindowShowsTheBytesAndCancelStopsTheTransfer) {
    // Half of 4000 bytes, then nothing more: only 取消 ends it.
    server.serve("/slow", test::TestHttpServer::Kind::Stall, QByteArray(4000, 's'));
    QString shown;
    bool modalToAll = false;
    AnswerWhenShown<CDownloadProgressDialog> answer(
        [](CDownloadProgressDialog& d) { return d.progressText().contains(QLatin1Char('/')); },
        [&](CDownloadProgressDialog& d) {
            shown = d.progressText();
            modalToAll = d.windowModality() == Qt::ApplicationModal;
            press(d, kCancel);
        });
    const auto end = CDownloadProgressDialog::run(nullptr, fetcher,
                                                  QUrl(server.url(QStringLiteral("/slow"))), 0);
    EXPECT_TRUE(answer.answered());
    EXPECT_EQ(end, fw::CHttpFetcher::End::Cancelled);
    EXPECT_EQ(shown, QStringLiteral("2,000 / 4,000 バイト受信"));
    EXPECT_TRUE(modalToAll);
    EXPECT_TRUE(fetcher.body().isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Without a known total the bytes are shown alone.
    CDownloadProgressDialog dialog(nullptr);
    dialog.setProgress(1234567, -1);
    EXPECT_EQ(dialog.progressText(), QStringLiteral("1,234,567 バイト受信"));
}

} // namespace
} // namespace tessary
