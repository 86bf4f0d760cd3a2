#include "ImageBox.h"

namespace kl {

ImageBox::ImageBox(QWidget* parent, const QString& name, bool stretch) : QLabel(parent), m_stretch(stretch) {
    setObjectName(name);
    setAutoFillBackground(false);
    setFrameStyle(QFrame::NoFrame);
    setMargin(0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(stretch);
}

void ImageBox::setStretch(bool stretch) {
    m_stretch = stretch;
    setScaledContents(stretch);
    if (!stretch && hasPicture()) {
        resize(m_picture.size());
    }
}

void ImageBox::setPicture(const QPixmap& picture) {
    if (picture.isNull()) {
        clearPicture();
        return;
    }
    m_picture = picture;
    setPixmap(picture);
    if (!m_stretch) {
        resize(picture.size());
    }
}

void ImageBox::clearPicture() {
    m_picture = QPixmap();
    clear();
}

} // namespace kl
