#include "ScreenFit.h"

#include <QBoxLayout>
#include <QFont>
#include <QRect>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "CBitmapSlider.h"
#include "CControlButton.h"

namespace {

constexpr char kNaturalFont[] = "tolvaneNaturalFont";
constexpr char kNaturalGeometry[] = "tolvaneNaturalGeometry";
constexpr char kNaturalMinimumWidth[] = "tolvaneNaturalMinimumWidth";

QFont Scaled(QFont font, double scale) {
    if (scale == 1.0) {
        return font;
    }
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale))));
    }
    return font;
}

void ScaleFont(QWidget& widget, double scale) {
    QVariant natural = widget.property(kNaturalFont);
    if (!natural.isValid()) {
        natural = QVariant::fromValue(widget.font());
        widget.setProperty(kNaturalFont, natural);
    }
    widget.setFont(Scaled(natural.value<QFont>(), scale));
}

// A scroll area as large as what it holds, so that a dialog takes the size it would have had
// without it wherever that fits.
class WholeScrollArea final : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const QSize inside = widget() != nullptr ? widget()->sizeHint() : QSize();
        const int frame = 2 * frameWidth();
        return inside + QSize(frame + verticalScrollBar()->sizeHint().width(), frame);
    }
};

// Moves everything of `dialog`'s layout but its last item (the row of its buttons) into a
// scroll area in its place.
void ScrollAllButTheButtons(QWidget& dialog) {
    auto* top = qobject_cast<QBoxLayout*>(dialog.layout());
    if (top == nullptr || top->count() < 2) {
        return;
    }
    auto* body = new QWidget;
    auto* inside = new QVBoxLayout(body);
    inside->setContentsMargins(0, 0, 0, 0);
    while (top->count() > 1) {
        QLayoutItem* item = top->takeAt(0);
        if (QWidget* widget = item->widget()) {
            const Qt::Alignment alignment = item->alignment();
            delete item;
            inside->addWidget(widget, 0, alignment);
        } else if (QLayout* layout = item->layout()) {
            inside->addLayout(layout);  // its widgets move with it
        } else {
            inside->addItem(item);
        }
    }
    auto* scroll = new WholeScrollArea(&dialog);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(body);
    top->insertWidget(0, scroll, 1);
}

}  // namespace

double ScreenFitScale(const QWidget& widget, QSize natural) {
    const QScreen* screen = widget.screen();
    if (screen == nullptr || natural.isEmpty()) {
        return 1.0;
    }
    // Room for a title bar and frame that the window manager adds around a dialog.
    const QSize frame(16, 48);
    const QSize free = screen->availableGeometry().size() - frame;
    if (free.isEmpty()) {
        return 1.0;
    }
    return std::min({1.0, static_cast<double>(free.width()) / natural.width(),
                     static_cast<double>(free.height()) / natural.height()});
}

void ScaleFonts(QWidget& window, double scale) {
    ScaleFont(window, scale);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->window() == &window) {
            ScaleFont(*child, scale);
        }
    }
}

void ScaleChildren(QWidget& window, double scale) {
    const auto edge = [scale](int at) { return static_cast<int>(std::lround(at * scale)); };
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) {
            continue;
        }
        QVariant natural = child->property(kNaturalGeometry);
        if (!natural.isValid()) {
            natural = QVariant::fromValue(child->geometry());
            child->setProperty(kNaturalGeometry, natural);
        }
        const QRect box = natural.toRect();
        const QRect at(QPoint(edge(box.left()), edge(box.top())),
                       QPoint(edge(box.right() + 1) - 1, edge(box.bottom() + 1) - 1));
        if (auto* slider = qobject_cast<CBitmapSlider*>(child)) {
            slider->SetScale(scale);  // a slider takes its bitmaps' size
            slider->move(at.topLeft());
            continue;
        }
        if (auto* button = qobject_cast<CControlButton*>(child)) {
            button->SetScale(scale);
        }
        child->setGeometry(at);
    }
}

void FitLaidOutDialog(QWidget& dialog, QSize least) {
    const auto fitted = [&dialog, least] { return dialog.sizeHint().expandedTo(least); };
    double scale = 1.0;
    // A smaller font does not shrink every part of a dialog alike (margins, icons): a second
    // and a third step make up for what the first left.
    for (int step = 0; step < 3; ++step) {
        const double more = ScreenFitScale(dialog, fitted());
        if (more >= 1.0) {
            break;
        }
        scale *= more;
        ScaleFonts(dialog, scale);
        for (QWidget* child : dialog.findChildren<QWidget*>()) {
            QVariant natural = child->property(kNaturalMinimumWidth);
            if (!natural.isValid()) {
                natural = child->minimumWidth();
                child->setProperty(kNaturalMinimumWidth, natural);
            }
            if (natural.toInt() > 0) {
                child->setMinimumWidth(static_cast<int>(std::lround(natural.toInt() * scale)));
            }
        }
        least = QSize(static_cast<int>(std::lround(least.width() * more)),
                      static_cast<int>(std::lround(least.height() * more)));
        dialog.adjustSize();
    }
    // Still taller than the screen (boxes and lists keep a least height whatever the text): the
    // body scrolls, the buttons stay in view.
    if (ScreenFitScale(dialog, fitted()) < 1.0) {
        ScrollAllButTheButtons(dialog);
        const QSize wanted = fitted();
        const double over = ScreenFitScale(dialog, wanted);
        dialog.setFixedSize(wanted.width(), static_cast<int>(std::floor(wanted.height() * over)));
        return;
    }
    dialog.setFixedSize(fitted());
}
