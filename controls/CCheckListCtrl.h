#pragma once

// The task list: a report list whose rows have check boxes, with a check box in the header of
// the first column that shows whether every row is checked and checks or unchecks them all.

#include <QHeaderView>
#include <QPixmap>
#include <QSet>
#include <QTableWidget>

class CCheckHeadCtrl final : public QHeaderView {
    Q_OBJECT

public:
    explicit CCheckHeadCtrl(QWidget* parent = nullptr);

    // The box's image: 1 empty, 2 checked (0 before the list sets the box up).
    int BoxImage() const { return m_image; }
    void SetBoxImage(int image);
    void SetBoxImages(const QPixmap& empty, const QPixmap& checked);

signals:
    // The box of column 0 was clicked; `image` is the new image.
    void BoxToggled(int image);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_image = 0;
    int m_pressedSection = -1;
    QPixmap m_empty;
    QPixmap m_checked;
};

class CCheckListCtrl final : public QTableWidget {
    Q_OBJECT

public:
    // A cell may show another text than its own (a QString in this role): its text stays what
    // the program reads, the role is what a person sees.
    static constexpr int kShownTextRole = Qt::UserRole + 20;

    explicit CCheckListCtrl(QWidget* parent = nullptr);

    // Sets the header box up (once): images from bitmap 292, unchecked. Returns true.
    bool InitHeaderCheckBox();
    CCheckHeadCtrl* Header() const { return m_header; }

    bool IsRowChecked(int row) const;
    void SetRowChecked(int row, bool checked);
    // The first selected row in list order, or -1.
    int SelectedRow() const;
    // Every selected row, in list order.
    QList<int> SelectedRows() const;
    // Selects or deselects one row; the other rows keep their state.
    void SetRowSelected(int row, bool selected);
    // The cells of `column` draw a text wider than they are up to a quarter smaller before the
    // view cuts it short.
    void ShrinkTextToFit(int column);
    bool ShrinksTextToFit(int column) const { return m_shrinking.contains(column); }

private:
    void CheckAllRows(int image);
    void FollowRows(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                    const QList<int>& roles);
    // The header's box: checked when every row is.
    void UpdateHeaderBox();

    bool m_initialized = false;
    QSet<int> m_shrinking;
    CCheckHeadCtrl* m_header;
};
