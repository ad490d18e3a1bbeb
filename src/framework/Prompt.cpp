#include "framework/Prompt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace tessary::fw {

namespace {

QMessageBox::StandardButton toButton(MsgAnswer answer) {
    switch (answer) {
    case MsgAnswer::Ok:
        return QMessageBox::Ok;
    case MsgAnswer::Yes:
        return QMessageBox::Yes;
    case MsgAnswer::No:
        return QMessageBox::No;
    case MsgAnswer::Cancel:
        return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

QString toQtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        const QString pattern = parts[i + 1];
        // "*.*" means every file; on this platform a file need not have a dot.
        QString qtPattern = pattern;
        qtPattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (qtPattern == QStringLiteral("*.*")) {
            qtPattern = QStringLiteral("*");
        }
        // Qt takes the patterns from the parentheses that end the name.
        const QString shown = QLatin1Char('(') + pattern + QLatin1Char(')');
        if (name.endsWith(shown)) {
            name.chop(shown.size());
            name = name.trimmed();
        }
        out << name + QStringLiteral(" (") + qtPattern + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

MsgAnswer CQtPrompt::message(QWidget* parent, const QString& text, MsgButtons buttons, MsgIcon icon,
                             MsgAnswer defaultAnswer) {
    QMessageBox box(parent);
    box.setWindowTitle(caption_);
    box.setText(QLatin1Char('\n') + text);
    switch (icon) {
    case MsgIcon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(toButton(defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
}

QString CQtPrompt::openFileName(QWidget* parent, const FileDialogSpec& spec) {
    QFileDialog dialog(parent, spec.title, spec.initialPath, toQtFilter(spec.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!spec.defaultExtension.isEmpty()) {
        dialog.setDefaultSuffix(spec.defaultExtension);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString CQtPrompt::saveFileName(QWidget* parent, const FileDialogSpec& spec) {
    QFileDialog dialog(parent, spec.title, spec.initialPath, toQtFilter(spec.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!spec.defaultExtension.isEmpty()) {
        dialog.setDefaultSuffix(spec.defaultExtension);
    }
    if (!spec.confirmOverwrite) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace tessary::fw
