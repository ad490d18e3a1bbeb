#include "framework/View.h"

#include "framework/Document.h"

namespace tessary::fw {

CView::~CView() {
    attachTo(nullptr);
}

void CView::attachTo(CDocument* document) {
    if (document_ == document) {
        return;
    }
    if (document_ != nullptr) {
        CDocument* old = document_;
        document_ = nullptr;
        old->removeView(this);
    }
    document_ = document;
    if (document_ != nullptr) {
        document_->addView(this);
    }
}

} // namespace tessary::fw
