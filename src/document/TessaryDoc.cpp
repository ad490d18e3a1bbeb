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

void CTessaryDoc::reportFileError(const DocFileResult& result, const QString& path) {
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
    prompt().warn(dialogParent(), text);
}

bool CTessaryDoc::isOpenFile(const QString& path) const {
    return !pathName().isEmpty() &&
           DeedDocument::sameDocumentFile(fw::toPath(path), fw::toPath(pathName()));
}

LoadEffect CTessaryDoc::openFile(const QString& path) {
    const bool wasModified = isModified();
    LoadResult result;
    {
        fw::CWaitCursor wait;
        // Reading replaces the deeds and drops the order-status rows the lists point at.
        releaseViews();
        result = data_.openDocument(fw::toPath(path));
    }
    switch (result.effect) {
    case LoadEffect::Replaced:
        setPathName(path);
        break;
    case LoadEffect::Untouched:
        // The file was never read: show the untouched contents again.
        data_.setModified(wasModified);
        updateAllViews(nullptr, kHintSelectionChanged);
        break;
    case LoadEffect::Emptied:
    case LoadEffect::Appended:
        break;
    }
    reportFileError(result, path);
    if (result.effect == LoadEffect::Emptied) {
        // The previous contents are gone: a new, untitled document.
        onNewDocument();
    }
    return result.effect;
}

bool CTessaryDoc::onSaveDocument(const QString& path) {
    fw::CWaitCursor wait;
    const DocFileResult result = data_.saveDocument(fw::toPath(path));
    if (!result.ok()) {
        reportFileError(result, path);
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
    spec.filter = msg::deedFileFilter();
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
    spec.filter = msg::deedFileFilter();
    const QString path = prompt().openFileName(dialogParent(), spec);
    if (path.isEmpty()) {
        return;
    }
    appendFile(path);
}

LoadEffect CTessaryDoc::appendFile(const QString& path) {
    LoadResult result;
    {
        fw::CWaitCursor wait;
        releaseViews();
        result = data_.appendDocument(fw::toPath(path), fw::toPath(pathName()));
    }
    reportFileError(result, path);
    // A file read whole renews the window's views as an open does (their display conditions
    // are cleared); the appended deeds then show through the update.
    if (result.effect == LoadEffect::Appended && result.ok() && initialUpdateFrame) {
        initialUpdateFrame();
    }
    updateAllViews(nullptr, kHintAppended);
    return result.effect;
}

bool CTessaryDoc::takeDownloadedFile(std::string_view body) {
    // The new-document step, as New takes it.
    if (!saveModified()) {
        return false;
    }
    onNewDocument();
    if (initialUpdateFrame) {
        initialUpdateFrame();
    }
    {
        fw::CWaitCursor wait;
        data_.readDocument(body);
    }
    data_.markAppended();
    updateAllViews(nullptr, kHintDownloaded);
    return true;
}

bool CTessaryDoc::onUpdateCommand(fw::CCmdUI& ui) {
    switch (ui.id()) {
    case cmd::Download:
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
    case cmd::Download:
        if (runDownload) {
            runDownload();
        }
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
