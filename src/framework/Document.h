// The document base: path, title, modified flag, the views attached to it, the change broadcast,
// and the save half of the document cycle (the question before abandoning changes, save and
// save as). It knows nothing of what the document holds.
#pragma once

#include "framework/CmdUI.h"
#include "framework/Prompt.h"

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace tessary::fw {

class CView;

class CDocument : public CCommandTarget {
public:
    // The texts the document cycle shows: the title of a document without a file, and the
    // question before a modified document is abandoned ("%1" takes the document's name).
    struct Texts {
        QString untitled;
        QString saveQuestion;
    };

    CDocument(CPrompt& prompt, Texts texts) : prompt_(prompt), texts_(std::move(texts)) {}
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    CPrompt& prompt() const { return prompt_; }
    // The window message boxes are shown over.
    QWidget* dialogParent() const { return dialogParent_; }
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    // --- path and title ---------------------------------------------------------------------
    const QString& pathName() const { return pathName_; }
    // Records the path and takes the title from its file name.
    virtual void setPathName(const QString& path);
    const QString& title() const { return title_; }
    void setTitle(const QString& title);
    // Forgets the path; the title becomes the untitled name.
    void setUntitled();
    // Called whenever the title changes (the frame recomposes its caption).
    std::function<void()> titleChanged;

    // --- modified flag ------------------------------------------------------------------------
    virtual bool isModified() const { return modified_; }
    virtual void setModifiedFlag(bool modified) { modified_ = modified; }

    // --- views --------------------------------------------------------------------------------
    const std::vector<CView*>& views() const { return views_; }
    void addView(CView* view);
    void removeView(CView* view);
    // Sends `hint` to every view but `sender`, in attach order.
    void updateAllViews(CView* sender, int hint);
    // Tells every view that records they may point at are about to go.
    void releaseViews();
    // Called after a view was attached or detached.
    std::function<void()> viewsChanged;

    // --- the document cycle -------------------------------------------------------------------
    virtual void deleteContents() {}
    // Empties the document: contents cleared, untitled, not modified.
    virtual bool onNewDocument();
    // Writes the file; false after reporting the failure to the user.
    virtual bool onSaveDocument(const QString& path) = 0;
    // Before the document is closed or replaced: a modified document asks whether to save.
    // False means the user cancelled (or the save failed): keep the document.
    virtual bool saveModified();
    // Saves to `path`, or after asking for a name when `path` is empty. With `replace` the
    // document takes the new path and title.
    bool doSave(const QString& path, bool replace = true);
    // Saves to the document's own path (asking for a name when it has none).
    bool doFileSave();

    // The save-file dialog of save as; empty when cancelled.
    virtual QString askSaveAsPath() { return {}; }

    // The name of a document without a file.
    const QString& untitledName() const { return texts_.untitled; }

private:
    CPrompt& prompt_;
    Texts texts_;
    QWidget* dialogParent_ = nullptr;
    QString pathName_;
    QString title_;
    bool modified_ = false;
    std::vector<CView*> views_;
};

} // namespace tessary::fw
