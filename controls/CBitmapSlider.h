#pragma once

// A horizontal slider drawn from bitmaps: a channel from two pictures (B normal, A outside a
// selection), a thumb with a transparent outline, margins that keep the thumb inside the
// channel, mouse dragging and keys. Changes are posted to the parent as SliderEvents: 10449
// while a drag moves the thumb, 10450 when the button is released and after each handled key.

#include <QEvent>
#include <QPixmap>
#include <QWidget>

// The notifications a slider posts to its parent.
class SliderEvent final : public QEvent {
public:
    static constexpr QEvent::Type kTracking = static_cast<QEvent::Type>(10449);
    static constexpr QEvent::Type kChanged = static_cast<QEvent::Type>(10450);

    SliderEvent(QEvent::Type type, int controlId, int position)
        : QEvent(type), m_controlId(controlId), m_position(position) {}
    int ControlId() const { return m_controlId; }
    int Position() const { return m_position; }

private:
    int m_controlId;
    int m_position;
};

class CBitmapSlider final : public QWidget {
    Q_OBJECT

public:
    explicit CBitmapSlider(QWidget* parent = nullptr, int controlId = 0);

    int ControlId() const { return m_controlId; }

    // Loads channel images A and B; the slider takes the size of A. False when either fails.
    bool SetChannelBitmaps(int idA, int idB);
    // Loads the thumb (308) and the dragging thumb (309). False when either fails.
    bool SetThumbBitmaps();
    void SetRange(int minimum, int maximum);
    void SetPos(int position);
    int GetPos() const { return m_position; }
    // Moves the thumb as a key does, and says so to the parent (kChanged).
    void MoveTo(int position);
    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }
    void SetMargins(int left, int top, int right, int bottom);
    // Draws the bitmaps at `scale` times their size; positions stay in the bitmaps' pixels.
    void SetScale(double scale);
    void SetDrawFocusRect(bool draw) { m_drawFocusRect = draw; }
    // The windows' set-up of a skinned slider: channels, thumbs, no focus rectangle, range,
    // position and the margins every slider of the skin uses (left 2, top 3, right 2, bottom 0).
    void ApplySkin(int channelA, int channelB, int minimum, int maximum, int position);
    void SetSelectionStart(int value);
    void SetSelectionEnd(int value);
    void SetSelectionMode(int mode);
    int SelectionStart() const { return m_selectionStart; }
    int SelectionEnd() const { return m_selectionEnd; }
    int SelectionMode() const { return m_selectionMode; }
    bool Dragging() const { return m_dragging; }

    // The x of the thumb centre for a value, and the value for a thumb-centre x.
    int PositionToPixel(int value) const;
    int PixelToPosition(int x) const;

    // The pieces of the channel for the current selection: [from, to) of image A or B.
    struct ChannelPiece {
        bool imageA;
        int from;
        int to;
    };
    std::vector<ChannelPiece> ChannelPieces() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int Clamp(int value) const;
    int HalfThumb() const { return m_thumbWidth / 2; }
    void MoveThumbTo(int x);
    void FitSize();
    // The pointer's x in the bitmaps' pixels.
    int BitmapX(const QMouseEvent& event) const;
    void Notify(QEvent::Type type);

    int m_controlId;
    int m_maximum = 100;
    int m_minimum = 0;
    int m_position = 0;
    int m_pageSize = 20;
    int m_width = 0;
    int m_height = 0;
    int m_thumbWidth = 0;
    int m_thumbHeight = 0;
    int m_marginLeft = 0;
    int m_marginRight = 0;
    int m_marginTop = 0;
    int m_marginBottom = 0;
    int m_dragOffset = 0;
    double m_scale = 1.0;
    int m_selectionStart = 0;
    int m_selectionEnd = 0;
    int m_selectionMode = 0;
    bool m_dragging = false;
    bool m_drawFocusRect = true;
    bool m_channelSet = false;
    bool m_thumbSet = false;
    QPixmap m_channelA;
    QPixmap m_channelB;
    QPixmap m_thumb;          // with the outline of bitmap 308 made transparent
    QPixmap m_draggingThumb;  // bitmap 309 with the same outline
};
