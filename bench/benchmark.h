// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A small benchmark registry. Each file registers its measurements with PELMORA_BENCHMARK;
// pelmora_bench runs them all in one QApplication (offscreen) and prints their figures.
// Timings are reported, never judged: a benchmark does not fail on time.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace bench {

struct Benchmark {
    std::string name;
    std::function<void()> run;
};

std::vector<Benchmark> &registry();

struct Registration {
    Registration(std::string name, std::function<void()> run) { registry().push_back({std::move(name), std::move(run)}); }
};

// Median wall time of one call of work, in microseconds, over the given number of repetitions
// (each repetition times `batch` calls and divides).
double medianMicroseconds(const std::function<void()> &work, int repetitions = 31, int batch = 1);

// Prints one figure with its aim: "name: 1.23 us (aim: under 5 us)".
void report(const std::string &what, double value, const std::string &unit, const std::string &aim);

} // namespace bench

#define PELMORA_BENCH_CONCAT2(a, b) a##b
#define PELMORA_BENCH_CONCAT(a, b) PELMORA_BENCH_CONCAT2(a, b)
#define PELMORA_BENCHMARK(name)                                                                                        \
    static void PELMORA_BENCH_CONCAT(benchBody_, __LINE__)();                                                          \
    static const bench::Registration PELMORA_BENCH_CONCAT(benchRegistration_, __LINE__)(                               \
        name, &PELMORA_BENCH_CONCAT(benchBody_, __LINE__));                                                            \
    static void PELMORA_BENCH_CONCAT(benchBody_, __LINE__)()
