#include "content/DeedDocument.h"
#include "data/DeedFile.h"
#include "support/DeedFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace tessary {
namespace {

using namespace std::string_literals;
using test::TempDir;

std::unique_ptr<Deed> newDeed(int group, int category, int type, int material, int quality,
                              int quantity, std::string comment = {}) {
    auto d = std::make_unique<Deed>();
    d->itemCode = Deed::makeItemCode(group, category, type, material);
    d->orderCode = Deed::makeOrderCode(quality, quantity);
    d->comment = std::move(comment);
    return d;
}

std::string fileWithSerials(std::initializer_list<std::uint32_t> serials) {
    std::vector<Deed> deeds;
    for (const std::uint32_t s : serials) {
        deeds.push_back(test::makeDeed(2, 3, 4, 5, 1, 2, s, "n" + std::to_string(s)));
    }
    return test::deedFileOf(deeds);
}

std::vector<std::uint32_t> serialsOf(const DeedDocument& doc) {
    std::vector<std::uint32_t> out;
    for (const auto& d : doc.deeds()) {
        out.push_back(d->serialNumber);
    }
    return out;
}

class Document : public ::testing::Test {
protected:
    void SetUp() override { doc.catalogue().buildDefault(); }
    TempDir dir;
    DeedDocument doc;
};

TEST_F(Document, FirstOpenOfAFolderCreatesAnEmptyDefaultFile) {
    ASSERT_FALSE(dir.exists("Tessary.dat"));
    ASSERT_TRUE(doc.openDocument(dir.folderPath()).ok());
    EXPECT_EQ(dir.read("Tessary.dat"), "\x00\x00\x00\x00"s);
    EXPECT_TRUE(doc.deeds().empty());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(DeedDocument::resolveDocumentFile(dir.folderPath()), dir.file("Tessary.dat"));
    EXPECT_EQ(DeedDocument::resolveDocumentFile(dir.file("x.dat")), dir.file("x.dat"));
}

TEST_F(Document, AFileOfZeroBytesIsAnEmptyDocument) {
    dir.write("empty.dat", "");
    doc.registerDeed(newDeed(1, 1, 1, 1, 1, 1));
    ASSERT_TRUE(doc.openDocument(dir.file("empty.dat")).ok());
    EXPECT_TRUE(doc.deeds().empty());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(dir.read("empty.dat"), "");
}

TEST_F(Document, RegistrationNumbersFollowTheHighestReadOrHandedOut) {
    dir.write("a.dat", fileWithSerials({5, 2, 9}));
    ASSERT_TRUE(doc.openDocument(dir.file("a.dat")).ok());
    EXPECT_EQ(doc.serialCounter(), 9u);
    EXPECT_EQ(doc.registerDeed(newDeed(1, 1, 2, 1, 1, 1))->serialNumber, 10u);

    // Deleting the highest number hands it out again; deleting another leaves a gap.
    const Deed* ten = doc.deeds().back().get();
    ASSERT_TRUE(doc.deleteDeed(ten));
    EXPECT_EQ(doc.registerDeed(newDeed(1, 1, 2, 1, 1, 1))->serialNumber, 10u);
    const Deed* five = doc.deeds().front().get();
    ASSERT_TRUE(doc.deleteDeed(five));
    EXPECT_EQ(doc.registerDeed(newDeed(1, 1, 2, 1, 1, 1))->serialNumber, 11u);
    EXPECT_EQ(serialsOf(doc), (std::vector<std::uint32_t>{2, 9, 10, 11}));

    // A deed that is not in the list is not deleted, and nothing is recorded for it.
    Deed stranger;
    EXPECT_FALSE(doc.deleteDeed(&stranger));
    EXPECT_EQ(doc.lastEdit(), kEditRegister);

    // Opening another file starts the numbers again from what it holds.
    dir.write("b.dat", fileWithSerials({3}));
    const LoadResult opened = doc.openDocument(dir.file("b.dat"));
    ASSERT_TRUE(opened.ok());
    EXPECT_EQ(opened.effect, LoadEffect::Replaced);
    EXPECT_EQ(doc.serialCounter(), 3u);
}

TEST_F(Document, UpdateCopiesIntoEveryDeedWithTheNumber) {
    dir.write("dup.dat", fileWithSerials({4, 7, 4}));
    ASSERT_TRUE(doc.openDocument(dir.file("dup.dat")).ok());
    Deed changed = *newDeed(4, 1, 3, 2, 2, 1, "changed");
    changed.serialNumber = 4;
    EXPECT_EQ(doc.updateDeed(changed), 2);
    EXPECT_EQ(doc.deeds()[0]->comment, "changed");
    EXPECT_EQ(doc.deeds()[2]->comment, "changed");
    EXPECT_EQ(doc.deeds()[1]->comment, "n7");
    EXPECT_EQ(doc.deeds()[0]->iconIndex, 30); // derived fields follow the new item
    changed.serialNumber = 99;
    EXPECT_EQ(doc.updateDeed(changed), 0);
}

TEST_F(Document, AppendRenumbersAfterTheCurrentHighestAndKeepsNothingToUndo) {
    dir.write("mine.dat", fileWithSerials({10}));
    dir.write("theirs.dat", fileWithSerials({1, 2, 3}));
    const std::string mine = dir.file("mine.dat");
    ASSERT_TRUE(doc.openDocument(mine).ok());
    doc.registerDeed(newDeed(1, 1, 2, 1, 1, 1));
    doc.undoLastEdit();
    doc.registerDeed(newDeed(1, 1, 2, 1, 1, 1)); // number 11
    ASSERT_TRUE(doc.appendDocument(dir.file("theirs.dat"), mine).ok());
    EXPECT_EQ(serialsOf(doc), (std::vector<std::uint32_t>{10, 11, 12, 13, 14}));
    EXPECT_EQ(doc.deeds()[2]->comment, "n1");
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.lastEdit(), kEditNone);
    EXPECT_EQ(doc.serialCounter(), 14u);
    // The append is over: clearing the contents clears the deeds again.
    doc.deleteContents();
    EXPECT_TRUE(doc.deeds().empty());
}

TEST_F(Document, AppendingTheOpenFileAppendsNothingButMarksModified) {
    dir.write("mine.dat", fileWithSerials({1, 2}));
    ASSERT_TRUE(doc.openDocument(dir.file("mine.dat")).ok());
    // The same file under another spelling of its path.
    const LoadResult itself =
        doc.appendDocument(dir.folderPath() + "./mine.dat", dir.file("mine.dat"));
    ASSERT_TRUE(itself.ok());
    EXPECT_EQ(itself.effect, LoadEffect::Untouched);
    EXPECT_EQ(doc.deeds().size(), 2u);
    EXPECT_TRUE(doc.isModified());

    // Nothing was read, so the last edit can still be undone.
    doc.registerDeed(std::make_unique<Deed>());
    ASSERT_TRUE(doc.appendDocument(dir.file("mine.dat"), dir.file("mine.dat")).ok());
    EXPECT_EQ(doc.lastEdit(), kEditRegister);
    doc.undoLastEdit();
    EXPECT_EQ(doc.deeds().size(), 2u);

    // The working folder's document is the folder: its "Tessary.dat" named as a file is another
    // document, whose deeds append renumbered. (The folder's missing default file is first
    // created from the open document.)
    ASSERT_TRUE(doc.openDocument(dir.folderPath()).ok());
    EXPECT_EQ(doc.deeds().size(), 2u);
    EXPECT_FALSE(DeedDocument::sameDocumentFile(dir.file("Tessary.dat"), dir.folderPath()));
    ASSERT_TRUE(doc.appendDocument(dir.file("Tessary.dat"), dir.folderPath()).ok());
    EXPECT_EQ(serialsOf(doc), (std::vector<std::uint32_t>{1, 2, 3, 4}));
    EXPECT_TRUE(doc.isModified());
}

TEST_F(Document, AFailedAppendKeepsWhatWasReadBeforeTheBrokenRecord) {
    dir.write("mine.dat", fileWithSerials({7}));
    std::string broken = fileWithSerials({1, 2, 3});
    broken.resize(broken.size() - 2);
    dir.write("broken.dat", broken);
    ASSERT_TRUE(doc.openDocument(dir.file("mine.dat")).ok());
    const LoadResult partly = doc.appendDocument(dir.file("broken.dat"), dir.file("mine.dat"));
    EXPECT_EQ(partly.error, DocFileError::BadFormat);
    EXPECT_EQ(partly.effect, LoadEffect::Appended);
    EXPECT_EQ(serialsOf(doc), (std::vector<std::uint32_t>{7, 8, 9}));
    EXPECT_TRUE(doc.isModified());

    const LoadResult missing = doc.appendDocument(dir.file("missing.dat"), dir.file("mine.dat"));
    EXPECT_EQ(missing.error, DocFileError::NotFound);
    EXPECT_EQ(missing.effect, LoadEffect::Untouched);
    EXPECT_EQ(doc.deeds().size(), 3u);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(Document, OpenFailuresNeverTouchTheFileOnDisk) {
    dir.write("good.dat", fileWithSerials({1, 2}));
    ASSERT_TRUE(doc.openDocument(dir.file("good.dat")).ok());
    doc.registerDeed(newDeed(1, 1, 2, 1, 1, 1));

    // A file that cannot be opened leaves contents and modified state as they were.
    const LoadResult missing = doc.openDocument(dir.file("missing.dat"));
    EXPECT_EQ(missing.error, DocFileError::NotFound);
    EXPECT_EQ(missing.effect, LoadEffect::Untouched);
    const LoadResult folder = doc.openDocument(dir.path());
    EXPECT_EQ(folder.error, DocFileError::CannotOpen);
    EXPECT_EQ(folder.effect, LoadEffect::Untouched);
    EXPECT_EQ(doc.deeds().size(), 3u);
    EXPECT_TRUE(doc.isModified());
    EXPECT_FALSE(dir.exists("missing.dat"));

    // A file that fails part-way leaves an empty document and the file as it was.
    std::string truncated = fileWithSerials({1, 2, 3});
    truncated.resize(truncated.size() - 1);
    dir.write("bad.dat", truncated);
    const LoadResult bad = doc.openDocument(dir.file("bad.dat"));
    EXPECT_EQ(bad.error, DocFileError::BadFormat);
    EXPECT_EQ(bad.effect, LoadEffect::Emptied);
    EXPECT_TRUE(doc.deeds().empty());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.serialCounter(), 0u);
    EXPECT_EQ(dir.read("bad.dat"), truncated);

    // A corrupt default file is not replaced either.
    dir.write("Tessary.dat", "\x05\x00"s);
    EXPECT_EQ(doc.openDocument(dir.folderPath()).error, DocFileError::BadFormat);
    EXPECT_EQ(dir.read("Tessary.dat"), "\x05\x00"s);
}

TEST_F(Document, SaveWritesTheDeedsAndAFailedSaveKeepsTheOldFile) {
    ASSERT_TRUE(doc.openDocument(dir.folderPath()).ok());
    doc.registerDeed(newDeed(3, 2, 3, 1, 2, 3, "\x82\xa0"s));
    ASSERT_TRUE(doc.saveDocument(dir.folderPath()).ok());
    EXPECT_FALSE(doc.isModified());
    const std::string saved = dir.read("Tessary.dat");
    EXPECT_EQ(saved, doc.writeDocument());
    EXPECT_EQ(saved.size(), 4u + 15u + 2u);

    // A save that cannot complete reports it, leaves the file whole and the document modified.
    doc.registerDeed(newDeed(3, 2, 4, 1, 2, 3, std::string(5000, 'c')));
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const DocFileResult r = doc.saveDocument(dir.folderPath());
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(r.error, DocFileError::WriteFailed);
    EXPECT_FALSE(r.detail.empty());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(dir.read("Tessary.dat"), saved);

    EXPECT_EQ(doc.saveDocument(dir.file("no/such/folder.dat")).error, DocFileError::WriteFailed);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(Document, ClearingTheContentsResetsTheSharedState) {
    doc.registerDeed(newDeed(1, 1, 2, 1, 1, 1));
    doc.buildConditionRows();
    doc.setRebuildPending(false);
    doc.setSelectedEntry(&doc.catalogue().entries().front());
    doc.deleteContents();
    EXPECT_TRUE(doc.deeds().empty());
    EXPECT_TRUE(doc.conditionRows().empty());
    EXPECT_TRUE(doc.rebuildPending());
    EXPECT_EQ(doc.selectedEntry(), nullptr);
    EXPECT_EQ(doc.serialCounter(), 0u);
    EXPECT_EQ(doc.lastEdit(), kEditNone);

    // An append clears the rest of the contents, but the deeds and their numbers stay.
    doc.registerDeed(newDeed(1, 1, 2, 1, 1, 1));
    doc.buildConditionRows();
    doc.setRebuildPending(false);
    dir.write("empty.dat", std::string(4, '\0'));
    const LoadResult appended = doc.appendDocument(dir.file("empty.dat"), {});
    EXPECT_TRUE(appended.ok());
    EXPECT_EQ(appended.effect, LoadEffect::Appended);
    EXPECT_EQ(doc.deeds().size(), 1u);
    EXPECT_EQ(doc.serialCounter(), 1u);
    EXPECT_TRUE(doc.conditionRows().empty());
    EXPECT_FALSE(doc.rebuildPending());
    EXPECT_EQ(doc.lastEdit(), kEditNone);
}

TEST_F(Document, FiltersAreSetByAnyFieldAndClearedWhole) {
    EXPECT_FALSE(doc.isDeedFilterSet());
    Deed deedFilter;
    deedFilter.orderCode = Deed::makeOrderCode(0, 2);
    doc.setDeedFilter(deedFilter);
    EXPECT_TRUE(doc.isDeedFilterSet());
    deedFilter.itemCode = Deed::makeItemCode(0, 1, 0, 0);
    doc.setDeedFilter(deedFilter);
    doc.clearDeedFilter();
    EXPECT_FALSE(doc.isDeedFilterSet());

    EXPECT_FALSE(doc.isConditionFilterSet());
    ConditionRow conditionFilter;
    conditionFilter.filled = 1;
    doc.setConditionFilter(conditionFilter);
    EXPECT_TRUE(doc.isConditionFilterSet());
    conditionFilter.secondKey = Deed::makeOrderCode(2, 0);
    doc.setConditionFilter(conditionFilter);
    doc.clearConditionFilter();
    EXPECT_FALSE(doc.isConditionFilterSet());
    EXPECT_EQ(doc.conditionFilter().secondKey, 0u);
}

} // namespace
} // namespace tessary
