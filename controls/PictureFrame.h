#pragma once

// The frame a preview picture is drawn in: the player's 3-byte blue-green-red pictures,
// bottom row first, stretched over the whole frame. Without a picture the frame draws nothing,
// so the window's background shows.

#include <QImage>
#include <QWidget>

class PictureFrame final : public QWidget {
    Q_OBJECT

public:
    explicit PictureFrame(QWidget* parent = nullptr);

    // Takes a copy of a width × height picture of rows of width × 3 bytes, bottom row first.
    void SetPicture(const unsigned char* bgrBottomUp, int width, int height);
    void ClearPicture();
    bool HasPicture() const { return !m_picture.isNull(); }
    const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;  // top row first
};
