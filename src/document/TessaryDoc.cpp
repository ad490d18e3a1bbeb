#include "document/TessaryDoc.h"

#include "data/CataloguePersistence.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "platform/ProfileFile.h"
#include "resources/CommandIds.h"
#include "resources/Messages.h"

namespace tessary {

CTessaryDoc::CTessaryDoc(fw::CPrompt& prompt, ProfileFile& settings)
    : fw::CDocument(prompt, {msg::untitled(), msg::saveChangesQuestion()}), settings_(settings) {
    loadCatalogue(settings_, data_.catalogue());
}

QString CTessaryDoc::deedFileFilter() {
    return msg::deedFileFilter();
}

void CTessaryDoc::setPathName(const QString& path) {
    if (path.endsWith(QLatin1Char('/'))) {
        // The working folder's default file: no name of its own in the title.
        fw::CDocument::setPathName(path);
        setTitle(QString());
        return;
    }
    fw::CDocument::setPathName(path);
}

bool CTessaryDoc::onNewDocument() {
    releaseViews();
    data_.newDocument();
    setUntitled();
    return true;
}

void CTessaryDoc::reportFileError(const DocFileResult& result, const QString& path, bool saving) {
    const QString file = fw::fromPath(DeedDocument::resolveDocumentFile(fw::toPath(path)));
    QString text;
    switch (result.error) {
    case DocFileError::None:
        return;
    case DocFileError::NotFound:
        text = msg::fileNotFound(file);
        break;
    case DocFileError::CannotOpen:
        text = msg::cannotOpen(file);
        break;
    case DocFileError::ReadError:
        text = msg::readFailed(file);
        break;
    case DocFileError::BadFormat:
        text = msg::unexpectedFormat();
        break;
    case DocFileError::WriteFailed:
        text = msg::saveFailed(file, QString::fromStdString(result.detail));
        break;
    }
    (void)saving;
    prompt().warn(dialogParent(), text);
}

bool CTessaryDoc::onOpenDocument(const QString& path) {
    DocFileResult result;
    {
        fw::CWaitCursor wait;
        // Reading replaces the deeds and drops the order-status rows the lists point at.
        releaseViews();
        result = data_.openDocument(fw::toPath(path));
    }
    if (result.ok()) {
        return true;
    }
    const bool contentsReplaced = result.error == DocFileError::BadFormat;
    if (contentsReplaced && !data_.appendLoading) {
        // The previous contents are gone: the caller makes this a new, untitled document.
        data_.setModified(true);
    }
    if (!contentsReplaced) {
        // The file was never read: show the untouched contents again.
        updateAllViews(nullptr, kHintSelectionChanged);
    }
    reportFileError(result, path, false);
    return false;
}

bool CTessaryDoc::onSaveDocument(const QString& path) {
    fw::CWaitCursor wait;
    const DocFileResult result = data_.saveDocument(fw::toPath(path));
    if (!result.ok()) {
        reportFileError(result, path, true);
        return false;
    }
    return true;
}

bool CTessaryDoc::saveModified() {
    if (pathName().endsWith(QLatin1Char('/')) && isModified()) {
        return onSaveDocument(pathName());
    }
    return fw::CDocument::saveModified();
}

QString CTessaryDoc::askSaveAsPath() {
    fw::FileDialogSpec spec;
    spec.title = msg::saveAsTitle();
    spec.filter = deedFileFilter();
    spec.defaultExtension = QStringLiteral("dat");
    spec.confirmOverwrite = true;
    if (!pathName().isEmpty() && !pathName().endsWith(QLatin1Char('/'))) {
        spec.initialPath = pathName();
    }
    return prompt().saveFileName(dialogParent(), spec);
}

void CTessaryDoc::appendLoad() {
    fw::FileDialogSpec spec;
    spec.title = msg::appendTitle();
    spec.filter = deedFileFilter();
    const QString path = prompt().openFileName(dialogParent(), spec);
    if (path.isEmpty()) {
        return;
    }
    appendFrom(path);
}

void CTessaryDoc::appendFrom(const QString& path) {
    const QString rememberedPath = pathName();
    const QString rememberedTitle = title();
    DocFileResult result;
    {
        fw::CWaitCursor wait;
        releaseViews();
        result = data_.appendDocument(fw::toPath(path), fw::toPath(rememberedPath));
    }
    reportFileError(result, path, false);
    // The path and title stay those of the open document; it is modified either way.
    if (pathName() != rememberedPath) {
        fw::CDocument::setPathName(rememberedPath);
    }
    setTitle(rememberedTitle);
    // A file read whole renews the window's views as an open does (their display conditions
    // are cleared); the appended deeds then show through the update.
    const bool readWhole = result.ok() && !DeedDocument::sameDocumentFile(
                                              fw::toPath(path), fw::toPath(rememberedPath));
    if (readWhole && initialUpdateFrame) {
        initialUpdateFrame();
    }
    updateAllViews(nullptr, kHintAppended);
}

bool CTessaryDoc::onUpdateCommand(fw::CCmdUI& ui) {
    switch (ui.id()) {
    case cmd::AppendLoad:
    case cmd::FileSaveAs:
        return true;
    case cmd::FileSave:
        ui.enable(isModified());
        return true;
    default:
        return false;
    }
}

bool CTessaryDoc::onCommand(int id) {
    switch (id) {
    case cmd::AppendLoad:
        appendLoad();
        return true;
    case cmd::FileSave:
        doFileSave();
        return true;
    case cmd::FileSaveAs:
        doSave(QString());
        return true;
    default:
        return false;
    }
}

} // namespace tessary
