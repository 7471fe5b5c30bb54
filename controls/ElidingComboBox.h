#pragma once

// A drop-down list whose chosen text loses its middle when it is too long for the box
// ("MP3-MPEG La…(*.mp3)") instead of being cut off, and whose list opens wide enough for every
// entry.

#include <QComboBox>

class ElidingComboBox final : public QComboBox {
    Q_OBJECT

public:
    explicit ElidingComboBox(QWidget* parent = nullptr);

    // The text the box shows for its current entry.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showPopup() override;

private:
    QRect TextField() const;
};
