#include "views/EntityListView.h"

#include "data/TypeList.h"
#include "document/TessaryDoc.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "resources/CommandIds.h"
#include "resources/NamingTexts.h"
#include "resources/SettingsKeys.h"
#include "widgets/ColumnWidths.h"

#include <QAbstractTableModel>

#include <array>
#include <vector>

namespace tessary {

// Three texts per row and the three column titles.
class CEntityListModel : public QAbstractTableModel {
public:
    static constexpr int kColumnCount = 3;

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<std::array<QString, kColumnCount>>&& rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : kColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumnCount) {
            return {};
        }
        if (role == Qt::DisplayRole) {
            return rows_[static_cast<std::size_t>(index.row())]
                        [static_cast<std::size_t>(index.column())];
        }
        if (role == Qt::TextAlignmentRole) {
            return static_cast<int>(Qt::AlignLeft);
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
            return {};
        }
        if (role == Qt::DisplayRole) {
            return msg::typeListColumns().value(section);
        }
        if (role == Qt::TextAlignmentRole) {
            return static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
        }
        return {};
    }

private:
    std::vector<std::array<QString, kColumnCount>> rows_;
};

CEntityListView::CEntityListView(CTessaryDoc* doc, QWidget* parent)
    : CTessaryListView(DrawMode::Plain, doc, parent, settings::kEntityListViewColumns,
                       CEntityListModel::kColumnCount, {}),
      model_(new CEntityListModel(this)) {
    setModel(model_);
}

CEntityListView::~CEntityListView() = default;

void CEntityListView::onInitialUpdate() {
    if (!columnsPending()) {
        return;
    }
    if (window() != nullptr) {
        window()->setWindowTitle(msg::typeListTitle());
    }
    layOutColumns();
    fill();
}

void CEntityListView::onUpdate(fw::CView* /*sender*/, int value) {
    if (static_cast<UpdateHint>(value) == kHintNamesChanged) {
        fill();
    }
}

void CEntityListView::fill() {
    fw::CWaitCursor wait;
    std::vector<std::array<QString, CEntityListModel::kColumnCount>> rows;
    for (const TypeListRow& row : typeListRows(doc()->catalogue())) {
        rows.push_back({fw::fromCp932(row.texts[0]), fw::fromCp932(row.texts[1]),
                        fw::fromCp932(row.texts[2])});
    }
    model_->setRows(std::move(rows));
}

QString CEntityListView::text(int row, int column) const {
    return model_->data(model_->index(row, column), Qt::DisplayRole).toString();
}

} // namespace tessary
