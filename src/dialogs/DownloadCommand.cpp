#include "dialogs/DownloadCommand.h"

#include "dialogs/DownloadDialog.h"
#include "document/TessaryDoc.h"
#include "framework/Text.h"
#include "resources/DownloadTexts.h"
#include "resources/Messages.h"

#include <QUrl>

#include <optional>
#include <string>
#include <string_view>

namespace tessary {

namespace {

// The URL the fetcher asks for, built from an accepted address; nothing when the address is not
// one. Percent escapes stay as written; other characters the URL cannot hold are escaped.
std::optional<QUrl> urlOf(const QString& address) {
    const std::optional<HttpAddress> parsed = parseHttpAddress(address.toUtf8().toStdString());
    if (!parsed) {
        return std::nullopt;
    }
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    if (!parsed->userInfo.empty()) {
        url.setUserInfo(QString::fromStdString(parsed->userInfo), QUrl::TolerantMode);
    }
    std::string_view host = parsed->host;
    if (host.front() == '[') {
        host = host.substr(1, host.size() - 2);
    }
    url.setHost(QString::fromUtf8(host.data(), static_cast<qsizetype>(host.size())));
    if (parsed->port != 80) {
        url.setPort(parsed->port);
    }
    const std::string& target = parsed->target;
    const std::size_t query = target.find('?');
    url.setPath(QString::fromStdString(target.substr(0, query)), QUrl::TolerantMode);
    if (query != std::string::npos) {
        url.setQuery(QString::fromStdString(target.substr(query + 1)), QUrl::TolerantMode);
    }
    if (!url.isValid()) {
        return std::nullopt;
    }
    return url;
}

QByteArray userAgent() {
    const std::string title = fw::toCp932(msg::appTitle());
    return {title.data(), static_cast<qsizetype>(title.size())};
}

} // namespace

CDownloadCommand::CDownloadCommand(CTessaryDoc& doc, QWidget* parent, Options options)
    : doc_(doc), parent_(parent), options_(options) {}

void CDownloadCommand::run() {
    CDownloadDialog dialog(parent_, doc_.settings(), doc_.prompt());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // One client for the whole command, from the first confirmation on.
    fw::CHttpFetcher fetcher(userAgent(), options_.limits);
    for (;;) {
        const QString address = dialog.address();
        if (attempt(address, fetcher) == Attempt::Finished) {
            return;
        }
        dialog.setAddress(address);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
    }
}

CDownloadCommand::Attempt CDownloadCommand::attempt(const QString& address,
                                                    fw::CHttpFetcher& fetcher) {
    // Only plain http is fetched; anything else is refused before the network is touched.
    const std::optional<QUrl> url = urlOf(address);
    if (!url) {
        report(DownloadOutcome::InvalidAddress);
        return Attempt::Failed;
    }

    DownloadOutcome outcome = DownloadOutcome::InvalidAddress;
    switch (CDownloadProgressDialog::run(parent_, fetcher, *url, options_.progressDelayMs)) {
    case fw::CHttpFetcher::End::Cancelled:
        return Attempt::Cancelled;
    case fw::CHttpFetcher::End::Running:
    case fw::CHttpFetcher::End::NetworkError:
        outcome = DownloadOutcome::InvalidAddress;
        break;
    case fw::CHttpFetcher::End::TooLarge:
        outcome = DownloadOutcome::CannotOpen;
        break;
    case fw::CHttpFetcher::End::Answered:
        outcome = outcomeOfStatus(fetcher.status());
        break;
    }
    if (outcome != DownloadOutcome::Success) {
        report(outcome);
        return Attempt::Failed;
    }

    // The whole body is checked before anything happens to the open document.
    const QByteArray& body = fetcher.body();
    const std::string_view bytes(body.constData(), static_cast<std::size_t>(body.size()));
    if (!isWholeDeedFile(bytes)) {
        report(DownloadOutcome::BadDeedFile);
        return Attempt::Failed;
    }
    if (doc_.takeDownloadedFile(bytes)) {
        report(DownloadOutcome::Success);
    }
    // A cancelled save question (or a failed save) ends the command silently.
    return Attempt::Finished;
}

void CDownloadCommand::report(DownloadOutcome outcome) {
    fw::CPrompt& prompt = doc_.prompt();
    switch (outcome) {
    case DownloadOutcome::Success:
        prompt.inform(parent_, msg::downloadDone());
        break;
    case DownloadOutcome::InvalidAddress:
        prompt.warn(parent_, msg::downloadInvalidUrl());
        break;
    case DownloadOutcome::NotFound:
        prompt.warn(parent_, msg::downloadNotFound());
        break;
    case DownloadOutcome::CannotOpen:
        prompt.warn(parent_, msg::downloadCannotOpen());
        break;
    case DownloadOutcome::BadDeedFile:
        prompt.warn(parent_, msg::downloadBadDeedFile());
        break;
    }
}

} // namespace tessary
