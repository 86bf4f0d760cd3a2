#pragma once

#include <initializer_list>
#include <memory>
#include <utility>

#include <QFile>
#include <QString>

namespace kl {

class Form;
class ImageBox;
namespace platform {
struct Platform;
class TempFiles;
} // namespace platform

// The text before its first NUL character, or the whole text when it holds none.
QString CutAtNul(const QString& text);

// Has the platform create a new, empty file whose name begins with `prefix` in `directory`, or in the
// system's temporary directory when `directory` is empty, and puts the file's full path into `name`.
// Like the platform, it reads `directory` only up to its first NUL. False when there is no temporary
// directory (`name` keeps what it held) or when no file could be made (`name` is then empty). When
// `opened` is given it receives the file itself, open for reading and writing, so that the caller never
// has to open it again by its name; otherwise the file is closed.
bool MakeTempFileName(platform::TempFiles& tempFiles, QString directory, const QString& prefix, QString& name,
                      std::unique_ptr<QFile>* opened = nullptr);

// Shows the built-in picture `id` in `first`, and the same picture in `second` when one is given (the
// front and rear tyre headings fill two controls from one file). The bytes pass through a temporary file
// whose name begins with "~rs", written and read through the file the platform made (never reopened by
// its name, which someone could have swapped for a link); the picture is recognised from its content. True
// when the picture is shown and the file is gone again. A failed step (no such picture, no temporary
// directory, a file that cannot be made or written, bytes that are no picture) leaves the controls empty and
// removes the file, so the calling window goes on loading without that picture.
bool LoadResourcePicture(platform::Platform& platform, int id, ImageBox& first, ImageBox* second = nullptr);

// Shows built-in pictures in a window's image controls, in the order given (picture id, control name).
void loadPictures(Form& window, std::initializer_list<std::pair<int, const char16_t*>> pictures);

} // namespace kl
