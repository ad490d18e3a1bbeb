// Every message box and file dialog goes through this interface, so that tests can answer them.
#pragma once

#include <QString>

class QWidget;

namespace tessary::fw {

enum class MsgIcon { Stop, Exclamation, Question, Information };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct FileDialogSpec {
    QString title;
    // Filter in the "name|pattern|name|pattern||" form; converted for the platform dialog.
    QString filter;
    QString defaultExtension; // without the dot; empty for none
    QString initialPath;
    bool confirmOverwrite = false;
};

class CPrompt {
public:
    virtual ~CPrompt() = default;

    // Shows `text` (a line break is put before it, as every message of the program has) with the
    // caption "テサリー".
    virtual MsgAnswer message(QWidget* parent, const QString& text, MsgButtons buttons,
                              MsgIcon icon, MsgAnswer defaultAnswer) = 0;
    // Empty when cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogSpec& spec) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogSpec& spec) = 0;

    // Shorthands for the usual kinds of message.
    void warn(QWidget* parent, const QString& text) {
        message(parent, text, MsgButtons::Ok, MsgIcon::Exclamation, MsgAnswer::Ok);
    }
    void inform(QWidget* parent, const QString& text) {
        message(parent, text, MsgButtons::Ok, MsgIcon::Information, MsgAnswer::Ok);
    }
    bool confirm(QWidget* parent, const QString& text) {
        return message(parent, text, MsgButtons::YesNo, MsgIcon::Question, MsgAnswer::No) ==
               MsgAnswer::Yes;
    }
};

// The real dialogs: QMessageBox and QFileDialog.
class CQtPrompt : public CPrompt {
public:
    // `caption` titles every message box.
    explicit CQtPrompt(QString caption) : caption_(std::move(caption)) {}
    MsgAnswer message(QWidget* parent, const QString& text, MsgButtons buttons, MsgIcon icon,
                      MsgAnswer defaultAnswer) override;
    QString openFileName(QWidget* parent, const FileDialogSpec& spec) override;
    QString saveFileName(QWidget* parent, const FileDialogSpec& spec) override;

private:
    QString caption_;
};

// "a|b|c|d||" to the Qt form "a (b);;c (d)" where the name lacks the pattern.
QString toQtFilter(const QString& filter);

} // namespace tessary::fw
