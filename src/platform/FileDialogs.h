#pragma once

#include <optional>

#include <QString>

class QWidget;

namespace kl::platform {

// What a file dialog is asked for. The filter is Qt's form, "ResultData(*.rdw)"; the preset name is what the
// name field shows when the dialog opens ("*.rdw").
struct FileDialogRequest {
    QString title;
    QString filter;
    QString presetName;
};

// Open and save dialogs. Modal; the chosen path, or empty when the user cancelled. The save dialog asks
// before it replaces an existing file and adds no suffix to a name typed without one.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> openFile(const FileDialogRequest& request, QWidget* owner) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request, QWidget* owner) = 0;
};

// Qt's own QFileDialog.
class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> openFile(const FileDialogRequest& request, QWidget* owner) override;
    std::optional<QString> saveFile(const FileDialogRequest& request, QWidget* owner) override;
};

} // namespace kl::platform
