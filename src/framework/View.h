// A view shows a document. It is a widget of its own and a command target; the document keeps
// its views in the order they were attached and broadcasts every change to them with a hint.
#pragma once

#include "framework/CmdUI.h"

class QWidget;

namespace tessary::fw {

class CDocument;

class CView : public CCommandTarget {
public:
    ~CView() override;

    CDocument* document() const { return document_; }
    // Attaches to (or, with nullptr, detaches from) a document.
    void attachTo(CDocument* document);

    // The widget this view is.
    virtual QWidget* widget() = 0;

    // Called when the view is created on a document, and again for every view of the frame when
    // the document is renewed (New, Open).
    virtual void onInitialUpdate() {}
    // A change of the document, numbered by `hint`; `sender` is the view that caused it.
    virtual void onUpdate(CView* /*sender*/, int /*hint*/) {}
    // The document is about to replace or drop records the view may point at: let go of them.
    // An update or initial update follows that shows the view anew.
    virtual void onContentsReleasing() {}

private:
    CDocument* document_ = nullptr;
};

} // namespace tessary::fw
