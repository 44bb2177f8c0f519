// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "yearfilelayout.h"

namespace pelmora::yearfile {

namespace {

QStringList words(const char *names)
{
    return QString::fromLatin1(names).split(u' ');
}

// "txtbp(0)" to "txtbp(13)", the members of a control array.
QStringList members(const char *array, int first, int last)
{
    QStringList names;
    for (int i = first; i <= last; ++i)
        names.append(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i));
    return names;
}

QStringList salaryStatementTexts()
{
    QStringList texts = words("txtnam cbonps cboclass1 cboclass3 txtbpt txtgpt txtdat txthrat txttpat txtmgct "
                              "txtttlt txtgtotal");
    for (const char *array : {"txtbp", "txtgp", "txtda", "txttpa2", "txtmgc", "txtttl"})
        texts += members(array, 0, 13);
    texts += members("txthra", 2, 13); // the arrears rows have no HRA
    texts += members("txtoth", 0, 5);
    return texts;
}

QStringList relief89Texts()
{
    QStringList texts = words("txtnam txtadd txtpan");
    for (const char *array : {"txtinc", "txtarr", "txtincarr", "txttax1", "txttax2", "txtdif"})
        texts += members(array, 0, 7);
    for (int item = 1; item <= 8; ++item)
        texts.append(QStringLiteral("txtitem%1").arg(item));
    return texts;
}

} // namespace

const QList<WindowLayout> &windowLayouts()
{
    static const QList<WindowLayout> layouts{
        {QStringLiteral("frmmain"), true,
         words("txtname txtgs txttp txthra txtexall txtnsal txtos txthp txtgti txtded80 txtnti txtgtax txtrel87A "
               "txtrel89 txtntax txtcess txtttax txtdedtax txtbaltax txtbp txtda txthrr txtnpa txtmgc txtdob txtarr"),
         {}, {}, words("txtdob txtarr")},
        {QStringLiteral("Form1"), false, salaryStatementTexts(), {QStringLiteral("chkinc")}, {}},
        {QStringLiteral("Form2"), false, words("txtbp txtnpa txtda txtns txthra txtRP txthrx"), {}, {}},
        {QStringLiteral("Form4"), false, words("txtarv txtptax txtghi txtrep txtintt txtoth txttd txtihp"), {},
         {{QStringLiteral("frmask"), words("optso optrent")}, {QStringLiteral("framintt"), words("optb499 opta499")}}},
        {QStringLiteral("frmreb88"), false,
         words("txtgpf txtgis txthba txtlic txtppf txtnsc txtnsci txttf1 txttf2 txtinf txtos txt80c txt80ccc "
               "txt80ccdec txt80ccdgc txttot1 txt80ccf txt80d txt80g txtoth txtgt80"),
         {}, {}},
        {QStringLiteral("frmrel89"), false, relief89Texts(), {QStringLiteral("chkwoman")}, {}},
    };
    return layouts;
}

} // namespace pelmora::yearfile
