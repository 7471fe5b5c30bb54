#pragma once

// A web link: coloured text (unvisited, visited, hover), underlined while hovered or always,
// a hand cursor, a tooltip with the address; a click opens the address in the user's browser
// and explains a failure in a message box.

#include <QColor>
#include <QLabel>
#include <functional>

class MessagePresenter;

class CHyperLink final : public QLabel {
    Q_OBJECT

public:
    static constexpr int kUnderlineHover = -1;
    static constexpr int kUnderlineAlways = 1;

    // Opens an address; the result follows the shell's convention: above 32 is success,
    // otherwise one of the error codes of HyperlinkErrorText.
    using Opener = std::function<int(const QString& address)>;

    explicit CHyperLink(QWidget* parent = nullptr);

    // Takes the label's text as the address when it has none, and the address as the text when
    // the label has none; fits the label to its text.
    void Bind();
    void SetURL(const QString& address);
    QString URL() const { return m_address; }
    void SetUnderline(int mode);
    // The text colours: not yet opened, opened, under the pointer.
    void SetColours(const QColor& link, const QColor& visited, const QColor& hover);
    int Underline() const { return m_underline; }
    void SetOpener(Opener opener) { m_opener = std::move(opener); }
    void SetMessagePresenter(MessagePresenter* presenter) { m_presenter = presenter; }

    bool Visited() const { return m_visited; }
    bool OverControl() const { return m_over; }
    // The colour the text is drawn in now.
    QColor CurrentColour() const;
    bool Underlined() const { return font().underline(); }

    // Opens the address as a click does.
    void OpenLink();

    // The explanation shown for a failed opening.
    static QString HyperlinkErrorText(int result);
    // Opens with the desktop, then the user's browser; results mapped to the codes above.
    static int OpenWithDesktop(const QString& address);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyFont();
    void FitToText();

    QColor m_linkColour{0, 0, 238};
    QColor m_visitedColour{85, 26, 139};
    QColor m_hoverColour{255, 0, 0};
    bool m_over = false;
    bool m_visited = false;
    int m_underline = kUnderlineHover;
    bool m_adjustToFit = true;
    QString m_address;
    Opener m_opener;
    MessagePresenter* m_presenter = nullptr;
};
