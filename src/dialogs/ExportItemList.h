// The item list of the export dialog: a list of fixed 18-pixel rows, each with a check box drawn
// from the three-cell check-box image (unchecked, checked, indeterminate), its label, its item
// code and its check state. Clicking a row's check box, or Space on the selected row, toggles it.
#pragma once

#include <QListWidget>
#include <QPixmap>

namespace tessary {

class CExportItemList : public QListWidget {
    Q_OBJECT
public:
    enum CheckState : int { Unchecked = 0, Checked = 1, Indeterminate = 2 };

    explicit CExportItemList(QWidget* parent = nullptr);

    // Appends (row -1) or inserts a row.
    void insertRow(int row, const QString& label, int code, int checkState);
    QString label(int row) const;
    int code(int row) const;
    int checkState(int row) const;
    void setCheckState(int row, int state);
    // The row of the selected item, or -1.
    int selectedRow() const;

    // Codes whose labels are drawn grey (they are not written under the current options).
    void setGreyCodes(QList<int> codes);
    bool isGrey(int code) const { return greyCodes_.contains(code); }

    // Where a row's check box is drawn.
    QRect checkBoxRect(int row) const;
    const QPixmap& checkBoxStrip() const { return strip_; }
    int cellWidth() const { return strip_.width() / 3; }
    int cellHeight() const { return strip_.height(); }

signals:
    // The user toggled the check box of `row`.
    void checkToggled(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void toggle(int row);

    QPixmap strip_;
    QList<int> greyCodes_;
};

} // namespace tessary
