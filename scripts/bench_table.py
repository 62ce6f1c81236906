#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs the benchmark suite and prints Calcora beside its fastest reference as two tables.

usage: bench_table.py BENCH_BINARY [repetitions]

Each row pairs one engine benchmark with the big-number library's fastest way
to the same text (text in, text out), or with a plain copy of the bytes the
work must touch; the ratio is ours over that reference. The first table holds
the speed goals of the work users reach; the second how the ratio grows with
the size of the work. Both come from one run; the exit status is 1 when a row
of either misses its goal.
"""
import json
import os
import subprocess
import sys

import mpdec_reference

# (work, our benchmark, reference benchmarks, goal as a ratio or None). A
# reference benchmark checks once that it writes our text and reports an
# error instead of a time when it does not; the fastest of those that ran is
# the row's reference.
# Every engine row within 1.2 of the fastest reference; the sum, which mpz
# cannot come near, within 4 of copying its bytes.
ENGINE_GOAL = 1.2
ROWS = [
    ("500 × 500 digits", "BM_Ours_Multiply_500x500", ["BM_Gmp_Multiply_500x500"], ENGINE_GOAL),
    ("16,000 × 16,000 digits", "BM_Ours_Multiply_16000x16000", ["BM_Gmp_Multiply_16000x16000"], ENGINE_GOAL),
    ("2,568 × 4 digits", "BM_Ours_Multiply_2568x4", ["BM_Gmp_Multiply_2568x4"], ENGINE_GOAL),
    ("1 ÷ 3 to 500 figures", "BM_Ours_Divide_1by3_500",
     ["BM_Gmp_Divide_1by3_500", "BM_Mpfr_Divide_1by3_500"], ENGINE_GOAL),
    ("501 ÷ 500 digits to 500 figures", "BM_Ours_Divide_501by500_500",
     ["BM_Gmp_Divide_501by500_500", "BM_Mpfr_Divide_501by500_500"], ENGINE_GOAL),
    ("501 ÷ 32,000-digit integer to 500 figures", "BM_Ours_Divide_501by32000_500",
     ["BM_Gmp_Divide_501by32000_500", "BM_Mpfr_Divide_501by32000_500"], ENGINE_GOAL),
    ("501 ÷ 32,000 digits with a point to 500 figures", "BM_Ours_Divide_501by32000Point_500",
     ["BM_Mpfr_Divide_501by32000Point_500"], ENGINE_GOAL),
    ("32,000-digit sum", "BM_Ours_Sum_32000", ["BM_Copy_Sum_32000"], 4),
    ("32,000-digit sum beside mpz", "BM_Ours_Sum_32000", ["BM_Gmp_Sum_32000"], ENGINE_GOAL),
    ("1000!", "BM_FactorialUP_1000", ["BM_Gmp_Factorial_FacUi", "BM_Gmp_Factorial_999Multiplications"], ENGINE_GOAL),
    ("270-digit base to the power 120", "BM_RTPower_270digits_120",
     ["BM_Gmp_PowUi_270digits_120", "BM_Gmp_120Multiplications_270digits"], ENGINE_GOAL),
    ("square root of 2 at 100 figures", "BM_SquareRoot_2_at100",
     ["BM_Gmp_Sqrt_2_scaled", "BM_Mpfr_Sqrt_2_at100"], ENGINE_GOAL),
    ("square root of a 100-digit number at 100", "BM_SquareRoot_100digits_at100",
     ["BM_Gmp_Sqrt_100digits_scaled", "BM_Mpfr_Sqrt_100digits_at100"], ENGINE_GOAL),
    ("29-digit text to fixed decimal", "BM_ToFixedDecimal_29Digits", [], None),
    ("fixed-decimal division", "BM_FixedDecimalDivide", [], None),
]

# Growth with the size: square products, 500 figures of 501 digits over ever
# longer divisors, and factorials, each within 1.2 of its reference.
GROWTH_GOAL = ENGINE_GOAL
GROWTH_ROWS = [
    ("%s × %s digits" % (n, n), ours, [ref], GROWTH_GOAL)
    for n, ours, ref in [
        ("1,000", "BM_Ours_Multiply_Square/1000", "BM_Gmp_Multiply_Square/1000"),
        ("2,000", "BM_Ours_Multiply_Square/2000", "BM_Gmp_Multiply_Square/2000"),
        ("4,000", "BM_Ours_Multiply_Square/4000", "BM_Gmp_Multiply_Square/4000"),
        ("8,000", "BM_Ours_Multiply_Square/8000", "BM_Gmp_Multiply_Square/8000"),
        ("16,000", "BM_Ours_Multiply_16000x16000", "BM_Gmp_Multiply_16000x16000"),
    ]
] + [
    ("501 ÷ %s digits to 500 figures" % d, "BM_Ours_Divide_501by%s_500" % name,
     ["BM_Gmp_Divide_501by%s_500" % name, "BM_Mpfr_Divide_501by%s_500" % name], GROWTH_GOAL)
    for d, name in [("500", "500"), ("4,000", "4000"), ("32,000", "32000")]
] + [
    ("100!", "BM_FactorialUP_n/100", ["BM_Gmp_Factorial_FacUi_n/100"], GROWTH_GOAL),
    ("500!", "BM_FactorialUP_n/500", ["BM_Gmp_Factorial_FacUi_n/500"], GROWTH_GOAL),
    ("1000!", "BM_FactorialUP_1000", ["BM_Gmp_Factorial_FacUi"], GROWTH_GOAL),
]

# The rows libmpdec can compute (scripts/mpdec_reference.py, through Python's
# decimal module): our benchmark and its libmpdec reference.
MPDEC_REFERENCES = {
    "BM_Ours_Multiply_500x500": "BM_Mpdec_Multiply_500x500",
    "BM_Ours_Multiply_16000x16000": "BM_Mpdec_Multiply_16000x16000",
    "BM_Ours_Multiply_2568x4": "BM_Mpdec_Multiply_2568x4",
    "BM_Ours_Divide_1by3_500": "BM_Mpdec_Divide_1by3_500",
    "BM_Ours_Divide_501by500_500": "BM_Mpdec_Divide_501by500_500",
    "BM_Ours_Divide_501by4000_500": "BM_Mpdec_Divide_501by4000_500",
    "BM_Ours_Divide_501by32000_500": "BM_Mpdec_Divide_501by32000_500",
    "BM_Ours_Divide_501by32000Point_500": "BM_Mpdec_Divide_501by32000Point_500",
    "BM_RTPower_270digits_120": "BM_Mpdec_Power_270digits_120",
}
MPDEC_REFERENCES.update({"BM_Ours_Multiply_Square/%d" % n: "BM_Mpdec_Multiply_Square/%d" % n
                         for n in (1000, 2000, 4000, 8000)})
# The sum's goal is the byte copy; libmpdec stands beside mpz there.
for table in (ROWS, GROWTH_ROWS):
    for i, (work, ours, refs, goal) in enumerate(table):
        if ours in MPDEC_REFERENCES and "BM_Copy_Sum_32000" not in refs:
            table[i] = (work, ours, refs + [MPDEC_REFERENCES[ours]], goal)
for i, (work, ours, refs, goal) in enumerate(ROWS):
    if "BM_Gmp_Sum_32000" in refs:
        ROWS[i] = (work, ours, refs + ["BM_Mpdec_Sum_32000"], goal)

TABLES = [
    ("Speed goals", ROWS),
    ("Growth with the size of the work (goal %g throughout)" % GROWTH_GOAL, GROWTH_ROWS),
]

# How the table names each reference.
REFERENCE_NAMES = {
    "BM_Gmp_Factorial_FacUi": "mpz_fac_ui",
    "BM_Gmp_Factorial_FacUi_n/100": "mpz_fac_ui",
    "BM_Gmp_Factorial_FacUi_n/500": "mpz_fac_ui",
    "BM_Gmp_Factorial_999Multiplications": "999 × mpz_mul_ui",
    "BM_Gmp_PowUi_270digits_120": "mpz_pow_ui",
    "BM_Gmp_120Multiplications_270digits": "120 × mpz_mul",
    "BM_Gmp_Sqrt_2_scaled": "mpz_sqrt",
    "BM_Gmp_Sqrt_100digits_scaled": "mpz_sqrt",
}


def reference_name(benchmark):
    if benchmark in REFERENCE_NAMES:
        return REFERENCE_NAMES[benchmark]
    kind = benchmark.split("_")[1]
    return {"Gmp": "mpz", "Mpfr": "MPFR", "Mpdec": "libmpdec", "Copy": "byte copy"}.get(kind, kind)


def run(binary, repetitions):
    rows = [r for _, table in TABLES for r in table]
    names = sorted({r[1] for r in rows} | {ref for r in rows for ref in r[2] if "_Mpdec_" not in ref})
    pattern = "^(" + "|".join(names) + ")$"
    out = subprocess.run(
        [binary, "--benchmark_filter=" + pattern, "--benchmark_format=json",
         f"--benchmark_repetitions={repetitions}", "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, text=True).stdout
    medians, errors = {}, {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("error_occurred"):
            errors[b["run_name"]] = b.get("error_message", "")
        elif b.get("aggregate_name") == "median":
            scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[b["time_unit"]]
            medians[b["run_name"]] = b["cpu_time"] * scale
    return medians, errors


def figure(us):
    """Three significant figures, without an exponent."""
    return "%.0f" % us if us >= 100 else "%.3g" % us


def print_table(rows, medians, errors):
    """Prints one table; returns whether a row missed its goal."""
    print("| Work | Calcora (µs) | Fastest reference (µs) | Reference | Ratio | Goal |")
    print("|---|---:|---:|---|---:|---:|")
    missing_goal = False
    for work, ours, refs, goal in rows:
        if ours not in medians:
            continue
        known = [r for r in refs if r in medians]
        ref = min(known, key=lambda r: medians[r]) if known else None
        ratio = medians[ours] / medians[ref] if ref else None
        if goal is None or (ratio is None and not any(r in errors for r in refs)):
            met = ""  # no goal, or no reference built (no GMP)
        elif ratio is None:
            # The references ran and failed, most likely their text was not
            # ours: a goal that cannot be held must not pass for one met.
            met = "≤ %g NOT CHECKED" % goal
        else:
            met = "≤ %g %s" % (goal, "ok" if ratio <= goal else "MISSED")
        missing_goal |= "MISSED" in met or "NOT CHECKED" in met
        print("| %s | %s | %s | %s | %s | %s |" % (
            work, figure(medians[ours]), figure(medians[ref]) if ref else "", reference_name(ref) if ref else "",
            "%.2f" % ratio if ratio else "", met))
    return missing_goal


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    repetitions = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    medians, errors = run(sys.argv[1], repetitions)
    # libmpdec in the same run, where the operands' program was built and
    # Python's decimal module is the one built on libmpdec.
    texts = os.path.join(os.path.dirname(sys.argv[1]), "calcora_bench_texts")
    if os.path.exists(texts) and mpdec_reference.available():
        for name, result in mpdec_reference.measure(texts, repetitions).items():
            (medians if isinstance(result, float) else errors)[name] = result
    missing_goal = False
    for i, (heading, rows) in enumerate(TABLES):
        print("%s%s\n" % ("\n" if i else "", heading))
        missing_goal |= print_table(rows, medians, errors)
    if errors:
        print("\nBenchmarks that reported an error instead of a time:\n")
        for name, message in sorted(errors.items()):
            print("- %s: %s" % (name, message))
    return 1 if missing_goal else 0


if __name__ == "__main__":
    sys.exit(main())
