#include "FileDialogs.h"

#include <algorithm>

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QTreeView>

#include "platform/QtTranslations.h"

using namespace Qt::StringLiterals;

namespace kl::platform {

namespace {

// The columns of Qt's file list, as QFileSystemModel numbers them.
constexpr int kNameColumn = 0;
constexpr int kSizeColumn = 1;
constexpr int kTypeColumn = 2;
constexpr int kDateColumn = 3;

// Qt's file list writes sizes and dates in the system's conventions, not in the program's: these two
// columns are written in Japanese like the rest of the dialog.
class JapaneseFileList final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role == Qt::DisplayRole && files != nullptr) {
            const QModelIndex source = mapToSource(index);
            if (index.column() == kSizeColumn && !files->isDir(source)) {
                return m_locale.formattedDataSize(files->size(source));
            }
            if (index.column() == kDateColumn) {
                return m_locale.toString(files->lastModified(source), QLocale::ShortFormat);
            }
        }
        return QIdentityProxyModel::data(index, role);
    }

private:
    QLocale m_locale = japaneseLocale();
};

// Qt gives the size, type and date columns fixed widths that cut the Japanese texts short: they are sized
// to what they show each time a folder has been read, and the names take what room is left, so that all
// four columns are in sight when the list is wide enough.
void fitColumnsToTheirTexts(QFileDialog& dialog) {
    auto* files = dialog.findChild<QFileSystemModel*>();
    auto* details = dialog.findChild<QTreeView*>(u"treeView"_s);
    if (files == nullptr || details == nullptr) {
        return;
    }
    QObject::connect(files, &QFileSystemModel::directoryLoaded, details, [details] {
        int others = 0;
        for (int column : {kSizeColumn, kTypeColumn, kDateColumn}) {
            details->resizeColumnToContents(column);
            others += details->header()->sectionSize(column);
        }
        QHeaderView& header = *details->header();
        header.resizeSection(kNameColumn, std::max(details->viewport()->width() - others,
                                                   header.sectionSizeHint(kNameColumn)));
    });
}

std::optional<QString> run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setProxyModel(new JapaneseFileList(&dialog));
    fitColumnsToTheirTexts(dialog);
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
