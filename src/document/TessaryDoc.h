// The one document of the program: the deed data (catalogue, deeds, order-status rows, shared
// filters and sort states, undo) under the framework's document cycle, with the settings file.
#pragma once

#include "content/DeedDocument.h"
#include "framework/Document.h"
#include "resources/CommandIds.h"

#include <functional>
#include <string_view>

namespace tessary {

class ProfileFile;

class CTessaryDoc : public fw::CDocument {
public:
    // Loads the catalogue from `settings` (the built-in table is written on the first start).
    CTessaryDoc(fw::CPrompt& prompt, ProfileFile& settings);

    DeedDocument& data() { return data_; }
    const DeedDocument& data() const { return data_; }
    ProfileFile& settings() const { return settings_; }

    // Deed data shortcuts used everywhere.
    Catalogue& catalogue() { return data_.catalogue(); }
    const CatalogueEntry* selectedEntry() const { return data_.selectedEntry(); }

    // --- framework document ----------------------------------------------------------------
    bool isModified() const override { return data_.isModified(); }
    void setModifiedFlag(bool modified) override { data_.setModified(modified); }
    void deleteContents() override { data_.deleteContents(); }
    bool onNewDocument() override;
    bool onSaveDocument(const QString& path) override;
    // The document of the working folder saves itself silently; a chosen file asks first.
    bool saveModified() override;
    // A folder path (ending with "/") gives the empty title.
    void setPathName(const QString& path) override;
    QString askSaveAsPath() override;

    bool onUpdateCommand(fw::CCmdUI& ui) override;
    bool onCommand(int id) override;

    // Tells every view but `sender` what changed; each view reads the hint back as an UpdateHint.
    void updateAllViews(fw::CView* sender, UpdateHint hint) {
        fw::CDocument::updateAllViews(sender, hint);
    }

    // --- opening and appending: the one place the contents are replaced or added to -----------
    // True when `path` names the file the document was opened from.
    bool isOpenFile(const QString& path) const;
    // Replaces the contents with the file `path` names and reports a failure to the user.
    // Replaced: the document is that file's, clean. Emptied: the file failed part-way and the
    // document is new, untitled and empty. Untouched: the file was not read; the contents, path
    // and modified flag are as they were, and the views show them again. The caller has asked
    // whether to save the changes.
    LoadEffect openFile(const QString& path);
    // Append-load: asks for a file and appends its deeds (renumbered).
    void appendLoad();
    // Appends the deeds of `path` without asking for it (the second half of append-load) and
    // reports a failure. The path and title stay; the document is modified whatever happened.
    LoadEffect appendFile(const QString& path);

    // 名称のカスタマイズ confirmed: puts the catalogue of the naming dialog's working copy in
    // force (the built-in numbers with the chosen names), writes it to the settings and tells
    // every view that the names changed. A failed write is reported; the names stay in force for
    // this run.
    void applyNames(const Catalogue& working);

    // Makes a downloaded deed file the document. `body` must hold a whole deed file (checked
    // before, so a bad download never costs the open document anything). First the new-document
    // step: the save question, or the silent save of the working folder's file; false when that
    // kept the document (the user cancelled or the save failed), which is then untouched.
    // Otherwise the document becomes untitled and holds exactly the file's deeds with their own
    // registration numbers, modified, and every view is told (hint 6).
    bool takeDownloadedFile(std::string_view body);

    // Whether the user was told that the catalogue is too large for the order-status list; the
    // message is shown once a run.
    bool toldCatalogueTooLarge = false;

    // Renews the views of the main window (set by the application).
    std::function<void()> initialUpdateFrame;
    // Runs the download command with its dialogs (set by the application, since the dialogs
    // live above the document).
    std::function<void()> runDownload;

private:
    void reportFileError(const DocFileResult& result, const QString& path);

    ProfileFile& settings_;
    DeedDocument data_;
};

} // namespace tessary
