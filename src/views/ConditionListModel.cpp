#include "views/ConditionListModel.h"

#include "data/Catalogue.h"
#include "framework/Text.h"
#include "resources/ListTexts.h"
#include "status/ConditionRow.h"
#include "widgets/ListDraw.h"

namespace tessary {
namespace {

QString columnTitle(int column) {
    return msg::conditionColumnTitles().value(column);
}

QString spacedName(const std::string& cp932) {
    return QLatin1Char(' ') + fw::fromCp932(cp932);
}

} // namespace

ConditionListModel::ConditionListModel(QObject* parent) : RecordListModel<ConditionRow>(parent) {}

QString ConditionListModel::cellText(const ConditionRow& row, int column) const {
    if (column == 4) {
        return QStringLiteral(" %1 / %2 ").arg(row.remaining()).arg(static_cast<int>(row.required));
    }
    if (column == kFirstSlotColumn) {
        return msg::largeDeedSlot();
    }
    if (catalogue_ == nullptr) {
        return {};
    }
    const Catalogue& names = *catalogue_;
    switch (column) {
    case 0:
        return spacedName(nameOf(names, kNameCategory, row));
    case 1:
        return spacedName(nameOf(names, kNameMaterial, row));
    case 2:
        return spacedName(nameOf(names, kNameQuality, row));
    case 3:
        return spacedName(nameOf(names, kNameQuantity, row)) + QLatin1Char(' ');
    default:
        break;
    }
    if (column > kFirstSlotColumn && column < kColumnCount) {
        // The small types 2 to 7 of the row's category; a type it lacks has the empty name.
        const int type = column - kFirstSlotColumn + 1;
        return spacedName(names.nameOf(kNameType, row.group(), row.category(), type, 0, 0, 0));
    }
    return {};
}

Qt::Alignment ConditionListModel::columnAlignment(int column) {
    const bool right = column == 3 || column == 4;
    return (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

int ConditionListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ConditionListModel::data(const QModelIndex& index, int role) const {
    const ConditionRow* row = index.isValid() ? conditionRowAt(index.row()) : nullptr;
    if (row == nullptr) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return cellText(*row, index.column());
    case Qt::TextAlignmentRole:
        return static_cast<int>(columnAlignment(index.column()));
    case kRecordRole:
        return QVariant::fromValue(row);
    case kImageRole:
        return index.column() == 0 ? QVariant(static_cast<int>(row->iconIndex)) : QVariant();
    case Qt::BackgroundRole:
        // The material column shows the material's colour, the slot columns the row's status.
        if (index.column() == 1) {
            return listdraw::fromColorRef(row->materialColor);
        }
        if (index.column() >= kFirstSlotColumn) {
            return listdraw::statusColor(row->remaining(), row->filled);
        }
        return {};
    case Qt::ForegroundRole:
        // An empty slot's text is greyed.
        if (index.column() >= kFirstSlotColumn &&
            row->typeCounts[static_cast<std::size_t>(index.column() - kFirstSlotColumn)] == 0) {
            return listdraw::emptySlotTextColor();
        }
        return {};
    default:
        return {};
    }
}

QVariant ConditionListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return columnTitle(section);
    }
    if (role == Qt::TextAlignmentRole) {
        return static_cast<int>(columnAlignment(section));
    }
    return {};
}

} // namespace tessary
