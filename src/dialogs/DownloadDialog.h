// The download dialog (ダウンロード): the address of the deed file to fetch, and whether to
// remember it. The stored address is read once, when the dialog object is made; every opening
// shows the current address with all its text selected and the save box checked.
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tessary {

class ProfileFile;
namespace fw {
class CPrompt;
}

class CDownloadDialog : public QDialog {
    Q_OBJECT
public:
    CDownloadDialog(QWidget* parent, ProfileFile& settings, fw::CPrompt& prompt);

    // The address: the stored one at first, then the one last confirmed (or set).
    const QString& address() const { return address_; }
    // The address the next opening shows (after a failed attempt: the one that failed).
    void setAddress(const QString& address) { address_ = address; }

    // 実行: an empty address is refused and the dialog stays open; otherwise the address is
    // taken exactly as typed, stored when the box is checked, and the dialog closes.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ProfileFile& settings_;
    fw::CPrompt& prompt_;
    QString address_;
    QLineEdit* urlEdit_ = nullptr;
    QCheckBox* saveBox_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace tessary
