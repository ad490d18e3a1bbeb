#include "content/DeedDocument.h"
#include "data/DeedFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

using test::TempDir;

std::unique_ptr<Deed> newDeed(int type, std::string comment = {}) {
    auto d = std::make_unique<Deed>();
    d->itemCode = Deed::makeItemCode(2, 3, type, 4);
    d->orderCode = Deed::makeOrderCode(1, 2);
    d->comment = std::move(comment);
    return d;
}

class EditHistory : public ::testing::Test {
protected:
    void SetUp() override {
        doc.catalogue().buildDefault();
        std::string file;
        appendDeedCount(file, 3);
        for (std::uint32_t serial : {1u, 2u, 3u}) {
            Deed d = *newDeed(static_cast<int>(serial) + 1, "deed " + std::to_string(serial));
            d.serialNumber = serial;
            appendDeedRecord(file, d);
        }
        dir.write("deeds.dat", file);
        ASSERT_TRUE(doc.openDocument(dir.file("deeds.dat")).ok());
        ASSERT_FALSE(doc.isModified());
    }
    std::vector<std::string> comments() const {
        std::vector<std::string> out;
        for (const auto& d : doc.deeds()) {
            out.push_back(d->comment);
        }
        return out;
    }
    TempDir dir;
    DeedDocument doc;
};

TEST_F(EditHistory, UndoOfARegistrationRemovesItAndReturnsToTheFile) {
    Deed* added = doc.registerDeed(newDeed(2, "new"));
    EXPECT_EQ(added->serialNumber, 4u);
    EXPECT_EQ(doc.lastEdit(), kEditRegister);
    EXPECT_EQ(doc.lastEditSnapshot().serialNumber, 4u);
    EXPECT_TRUE(doc.isModified());

    const UndoResult undone = doc.undoLastEdit();
    EXPECT_EQ(undone.kind, kEditRegister);
    EXPECT_EQ(undone.removedSerial, 4u);
    EXPECT_EQ(doc.deeds().size(), 3u);
    EXPECT_EQ(doc.lastEdit(), kEditNone);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.registerDeed(newDeed(2))->serialNumber, 4u);
}

TEST_F(EditHistory, OnlyTheLastOfTwoRegistrationsIsUndone) {
    doc.registerDeed(newDeed(2, "first"));
    doc.registerDeed(newDeed(2, "second"));
    doc.undoLastEdit();
    EXPECT_EQ(comments().back(), "first");
    EXPECT_EQ(doc.lastEdit(), kEditNone);
    EXPECT_TRUE(doc.isModified());
    // Nothing more to undo: a second call changes nothing.
    EXPECT_EQ(doc.undoLastEdit().kind, kEditNone);
    EXPECT_EQ(doc.deeds().size(), 4u);
}

TEST_F(EditHistory, UndoOfACopyRemovesTheCopy) {
    auto duplicate = std::make_unique<Deed>(*doc.deeds()[1]);
    Deed* copy = doc.copyDeed(std::move(duplicate));
    EXPECT_EQ(copy->serialNumber, 4u);
    EXPECT_EQ(copy->comment, "deed 2");
    EXPECT_EQ(doc.lastEdit(), kEditCopy);
    EXPECT_EQ(doc.undoLastEdit().removedSerial, 4u);
    EXPECT_EQ(doc.deeds().size(), 3u);
    EXPECT_EQ(doc.serialCounter(), 3u);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(EditHistory, UndoOfAnUpdateRestoresEveryFieldAndTheDerivedOnes) {
    Deed changed = *doc.deeds()[0];
    changed.comment = "changed";
    changed.orderCode = Deed::makeOrderCode(2, 2);
    changed.itemCode = Deed::makeItemCode(4, 1, 2, 3); // other image and swatch
    ASSERT_EQ(doc.updateDeed(changed), 1);
    EXPECT_EQ(doc.lastEditSnapshot().comment, "deed 1");
    EXPECT_EQ(doc.deeds()[0]->iconIndex, 30);
    doc.undoLastEdit();
    const Deed& d = *doc.deeds()[0];
    EXPECT_EQ(d.comment, "deed 1");
    EXPECT_EQ(d.quality(), 1);
    EXPECT_EQ(d.group(), 2);
    EXPECT_EQ(d.iconIndex, 12);
    EXPECT_EQ(d.materialColor, doc.catalogue().colorOf(kNameMaterial, 2, 0, 0, 4, 0, 0));
    EXPECT_FALSE(doc.isModified());
}

TEST_F(EditHistory, UndoOfADeletionPutsTheDeedBackAtTheEnd) {
    ASSERT_TRUE(doc.deleteDeed(doc.deeds()[1].get()));
    EXPECT_EQ(doc.lastEdit(), kEditDelete);
    EXPECT_EQ(doc.serialCounter(), 3u);
    const UndoResult undone = doc.undoLastEdit();
    ASSERT_NE(undone.restored, nullptr);
    EXPECT_EQ(undone.restored, doc.deeds().back().get());
    EXPECT_EQ(comments(), (std::vector<std::string>{"deed 1", "deed 3", "deed 2"}));
    EXPECT_EQ(doc.deeds().back()->serialNumber, 2u);
    EXPECT_EQ(doc.serialCounter(), 3u);
    // The order differs from the file, so the document still has something to save.
    EXPECT_TRUE(doc.isModified());

    // Deleting the last (and highest) deed and undoing restores the number and the file state.
    ASSERT_TRUE(doc.saveDocument(dir.file("deeds.dat")).ok());
    ASSERT_TRUE(doc.deleteDeed(doc.deeds().back().get()));
    ASSERT_TRUE(doc.deleteDeed(doc.deeds().back().get())); // number 3, the highest
    EXPECT_EQ(doc.serialCounter(), 2u);
    doc.undoLastEdit();
    EXPECT_EQ(doc.serialCounter(), 3u);
    EXPECT_EQ(comments(), (std::vector<std::string>{"deed 1", "deed 3"}));
    EXPECT_TRUE(doc.isModified());
}

TEST_F(EditHistory, UndoClearsTheModifiedFlagOnlyWhenTheContentsEqualTheFile) {
    // After a save the saved state is the reference: undoing an edit made before it differs.
    doc.registerDeed(newDeed(2, "kept"));
    ASSERT_TRUE(doc.saveDocument(dir.file("deeds.dat")).ok());
    EXPECT_FALSE(doc.isModified());
    doc.undoLastEdit();
    EXPECT_TRUE(doc.isModified());

    // An edit after the save, undone, is back at the saved state.
    doc.registerDeed(newDeed(2, "kept"));
    ASSERT_TRUE(doc.saveDocument(dir.file("deeds.dat")).ok());
    doc.registerDeed(newDeed(3, "later"));
    doc.undoLastEdit();
    EXPECT_FALSE(doc.isModified());

    // Save, undo, new edit, edit again, undo: never back at the saved contents.
    doc.registerDeed(newDeed(2, "a"));
    ASSERT_TRUE(doc.saveDocument(dir.file("deeds.dat")).ok());
    doc.undoLastEdit();
    doc.registerDeed(newDeed(2, "b"));
    doc.registerDeed(newDeed(2, "c"));
    doc.undoLastEdit();
    EXPECT_TRUE(doc.isModified());
}

TEST_F(EditHistory, AppendedDeedsStayModifiedThroughAnEditAndItsUndo) {
    std::string other;
    appendDeedCount(other, 1);
    appendDeedRecord(other, *newDeed(2, "theirs"));
    dir.write("other.dat", other);
    ASSERT_TRUE(doc.appendDocument(dir.file("other.dat"), dir.file("deeds.dat")).ok());
    EXPECT_EQ(doc.lastEdit(), kEditNone);
    doc.registerDeed(newDeed(2));
    doc.undoLastEdit();
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.deeds().size(), 4u);

    // A download is marked the same way.
    ASSERT_TRUE(doc.saveDocument(dir.file("deeds.dat")).ok());
    doc.markAppended();
    doc.registerDeed(newDeed(2));
    doc.undoLastEdit();
    EXPECT_TRUE(doc.isModified());
}

TEST_F(EditHistory, UpdateOfDuplicateNumbersCannotBeUndoneToTheFile) {
    std::string file;
    appendDeedCount(file, 2);
    for (const char* comment : {"one", "two"}) {
        Deed d = *newDeed(2, comment);
        d.serialNumber = 5;
        appendDeedRecord(file, d);
    }
    dir.write("dup.dat", file);
    ASSERT_TRUE(doc.openDocument(dir.file("dup.dat")).ok());
    Deed changed = *doc.deeds()[0];
    changed.comment = "x";
    ASSERT_EQ(doc.updateDeed(changed), 2);
    doc.undoLastEdit();
    // Both take the last match's old fields, so the first no longer equals the file.
    EXPECT_EQ(comments(), (std::vector<std::string>{"two", "two"}));
    EXPECT_TRUE(doc.isModified());
}

TEST_F(EditHistory, ReplacingTheContentsLeavesNothingToUndo) {
    doc.registerDeed(newDeed(2));
    ASSERT_TRUE(doc.openDocument(dir.file("deeds.dat")).ok());
    EXPECT_EQ(doc.lastEdit(), kEditNone);
    doc.registerDeed(newDeed(2));
    doc.newDocument();
    EXPECT_EQ(doc.lastEdit(), kEditNone);
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.deeds().empty());
}

} // namespace
} // namespace tessary
