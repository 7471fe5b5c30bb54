#include "CHyperLink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "MessagePresenter.h"
#include "SkinCursor.h"
#include "SkinLook.h"

namespace {

constexpr int kSuccess = 33;
constexpr int kNoAssociation = 31;
constexpr int kFileNotFound = 2;

}  // namespace

CHyperLink::CHyperLink(QWidget* parent) : QLabel(parent) {
    setCursor(SkinHandCursor());
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_Hover);
    // A static text sits at the top of its box; only a link asked to centre vertically
    // (AlignVCenter) is fitted around its middle.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its box is cleared to the surface's colour before the text is drawn, so that a change of
    // colour or underline leaves nothing of the old text behind.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    // Reached with Tab and followed with Enter or Space, as a link of a web page.
    setFocusPolicy(Qt::StrongFocus);
}

void CHyperLink::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        OpenLink();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CHyperLink::focusInEvent(QFocusEvent* event) {
    update();
    QLabel::focusInEvent(event);
}

void CHyperLink::focusOutEvent(QFocusEvent* event) {
    update();
    QLabel::focusOutEvent(event);
}

void CHyperLink::Bind() {
    if (m_address.isEmpty()) {
        m_address = text();
    }
    if (text().isEmpty()) {
        setText(m_address);
    }
    setToolTip(m_address);
    ApplyFont();
    FitToText();
}

void CHyperLink::SetURL(const QString& address) {
    m_address = address;
    setToolTip(address);
    FitToText();
}

void CHyperLink::SetUnderline(int mode) {
    m_underline = mode;
    ApplyFont();
    update();
}

void CHyperLink::SetColours(const QColor& link, const QColor& visited, const QColor& hover) {
    m_linkColour = link;
    m_visitedColour = visited;
    m_hoverColour = hover;
    update();
}

QColor CHyperLink::CurrentColour() const {
    if (m_over) {
        return m_hoverColour;
    }
    return m_visited ? m_visitedColour : m_linkColour;
}

void CHyperLink::ApplyFont() {
    QFont f = font();
    f.setUnderline(m_underline == kUnderlineAlways || (m_underline == kUnderlineHover && m_over));
    setFont(f);
}

void CHyperLink::FitToText() {
    if (!m_adjustToFit) {
        return;
    }
    QFont underlined = font();
    underlined.setUnderline(true);
    const QSize text = QFontMetrics(underlined).size(Qt::TextSingleLine, this->text());
    const QMargins m = contentsMargins();
    QRect r = geometry();
    const int width = text.width() + m.left() + m.right() + 2;
    const int height = text.height() + m.top() + m.bottom();
    if (alignment() & Qt::AlignHCenter) {
        r.adjust((r.width() - width) / 2, 0, -(r.width() - width) / 2, 0);
    } else if (alignment() & Qt::AlignRight) {
        r.setLeft(r.right() - width + 1);
    } else {
        r.setWidth(width);
    }
    if (alignment() & Qt::AlignVCenter) {
        r.adjust(0, (r.height() - height) / 2, 0, -(r.height() - height) / 2);
    } else {
        r.setHeight(height);
    }
    setGeometry(r);
}

void CHyperLink::enterEvent(QEnterEvent* event) {
    m_over = true;
    ApplyFont();
    update();
    QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
    m_over = false;
    ApplyFont();
    update();
    QLabel::leaveEvent(event);
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        OpenLink();
    }
    QLabel::mouseReleaseEvent(event);
}

void CHyperLink::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(CurrentColour());
    painter.setFont(font());
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextSingleLine, text());
    if (ShowsFocus(*this)) {
        QPainterPath outline;
        outline.addRect(QRectF(rect()));
        DrawFocusRing(painter, outline);
    }
}

void CHyperLink::OpenLink() {
    m_over = false;
    const int result = m_opener ? m_opener(m_address) : OpenWithDesktop(m_address);
    m_visited = result > 32;
    ApplyFont();
    update();
    if (!m_visited) {
        QApplication::beep();
        MessagePresenter& presenter = m_presenter ? *m_presenter : DefaultMessagePresenter();
        presenter.Show(this, tr("Unable to open hyperlink:\n\n") + HyperlinkErrorText(result),
                       QMessageBox::Warning);
    }
}

int CHyperLink::OpenWithDesktop(const QString& address) {
    QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid()) {
        return kFileNotFound;
    }
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        return kFileNotFound;
    }
    if (QDesktopServices::openUrl(url)) {
        return kSuccess;
    }
    // The desktop has no handler: try the user's browser, as $BROWSER or a known one names it.
    QStringList browsers = qEnvironmentVariable("BROWSER").split(':', Qt::SkipEmptyParts);
    browsers << "xdg-open"
             << "sensible-browser"
             << "x-www-browser"
             << "firefox"
             << "chromium";
    for (const QString& browser : browsers) {
        const QString program = QStandardPaths::findExecutable(browser);
        if (!program.isEmpty() && QProcess::startDetached(program, {url.toString()})) {
            return kSuccess;
        }
    }
    return kNoAssociation;
}

QString CHyperLink::HyperlinkErrorText(int result) {
    switch (result) {
        case 0:
            return tr("The operating system is out\nof memory or resources.");
        case 2:
            return tr("The specified file was not found.");
        case 3:
            return tr("The specified path was not found.");
        case 5:
            return tr("The operating system denied\naccess to the specified file.");
        case 8:
            return tr("There was not enough memory to complete the operation.");
        case 11:
            return tr("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
        case 26:
            return tr("A sharing violation occurred. ");
        case 27:
            return tr("The filename association is\nincomplete or invalid.");
        case 28:
            return tr("The DDE transaction could not\nbe completed because the request timed out.");
        case 29:
            return tr("The DDE transaction failed.");
        case 30:
            return tr(
                "The DDE transaction could not\nbe completed because other DDE transactions\n"
                "were being processed.");
        case 31:
            return tr("There is no application associated\nwith the given filename extension.");
        case 32:
            return tr("The specified dynamic-link library was not found.");
        default:
            return tr("Unknown Error (%1) occurred.").arg(result);
    }
}
