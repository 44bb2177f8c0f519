// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The staff register as a table and as pages, and whose name a file's statements take.

#include "statementpages.h"
#include "staff/staffregister.h"
#include "staff/statementowner.h"

#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {

RegisterEntry workedOut(std::string fileName, std::string employee, std::string figure)
{
    RegisterEntry entry{std::move(fileName), std::move(employee), {}, false, {}};
    entry.figures.fill(figure);
    return entry;
}

RegisterEntry notWorkedOut(std::string fileName, std::string reason)
{
    return {std::move(fileName), {}, {}, false, std::move(reason)};
}

// The lines of the table, split at its line ends only.
QStringList tableLines(const std::vector<RegisterEntry> &entries)
{
    QStringList lines = QString::fromStdString(registerCsv(entries)).split(QStringLiteral("\r\n"));
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestStaffRegister : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tableLine_data()
    {
        QTest::addColumn<QString>("employee");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QString>("line");
        const QString zeros = QStringLiteral(",0").repeated(18);
        QTest::newRow("plain") << "Asha Rao" << "0" << u"a.pelmora,Asha Rao"_s + zeros + u","_s;
        QTest::newRow("comma") << "Rao, Asha" << "0" << u"a.pelmora,\"Rao, Asha\""_s + zeros + u","_s;
        QTest::newRow("quote") << "Asha \"A\" Rao" << "0" << u"a.pelmora,\"Asha \"\"A\"\" Rao\""_s + zeros + u","_s;
        QTest::newRow("line break") << "Asha\nRao" << "0" << u"a.pelmora,\"Asha\nRao\""_s + zeros + u","_s;
        QTest::newRow("not ASCII") << "आशा ₹" << "0" << u"a.pelmora,आशा ₹"_s + zeros + u","_s;
        QTest::newRow("a figure as typed") << "Asha" << "18,018"
                                           << u"a.pelmora,Asha"_s + QStringLiteral(",\"18,018\"").repeated(18) + u","_s;
    }
    void tableLine()
    {
        QFETCH(QString, employee);
        QFETCH(QString, figure);
        const QStringList lines = tableLines({workedOut("a.pelmora", employee.toStdString(), figure.toStdString())});
        QCOMPARE(lines.size(), 2);
        QTEST(lines[1], "line");
    }

    void tableHeadingAndNotes()
    {
        RegisterEntry changed = workedOut("b.pelmora", "B", "1");
        changed.changed = true;
        const QStringList lines = tableLines({changed, notWorkedOut("c.pelmora", "It is not a file of figures.")});
        QCOMPARE(lines[0], QStringLiteral("File,Name,Gross Salary,Transport Allowance,House Rent Allowance,"
                                          "Allowances Exempt u/s 10,Income from Salary,Income from Other Sources,"
                                          "Income from House Property,Gross Total Income,Deductions u/s 80,"
                                          "Net Taxable Income,Gross Tax,Relief u/s 87A,Relief u/s 89,Net Tax,"
                                          "Education Cess,Total Tax,Tax Deducted,Balance Tax,Note"));
        QVERIFY(lines[1].endsWith(QLatin1String(",1,changed since saved")));
        QCOMPARE(lines[2], QStringLiteral("c.pelmora,") + QStringLiteral(",").repeated(19)
                               + QStringLiteral("not worked out: It is not a file of figures."));
    }

    void totals_data()
    {
        QTest::addColumn<QStringList>("figures"); // one entry each; "!" not worked out
        QTest::addColumn<QString>("total");       // or the refusal
        QTest::newRow("whole rupees") << QStringList{u"100"_s, u"250"_s, u"-50"_s} << "300";
        QTest::newRow("fractions kept") << QStringList{u"0.5"_s, u"0.25"_s} << "0.75";
        QTest::newRow("as typed, read leniently") << QStringList{u"18,018"_s, u"2"_s} << "20";
        QTest::newRow("files not worked out left out") << QStringList{u"100"_s, u"!"_s, u"1"_s} << "101";
        QTest::newRow("none") << QStringList{} << "0";
        QTest::newRow("beyond a double") << QStringList{u"1e308"_s, u"1e308"_s}
                                         << "Total Gross Salary would be too large to calculate with. Please check the amounts.";
    }
    void totals()
    {
        QFETCH(QStringList, figures);
        std::vector<RegisterEntry> entries;
        for (const QString &figure : figures)
            entries.push_back(figure == u"!"_s ? notWorkedOut("x", "refused") : workedOut("x", "X", figure.toStdString()));
        const auto totals = registerTotals(entries);
        if (const auto *error = std::get_if<CalculationError>(&totals)) {
            QTEST(QString::fromStdString(error->message()), "total");
            QVERIFY(std::holds_alternative<CalculationError>(registerStatement(entries)));
            return;
        }
        for (const std::string &total : std::get<RegisterFigures>(totals))
            QTEST(QString::fromStdString(total), "total");
    }

    // Every page has the headings and its number; the totals close the rows, the files not
    // worked out follow.
    void pages_data()
    {
        QTest::addColumn<int>("workedOut");
        QTest::addColumn<int>("failed");
        QTest::addColumn<int>("pages");
        QTest::newRow("one page") << 3 << 1 << 1;
        QTest::newRow("rows and totals fill a page") << 37 << 0 << 1;
        QTest::newRow("the totals on a page of their own") << 38 << 0 << 2;
        QTest::newRow("a whole staff") << 100 << 5 << 3;
    }
    void pages()
    {
        QFETCH(int, workedOut);
        QFETCH(int, failed);
        QFETCH(int, pages);
        std::vector<RegisterEntry> entries;
        for (int i = 0; i < workedOut; ++i)
            entries.push_back(::workedOut("f" + std::to_string(i), "E" + std::to_string(i), "1"));
        for (int i = 0; i < failed; ++i)
            entries.push_back(notWorkedOut("bad" + std::to_string(i), "refused"));
        const QStringList lines = described(std::get<Statement>(registerStatement(entries)));
        QCOMPARE(lines.count(QStringLiteral("page")), pages - 1);
        QCOMPARE(lines.filter(QStringLiteral("STAFF REGISTER OF INCOME TAX FOR THE YEAR 2013-14")).size(), pages);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral(" Balance$"))).size(), pages);
        for (int page = 1; page <= pages; ++page)
            QCOMPARE(lines.filter(QStringLiteral("Page %1 of %2").arg(page).arg(pages)).size(), 1);
        const QStringList texts = lines.filter(QRegularExpression(QStringLiteral("^[LWRC] ")));
        const auto indexOf = [&](const QString &text) {
            return texts.indexOf(QRegularExpression(QStringLiteral("^\\S+ \\S+ \\S+ \\S+ ") + QRegularExpression::escape(text) + u'$'));
        };
        const qsizetype totalsAt = indexOf(QStringLiteral("Total"));
        QVERIFY(indexOf(QStringLiteral("E%1").arg(workedOut - 1)) < totalsAt);
        QCOMPARE(texts.filter(QRegularExpression(QStringLiteral(" %1$").arg(workedOut))).size(), 18); // the totals
        QCOMPARE(indexOf(QStringLiteral("Files not worked out")) > totalsAt, failed > 0);
        QCOMPARE(texts.filter(QRegularExpression(QStringLiteral(" refused <11\\|$"))).size(), failed);
    }

    void owner_data()
    {
        QTest::addColumn<QString>("employee");
        QTest::addColumn<QString>("owner");
        QTest::newRow("a name") << "Asha Rao" << "Asha Rao";
        QTest::newRow("spaces around") << "  Asha Rao " << "Asha Rao";
        QTest::newRow("not ASCII") << "आशा राव" << "आशा राव";
        QTest::newRow("a comma and a quote's apostrophe") << "D'Souza, Ann" << "D'Souza, Ann";
        QTest::newRow("empty") << "" << "file-name";
        QTest::newRow("spaces only") << "   " << "file-name";
        QTest::newRow("a slash") << "Rao/Asha" << "file-name";
        QTest::newRow("a backslash") << "Rao\\Asha" << "file-name";
        QTest::newRow("a double quote") << "Asha \"A\"" << "file-name";
        QTest::newRow("a colon") << "Asha: Rao" << "file-name";
        QTest::newRow("a line break") << "Asha\nRao" << "file-name";
        QTest::newRow("hidden") << ".Asha" << "file-name";
        QTest::newRow("the folder above") << ".." << "file-name";
        QTest::newRow("too long") << QString(181, u'a') << "file-name";
        QTest::newRow("as long as may be") << QString(180, u'a') << QString(180, u'a');
    }
    void owner()
    {
        QFETCH(QString, employee);
        QTEST(QString::fromStdString(statementOwner(employee.toStdString(), "file-name")), "owner");
    }
};

QTEST_APPLESS_MAIN(TestStaffRegister)
#include "tst_staffregister.moc"
