#pragma once

#include <QColor>
#include <QLabel>

// A static text that paints itself over a button-face background, with the alignment rules
// of a dialog's static controls.
class CLabel final : public QLabel {
    Q_OBJECT

public:
    enum class Style { Left, Center, Right, LeftNoWordWrap };

    explicit CLabel(QWidget* parent = nullptr);

    void SetStyle(Style style, bool centerImage = false);
    void SetBackground(const QColor& colour);
    // Stops a flash timer if one runs (none is ever started).
    void FlashStop();
    bool Flashing() const { return m_flashTimer != 0; }

    struct TextFormat {
        Qt::Alignment alignment;
        bool wordWrap;
        bool expandTabs;
        bool singleLine = false;  // line breaks drawn as spaces; otherwise they break lines
    };
    // How a text is laid out for a style.
    static TextFormat FormatFor(Style style, bool centerImage, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Style m_style = Style::Left;
    bool m_centerImage = false;
    QColor m_textColour;
    QColor m_background;
    bool m_ownBackground = false;
    int m_flashTimer = 0;
};
