#pragma once

#include "LPDatePicker.h"
#include "shell/BaseViewController.h"

#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

class Clock;
class ReceiptFolder;
class ServiceClient;
class SettingsStore;
struct ServiceReply;

/// The payment record screen: a start and an end date, each chosen with a date picker, and
/// the query for the payments this device made between them. From here the customer also
/// reaches the saved receipts and the sums of the last twelve months.
///
/// The dates live in the titles of the two date buttons: a prompt until a date is chosen.
class LPPayRecordViewController : public BaseViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Records/LPPayRecordView.qml")
    Q_PROPERTY(QString startDateTitle READ startDateTitle NOTIFY startDateTitleChanged)
    Q_PROPERTY(QString endDateTitle READ endDateTitle NOTIFY endDateTitleChanged)
    /// The picker opened last, or null before the first.
    Q_PROPERTY(LPDatePicker *datePicker READ datePicker NOTIFY datePickerChanged)

public:
    /// The device identifier is read from `settings` at each query; `clock` gives today.
    /// `receipts` is where the saved receipts are listed from.
    LPPayRecordViewController(Navigator *navigator, ServiceClient *service, SettingsStore *settings,
                              const Clock *clock, const ReceiptFolder *receipts = nullptr,
                              QObject *parent = nullptr);

    QString startDateTitle() const { return m_startDateTitle; }
    QString endDateTitle() const { return m_endDateTitle; }
    LPDatePicker *datePicker() const { return m_datePicker; }

    void viewDidLoad() override;

    Q_INVOKABLE void showSelectStartDatePicker();
    Q_INVOKABLE void showSelectOverDatePicker();
    /// Checks the two dates, then asks the service for the payments between them.
    Q_INVOKABLE void query();
    /// The saved receipts, newest first.
    Q_INVOKABLE void showReceipts();
    /// What this device paid in each of the last twelve months.
    Q_INVOKABLE void showMonthlyPayments();

signals:
    void startDateTitleChanged();
    void endDateTitleChanged();
    void datePickerChanged();

private:
    void showDatePicker(QString LPPayRecordViewController::*title,
                        void (LPPayRecordViewController::*changed)());
    void didQueryPayList(const ServiceReply &reply);

    ServiceClient *m_service;
    SettingsStore *m_settings;
    const Clock *m_clock;
    const ReceiptFolder *m_receipts;
    QString m_startDateTitle;
    QString m_endDateTitle;
    QPointer<LPDatePicker> m_datePicker;
};
