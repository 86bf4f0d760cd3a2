#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

namespace kl {

// An image control. It paints no background of its own, so the transparent pixels of a picture show
// the window or frame behind it. Without Stretch the control takes the picture's size, one picture
// pixel to one screen pixel; with Stretch it keeps the size it was given and scales the picture to it.
class ImageBox : public QLabel {
    Q_OBJECT
public:
    ImageBox(QWidget* parent, const QString& name, bool stretch = false);

    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);

    void setPicture(const QPixmap& picture);
    // Shows nothing; the control keeps its size.
    void clearPicture();
    bool hasPicture() const { return !m_picture.isNull(); }
    const QPixmap& Picture() const { return m_picture; }

private:
    bool m_stretch;
    QPixmap m_picture;
};

} // namespace kl
