// The one document of the program: the deed data (catalogue, deeds, order-status rows, shared
// filters and sort states, undo) under the framework's document cycle, with the settings file.
#pragma once

#include "content/DeedDocument.h"
#include "framework/Document.h"

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
    const CatalogueEntry* selectedEntry() const { return data_.selectedEntry; }

    // --- framework document ----------------------------------------------------------------
    bool isModified() const override { return data_.isModified(); }
    void setModifiedFlag(bool modified) override { data_.setModified(modified); }
    void deleteContents() override { data_.deleteContents(); }
    bool onNewDocument() override;
    bool onOpenDocument(const QString& path) override;
    bool onSaveDocument(const QString& path) override;
    // The document of the working folder saves itself silently; a chosen file asks first.
    bool saveModified() override;
    // A folder path (ending with "/") gives the empty title.
    void setPathName(const QString& path) override;
    QString askSaveAsPath() override;

    bool onUpdateCommand(fw::CCmdUI& ui) override;
    bool onCommand(int id) override;

    // Append-load: asks for a file and appends its deeds (renumbered).
    void appendLoad();
    // Appends the deeds of `path` without asking for it (the second half of append-load).
    void appendFrom(const QString& path);

    // Renews the views of the main window (set by the application).
    std::function<void()> initialUpdateFrame;

    // The deed file filter of the open and save dialogs.
    static QString deedFileFilter();

private:
    void reportFileError(const DocFileResult& result, const QString& path, bool saving);

    ProfileFile& settings_;
    DeedDocument data_;
};

} // namespace tessary
