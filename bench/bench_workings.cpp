// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// What explaining the figures costs: each computation with the share of it that recording its
// workings takes, and the time to put them all into words, as a window does when it shows them;
// and the "read as" mark of an amount field at each change of its text.

#include "benchmark.h"
#include "silentplatform.h"

#include "app/frmmain.h"
#include "salary/salarycomputation.h"
#include "tax/taxcomputation.h"
#include "widgets/amountfield.h"
#include "widgets/namefield.h"
#include "widgets/resultfield.h"
#include "worksheets/houseproperty.h"
#include "worksheets/hraexemption.h"
#include "worksheets/section80.h"

#include <cstdio>
#include <vector>

namespace {

// Times the computation, what recording its workings adds to it (as long as one copy of them:
// the computation builds each once and moves it into place), and their words.
template <typename Compute, typename Workings>
void reportWorkings(const char *name, Compute compute, Workings workingsOf)
{
    const double computation = bench::medianMicroseconds([&] { (void)compute(); }, 101, 200);
    const auto results = compute();
    const std::vector<const pelmora::Working *> workings = workingsOf(results);
    const double recording = bench::medianMicroseconds(
        [&] {
            for (const pelmora::Working *working : workings)
                (void)pelmora::Working(*working);
        },
        101, 200);
    const double words = bench::medianMicroseconds(
        [&] {
            for (const pelmora::Working *working : workings)
                (void)working->text();
        },
        101, 200);
    const std::string what = std::string(name) + ": ";
    bench::report(what + "computation with its workings", computation, "us", "");
    bench::report(what + "of which recording the workings", recording, "us", "under 10 % of the computation");
    bench::report(what + "recording as a share of the computation", 100 * recording / computation, "%", "under 10 %");
    bench::report(what + std::to_string(workings.size()) + " workings put into words", words, "us",
                  "only when a window shows them");
}

} // namespace

PELMORA_BENCHMARK("workings")
{
    using namespace pelmora;
    reportWorkings(
        "workings, tax",
        [] {
            return std::get<TaxResults>(computeTax({.txtgs = "600000", .txttp = "9600", .txthra = "50000",
                                                    .txtos = "5000", .txthp = "0", .txtded80 = "100000",
                                                    .txtrel89 = "0", .txtdedtax = "40000", .txtdob = ""}));
        },
        [](const TaxResults &r) {
            return std::vector<const Working *>{&r.txtexall.working, &r.txtnsal.working, &r.txtgti.working,
                                                &r.txtnti.working,   &r.txtgtax.working, &r.txtrel87A.working,
                                                &r.txtntax.working,  &r.txtcess.working, &r.txtttax.working,
                                                &r.txtbaltax.working};
        });
    reportWorkings(
        "workings, HRA",
        [] {
            return std::get<HraResults>(computeHraExemption(
                {.txtbp = "10000", .txtda = "0", .txtnpa = "2345", .txthra = "50000", .txtRP = "20000"}));
        },
        [](const HraResults &r) { return std::vector<const Working *>{&r.txtns.working, &r.txthrx.working}; });
    reportWorkings(
        "workings, house property",
        [] {
            return std::get<HousePropertyResults>(computeHouseProperty(
                {.txtarv = "120000", .txtptax = "12000", .txtintt = "200000", .txtoth = "0"}));
        },
        [](const HousePropertyResults &r) {
            return std::vector<const Working *>{&r.txtghi.working, &r.txtrep.working, &r.txttd.working,
                                                &r.txtihp.working};
        });
    reportWorkings(
        "workings, section 80",
        [] {
            const Section80Texts in{.txtgpf = "100000", .txtgis = "0", .txthba = "0", .txtlic = "0", .txtppf = "0",
                                    .txtnsc = "0", .txtnsci = "0", .txttf1 = "0", .txttf2 = "0", .txtinf = "0",
                                    .txtos = "0", .txt80ccc = "0", .txt80ccdec = "0", .txt80ccdgc = "10000",
                                    .txt80ccf = "25000", .txt80d = "30000", .txt80g = "5000", .txtoth = "0"};
            return std::get<Section80Results>(computeSection80(in));
        },
        [](const Section80Results &r) {
            return std::vector<const Working *>{&r.txt80c.working, &r.txttot1.working, &r.txtgt80.working};
        });
    reportWorkings(
        "workings, salary",
        [] {
            salary::SalarySheet sheet;
            sheet.cbonps = "Y";
            sheet.txtoth.fill("0");
            sheet.txtbp.fill("25000");
            sheet.txtgp.fill("4600");
            return std::get<salary::SalaryResults>(salary::computeSalary(sheet));
        },
        [](const salary::SalaryResults &r) {
            std::vector<const Working *> all{&r.julyBasicPay->working, &r.txtbpt.working,  &r.txtgpt.working,
                                             &r.txtdat.working,        &r.txthrat.working, &r.txtmgct.working,
                                             &r.txttpat.working,       &r.txtttlt.working, &r.txtgtotal.working};
            for (const auto *column : {&r.txtda, &r.txthra, &r.txttpa2, &r.txtmgc, &r.txtttl})
                for (const Figure &figure : *column)
                    all.push_back(&figure.working);
            return all;
        });

    // A change of an amount field's text against the same change of the name field, which has
    // the same change behaviour but no mark: the difference is what the mark costs.
    const double hint = bench::medianMicroseconds([] { (void)readingHint("5,00,000", Reading::Lenient); }, 101, 1000);
    bench::report("read as: the hint of a text", hint, "us", "under 20 us");
    bench::SilentPlatform platform;
    frmmain window(platform);
    window.show();
    const auto change = [](QLineEdit *field) {
        const QString texts[] = {QStringLiteral("25,000"), QStringLiteral("25000")};
        int turn = 0;
        return bench::medianMicroseconds([&] { field->setText(texts[++turn % 2]); }, 101, 50);
    };
    const double marked = change(window.txtgs);
    const double plain = change(window.txtname);
    bench::report("read as: a change of an amount field, mark shown or hidden", marked, "us", "under 20 us above the next");
    bench::report("read as: the same change of the name field, no mark", plain, "us", "");
    bench::report("read as: what the mark adds to a keystroke", marked - plain, "us", "under 20 us");
}
