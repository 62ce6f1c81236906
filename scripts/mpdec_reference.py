#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""libmpdec, the decimal library under Python's decimal module, beside the engine.

usage: mpdec_reference.py TEXTS_BINARY [repetitions]

TEXTS_BINARY (calcora_bench_texts) prints the operands of the rows libmpdec
can compute and the engine's text for each. Every row is timed text in, text
out: the operands read into Decimal, the operation in a context that makes it
exact (or truncated to the figures, as the engine's division is), and the
result written in the engine's form. A row whose text differs from the
engine's is reported, not timed. Prints JSON: {name: median µs or error}.
"""
import decimal
import json
import statistics
import subprocess
import sys
import time
import timeit


def engine_text(value):
    """A Decimal written as the engine writes numbers: plain digits, no zero
    before the point, no trailing fraction zeros, no trailing point."""
    text = format(value, "f")
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    if text.startswith("0."):
        text = text[1:]
    return text or "0"


def operation(row):
    """The row's work as a function of no arguments returning its text."""
    a, b = row["a"], row["b"]
    op = row["op"]
    exact = decimal.Context(prec=decimal.MAX_PREC, Emax=decimal.MAX_EMAX, Emin=decimal.MIN_EMIN)
    if op == "multiply":
        return lambda: engine_text(exact.multiply(decimal.Decimal(a), decimal.Decimal(b)))
    if op == "sum":
        return lambda: engine_text(exact.add(decimal.Decimal(a), decimal.Decimal(b)))
    if op == "divide":
        cut = decimal.Context(prec=row["figures"], rounding=decimal.ROUND_DOWN)
        return lambda: engine_text(cut.divide(decimal.Decimal(a), decimal.Decimal(b)))
    if op == "power":
        # Enough figures for the exact power: the integer power is then exact.
        digits = len(a) * int(b) + 1
        whole = decimal.Context(prec=digits, Emax=decimal.MAX_EMAX)
        return lambda: engine_text(whole.power(decimal.Decimal(a), int(b)))
    raise ValueError("unknown operation " + op)


def median_microseconds(work, repetitions):
    # Processor time, as the benchmark binary's figures are.
    timer = timeit.Timer(work, timer=time.process_time)
    number, _ = timer.autorange()  # calls that take at least 0.2 s
    times = timer.repeat(repeat=repetitions, number=number)
    return statistics.median(times) / number * 1e6


def measure(texts_binary, repetitions):
    rows = json.loads(subprocess.run([texts_binary], check=True, capture_output=True, text=True).stdout)
    results = {}
    for row in rows:
        work = operation(row)
        text = work()
        if text != row["ours"]:
            results[row["name"]] = "libmpdec wrote another text (%d characters, the engine %d)" % (
                len(text), len(row["ours"]))
            continue
        results[row["name"]] = median_microseconds(work, repetitions)
    return results


def available():
    """Whether Python's decimal module is the C one, built on libmpdec."""
    return hasattr(decimal, "__libmpdec_version__")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    if not available():
        sys.exit("Python's decimal module here is not built on libmpdec")
    repetitions = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    print(json.dumps(measure(sys.argv[1], repetitions), indent=1))


if __name__ == "__main__":
    main()
