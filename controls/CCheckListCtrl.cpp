#include "CCheckListCtrl.h"

#include <QApplication>
#include <QStyle>
#include <QStyledItemDelegate>

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "SkinIds.h"

namespace {

constexpr int kHeaderImagesId = 292;
constexpr int kBoxSize = 16;

// Image `index` of the strip of 16 × 16 images, magenta transparent.
QPixmap StripImage(const QImage& strip, int index) {
    QImage image =
        strip.copy(index * kBoxSize, 0, kBoxSize, kBoxSize).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == 0xFF00FF) {
                row[x] = 0;
            }
        }
    }
    return QPixmap::fromImage(image);
}

}  // namespace

CCheckHeadCtrl::CCheckHeadCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);  // no column selection; clicks are ours
    setHighlightSections(false);
}

void CCheckHeadCtrl::SetBoxImage(int image) {
    if (image != m_image) {
        m_image = image;
        viewport()->update();
    }
}

void CCheckHeadCtrl::SetBoxImages(const QPixmap& empty, const QPixmap& checked) {
    m_empty = empty;
    m_checked = checked;
}

void CCheckHeadCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (logicalIndex != 0 || m_image == 0) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    // Room for the box before the title.
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    const QPixmap& box = m_image == 2 ? m_checked : m_empty;
    const QRect boxRect(rect.left() + 4, rect.top() + (rect.height() - kBoxSize) / 2, kBoxSize,
                        kBoxSize);
    painter->fillRect(boxRect.adjusted(-1, -1, 1, 1), palette().button());
    painter->drawPixmap(boxRect, box);
}

void CCheckHeadCtrl::mousePressEvent(QMouseEvent* event) {
    m_pressedSection =
        cursor().shape() == Qt::SplitHCursor ? -1 : logicalIndexAt(event->position().toPoint());
    QHeaderView::mousePressEvent(event);
}

void CCheckHeadCtrl::mouseReleaseEvent(QMouseEvent* event) {
    QHeaderView::mouseReleaseEvent(event);
    const int section = logicalIndexAt(event->position().toPoint());
    const bool click = event->button() == Qt::LeftButton && section == m_pressedSection;
    m_pressedSection = -1;
    // Only column 0 counts; its box toggles and the list follows.
    if (click && section == 0 && m_image != 0) {
        SetBoxImage(m_image == 1 ? 2 : 1);
        emit BoxToggled(m_image);
    }
}

namespace {

// Draws a cell's shown text (CCheckListCtrl::kShownTextRole) where it has one.
class ShownTextDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant shown = index.data(CCheckListCtrl::kShownTextRole);
        if (shown.isValid()) {
            option->text = shown.toString();
        }
        const auto* list = qobject_cast<const CCheckListCtrl*>(parent());
        if (list == nullptr || !list->ShrinksTextToFit(index.column()) || option->text.isEmpty()) {
            return;
        }
        // The room the style leaves for the text: the cell less its margins and icon.
        const QWidget* view = option->widget;
        QStyle* style = view != nullptr ? view->style() : QApplication::style();
        const int room = style->subElementRect(QStyle::SE_ItemViewItemText, option, view).width() -
                         2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
        QFont font = option->font;
        const double natural = font.pointSizeF();
        for (double size = natural; natural > 0 && size >= natural * 0.75 &&
                                    QFontMetrics(font).horizontalAdvance(option->text) > room;
             size -= 0.25) {
            font.setPointSizeF(size);
        }
        option->font = font;
        option->fontMetrics = QFontMetrics(font);
    }
};

}  // namespace

void CCheckListCtrl::ShrinkTextToFit(int column) {
    m_shrinking.insert(column);
    viewport()->update();
}

CCheckListCtrl::CCheckListCtrl(QWidget* parent)
    : QTableWidget(parent), m_header(new CCheckHeadCtrl(this)) {
    setHorizontalHeader(m_header);
    verticalHeader()->hide();
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    m_header->setStretchLastSection(false);
    m_header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(m_header, &CCheckHeadCtrl::BoxToggled, this, &CCheckListCtrl::CheckAllRows);
    connect(model(), &QAbstractItemModel::dataChanged, this, &CCheckListCtrl::FollowRows);
    // A row that goes may leave every other row checked.
    connect(model(), &QAbstractItemModel::rowsRemoved, this, [this] {
        if (rowCount() > 0) {
            UpdateHeaderBox();
        }
    });
    setItemDelegate(new ShownTextDelegate(this));
}

bool CCheckListCtrl::InitHeaderCheckBox() {
    if (m_initialized) {
        return true;
    }
    const QImage strip = skin::LoadBitmap(kHeaderImagesId);
    m_header->SetBoxImages(StripImage(strip, 1), StripImage(strip, 2));
    m_header->SetBoxImage(1);
    if (QTableWidgetItem* item = horizontalHeaderItem(0)) {
        // Indent the title past the box.
        item->setText(QStringLiteral("      ") + item->text().trimmed());
    }
    m_initialized = true;
    return true;
}

bool CCheckListCtrl::IsRowChecked(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    return cell != nullptr && cell->checkState() == Qt::Checked;
}

void CCheckListCtrl::SetRowChecked(int row, bool checked) {
    QTableWidgetItem* cell = item(row, 0);
    if (cell == nullptr) {
        cell = new QTableWidgetItem();
        setItem(row, 0, cell);
    }
    cell->setFlags(cell->flags() | Qt::ItemIsUserCheckable);
    cell->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

int CCheckListCtrl::SelectedRow() const {
    const QList<int> rows = SelectedRows();
    return rows.isEmpty() ? -1 : rows.front();
}

QList<int> CCheckListCtrl::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CCheckListCtrl::CheckAllRows(int image) {
    for (int row = 0; row < rowCount(); ++row) {
        SetRowChecked(row, image == 2);
    }
}

void CCheckListCtrl::FollowRows(const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
    // Only a change of a row's check state counts; a text change leaves the box alone.
    if (roles.contains(Qt::CheckStateRole)) {
        UpdateHeaderBox();
    }
}

void CCheckListCtrl::UpdateHeaderBox() {
    if (!m_initialized) {
        return;
    }
    bool all = true;
    for (int row = 0; row < rowCount() && all; ++row) {
        const QTableWidgetItem* cell = item(row, 0);
        // A row without a check box counts as checked.
        all = cell == nullptr || !(cell->flags() & Qt::ItemIsUserCheckable) ||
              cell->checkState() != Qt::Unchecked;
    }
    m_header->SetBoxImage(all ? 2 : 1);
}

void CCheckListCtrl::SetRowSelected(int row, bool selected) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    selectionModel()->select(model()->index(row, 0), (selected ? QItemSelectionModel::Select
                                                               : QItemSelectionModel::Deselect) |
                                                         QItemSelectionModel::Rows);
}
