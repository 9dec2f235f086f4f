#include "platform/MonthCalendar.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QTableView>
#include <QTextCharFormat>
#include <QVBoxLayout>

namespace orvella {

CalendarGrid::CalendarGrid(QWidget* parent) : QCalendarWidget(parent) {
    setNavigationBarVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    setGridVisible(false);
    // Week-end days are coloured by the owner-draw handler, not by the widget.
    QTextCharFormat plain;
    setWeekdayTextFormat(Qt::Saturday, plain);
    setWeekdayTextFormat(Qt::Sunday, plain);
    if (auto* view = findChild<QTableView*>())
        view->installEventFilter(this);
    installEventFilter(this);
}

void CalendarGrid::repaintCells() {
    if (auto* view = findChild<QTableView*>())
        view->viewport()->update();
    update();
}

bool CalendarGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        emit focused();
    return QCalendarWidget::eventFilter(watched, event);
}

void CalendarGrid::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    const bool inMonth = date.month() == monthShown() && date.year() == yearShown();
    std::optional<CellPaint> paint;
    if (drawCell_)
        paint = drawCell_(date, rect, date == selectedDate(), inMonth);
    if (!inMonth && !paint) {
        QCalendarWidget::paintCell(painter, rect, date);
        return;
    }
    painter->save();
    if (paint)
        painter->fillRect(rect, paint->background);
    else
        painter->fillRect(rect, palette().color(QPalette::Button));
    if (paint) {
        painter->setPen(paint->text);
        painter->drawText(rect, Qt::AlignCenter, QString::number(date.day()));
    }
    painter->restore();
}

MonthCalendar::MonthCalendar(QWidget* parent)
    : QWidget(parent), title_(new QLabel(this)), grid_(new CalendarGrid(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(3, 3, 3, 3);
    column->setSpacing(1);
    title_->setAlignment(Qt::AlignCenter);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    column->addWidget(title_);
    column->addWidget(grid_, 1);
    connect(grid_, &QCalendarWidget::currentPageChanged, this, &MonthCalendar::updateTitle);
    setAutoFillBackground(true);
    updateTitle();
}

QDate MonthCalendar::date() const {
    return grid_->selectedDate();
}

void MonthCalendar::setDate(const QDate& date) {
    grid_->setSelectedDate(date);
    grid_->setCurrentPage(date.year(), date.month());
    updateTitle();
}

void MonthCalendar::setMonthLabelVisible(bool visible) {
    title_->setVisible(visible);
}

void MonthCalendar::setWeekDayHeaderVisible(bool visible) {
    grid_->setHorizontalHeaderFormat(visible ? QCalendarWidget::SingleLetterDayNames
                                             : QCalendarWidget::NoHorizontalHeader);
}

void MonthCalendar::setDayFont(const QFont& font) {
    grid_->setFont(font);
}

void MonthCalendar::setRaised(bool raised) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window,
                 raised ? pal.color(QPalette::Highlight).lighter(170) : pal.color(QPalette::Button));
    setPalette(pal);
}

void MonthCalendar::updateTitle() {
    const QDate first(grid_->yearShown(), grid_->monthShown(), 1);
    title_->setText(QLocale().toString(first, QStringLiteral("MMMM yyyy")));
}

} // namespace orvella
