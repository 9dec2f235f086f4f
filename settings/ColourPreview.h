#pragma once

#include <QCalendarWidget>
#include <QColor>

namespace orvella {

// The colour dialog's small month calendar. Normally its days are filled with the background
// colour and drawn in the text colour; as a month preview the whole month takes the
// background colour, the way the current month's calendar is coloured.
class ColourPreview : public QCalendarWidget {
    Q_OBJECT

public:
    explicit ColourPreview(QWidget* parent = nullptr);

    void setColours(const QColor& text, const QColor& background);
    void setMonthPreview(bool month);

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    QColor text_ = Qt::black;
    QColor background_ = Qt::white;
    bool month_ = false;
};

} // namespace orvella
