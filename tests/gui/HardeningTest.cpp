// The program against unusual folders and settings files: a catalogue too large for the
// order-status list, debris of an interrupted save, a second instance with another runtime folder.
#include "GuiTestSupport.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "framework/CommandRouter.h"
#include "resources/CommandIds.h"
#include "views/ConditionView.h"
#include "views/DeedView.h"

#include <gtest/gtest.h>

#include <set>

namespace tessary {
namespace {

using test::deedFileOf;
using test::makeDeed;
using test::ScriptedPrompt;
using test::TempDir;

const QString kTooLarge = QStringLiteral("設定ファイル (Tessary.ini) のカタログが大きすぎるため、\n"
                                         "受注状況一覧を表示できません。");

TEST(Hardening, ACatalogueTooLargeGivesAnEmptyOrderStatusListAndOneWarning) {
    TempDir dir;
    // Four values within what loading accepts, giving 120 x 125 x 125 x 125 rows.
    dir.write("Tessary.ini", "[ConstantValues]\r\nCount=4\r\n"
                             "Value0001=120120000000000000000000c\r\n"
                             "Value0002=120121125000000000000000m\r\n"
                             "Value0003=121125000000000000000000q\r\n"
                             "Value0004=122125000000000000000000n\r\n");
    dir.write("Tessary.dat", deedFileOf({makeDeed(120, 120, 1, 125, 125, 125, 1, "kept")}));
    ScriptedPrompt prompt;
    CTessaryApp app(prompt, dir.path(), dir.path());
    ASSERT_TRUE(app.start());
    CMainFrame& frame = *app.mainFrame();
    EXPECT_TRUE(prompt.shown.empty());

    ASSERT_TRUE(frame.router().execute(cmd::ShowConditionList));
    ASSERT_NE(frame.conditionView(), nullptr);
    EXPECT_EQ(frame.conditionView()->rowCount(), 0);
    EXPECT_TRUE(app.document()->data().conditionRows().empty());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, kTooLarge);
    EXPECT_EQ(prompt.shown[0].icon, fw::MsgIcon::Exclamation);
    EXPECT_EQ(prompt.shown[0].buttons, fw::MsgButtons::Ok);

    // Once a run: switching again tells nothing more; the deed list works as ever.
    ASSERT_TRUE(frame.router().execute(cmd::ShowDeedList));
    ASSERT_TRUE(frame.router().execute(cmd::ShowConditionList));
    EXPECT_EQ(frame.conditionView()->rowCount(), 0);
    EXPECT_EQ(prompt.shown.size(), 1u);
    ASSERT_TRUE(frame.router().execute(cmd::ShowDeedList));
    EXPECT_EQ(app.document()->data().deeds().size(), 1u);
    EXPECT_EQ(app.document()->data().deeds()[0]->comment, "kept");
}

TEST(Hardening, StartUpRemovesLeftoverTemporaryFilesOnlyOnceTheFolderIsItsOwn) {
    TempDir dir;
    TempDir otherRuntime;
    dir.write("Tessary.dat", deedFileOf({makeDeed(1, 1, 2, 1, 1, 1, 1)}));
    const std::string deeds = dir.read("Tessary.dat");
    dir.write(".Tessary.dat.tmp-Ab3dE9", "half a save");
    dir.write(".Tessary.ini.tmp-000000", "half a save");
    dir.write(".Tessary.dat.tmp-", "not ours");
    dir.write("notes.txt", "not ours");

    ScriptedPrompt prompt;
    auto app = std::make_unique<CTessaryApp>(prompt, dir.path(), dir.path());
    ASSERT_TRUE(app->start());
    const std::set<std::string> after = {"Tessary.dat", "Tessary.ini",
                                         "TESSARY BY KORVANEL.PLIX 2002.lock", ".Tessary.dat.tmp-",
                                         "notes.txt"};
    EXPECT_EQ(dir.names(), after);
    EXPECT_EQ(app->document()->data().deeds().size(), 1u);
    EXPECT_EQ(dir.read("Tessary.dat"), deeds);

    // A second start in the same folder, with a runtime folder of its own, is refused with the
    // running message, and does not touch the folder where the first may be saving.
    dir.write(".Tessary.dat.tmp-zzzzzz", "the first one's save under way");
    ScriptedPrompt secondPrompt;
    {
        CTessaryApp second(secondPrompt, dir.path(), otherRuntime.path());
        EXPECT_FALSE(second.start());
        EXPECT_EQ(second.mainFrame(), nullptr);
    }
    ASSERT_EQ(secondPrompt.shown.size(), 1u);
    EXPECT_EQ(secondPrompt.shown[0].icon, fw::MsgIcon::Stop);
    EXPECT_TRUE(secondPrompt.shown[0].text.startsWith(QStringLiteral("テサリー は起動中です。")));
    EXPECT_TRUE(dir.exists(".Tessary.dat.tmp-zzzzzz"));

    // Once the first has ended, a start with the other runtime folder succeeds.
    app.reset();
    ScriptedPrompt thirdPrompt;
    CTessaryApp third(thirdPrompt, dir.path(), otherRuntime.path());
    EXPECT_TRUE(third.start());
    EXPECT_TRUE(thirdPrompt.shown.empty());
    EXPECT_FALSE(dir.exists(".Tessary.dat.tmp-zzzzzz"));
}

} // namespace
} // namespace tessary
