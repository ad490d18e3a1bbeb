// The main window: menu bar, status bar of four panes, and a splitter with the category tree on
// the left and either the deed list or the order-status list on the right.
#pragma once

#include "framework/CmdUI.h"

#include <QMainWindow>
#include <QPointer>

#include <string>

class QLabel;
class QSplitter;

namespace tessary {

namespace fw {
class CCommandRouter;
class CView;
} // namespace fw

class CTessaryApp;
class CTessaryDoc;
class CCategoryView;
class CTessaryListView;
class CDeedView;
class CConditionView;
class CEntityListFrame;

class CMainFrame : public QMainWindow, public fw::CCommandTarget {
    Q_OBJECT
public:
    CMainFrame(CTessaryApp& app, CTessaryDoc& doc);
    ~CMainFrame() override;

    fw::CCommandRouter& router() { return *router_; }
    CTessaryDoc& document() { return doc_; }

    CCategoryView* categoryView() const { return tree_; }
    CTessaryListView* listView() const { return list_; }
    // The shown list, when it is of that kind; else nullptr.
    CDeedView* deedView() const;
    CConditionView* conditionView() const;

    // Shows the deed list or the order-status list (nothing happens when it is shown already).
    void showDeedList();
    void showConditionList();

    // 種類一覧の表示: opens the type list window, or brings the open one to the front in its normal
    // size.
    void showTypeList();
    // The open type list window, or nullptr.
    CEntityListFrame* typeListFrame() const;

    // Runs the views' initial update (after the document was created, renewed or opened).
    void initialUpdateViews();

    // Window title and status panes, recomposed from the document and the shown list.
    void updateTitle();
    void refreshStatusPanes();
    // The text of status pane 1 to 3 (row count, sort order, display condition).
    QString paneText(int pane) const;

    // Places the window from a "MainWindowPos" value (17 characters, else the default), keeping
    // it on a screen; shows it maximised when the value says so.
    void restorePlacement(const std::string& value);
    // The "MainWindowPos" value of the current placement.
    std::string placementValue() const;

    bool onUpdateCommand(fw::CCmdUI& ui) override;
    bool onCommand(int id) override;

    // Shows a context menu of the lists at a screen position.
    void trackPopup(int popup, const QPoint& globalPos);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class View>
    void switchList();
    void attachList(CTessaryListView* list);
    void saveLayout();
    std::vector<fw::CCommandTarget*> commandChain();

    CTessaryApp& app_;
    CTessaryDoc& doc_;
    fw::CCommandRouter* router_ = nullptr;
    QSplitter* splitter_ = nullptr;
    CCategoryView* tree_ = nullptr;
    CTessaryListView* list_ = nullptr;
    QLabel* panes_[4] = {};
    bool layoutSaved_ = false;
    QPointer<CEntityListFrame> typeList_;
};

} // namespace tessary
