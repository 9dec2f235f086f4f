#include "tasks/Timebar.h"

#include "data/DateFormat.h"
#include "data/DateTime.h"
#include "platform/QtText.h"
#include "tasks/AnalogClock.h"
#include "tasks/editformats.h"
#include "tasks/timebar.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvella {

namespace {

// Geometry of the bar's panel: room for the drag label above the top marker, the markers
// above and below the bar, and half a marker beside either end.
constexpr int kBarLeft = 8;
constexpr int kTimeLabelHeight = 18;
constexpr int kMarkerWidth = 11;
constexpr int kMarkerHeight = 7;
constexpr int kBarTop = kTimeLabelHeight + 2 + kMarkerHeight;
// The line runs this far right of the mouse, so the cursor never hides it.
constexpr int kPointerLead = 8;

const QColor kAqua(0, 255, 255);
const QColor kYellow(255, 255, 0);

QString hourLabel(int hour, bool twelveHour) {
    if (!twelveHour)
        return QString::number(hour);
    if (hour == 0 || hour == 24)
        return QStringLiteral("M");
    if (hour == 7)
        return QStringLiteral("7a");
    if (hour == 19)
        return QStringLiteral("7p");
    return QString::number(hour > 12 ? hour - 12 : hour);
}

QPixmap barPicture(bool twelveHour, const QFont& font) {
    QPixmap pm(kBarWidth, kBarHeight);
    pm.fill(kAqua);
    QPainter p(&pm);
    const int dayStart = TimetoX(kDayZoneFirstHour, 0);
    p.fillRect(dayStart, 0, TimetoX(kDayZoneEndHour, 0) - dayStart, kBarHeight, kYellow);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(0, 0, kBarWidth - 1, kBarHeight - 1);

    QFont small = font;
    small.setPixelSize(9);
    p.setFont(small);
    const QFontMetrics fm(small);
    for (int hour = 0; hour <= 24; ++hour) {
        const int x = TimetoX(hour, 0);
        p.setPen(Qt::black);
        p.drawLine(x, kBarHeight - 10, x, kBarHeight - 2);
        if (hour < 24)
            p.drawLine(x + kBarPixelsPerHour / 2, kBarHeight - 6, x + kBarPixelsPerHour / 2, kBarHeight - 2);
        const QString label = hourLabel(hour, twelveHour);
        const int w = fm.horizontalAdvance(label);
        // Labels centre on their hour; the last one keeps inside the bar.
        const int left = std::clamp(x - w / 2, 2, kBarWidth - 2 - w);
        p.drawText(QRect(left, 4, w, fm.height()), Qt::AlignLeft | Qt::AlignTop, label);
    }
    return pm;
}

QPixmap markerPicture(bool pointingDown) {
    QPixmap pm(kMarkerWidth, kMarkerHeight);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    const double mid = kMarkerWidth / 2.0;
    const QPointF down[] = {{0, 0}, {double(kMarkerWidth), 0}, {mid, double(kMarkerHeight)}};
    const QPointF up[] = {
        {0, double(kMarkerHeight)}, {double(kMarkerWidth), double(kMarkerHeight)}, {mid, 0}};
    p.drawPolygon(pointingDown ? down : up, 3);
    return pm;
}

QLabel* newBar(QWidget* parent, const char* name, bool twelveHour) {
    auto* bar = new QLabel(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setPixmap(barPicture(twelveHour, parent->font()));
    bar->setGeometry(kBarLeft, kBarTop, kBarWidth, kBarHeight);
    bar->setToolTip(QStringLiteral("Click to select time"));
    bar->setCursor(Qt::PointingHandCursor);
    return bar;
}

TimeOfDay timeOfDay(const QTime& t) {
    return {t.hour(), t.minute()};
}

} // namespace

TfrmTimePopup::TfrmTimePopup(const Clock& clock, const FormatSettings& formats, QWidget* parent)
    : QDialog(parent), clock_(clock), formats_(formats) {
    setObjectName(QStringLiteral("TfrmTimePopup"));
    setWindowTitle(QStringLiteral("Time Entry"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    connect(dtTime, &QTimeEdit::timeChanged, this, &TfrmTimePopup::dtTimeChange);
    connect(sbNow, &QToolButton::clicked, this, &TfrmTimePopup::sbNowClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmTimePopup::accept);
    connect(btCancel, &QPushButton::clicked, this, &TfrmTimePopup::reject);
    connect(tmNow, &QTimer::timeout, this, &TfrmTimePopup::updateNowCaption);
    // The dialog sees every key before the focused control does.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    updateNowCaption();
    setChosen(now());
    tmNow->start();
}

void TfrmTimePopup::buildControls() {
    Clock1 = new AnalogClock(this);
    Clock1->setObjectName(QStringLiteral("Clock1"));

    dtTime = new QTimeEdit(this);
    dtTime->setObjectName(QStringLiteral("dtTime"));
    dtTime->setDisplayFormat(QString::fromStdString(qtEditFormat(formats_.shortTimeFormat, formats_)));

    sbNow = new QToolButton(this);
    sbNow->setObjectName(QStringLiteral("sbNow"));
    sbNow->setToolTip(QStringLiteral("Current time - click to set clock to current time"));
    sbNow->setToolButtonStyle(Qt::ToolButtonTextOnly);
    sbNow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));

    pnlBar = new QWidget(this);
    pnlBar->setObjectName(QStringLiteral("pnlBar"));
    pnlBar->setFixedSize(kBarLeft * 2 + kBarWidth, kBarTop + kBarHeight + kMarkerHeight);
    im24 = newBar(pnlBar, "im24", false);
    Image1 = newBar(pnlBar, "Image1", true);

    imTop = new QLabel(pnlBar);
    imTop->setObjectName(QStringLiteral("imTop"));
    imTop->setPixmap(markerPicture(true));
    imTop->setFixedSize(kMarkerWidth, kMarkerHeight);
    imBot = new QLabel(pnlBar);
    imBot->setObjectName(QStringLiteral("imBot"));
    imBot->setPixmap(markerPicture(false));
    imBot->setFixedSize(kMarkerWidth, kMarkerHeight);

    imLine = new QWidget(pnlBar);
    imLine->setObjectName(QStringLiteral("imLine"));
    imLine->setAutoFillBackground(true);
    QPalette linePalette = imLine->palette();
    linePalette.setColor(QPalette::Window, QColor(0, 0, 128));
    imLine->setPalette(linePalette);
    // Clicks on the line reach the bar beneath it.
    imLine->setAttribute(Qt::WA_TransparentForMouseEvents);

    pnlTime = new QLabel(pnlBar);
    pnlTime->setObjectName(QStringLiteral("pnlTime"));
    pnlTime->setFrameShape(QFrame::Box);
    pnlTime->setAlignment(Qt::AlignCenter);
    pnlTime->setAutoFillBackground(true);
    pnlTime->setFixedHeight(kTimeLabelHeight);
    pnlTime->hide();

    tmNow = new QTimer(this);
    tmNow->setObjectName(QStringLiteral("tmNow"));
    tmNow->setInterval(1000);

    auto* timeColumn = new QVBoxLayout;
    timeColumn->addStretch();
    timeColumn->addWidget(dtTime);
    timeColumn->addWidget(sbNow);
    timeColumn->addStretch();

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    buttons->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(Clock1);
    top->addSpacing(12);
    top->addLayout(timeColumn, 1);
    top->addSpacing(24);
    top->addLayout(buttons);

    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addWidget(pnlBar);
    main->setSizeConstraint(QLayout::SetFixedSize);

    const bool twelveHour = usesTwelveHourClock(formats_.shortTimeFormat);
    Image1->setVisible(twelveHour);
    im24->setVisible(!twelveHour);
}

void TfrmTimePopup::settime(const QTime& time) {
    setChosen(time == QTime(0, 0) ? now() : time);
}

QTime TfrmTimePopup::time() const {
    return dtTime->time();
}

QPoint TfrmTimePopup::cursorTarget() const {
    return activeBar()->mapToGlobal(QPoint(pointerX_ - kPointerLead, kBarHeight / 2));
}

void TfrmTimePopup::FormShow() {
    const bool twelveHour = usesTwelveHourClock(formats_.shortTimeFormat);
    Image1->setVisible(twelveHour);
    im24->setVisible(!twelveHour);
    dragging_ = false;
    pnlTime->hide();
    dtTimeChange();
    updateNowCaption();
    QTimer::singleShot(10, this, &TfrmTimePopup::moveCursorToBar);
}

void TfrmTimePopup::sbNowClick() {
    setChosen(now());
}

void TfrmTimePopup::drawPointer(int x, bool byMouse) {
    if (pointerFits(x)) {
        pointerX_ = x;
        const int line = kBarLeft + x;
        imTop->move(line - kMarkerWidth / 2, kBarTop - kMarkerHeight);
        imBot->move(line - kMarkerWidth / 2, kBarTop + kBarHeight);
        imLine->setGeometry(line, kBarTop, 1, kBarHeight);
        imTop->raise();
        imBot->raise();
        imLine->raise();
        const int left = std::clamp(line - pnlTime->width() / 2, 0, pnlBar->width() - pnlTime->width());
        pnlTime->move(left, 0);
    }
    if (!byMouse)
        return;
    // Off the bar the time still follows the mouse, which gives 0:00 beyond either end.
    const TimeOfDay t = Xtotime(x);
    const QTime picked(t.hour, t.minute, 0);
    const QString text = toQt(formatDateTime("tt", encodeTime(t.hour, t.minute), formats_));
    pnlTime->setText(text);
    pnlTime->setFixedWidth(pnlTime->fontMetrics().horizontalAdvance(text) + 12);
    QPalette pal = pnlTime->palette();
    pal.setColor(QPalette::Window, inDayZone(t.hour) ? kYellow : kAqua);
    pal.setColor(QPalette::WindowText, Qt::black);
    pnlTime->setPalette(pal);
    setChosen(picked);
}

bool TfrmTimePopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    if (watched == im24 || watched == Image1)
        return barMouse(static_cast<QLabel*>(watched), event);
    return QDialog::eventFilter(watched, event);
}

void TfrmTimePopup::keyPressEvent(QKeyEvent* event) {
    if (handleKey(event->key()))
        return;
    QDialog::keyPressEvent(event);
}

void TfrmTimePopup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfrmTimePopup::dtTimeChange() {
    const QTime t = dtTime->time();
    drawPointer(TimetoX(t.hour(), t.minute()), false);
    Clock1->setTime(t);
}

void TfrmTimePopup::moveCursorToBar() {
    const QPoint target = cursorTarget();
    if (QGuiApplication::screenAt(target) != nullptr)
        QCursor::setPos(target);
}

bool TfrmTimePopup::handleKey(int key) {
    const QTime current = dtTime->time();
    TimeOfDay t = timeOfDay(current);
    switch (key) {
    case Qt::Key_Up:
        t = minuteUp(t);
        break;
    case Qt::Key_Down:
        t = minuteDown(t);
        break;
    case Qt::Key_PageUp:
        t = hourUp(t);
        break;
    case Qt::Key_PageDown:
        t = hourDown(t);
        break;
    case Qt::Key_Home:
        setChosen(now());
        return true;
    default:
        return false;
    }
    setChosen(QTime(t.hour, t.minute, current.second()));
    return true;
}

bool TfrmTimePopup::barMouse(QLabel* bar, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        dragging_ = true;
        pnlTime->show();
        drawPointer(static_cast<QMouseEvent*>(event)->position().toPoint().x() + kPointerLead, true);
        return true;
    case QEvent::MouseMove:
        if (dragging_)
            drawPointer(static_cast<QMouseEvent*>(event)->position().toPoint().x() + kPointerLead, true);
        return dragging_;
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        pnlTime->hide();
        return true;
    case QEvent::MouseButtonDblClick:
        accept();
        return true;
    default:
        return QDialog::eventFilter(bar, event);
    }
}

void TfrmTimePopup::setChosen(const QTime& time) {
    dtTime->setTime(time);
    // Also when the time did not change: the pointer returns from where the mouse left it.
    dtTimeChange();
}

void TfrmTimePopup::updateNowCaption() {
    sbNow->setText(QStringLiteral("It is ") + toQt(formatDateTime("t", clock_.now(), formats_)));
}

QTime TfrmTimePopup::now() const {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int ms = 0;
    decodeTime(clock_.now(), hour, minute, second, ms);
    return {hour, minute, second};
}

QLabel* TfrmTimePopup::activeBar() const {
    return usesTwelveHourClock(formats_.shortTimeFormat) ? Image1 : im24;
}

} // namespace orvella
