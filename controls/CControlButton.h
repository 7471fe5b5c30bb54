#pragma once

// A push button drawn from bitmaps: a resting face, a hover face and a pressed face drawn over
// it, clipped to the non-white pixels of a shape bitmap, and a label painted into the room its
// faces keep for it. The button's text serves only as its name.

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>
#include <QRegion>

#include "SkinGlyphs.h"
#include "SkinLayout.h"

class CControlButton final : public QAbstractButton {
    Q_OBJECT

public:
    explicit CControlButton(QWidget* parent = nullptr);

    // Loads the faces by bitmap id, replacing those held; does not repaint.
    void SetBitmaps(int hoverId, int normalId, int pressedId, int fourthId);
    // Clips the button to the non-white pixels of bitmap `shapeId`. An all-white shape makes the
    // button invisible and unclickable; a missing bitmap leaves it rectangular.
    void SetShape(int shapeId);
    // Draws the faces and clips the shape at `scale` times their natural size (1: as they are).
    void SetScale(double scale);
    // Paints `label` and its `sign` into `spot` of the faces (in the accent's ink when `accent`),
    // made to fit; the label is the button's accessible name, and a label cut short is whole in
    // the tooltip.
    void SetLabel(const QString& label, const skin::LabelSpot& spot, skin::Glyph sign, bool accent);
    QString Label() const { return m_label; }
    // Whether the label shows whole.
    bool LabelFits() const;

    // The region of the non-white pixels of `image` (exact white, 255/255/255, is outside).
    static QRegion RegionFromImage(const QImage& image);

    bool Hovering() const { return m_hovering; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void ApplyShape();

    QPixmap m_normal;
    QPixmap m_pressed;
    QPixmap m_hoverFace;
    QPixmap m_fourth;  // loaded with the others; no state draws it
    QImage m_shapeImage;
    QRegion m_shape;  // the shape at the current scale, in the button's own pixels
    double m_scale = 1.0;
    bool m_shaped = false;
    bool m_hovering = false;
    QString m_label;
    skin::LabelSpot m_labelSpot{};
    skin::Glyph m_sign = skin::Glyph::None;
    bool m_accentLabel = false;
};
