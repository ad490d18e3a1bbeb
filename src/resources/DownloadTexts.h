// Texts of the deed-file download: its dialog, its progress window and its messages.
#pragma once

#include <QString>

namespace tessary::msg {

inline QString downloadTitle() {
    return QStringLiteral("ダウンロード");
}
inline QString downloadUrlLabel() {
    return QStringLiteral("URL");
}
inline QString downloadSaveUrl() {
    return QStringLiteral("このURLを保存する");
}
inline QString downloadRun() {
    return QStringLiteral("実行");
}

inline QString downloadNoUrl() {
    return QStringLiteral("URLを指定してください。");
}
inline QString downloadInvalidUrl() {
    return QStringLiteral("無効なURLです。");
}
inline QString downloadNotFound() {
    return QStringLiteral("URLが見つかりません。");
}
inline QString downloadCannotOpen() {
    return QStringLiteral("URLを開くことができません。");
}
inline QString downloadBadDeedFile() {
    return QStringLiteral("ディードファイルの読み込みに失敗しました。");
}
inline QString downloadDone() {
    return QStringLiteral("ダウンロードが完了しました。");
}

// The progress window shown while a transfer takes longer than a moment.
inline QString downloadInProgress() {
    return QStringLiteral("ダウンロード中...");
}
inline QString downloadReceived(const QString& received) {
    return QStringLiteral("%1 バイト受信").arg(received);
}
inline QString downloadReceivedOf(const QString& received, const QString& total) {
    return QStringLiteral("%1 / %2 バイト受信").arg(received, total);
}

} // namespace tessary::msg
