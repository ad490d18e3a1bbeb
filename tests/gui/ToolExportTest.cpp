// tessary-tool export against the export dialog of the running program: for the same deeds,
// catalogue and choices both must write the same bytes.
#include "GuiTestSupport.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "data/CataloguePersistence.h"
#include "dialogs/ExportDialog.h"
#include "dialogs/ExportItemList.h"
#include "framework/CommandRouter.h"
#include "platform/Cp932.h"
#include "platform/ProfileFile.h"
#include "resources/CommandIds.h"
#include "support/RunProcess.h"
#include "views/CategoryView.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

namespace tessary {
namespace {

using test::ScriptedPrompt;
using test::TempDir;

Deed deed(int group, int category, int type, int material, int quality, int quantity,
          std::uint16_t combined, std::uint32_t serial, const char* commentUtf8 = "") {
    Deed d = test::makeDeed(group, category, type, material, quality, quantity, serial,
                            utf8ToCp932(commentUtf8));
    d.combined = combined;
    return d;
}

class ToolExport : public ::testing::Test {
protected:
    void SetUp() override {
        // The program's catalogue with two names renamed: a quality, and a quantity that no
        // longer reads as a number (its deeds then count 0 items).
        Catalogue renamed;
        renamed.buildDefault();
        for (CatalogueEntry& entry : renamed.entries()) {
            if (entry.key == makeKey(kQualityBlock, 2, 0)) {
                entry.name = utf8ToCp932("極上");
            }
            if (entry.key == makeKey(kQuantityBlock, 3, 0)) {
                entry.name = utf8ToCp932("二十");
            }
        }
        ProfileFile settings(dir.file("Tessary.ini"));
        ASSERT_TRUE(saveCatalogue(settings, renamed));

        dir.write("Tessary.dat",
                  test::deedFileOf({
                      deed(1, 3, 1, 1, 2, 2, 0xE000, 8, "大口の備考"),
                      deed(1, 3, 4, 1, 1, 1, 7, 3),
                      deed(1, 3, 2, 1, 2, 3, 0, 5, "a, b"),
                      deed(1, 2, 2, 1, 1, 1, 2, 4),
                      deed(1, 3, 4, 1, 1, 1, 0, 9, "同じ種類"),
                      // The number of a deed of type 4 above again, on another type: the two are
                      // equal in the item-order sort, which keeps the order the list showed.
                      deed(1, 3, 3, 1, 1, 1, 7, 3),
                      deed(2, 3, 4, 4, 2, 3, 12, 6),
                      deed(2, 1, 1, 2, 1, 2, 0x8000, 2),
                      deed(4, 1, 3, 2, 2, 1, 0, 11),
                  }));
        app = std::make_unique<CTessaryApp>(prompt, dir.path(), dir.path());
        ASSERT_TRUE(app->start());
        frame = app->mainFrame();
    }

    void chooseNode(int group, int category) {
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

    // Runs the export command and lets `choose` set the dialog before 実行 writes `name`.
    void exportWithDialog(const std::string& name,
                          const std::function<void(CExportDialog&)>& choose) {
        test::ModalAnswer answer([&](QDialog& dialog) {
            auto* d = qobject_cast<CExportDialog*>(&dialog);
            ASSERT_NE(d, nullptr);
            choose(*d);
            d->fileNameEdit()->setText(QString::fromStdString(dir.file(name)));
            d->runButton()->click();
        });
        ASSERT_TRUE(frame->router().execute(cmd::Export));
        ASSERT_TRUE(answer.answered());
        ASSERT_TRUE(dir.exists(name));
    }

    test::ProcessResult tool(std::vector<std::string> args) {
        args.insert(args.begin(), {"export", "Tessary.dat", "--settings", "Tessary.ini"});
        return test::runProcess(TESSARY_TOOL_PATH, args, dir.path());
    }

    TempDir dir;
    ScriptedPrompt prompt;
    std::unique_ptr<CTessaryApp> app;
    CMainFrame* frame = nullptr;
};

TEST_F(ToolExport, TheDefaultChoicesWriteTheDialogsBytes) {
    chooseNode(1, 3);
    exportWithDialog("dialog.txt", [](CExportDialog&) {});
    const test::ProcessResult r = tool({"--group", "1", "--category", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, dir.read("dialog.txt"));
    EXPECT_EQ(r.out.substr(0, 3), "1. ");
}

TEST_F(ToolExport, ReorderedItemsDelimiterOptionsAndADescendingSortWriteTheDialogsBytes) {
    chooseNode(1, 3);
    // 種類順 chosen twice: descending.
    ASSERT_TRUE(frame->router().execute(cmd::SortType));
    ASSERT_TRUE(frame->router().execute(cmd::SortType));
    exportWithDialog("dialog.txt", [](CExportDialog& d) {
        CExportItemList& list = *d.itemList();
        // Check 登録番号, 結合数, 備考 and カテゴリ; uncheck 材料; then move 登録番号 up to
        // right after 連番.
        for (int row = 0; row < list.count(); ++row) {
            const int code = list.code(row);
            if (code == 9 || code == 7 || code == 8 || code == 2) {
                list.setCheckState(row, 1);
            }
            if (code == 4) {
                list.setCheckState(row, 0);
            }
        }
        list.setCurrentRow(9);
        for (int i = 0; i < 8; ++i) {
            d.upButton()->click();
        }
        d.delimiterEdit()->setText(QStringLiteral("｜"));
        d.periodBox()->setChecked(false);
        d.fractionBox()->setChecked(true);
        d.utf8Box()->setChecked(true);
    });
    const test::ProcessResult r =
        tool({"--group", "1", "--category", "3", "--items", "0,9,2,3,5,6,7,8", "--delimiter", "｜",
              "--no-period", "--fraction", "--sort", "0", "--descending", "--utf8"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, dir.read("dialog.txt"));
    EXPECT_NE(r.out.find("極上"), std::string::npos);
}

TEST_F(ToolExport, TheItemOrderSortKeepsTheListsOrderOfEqualKeys) {
    chooseNode(1, 3);
    {
        test::ModalAnswer confirm([](QDialog& dialog) { dialog.accept(); });
        ASSERT_TRUE(frame->router().execute(cmd::SortItemOrder));
        ASSERT_TRUE(confirm.answered());
    }
    exportWithDialog("dialog.txt", [](CExportDialog&) {});
    const test::ProcessResult r = tool({"--group", "1", "--category", "3", "--sort", "99"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, dir.read("dialog.txt"));
}

TEST_F(ToolExport, MissingDeedsOfAGroupNodeWriteTheDialogsBytesToAFile) {
    chooseNode(2, 0);
    ASSERT_TRUE(frame->router().execute(cmd::SortQuantity));
    exportWithDialog("dialog.txt", [](CExportDialog& d) {
        ASSERT_TRUE(d.missingBox()->isEnabled());
        d.missingBox()->click();
        CExportItemList& list = *d.itemList();
        list.setCheckState(1, 1); // グループ
        list.setCheckState(8, 1); // 備考: not written for the missing deeds
    });
    const test::ProcessResult r = tool(
        {"--group", "2", "--missing", "--items", "0,1,3,4,5,6,8", "--sort", "3", "-o", "tool.txt"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string written = dir.read("dialog.txt");
    EXPECT_EQ(dir.read("tool.txt"), written);
    // The armour group's 16 item types in 9 materials and 6 grades, less the two deeds it shows.
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 16 * 9 * 6 - 2);
}

} // namespace
} // namespace tessary
