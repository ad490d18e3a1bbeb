#include "framework/Document.h"

#include "framework/View.h"

#include <QFileInfo>

#include <algorithm>

namespace tessary::fw {

CDocument::~CDocument() {
    // Views outlive nothing of ours: detach them so they do not call back.
    const std::vector<CView*> views = views_;
    for (CView* view : views) {
        view->attachTo(nullptr);
    }
}

void CDocument::setPathName(const QString& path) {
    pathName_ = path;
    setTitle(QFileInfo(path).fileName());
}

void CDocument::setTitle(const QString& title) {
    title_ = title;
    if (titleChanged) {
        titleChanged();
    }
}

void CDocument::setUntitled() {
    pathName_.clear();
    setTitle(untitledName());
}

void CDocument::addView(CView* view) {
    if (std::find(views_.begin(), views_.end(), view) == views_.end()) {
        views_.push_back(view);
        if (viewsChanged) {
            viewsChanged();
        }
    }
}

void CDocument::removeView(CView* view) {
    const auto it = std::find(views_.begin(), views_.end(), view);
    if (it != views_.end()) {
        views_.erase(it);
        if (viewsChanged) {
            viewsChanged();
        }
    }
}

void CDocument::updateAllViews(CView* sender, int hint) {
    // A view may switch or close views while reacting; walk a copy and skip the departed.
    const std::vector<CView*> views = views_;
    for (CView* view : views) {
        if (view != sender && std::find(views_.begin(), views_.end(), view) != views_.end()) {
            view->onUpdate(sender, hint);
        }
    }
}

void CDocument::releaseViews() {
    const std::vector<CView*> views = views_;
    for (CView* view : views) {
        view->onContentsReleasing();
    }
}

bool CDocument::onNewDocument() {
    releaseViews();
    deleteContents();
    setModifiedFlag(false);
    setUntitled();
    return true;
}

bool CDocument::saveModified() {
    if (!isModified()) {
        return true;
    }
    QString name = title_;
    if (name.isEmpty()) {
        name = pathName_.isEmpty() ? untitledName() : QFileInfo(pathName_).fileName();
    }
    switch (prompt_.message(dialogParent_, texts_.saveQuestion.arg(name), MsgButtons::YesNoCancel,
                            MsgIcon::Question, MsgAnswer::Yes)) {
    case MsgAnswer::Yes:
        return doFileSave();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

bool CDocument::doFileSave() {
    return doSave(pathName_);
}

bool CDocument::doSave(const QString& path, bool replace) {
    QString target = path;
    if (target.isEmpty()) {
        target = askSaveAsPath();
        if (target.isEmpty()) {
            return false;
        }
    }
    if (!onSaveDocument(target)) {
        return false;
    }
    if (replace && target != pathName_) {
        setPathName(target);
    }
    return true;
}

} // namespace tessary::fw
