// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark.h"

#include <algorithm>
#include <cstdio>

namespace bench {

std::vector<Benchmark> &registry()
{
    static std::vector<Benchmark> benchmarks;
    return benchmarks;
}

double medianMicroseconds(const std::function<void()> &work, int repetitions, int batch)
{
    std::vector<double> samples;
    samples.reserve(repetitions);
    work(); // warm up
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        for (int j = 0; j < batch; ++j)
            work();
        const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
        samples.push_back(elapsed.count() / batch);
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

void report(const std::string &what, double value, const std::string &unit, const std::string &aim)
{
    std::printf("%-58s %12.2f %-3s (aim: %s)\n", what.c_str(), value, unit.c_str(), aim.c_str());
    std::fflush(stdout);
}

} // namespace bench
