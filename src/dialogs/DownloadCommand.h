// The download command (ダウンロード): asks for the address of a deed file, fetches it over http
// and makes it the open document. Every failure is reported and the address offered again, until
// a download succeeds or the user cancels. The open document is only replaced by a whole deed
// file, and only after the new-document step agreed.
#pragma once

#include "dialogs/DownloadProgressDialog.h"
#include "exchange/DownloadCheck.h"
#include "framework/HttpFetcher.h"

#include <QString>

class QWidget;

namespace tessary {

class CTessaryDoc;

class CDownloadCommand {
public:
    // The limits of each transfer and the moment before the progress window shows; tests lower
    // them.
    struct Options {
        fw::CHttpFetcher::Limits limits{kMaxDownloadBytes, kDownloadStallMs, kMaxDownloadRedirects};
        int progressDelayMs = CDownloadProgressDialog::kShowDelayMs;
    };

    CDownloadCommand(CTessaryDoc& doc, QWidget* parent, Options options);
    CDownloadCommand(CTessaryDoc& doc, QWidget* parent)
        : CDownloadCommand(doc, parent, Options{}) {}

    void run();

private:
    // What one attempt came to.
    enum class Attempt {
        Finished,  // the document holds the download, or the user kept the old one: stop
        Cancelled, // the user stopped the transfer: the address dialog again, no message
        Failed,    // a failure was reported: the address dialog again
    };
    Attempt attempt(const QString& address, fw::CHttpFetcher& fetcher);
    void report(DownloadOutcome outcome);

    CTessaryDoc& doc_;
    QWidget* parent_;
    Options options_;
};

} // namespace tessary
