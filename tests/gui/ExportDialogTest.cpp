// The export dialog on its own: its controls and their rules, the sample lines, the missing
// deeds and what 実行 writes or refuses.
#include "GuiTestSupport.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "data/Catalogue.h"
#include "data/DeedSortKey.h"
#include "dialogs/ExportDialog.h"
#include "dialogs/ExportItemList.h"
#include "framework/CommandRouter.h"
#include "resources/CommandIds.h"
#include "resources/SettingsKeys.h"
#include "views/CategoryView.h"
#include "views/DeedView.h"

#include <QCheckBox>
#include <QImage>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <set>
#include <sys/resource.h>

namespace tessary {
namespace {

using test::ScriptedPrompt;
using test::TempDir;

Deed makeDeed(int group, int category, int type, int material, int quality, int quantity,
              std::uint16_t combined = 0, std::uint32_t serial = 0, std::string comment = {}) {
    Deed d = test::makeDeed(group, category, type, material, quality, quantity, serial,
                            std::move(comment));
    d.combined = combined;
    return d;
}

QStringList labels(const CExportItemList& list) {
    QStringList out;
    for (int row = 0; row < list.count(); ++row) {
        out << list.label(row);
    }
    return out;
}
std::vector<int> codes(const CExportItemList& list) {
    std::vector<int> out;
    for (int row = 0; row < list.count(); ++row) {
        out.push_back(list.code(row));
    }
    return out;
}
std::vector<int> checks(const CExportItemList& list) {
    std::vector<int> out;
    for (int row = 0; row < list.count(); ++row) {
        out.push_back(list.checkState(row));
    }
    return out;
}

class ExportDialogTest : public ::testing::Test {
protected:
    void SetUp() override { catalogue.buildDefault(); }

    // The dialog over `rows` of the cutlass set (group 1, category 3) unless told otherwise.
    std::unique_ptr<CExportDialog> open(int group = 1, int category = 3) {
        CExportDialog::Source source;
        source.catalogue = &catalogue;
        source.rows = &rows;
        source.node = group == 0 ? nullptr : catalogue.findEntry(makeKey(group, category, 0));
        source.deedFilter = filter;
        source.sortItem = sortItem;
        source.sortDescending = descending;
        source.sortOrder = settings::kDeedViewSortItem.defaultValue;
        auto dialog = std::make_unique<CExportDialog>(nullptr, prompt, source);
        dialog->show();
        return dialog;
    }
    void show(const std::vector<Deed>& deeds) {
        held = deeds;
        rows.clear();
        for (const Deed& d : held) {
            rows.push_back(&d);
        }
    }
    // Clicks the check box of `row`, as the user does.
    static void clickCheck(CExportItemList& list, int row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                          list.checkBoxRect(row).center());
    }
    static void selectRow(CExportItemList& list, int row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                          list.visualItemRect(list.item(row)).center() + QPoint(20, 0));
    }

    Catalogue catalogue;
    std::vector<Deed> held;
    std::vector<const Deed*> rows;
    Deed filter;
    int sortItem = -1;
    bool descending = false;
    ScriptedPrompt prompt;
    TempDir dir;
};

// ---------------------------------------------------------------------------------------------
// Opening

TEST_F(ExportDialogTest, OpensWithEveryControlInItsStartingState) {
    show({makeDeed(1, 3, 7, 1, 2, 3, 4, 31), makeDeed(1, 3, 2, 1, 1, 1, 0, 32)});
    auto d = open();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("エクスポート"));
    EXPECT_EQ(d->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));

    CExportItemList& list = *d->itemList();
    EXPECT_EQ(labels(list), (QStringList{QStringLiteral(" 連番"), QStringLiteral(" グループ"),
                                         QStringLiteral(" カテゴリ"), QStringLiteral(" 種類"),
                                         QStringLiteral(" 材料"), QStringLiteral(" 品質"),
                                         QStringLiteral(" 数量"), QStringLiteral(" 結合数"),
                                         QStringLiteral(" 備考"), QStringLiteral(" 登録番号")}));
    EXPECT_EQ(codes(list), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(checks(list), (std::vector<int>{1, 0, 0, 1, 1, 1, 1, 0, 0, 0}));
    // The check boxes come from a strip of three 11-pixel cells: unchecked, checked, indeterminate.
    EXPECT_EQ(list.checkBoxStrip().size(), QSize(33, 11));
    const QImage strip = list.checkBoxStrip().toImage();
    EXPECT_NE(strip.copy(0, 0, 11, 11), strip.copy(11, 0, 11, 11));
    EXPECT_NE(strip.copy(11, 0, 11, 11), strip.copy(22, 0, 11, 11));
    EXPECT_EQ(list.selectedRow(), 0);
    EXPECT_FALSE(d->upButton()->isEnabled());
    EXPECT_FALSE(d->downButton()->isEnabled());

    EXPECT_TRUE(d->fileNameEdit()->text().isEmpty());
    EXPECT_EQ(d->fileNameEdit()->maxLength(), 260);
    EXPECT_EQ(d->delimiterEdit()->text(), QStringLiteral(" / "));
    EXPECT_EQ(d->delimiterEdit()->maxLength(), 20);
    EXPECT_TRUE(d->periodBox()->isChecked());
    EXPECT_TRUE(d->periodBox()->isEnabled());
    // 結合数 is not checked, so the fraction cannot be chosen.
    EXPECT_FALSE(d->fractionBox()->isChecked());
    EXPECT_FALSE(d->fractionBox()->isEnabled());
    EXPECT_FALSE(d->utf8Box()->isChecked());
    EXPECT_EQ(d->missingBox()->text(),
              QStringLiteral(" 選択されたカテゴリで未受注のディードを出力する"));
    EXPECT_EQ(d->fractionBox()->text(), QStringLiteral(" 結合数と数量は \"( 0 / 0 )\" で表示する"));
    EXPECT_TRUE(d->runButton()->isDefault());
    EXPECT_EQ(d->runButton()->text(), QStringLiteral("実行"));
    EXPECT_EQ(d->cancelButton()->text(), QStringLiteral("取消"));

    EXPECT_EQ(d->sampleLine1()->text(),
              QStringLiteral("1. katana / iron ingots / exceptional / 20"));
    EXPECT_EQ(d->sampleLine2()->text(), QStringLiteral("2. cutlass / iron ingots / 標準 / 10"));

    // Focus runs down the controls from the item list.
    std::vector<QWidget*> chain;
    QWidget* w = d->itemList();
    for (int i = 0; i < 12; ++i) {
        chain.push_back(w);
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus) {
            w = w->nextInFocusChain();
        }
    }
    EXPECT_EQ(chain, (std::vector<QWidget*>{
                         d->itemList(), d->upButton(), d->downButton(), d->fileNameEdit(),
                         d->browseButton(), d->delimiterEdit(), d->missingBox(), d->periodBox(),
                         d->fractionBox(), d->utf8Box(), d->runButton(), d->cancelButton()}));
}

TEST_F(ExportDialogTest, MissingDeedsBoxHasThreeStatesAtOpening) {
    // Some of the cutlass set held: some missing, the box free and unchecked.
    show({makeDeed(1, 3, 7, 1, 2, 3)});
    auto d = open();
    EXPECT_TRUE(d->missingBox()->isEnabled());
    EXPECT_FALSE(d->missingBox()->isChecked());
    EXPECT_EQ(d->missingDeeds().combinations, 7u * 6);
    EXPECT_EQ(d->missingDeeds().deeds.size(), 7u * 6 - 1);

    // Nothing held: only missing deeds can be written.
    show({});
    d = open();
    EXPECT_FALSE(d->missingBox()->isEnabled());
    EXPECT_TRUE(d->missingBox()->isChecked());
    EXPECT_EQ(d->sampleLine1()->text(),
              QStringLiteral("1. cutlass 大口 / iron ingots / 標準 / 60"));

    // Everything of the bardiche set held: no missing deed, nothing to choose.
    std::vector<Deed> all;
    for (int t = 1; t <= 3; ++t) {
        for (int q = 1; q <= 2; ++q) {
            for (int n = 1; n <= 3; ++n) {
                all.push_back(makeDeed(1, 1, t, 1, q, n));
            }
        }
    }
    show(all);
    d = open(1, 1);
    EXPECT_FALSE(d->missingBox()->isEnabled());
    EXPECT_FALSE(d->missingBox()->isChecked());

    // A filter the catalogue cannot meet: no combination at all, the box checked and disabled.
    show({});
    filter.itemCode = Deed::makeItemCode(0, 0, 9, 0);
    d = open(1, 1);
    EXPECT_FALSE(d->missingBox()->isEnabled());
    EXPECT_TRUE(d->missingBox()->isChecked());
    EXPECT_EQ(d->sampleLine1()->text(), QStringLiteral("表示するディードがありません"));

    // No tree node: no missing deeds, the box disabled and unchecked.
    filter = {};
    d = open(0);
    EXPECT_FALSE(d->missingBox()->isEnabled());
    EXPECT_FALSE(d->missingBox()->isChecked());
    EXPECT_EQ(d->sampleLine1()->text(), QStringLiteral("表示するディードがありません"));
}

// ---------------------------------------------------------------------------------------------
// Control rules

TEST_F(ExportDialogTest, ArrowsMoveRowsButNeverTheNumber) {
    show({makeDeed(1, 3, 7, 1, 2, 3, 4, 31)});
    auto d = open();
    CExportItemList& list = *d->itemList();

    selectRow(list, 1);
    EXPECT_FALSE(d->upButton()->isEnabled());
    EXPECT_TRUE(d->downButton()->isEnabled());
    selectRow(list, 2);
    EXPECT_TRUE(d->upButton()->isEnabled());
    EXPECT_TRUE(d->downButton()->isEnabled());
    selectRow(list, 9);
    EXPECT_TRUE(d->upButton()->isEnabled());
    EXPECT_FALSE(d->downButton()->isEnabled());

    // 品質 (row 5) up twice: it passes 材料 and 種類, keeping its check, and stays selected.
    selectRow(list, 5);
    d->upButton()->click();
    d->upButton()->click();
    EXPECT_EQ(codes(list), (std::vector<int>{0, 1, 2, 5, 3, 4, 6, 7, 8, 9}));
    EXPECT_EQ(checks(list), (std::vector<int>{1, 0, 0, 1, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(list.selectedRow(), 3);
    EXPECT_EQ(d->sampleLine1()->text(),
              QStringLiteral("1. exceptional / katana / iron ingots / 20"));

    // Up to row 1 and no further: 連番 stays first.
    d->upButton()->click();
    d->upButton()->click();
    EXPECT_EQ(list.selectedRow(), 1);
    EXPECT_FALSE(d->upButton()->isEnabled());
    EXPECT_EQ(codes(list), (std::vector<int>{0, 5, 1, 2, 3, 4, 6, 7, 8, 9}));

    // Down from row 1 works.
    d->downButton()->click();
    EXPECT_EQ(codes(list), (std::vector<int>{0, 1, 5, 2, 3, 4, 6, 7, 8, 9}));
    EXPECT_EQ(list.selectedRow(), 2);
}

TEST_F(ExportDialogTest, PeriodAndFractionBoxesFollowTheCheckedItems) {
    show({makeDeed(1, 3, 7, 1, 2, 3, 4, 31)});
    auto d = open();
    CExportItemList& list = *d->itemList();

    // Unchecking 連番 unchecks and disables the period; checking it again frees the box only.
    clickCheck(list, 0);
    EXPECT_EQ(list.checkState(0), 0);
    EXPECT_FALSE(d->periodBox()->isChecked());
    EXPECT_FALSE(d->periodBox()->isEnabled());
    EXPECT_EQ(d->sampleLine1()->text(), QStringLiteral("katana / iron ingots / exceptional / 20"));
    clickCheck(list, 0);
    EXPECT_TRUE(d->periodBox()->isEnabled());
    EXPECT_FALSE(d->periodBox()->isChecked());
    EXPECT_EQ(d->sampleLine1()->text(),
              QStringLiteral("1 katana / iron ingots / exceptional / 20"));
    QTest::mouseClick(d->periodBox(), Qt::LeftButton);
    EXPECT_EQ(d->sampleLine1()->text(),
              QStringLiteral("1. katana / iron ingots / exceptional / 20"));

    // 結合数 checked (with Space on its row): the fraction can be chosen and shows both numbers.
    selectRow(list, 7);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(list.checkState(7), 1);
    EXPECT_TRUE(d->fractionBox()->isEnabled());
    EXPECT_EQ(d->sampleLine1()->text(),
              QStringLiteral("1. katana / iron ingots / exceptional / 20 / 4"));
    QTest::mouseClick(d->fractionBox(), Qt::LeftButton);
    EXPECT_TRUE(d->fractionBox()->isChecked());
    EXPECT_EQ(d->sampleLine1()->text(),
              QStringLiteral("1. katana / iron ingots / exceptional / ( 4 / 20 )"));
    // Unchecking 数量 takes the fraction away again.
    clickCheck(list, 6);
    EXPECT_FALSE(d->fractionBox()->isChecked());
    EXPECT_FALSE(d->fractionBox()->isEnabled());
    EXPECT_EQ(d->sampleLine1()->text(),
              QStringLiteral("1. katana / iron ingots / exceptional / 4"));

    // The delimiter is read as it is typed; an empty one runs the items together.
    d->delimiterEdit()->setText(QStringLiteral(","));
    EXPECT_EQ(d->sampleLine1()->text(), QStringLiteral("1. katana,iron ingots,exceptional,4"));
    d->delimiterEdit()->clear();
    EXPECT_EQ(d->sampleLine1()->text(), QStringLiteral("1. katanairon ingotsexceptional4"));

    // Nothing checked: both sample lines are empty.
    for (int row = 0; row < list.count(); ++row) {
        list.setCheckState(row, 0);
    }
    selectRow(list, 3);
    EXPECT_TRUE(d->sampleLine1()->text().isEmpty());
    EXPECT_TRUE(d->sampleLine2()->text().isEmpty());
}

TEST_F(ExportDialogTest, MissingDeedsGreyTheUnwrittenItemsAndFollowTheListsDirection) {
    // One bardiche deed held out of eighteen combinations.
    show({makeDeed(1, 1, 2, 1, 1, 1, 3, 7, "mine")});
    sortItem = kSortByType;
    descending = true;
    auto d = open(1, 1);
    CExportItemList& list = *d->itemList();
    for (int row : {7, 8, 9}) {
        list.setCheckState(row, 1);
    }
    selectRow(list, 2);
    EXPECT_EQ(d->sampleLine1()->text(),
              QStringLiteral("1. bardiche / iron ingots / 標準 / 10 / 3 / mine / 7"));
    EXPECT_FALSE(list.isGrey(7));

    QTest::mouseClick(d->missingBox(), Qt::LeftButton);
    ASSERT_TRUE(d->missingBox()->isChecked());
    EXPECT_TRUE(list.isGrey(7));
    EXPECT_TRUE(list.isGrey(8));
    EXPECT_TRUE(list.isGrey(9));
    EXPECT_FALSE(list.isGrey(6));
    // Descending: the last missing deed first, numbered from 1; no 結合数, 備考 or 登録番号.
    EXPECT_EQ(d->sampleLine1()->text(),
              QStringLiteral("1. halberd / iron ingots / exceptional / 20"));
    EXPECT_EQ(d->sampleLine2()->text(),
              QStringLiteral("2. halberd / iron ingots / exceptional / 15"));

    QTest::mouseClick(d->missingBox(), Qt::LeftButton);
    EXPECT_FALSE(list.isGrey(7));
    EXPECT_EQ(d->sampleLine1()->text(),
              QStringLiteral("1. bardiche / iron ingots / 標準 / 10 / 3 / mine / 7"));
}

TEST_F(ExportDialogTest, TooManyCombinationsAreRefusedWithAMessage) {
    // A hand-edited catalogue: 255 materials, qualities and quantities in the mace set.
    auto& entries = catalogue.entries();
    for (unsigned i = 2; i <= 255; ++i) {
        entries.push_back({makeKey(1, kMaterialBlock, i), 0, 0, 0, "m", {}});
    }
    for (unsigned i = 3; i <= 255; ++i) {
        entries.push_back({makeKey(kQualityBlock, i, 0), 0, 0, 0, "q", {}});
    }
    for (unsigned i = 4; i <= 255; ++i) {
        entries.push_back({makeKey(kQuantityBlock, i, 0), 0, 0, 0, "n", {}});
    }
    std::sort(entries.begin(), entries.end(),
              [](const CatalogueEntry& a, const CatalogueEntry& b) { return a.key < b.key; });
    show({makeDeed(1, 2, 2, 1, 1, 1)});
    auto d = open(1, 2);
    EXPECT_FALSE(d->missingBox()->isEnabled());
    EXPECT_FALSE(d->missingBox()->isChecked());
    EXPECT_EQ(d->sampleLine1()->text(), QStringLiteral("1. mace / iron ingots / 標準 / 10"));
    EXPECT_EQ(d->sampleLine2()->text().toStdString(),
              QStringLiteral("組み合わせが多すぎるため未受注のディードは出力できません"
                             "（116,069,625 通り、上限 1,000,000 通り）")
                  .toStdString());
}

// ---------------------------------------------------------------------------------------------
// 実行

TEST_F(ExportDialogTest, RunRefusesWhatItCannotWriteAndStaysOpen) {
    show({makeDeed(1, 3, 7, 1, 2, 3)});
    auto d = open();
    CExportItemList& list = *d->itemList();

    // An empty file name; Enter in the item list presses 実行.
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Return);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("ファイル名を指定してください。"));
    EXPECT_EQ(prompt.shown[0].icon, fw::MsgIcon::Exclamation);
    EXPECT_TRUE(d->isVisible());

    // A folder: the name selected, nothing written (the other places that cannot be written are
    // the core's tests).
    d->fileNameEdit()->setText(QString::fromStdString(dir.path()));
    d->runButton()->click();
    EXPECT_EQ(prompt.shown.back().text,
              QStringLiteral("出力先のファイルを開くことができませんでした。"));
    EXPECT_EQ(d->fileNameEdit()->selectedText(), QString::fromStdString(dir.path()));
    EXPECT_EQ(d->focusWidget(), d->fileNameEdit());
    EXPECT_TRUE(d->isVisible());

    // A delimiter or a file name CP932 cannot hold.
    d->fileNameEdit()->setText(QString::fromStdString(dir.file("out.txt")));
    d->delimiterEdit()->setText(QStringLiteral(" \U0001F600 "));
    d->runButton()->click();
    EXPECT_EQ(prompt.shown.back().text,
              QStringLiteral("区切り文字に、シフトJIS (CP932) で表せない文字が含まれています。"));
    d->delimiterEdit()->setText(QStringLiteral(" / "));
    d->fileNameEdit()->setText(QString::fromStdString(dir.file("caf\xc3\xa9.txt")));
    d->runButton()->click();
    EXPECT_EQ(prompt.shown.back().text,
              QStringLiteral("ファイル名に、シフトJIS (CP932) で表せない文字が含まれています。"));

    // No item checked.
    d->fileNameEdit()->setText(QString::fromStdString(dir.file("out.txt")));
    for (int row = 0; row < list.count(); ++row) {
        list.setCheckState(row, 0);
    }
    d->runButton()->click();
    EXPECT_EQ(prompt.shown.back().text, QStringLiteral("出力項目がひとつも選択されていません。"));
    EXPECT_EQ(d->focusWidget(), &list);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(dir.names().empty());
}

TEST_F(ExportDialogTest, RunWritesTheShownDeedsInListOrderInEitherEncoding) {
    // The list's order as given, not a sorted one.
    show({makeDeed(4, 4, 1, 2, 1, 3, 0xE000, 12, "\x82\xa0"), makeDeed(4, 4, 3, 1, 2, 1, 4, 5)});
    auto d = open(4, 4);
    CExportItemList& list = *d->itemList();
    list.setCheckState(8, 1);
    d->fileNameEdit()->setText(QString::fromStdString(dir.file("deeds.txt")));
    d->runButton()->click();
    ASSERT_FALSE(prompt.shown.empty());
    EXPECT_EQ(prompt.shown.back().text, QStringLiteral("ディード情報をエクスポートしました。"));
    EXPECT_EQ(prompt.shown.back().icon, fw::MsgIcon::Information);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(dir.read("deeds.txt"),
              "1. leather cap \x91\xe5\x8c\xfb / spined leather / \x95\x57\x8f\x80 / 120 / "
              "\x82\xa0\r\n"
              "2. leather gorget / normal leather / exceptional / 10 / \r\n");

    // Again with UTF-8 chosen: the same lines converted, over the earlier file.
    d = open(4, 4);
    d->itemList()->setCheckState(8, 1);
    d->fileNameEdit()->setText(QString::fromStdString(dir.file("deeds.txt")));
    d->utf8Box()->setChecked(true);
    d->runButton()->click();
    EXPECT_EQ(dir.read("deeds.txt"),
              "1. leather cap \xe5\xa4\xa7\xe5\x8f\xa3 / spined leather / \xe6\xa8\x99\xe6\xba\x96"
              " / 120 / \xe3\x81\x82\r\n"
              "2. leather gorget / normal leather / exceptional / 10 / \r\n");
    EXPECT_EQ(dir.names(), std::set<std::string>{"deeds.txt"});
}

TEST_F(ExportDialogTest, AWriteThatFailsKeepsTheEarlierFileAndTheDialogOpen) {
    show({makeDeed(1, 3, 7, 1, 2, 3), makeDeed(1, 3, 2, 1, 1, 1), makeDeed(1, 3, 3, 1, 1, 1)});
    dir.write("out.txt", "the earlier export");
    auto d = open();
    d->fileNameEdit()->setText(QString::fromStdString(dir.file("out.txt")));

    // Files may grow to 64 bytes only: the three lines do not fit.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    d->runButton()->click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    ASSERT_EQ(prompt.shown.size(), 1u);
    const QString text = prompt.shown[0].text;
    EXPECT_TRUE(text.startsWith(QString::fromStdString(dir.file("out.txt")) +
                                QStringLiteral(" を保存できません。\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromLocal8Bit(std::strerror(EFBIG)))) << text.toStdString();
    EXPECT_EQ(dir.read("out.txt"), "the earlier export");
    EXPECT_EQ(dir.names(), std::set<std::string>{"out.txt"});
    EXPECT_TRUE(d->isVisible());
}

TEST_F(ExportDialogTest, RunWritesTheMissingDeedsInReverseWhenTheListIsDescending) {
    // Bardiche: 3 types x 6 grades, all held but four.
    std::vector<Deed> deeds;
    for (int t = 1; t <= 3; ++t) {
        for (int q = 1; q <= 2; ++q) {
            for (int n = 1; n <= 3; ++n) {
                if (!(t == 3 && n == 2) && !(t == 1 && q == 2 && n != 2)) {
                    deeds.push_back(makeDeed(1, 1, t, 1, q, n));
                }
            }
        }
    }
    show(deeds);
    sortItem = kSortByType;
    descending = true;
    auto d = open(1, 1);
    ASSERT_EQ(d->missingDeeds().deeds.size(), 4u);
    QTest::mouseClick(d->missingBox(), Qt::LeftButton);
    d->fileNameEdit()->setText(QString::fromStdString(dir.file("missing.txt")));
    d->runButton()->click();
    EXPECT_EQ(dir.read("missing.txt"),
              "1. halberd / iron ingots / exceptional / 15\r\n"
              "2. halberd / iron ingots / \x95\x57\x8f\x80 / 15\r\n"
              "3. bardiche \x91\xe5\x8c\xfb / iron ingots / exceptional / 40\r\n"
              "4. bardiche \x91\xe5\x8c\xfb / iron ingots / exceptional / 20\r\n");
}

TEST_F(ExportDialogTest, BrowseAsksForASaveFileAndEscapeCancels) {
    show({});
    auto d = open();
    prompt.paths.push_back(QString::fromStdString(dir.file("chosen.txt")));
    d->browseButton()->click();
    ASSERT_EQ(prompt.fileDialogs.size(), 1u);
    const fw::FileDialogSpec& spec = prompt.fileDialogs[0];
    EXPECT_EQ(spec.title, QStringLiteral("エクスポート"));
    EXPECT_EQ(spec.defaultExtension, QStringLiteral("txt"));
    EXPECT_EQ(spec.filter, QStringLiteral("ﾃｷｽﾄ ﾌｧｲﾙ (*.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*||"));
    EXPECT_TRUE(spec.initialPath.isEmpty());
    EXPECT_TRUE(spec.confirmOverwrite);
    EXPECT_EQ(d->fileNameEdit()->text(), QString::fromStdString(dir.file("chosen.txt")));
    // Cancelling the file dialog keeps the name.
    d->browseButton()->click();
    EXPECT_EQ(d->fileNameEdit()->text(), QString::fromStdString(dir.file("chosen.txt")));

    QTest::keyClick(d.get(), Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_TRUE(dir.names().empty());
}

// ---------------------------------------------------------------------------------------------
// From the menu of the running program

class ExportProgram : public test::ProgramTest {
protected:
    void start(std::initializer_list<Deed> deeds) { startProgram(deeds); }
    // Exports through the menu command with the items 連番 and 登録番号 into `name`.
    void exportSerials(const std::string& name) {
        test::ModalAnswer answer([&](QDialog& dialog) {
            auto* d = qobject_cast<CExportDialog*>(&dialog);
            ASSERT_NE(d, nullptr);
            CExportItemList& list = *d->itemList();
            for (int row = 1; row < list.count(); ++row) {
                list.setCheckState(row, list.code(row) == 9 ? 1 : 0);
            }
            d->fileNameEdit()->setText(QString::fromStdString(dir.file(name)));
            d->runButton()->click();
        });
        ASSERT_TRUE(run(cmd::Export));
        ASSERT_TRUE(answer.answered());
    }
};

TEST_F(ExportProgram, WritesTheRowsInTheListsOrderFromTheMenu) {
    start({makeDeed(1, 3, 4, 1, 1, 1, 0, 1), makeDeed(1, 3, 2, 1, 1, 1, 0, 2),
           makeDeed(1, 3, 3, 1, 1, 1, 0, 3), makeDeed(1, 2, 2, 1, 1, 1, 0, 4)});
    chooseNode(1, 3);
    EXPECT_TRUE(enabled(cmd::Export));

    // 登録番号順, twice: descending.
    ASSERT_TRUE(run(cmd::SortSerial));
    ASSERT_TRUE(run(cmd::SortSerial));
    exportSerials("sorted.txt");
    EXPECT_EQ(dir.read("sorted.txt"), "1. 3\r\n2. 2\r\n3. 1\r\n");

    // A copy is appended at the end of the list and stays there until the next sort.
    CDeedView* view = frame->deedView();
    view->selectionModel()->setCurrentIndex(view->model()->index(1, 0),
                                            QItemSelectionModel::ClearAndSelect |
                                                QItemSelectionModel::Rows);
    ASSERT_TRUE(run(cmd::Copy));
    exportSerials("appended.txt");
    EXPECT_EQ(dir.read("appended.txt"), "1. 3\r\n2. 2\r\n3. 1\r\n4. 5\r\n");

    // The order-status list does not export.
    ASSERT_TRUE(run(cmd::ShowConditionList));
    EXPECT_FALSE(enabled(cmd::Export));
    ASSERT_TRUE(run(cmd::ShowDeedList));
    EXPECT_TRUE(enabled(cmd::Export));
}

} // namespace
} // namespace tessary
