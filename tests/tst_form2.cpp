// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheetdriver.h"
#include "worksheets/form2.h"

using namespace pelmora;

class TestForm2 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    // Every opening overwrites the pay with the salary statement's totals, longer than typing allows.
    void opensWithThePayFilledIn()
    {
        Form2 *form = open();
        d.type(form->txtbp, QStringLiteral("999"));
        QTest::mouseClick(form->cmdcal, Qt::LeftButton);
        QCOMPARE(open("12345678901.5 180000 60000 54000"), form);
        QCOMPARE(d.texts({form->txtbp, form->txtnpa, form->txtda, form->txthra}),
                 d.words("12345678901.5 54000 180000 60000"));
        QVERIFY(!form->cmdback->isEnabled());
    }

    void typingLimit()
    {
        Form2 *form = open();
        for (EntryField *amount : {form->txtbp, form->txtnpa, form->txtda, form->txthra, form->txtRP}) {
            d.type(amount, QStringLiteral("123456789012"));
            QCOMPARE(amount->text(), QStringLiteral("1234567890"));
        }
    }

    void unreadableCarrierOpensNothing()
    {
        QVERIFY(!open("0 0 12a 0"));
        QCOMPARE(d.platform.messages, QStringList{QStringLiteral("\"HRA Received\" is not a number. Please enter an amount.")});
    }

private:
    // As the salary statement's Back leaves the carriers: basic pay, dearness, HRA received, grade pay.
    Form2 *open(const char *carriers = "10000 0 50000 2345")
    {
        const QStringList figures = d.words(carriers);
        for (int i = 0; i < 4; ++i)
            QList<QLineEdit *>{d.main->txtbp, d.main->txtda, d.main->txthrr, d.main->txtnpa}[i]->setText(figures[i]);
        return d.open(d.main->cmdcalhr, d.main->form2);
    }

    WorksheetDriver d;
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
