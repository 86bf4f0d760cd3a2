#pragma once

#include <initializer_list>
#include <utility>

#include <QString>

namespace kl {

class Form;
class Label;

// Shows built-in pictures in a window's image controls, in the order given (picture id, control name).
void loadPictures(Form& window, std::initializer_list<std::pair<int, const char16_t*>> pictures);

// Writes a label's caption and sizes the label to it, growing to the left so that its right edge stays
// where the layout put it (`rightTwips`, in the label's container).
void setCaptionKeepingRightEdge(Label& label, const QString& caption, int rightTwips);

} // namespace kl
