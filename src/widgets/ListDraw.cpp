#include "widgets/ListDraw.h"

#include "resources/Images.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPalette>
#include <QTreeView>

#include <algorithm>

namespace tessary {
namespace listdraw {

CellTextLayout layoutCellText(const QFontMetrics& metrics, int cellWidth, const QString& text,
                              Qt::Alignment columnAlignment) {
    if (metrics.horizontalAdvance(text) > cellWidth) {
        return {metrics.elidedText(text, Qt::ElideRight, std::max(cellWidth, 0)), Qt::AlignLeft};
    }
    if (columnAlignment & Qt::AlignRight) {
        return {text, Qt::AlignRight};
    }
    if (columnAlignment & Qt::AlignHCenter) {
        return {text, Qt::AlignHCenter};
    }
    return {text, Qt::AlignLeft};
}

void drawCellText(QPainter& painter, const QRect& cell, const QString& text,
                  Qt::Alignment columnAlignment) {
    if (text.isEmpty() || cell.width() <= 0) {
        return;
    }
    const CellTextLayout layout =
        layoutCellText(painter.fontMetrics(), cell.width(), text, columnAlignment);
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.drawText(cell,
                     static_cast<int>(layout.alignment | Qt::AlignVCenter | Qt::TextSingleLine),
                     layout.text);
    painter.restore();
}

QColor fromColorRef(std::uint32_t colorRef) {
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

QColor statusColor(int remaining, int filled) {
    if (remaining == 0) {
        return QColor(128, 128, 255);
    }
    if (remaining == 1) {
        return QColor(255, 128, 128);
    }
    if (filled != 0) {
        return QColor(255, 255, 128);
    }
    return QColor(128, 128, 128);
}

QColor emptySlotTextColor() {
    return QColor(192, 192, 192);
}

RowState rowState(const QTreeView& view, const QModelIndex& index) {
    RowState state;
    const QItemSelectionModel* selection = view.selectionModel();
    state.selected = selection != nullptr && selection->isSelected(index.siblingAtColumn(0));
    const QModelIndex current = view.currentIndex();
    state.current = current.isValid() && current.row() == index.row();
    state.focused = view.hasFocus();
    return state;
}

QRect rowRect(const QTreeView& view, const QRect& rowArea) {
    const QHeaderView* header = view.header();
    const int left = -header->offset();
    const int right = std::max(left + header->length(), view.viewport()->width());
    return QRect(left, rowArea.top(), right - left, rowArea.height());
}

namespace {

Qt::Alignment cellAlignment(const QModelIndex& cell) {
    return Qt::Alignment(cell.data(Qt::TextAlignmentRole).toInt());
}

} // namespace

void drawPlainRow(QPainter& painter, const QTreeView& view, const QRect& row,
                  const QModelIndex& index, const RowState& state) {
    const QPalette& palette = view.palette();
    QColor text = palette.color(QPalette::Active, QPalette::Text);
    if (!state.selected) {
        painter.fillRect(row, palette.color(QPalette::Active, QPalette::Base));
    } else if (state.current && state.focused) {
        painter.fillRect(row, palette.color(QPalette::Active, QPalette::Highlight));
        text = palette.color(QPalette::Active, QPalette::HighlightedText);
    } else {
        painter.fillRect(row, palette.color(QPalette::Active, QPalette::Button));
    }
    painter.setPen(text);
    const QHeaderView* header = view.header();
    const int columns = index.model()->columnCount(index.parent());
    int x = row.left();
    for (int column = 0; column < columns; ++column) {
        const int width = header->sectionSize(column);
        const QModelIndex cell = index.siblingAtColumn(column);
        drawCellText(painter, QRect(x, row.top(), width, row.height()), cell.data().toString(),
                     cellAlignment(cell));
        x += width;
    }
    if (state.focused && state.current) {
        // The focus rectangle: a dotted frame in the colour of the row's text.
        painter.save();
        QPen pen(text, 0, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(row.adjusted(0, 0, -1, -1));
        painter.restore();
    }
}

void drawModelRow(QPainter& painter, const QTreeView& view, const QRect& row,
                  const QModelIndex& index, const RowState& state, bool showSelection) {
    const QPalette& colours = view.palette();
    const QColor windowText = colours.color(QPalette::Active, QPalette::Text);
    const QColor highlight = colours.color(QPalette::Active, QPalette::Highlight);
    const QModelIndex first = index.siblingAtColumn(0);
    const QVariant rowColour = first.data(kRowBackgroundRole);
    painter.fillRect(row, rowColour.isValid() ? rowColour.value<QColor>()
                                              : colours.color(QPalette::Active, QPalette::Base));
    const bool showAsSelected = showSelection && state.selected;

    const QHeaderView* columns = view.header();
    const int columnCount = index.model()->columnCount(index.parent());
    int x = row.left();
    for (int column = 0; column < columnCount; ++column) {
        const int width = columns->sectionSize(column);
        const QRect cell(x, row.top(), width, row.height());
        x += width;
        const QModelIndex cellIndex = index.siblingAtColumn(column);

        QColor text = windowText;
        if (column == 0 && showAsSelected) {
            if (state.focused && state.current) {
                painter.fillRect(cell, highlight);
                text = colours.color(QPalette::Active, QPalette::HighlightedText);
            } else {
                painter.fillRect(cell, colours.color(QPalette::Active, QPalette::Button));
            }
        } else {
            if (const QVariant background = cellIndex.data(Qt::BackgroundRole);
                background.isValid()) {
                painter.fillRect(cell, background.value<QColor>());
            }
            if (const QVariant foreground = cellIndex.data(Qt::ForegroundRole);
                foreground.isValid()) {
                text = foreground.value<QColor>();
            }
        }

        QRect textRect = cell;
        if (column == 0) {
            textRect.setLeft(textRect.left() + kImageIndent);
        }
        painter.setPen(text);
        drawCellText(painter, textRect, cellIndex.data().toString(), cellAlignment(cellIndex));

        if (column == 0 && width >= kImageIndent) {
            if (const QVariant image = first.data(kImageRole); image.isValid()) {
                drawImage(painter, row.topLeft() + QPoint(1, 1), image.toInt(),
                          showAsSelected && state.current && state.focused, highlight);
            }
        }
    }

    if (state.focused && state.current) {
        drawFrame(painter, row, windowText);
    }
}

void drawImage(QPainter& painter, QPoint topLeft, int iconIndex, bool blend,
               const QColor& blendColor) {
    const QPixmap& pixmap = images::image(iconIndex);
    if (pixmap.isNull()) {
        return;
    }
    if (!blend) {
        painter.drawPixmap(topLeft, pixmap);
        return;
    }
    // Half of every opaque pixel becomes the blend colour; transparent pixels stay transparent.
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter tint(&image);
    tint.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    QColor half = blendColor;
    half.setAlpha(128);
    tint.fillRect(image.rect(), half);
    tint.end();
    painter.drawImage(topLeft, image);
}

void drawFrame(QPainter& painter, const QRect& rect, const QColor& color) {
    painter.save();
    painter.setPen(QPen(color, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

QSize CFixedRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight);
}

} // namespace listdraw

} // namespace tessary
