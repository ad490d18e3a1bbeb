#include "dialogs/DownloadProgressDialog.h"

#include "framework/WaitCursor.h"
#include "resources/DownloadTexts.h"
#include "resources/Fonts.h"
#include "resources/Messages.h"

#include <QEventLoop>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <optional>

namespace tessary {

namespace {

QString bytes(qint64 n) {
    return QLocale(QLocale::Japanese, QLocale::Japan).toString(n);
}

} // namespace

CDownloadProgressDialog::CDownloadProgressDialog(QWidget* parent) : QDialog(parent) {
    setFont(res::dialogFont());
    setWindowTitle(msg::downloadTitle());
    setWindowModality(Qt::ApplicationModal);

    auto* title = new QLabel(msg::downloadInProgress(), this);
    bytesLabel_ = new QLabel(this);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(280);
    cancelButton_ = new QPushButton(msg::cancel(), this);
    cancelButton_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(title);
    layout->addWidget(bytesLabel_);
    layout->addWidget(bar_);
    layout->addWidget(cancelButton_, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cancelButton_, &QPushButton::clicked, this, &CDownloadProgressDialog::reject);
    setProgress(0, -1);
}

void CDownloadProgressDialog::setProgress(qint64 received, qint64 total) {
    if (total > 0) {
        bytesLabel_->setText(msg::downloadReceivedOf(bytes(received), bytes(total)));
        // The bar counts in KiB so that large bodies stay within its int range.
        bar_->setRange(0, static_cast<int>(total / 1024) + 1);
        bar_->setValue(static_cast<int>(received / 1024));
    } else {
        bytesLabel_->setText(msg::downloadReceived(bytes(received)));
        bar_->setRange(0, 0); // moving, with no end to show
    }
}

QString CDownloadProgressDialog::progressText() const {
    return bytesLabel_->text();
}

fw::CHttpFetcher::End CDownloadProgressDialog::run(QWidget* parent, fw::CHttpFetcher& fetcher,
                                                   const QUrl& url, int showDelayMs) {
    qint64 received = 0;
    qint64 total = -1;
    const QMetaObject::Connection tracking =
        QObject::connect(&fetcher, &fw::CHttpFetcher::progress, [&](qint64 r, qint64 t) {
            received = r;
            total = t;
        });

    // First a moment under the busy cursor, with user input held back.
    {
        fw::CWaitCursor busy;
        QEventLoop loop;
        QTimer delay;
        delay.setSingleShot(true);
        QObject::connect(&fetcher, &fw::CHttpFetcher::finished, &loop, &QEventLoop::quit);
        QObject::connect(&delay, &QTimer::timeout, &loop, &QEventLoop::quit);
        fetcher.start(url);
        delay.start(showDelayMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    if (fetcher.end() == fw::CHttpFetcher::End::Running) {
        // Then the progress window, modal to the whole program, until the fetch ends.
        CDownloadProgressDialog dialog(parent);
        dialog.setProgress(received, total);
        QObject::connect(&fetcher, &fw::CHttpFetcher::progress, &dialog,
                         &CDownloadProgressDialog::setProgress);
        QObject::connect(&fetcher, &fw::CHttpFetcher::finished, &dialog,
                         &CDownloadProgressDialog::accept);
        if (dialog.exec() != QDialog::Accepted) {
            fetcher.abort();
        }
    }
    QObject::disconnect(tracking);
    return fetcher.end();
}

} // namespace tessary
