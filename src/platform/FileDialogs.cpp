#include "FileDialogs.h"

#include <QFileDialog>

namespace kl::platform {

namespace {

std::optional<QString> run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setNameFilter(request.filter);
    // A name typed without an extension is used as typed.
    dialog.setDefaultSuffix(QString());
    if (!request.presetName.isEmpty()) {
        dialog.selectFile(request.presetName);
    }
}

} // namespace

std::optional<QString> QtFileDialogs::openFile(const FileDialogRequest& request, QWidget* owner) {
    QFileDialog dialog(owner, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The name need not exist: the command that reads the file says when it cannot.
    dialog.setFileMode(QFileDialog::AnyFile);
    prepare(dialog, request);
    return run(dialog);
}

std::optional<QString> QtFileDialogs::saveFile(const FileDialogRequest& request, QWidget* owner) {
    QFileDialog dialog(owner, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Replacing an existing file is asked first (the dialog's own question).
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    prepare(dialog, request);
    return run(dialog);
}

} // namespace kl::platform
