#include "tasks/resch.h"

#include "data/DateFormat.h"
#include "platform/QtDates.h"
#include "platform/QtText.h"
#include "tasks/editformats.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace orvella {

TfrmReschedule::TfrmReschedule(const Clock& clock, const FormatSettings& formats, QWidget* parent)
    : QDialog(parent), clock_(clock), formats_(formats) {
    setObjectName(QStringLiteral("frmReschedule"));
    setWindowTitle(QStringLiteral("Reschedule Task"));

    lblTitle = new QLabel(QStringLiteral("Reschedule Task"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont heading = lblTitle->font();
    heading.setPointSize(heading.pointSize() + 4);
    heading.setBold(true);
    lblTitle->setFont(heading);

    lblDate = new QLabel(QStringLiteral("Date"), this);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    date1 = new QDateEdit(this);
    date1->setObjectName(QStringLiteral("date1"));
    date1->setCalendarPopup(true);
    date1->setDisplayFormat(QString::fromStdString(qtEditFormat(formats_.shortDateFormat, formats_)));
    date1->setMinimumWidth(130);
    lblDate->setBuddy(date1);
    lblDate2 = new QLabel(this);
    lblDate2->setObjectName(QStringLiteral("lblDate2"));
    lblDate2->setMinimumWidth(200);

    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));

    auto* fields = new QGridLayout;
    fields->addWidget(lblDate, 0, 0);
    fields->addWidget(date1, 1, 0);
    fields->addWidget(lblDate2, 1, 1);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lblTitle);
    column->addLayout(fields);
    column->addSpacing(8);
    column->addLayout(buttons);

    connect(date1, &QDateEdit::dateChanged, this, &TfrmReschedule::date1Change);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    date1Change();
}

void TfrmReschedule::setDate(int date) {
    date1->setDate(dateOfSerial(date));
    date1Change();
}

int TfrmReschedule::date() const {
    return serialOf(date1->date());
}

void TfrmReschedule::setTitleLook(const QFont& font, const QPalette& palette) {
    lblTitle->setFont(font);
    lblTitle->setPalette(palette);
}

void TfrmReschedule::FormShow() {
    date1Change();
}

void TfrmReschedule::date1Change() {
    lblDate2->setText(
        toQt(formatDateTime("dddd", date(), formats_) + " : " + relativeDateText(date(), clock_)));
}

} // namespace orvella
