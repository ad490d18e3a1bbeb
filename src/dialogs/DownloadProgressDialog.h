// Runs one transfer of the fetcher to its end while the windows take no input. A transfer that
// ends within a moment shows nothing but the busy cursor; a longer one shows a modal progress
// window (ダウンロード中..., the bytes received, of the total when it is known, and 取消, which
// stops the transfer).
#pragma once

#include "framework/HttpFetcher.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QUrl;

namespace tessary {

class CDownloadProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDownloadProgressDialog(QWidget* parent);

    // Shows `received` bytes of `total` (-1: the total is not known).
    void setProgress(qint64 received, qint64 total);
    QString progressText() const;

    // How long a transfer runs before the progress window appears.
    static constexpr int kShowDelayMs = 500;

    // Fetches `url` with `fetcher` and returns once the fetch has ended; 取消 ends it as
    // Cancelled. `showDelayMs` is lowered by tests.
    static fw::CHttpFetcher::End run(QWidget* parent, fw::CHttpFetcher& fetcher, const QUrl& url,
                                     int showDelayMs = kShowDelayMs);

private:
    QLabel* bytesLabel_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace tessary
