// Texts the program shows in message boxes, titles and panes.
#pragma once

#include <QString>

namespace tessary::msg {

inline QString appTitle() {
    return QStringLiteral("テサリー");
}
inline QString ready() {
    return QStringLiteral("レディ");
}
inline QString aboutText() {
    return QStringLiteral("テサリー  Ver 2.0");
}
inline QString aboutTitle() {
    return QStringLiteral("バージョン情報");
}

inline QString alreadyRunning() {
    return QStringLiteral("テサリー は起動中です。\n"
                          "\n"
                          "【 説明 】\n"
                          "　テサリー が起動していないのに\n"
                          "　このメッセージが表示された場合は、コンピュータを再起動\n"
                          "　してから、再度 テサリー を起動\n"
                          "　してください。");
}

// The single-instance marker file could not be made (not: another instance runs), with the
// file's path and the system's reason.
inline QString markerNotCreated(const QString& path, const QString& reason) {
    return QStringLiteral("テサリー の二重起動を防ぐためのファイルを作成できません。\n"
                          "\n"
                          "%1\n"
                          "\n"
                          "理由: %2")
        .arg(path, reason);
}

// The folder named on the command line (or the user's data folder) cannot be used.
inline QString workingFolderUnusable(const QString& path, const QString& reason) {
    return QStringLiteral("作業フォルダを使用できません。\n"
                          "\n"
                          "%1\n"
                          "\n"
                          "理由: %2")
        .arg(path, reason);
}

// Shown once when the catalogue of the settings file gives more order-status rows than any real
// catalogue; the order-status list then stays empty.
inline QString catalogueTooLargeForOrderStatus() {
    return QStringLiteral("設定ファイル (Tessary.ini) のカタログが大きすぎるため、\n"
                          "受注状況一覧を表示できません。");
}

// File messages of the open and save cycle.
inline QString unexpectedFormat() {
    return QStringLiteral("予期しないﾌｧｲﾙ形式です。");
}
inline QString fileNotFound(const QString& path) {
    return QStringLiteral("%1 が見つかりません。").arg(path);
}
inline QString cannotOpen(const QString& path) {
    return QStringLiteral("%1 を開くことができません。").arg(path);
}
inline QString readFailed(const QString& path) {
    return QStringLiteral("%1 の読み込み中に予期しないｴﾗｰが発生しました。").arg(path);
}
inline QString saveFailed(const QString& path, const QString& reason) {
    return QStringLiteral("%1 を保存できません。\n%2").arg(path, reason);
}

// Dialog titles and filters of the file cycle.
inline QString openTitle() {
    return QStringLiteral("開く");
}
inline QString appendTitle() {
    return QStringLiteral("追加読み込み");
}
inline QString saveAsTitle() {
    return QStringLiteral("名前を付けて保存");
}
inline QString deedFileFilter() {
    return QStringLiteral("ﾃﾞｨｰﾄﾞ ﾌｧｲﾙ (*.dat)|*.dat|すべてのﾌｧｲﾙ (*.*)|*.*||");
}

// Window title parts.
inline QString deedListTitle() {
    return QStringLiteral(" 【 ディード一覧 】");
}
inline QString conditionListTitle() {
    return QStringLiteral(" 【 受注状況一覧 】");
}

// Buttons the dialogs share.
inline QString accept() {
    return QStringLiteral("確定");
}
inline QString cancel() {
    return QStringLiteral("取消");
}

// The name of a document without a file, and the question before its changes are abandoned.
inline QString untitled() {
    return QStringLiteral("無題");
}
inline QString saveChangesQuestion() {
    return QStringLiteral("%1 への変更を保存しますか?");
}

inline QString filterSet() {
    return QStringLiteral("表示条件あり");
}

} // namespace tessary::msg
