#pragma once

#include <QWidget>

#include <array>

namespace orvella {

// The day picker of the days-of-month pattern: 7 columns by 5 rows, cell (column c, row r)
// standing for day r * 7 + c + 1. Days 1 to 31 carry their number and toggle when clicked
// (or with Space on the current cell); a selected day is white on black.
class DayPicker : public QWidget {
    Q_OBJECT

public:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 5;
    static constexpr int kDays = 31;

    explicit DayPicker(QWidget* parent = nullptr);

    bool isSelected(int day) const;
    void setSelected(int day, bool selected);
    void toggle(int day);
    // Indexed by day number, index 0 unused.
    std::array<bool, kDays + 1> selectedDays() const { return selected_; }

    // The cell of a day, in the widget's coordinates.
    QRect cellRect(int day) const;
    // The day of the cell under a point; 0 for none.
    int dayAt(const QPoint& point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void toggled(int day, bool selected);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSize cellSize() const;

    std::array<bool, kDays + 1> selected_{};
    int current_ = 1;
};

} // namespace orvella
