#include "views/DeedListModel.h"

#include "data/Catalogue.h"
#include "data/Deed.h"
#include "framework/Text.h"
#include "resources/ListTexts.h"
#include "widgets/ListDraw.h"

namespace tessary {
namespace {

QString columnTitle(int column) {
    return msg::deedColumnTitles().value(column);
}

// " %d ": a number with a blank on either side.
QString spacedNumber(long long value) {
    return QStringLiteral(" %1 ").arg(value);
}

QString spacedName(const std::string& cp932) {
    return QLatin1Char(' ') + fw::fromCp932(cp932);
}

} // namespace

DeedListModel::DeedListModel(QObject* parent) : RecordListModel<Deed>(parent) {}

void DeedListModel::refreshRow(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

QString DeedListModel::cellText(const Deed& deed, int column) const {
    if (catalogue_ == nullptr) {
        return {};
    }
    const Catalogue& names = *catalogue_;
    switch (column) {
    case 0:
        return spacedName(names.nameOf(kNameType, deed));
    case 1:
        return spacedName(names.nameOf(kNameMaterial, deed));
    case 2:
        return spacedName(names.nameOf(kNameQuality, deed));
    case 3: {
        long long quantity = names.quantityNumber(deed.quantity());
        if (deed.isLarge()) {
            // A large order asks for the quantity of every one of its parts.
            quantity *= names.partCountOf(deed);
        }
        return spacedNumber(quantity);
    }
    case 4: {
        long long combined = deed.combinedCount();
        if (deed.isLarge()) {
            // Each combined part brings its full quantity.
            combined *= names.quantityNumber(deed.quantity());
        }
        return spacedNumber(combined);
    }
    case 5:
        return spacedName(deed.comment);
    case 6:
        return spacedNumber(deed.serialNumber);
    default:
        return {};
    }
}

Qt::Alignment DeedListModel::columnAlignment(int column) {
    const bool right = column == 3 || column == 4 || column == 6;
    return (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

int DeedListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant DeedListModel::data(const QModelIndex& index, int role) const {
    const Deed* deed = index.isValid() ? deedAt(index.row()) : nullptr;
    if (deed == nullptr) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return cellText(*deed, index.column());
    case Qt::TextAlignmentRole:
        return static_cast<int>(columnAlignment(index.column()));
    case kRecordRole:
        return QVariant::fromValue(deed);
    case kImageRole:
        return index.column() == 0 ? QVariant(static_cast<int>(deed->iconIndex)) : QVariant();
    case Qt::BackgroundRole:
        // The material column shows the material's colour.
        return index.column() == 1 ? QVariant(listdraw::fromColorRef(deed->materialColor))
                                   : QVariant();
    default:
        return {};
    }
}

QVariant DeedListModel::headerData(int section, Qt::Orientation orientation, int role) const {
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

int DeedListModel::appendRow(const Deed* deed) {
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    rows_.push_back(deed);
    endInsertRows();
    return row;
}

void DeedListModel::removeRowAt(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

} // namespace tessary
