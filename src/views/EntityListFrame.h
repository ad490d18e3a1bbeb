// The type list window: a top-level window of its own, without a menu bar, holding the type list.
// The document's and the application's commands and keys work in it (New, Open, Save, ...);
// the list commands have no handler here and do nothing. Its place and column widths are kept in
// the settings when it closes.
#pragma once

#include "framework/CmdUI.h"

#include <QMainWindow>

namespace tessary {

namespace fw {
class CCommandRouter;
}
class CTessaryDoc;
class CEntityListView;

class CEntityListFrame : public QMainWindow, public fw::CCommandTarget {
    Q_OBJECT
public:
    // `application` ends the command chain (view, document, this window, application).
    CEntityListFrame(CTessaryDoc& doc, fw::CCommandTarget* application);
    ~CEntityListFrame() override;

    // Places the window from the settings and shows it, with the list filled.
    void open();
    // Shows the window in its normal size at the front (from minimised or maximised too).
    void activate();

    CEntityListView* view() const { return view_; }
    fw::CCommandRouter& router() { return *router_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Writes the place and the column widths (once) and leaves the document.
    void saveLayout();

    CTessaryDoc& doc_;
    fw::CCommandTarget* application_;
    fw::CCommandRouter* router_ = nullptr;
    CEntityListView* view_ = nullptr;
    bool layoutSaved_ = false;
};

} // namespace tessary
