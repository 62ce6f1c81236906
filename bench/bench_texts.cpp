// SPDX-License-Identifier: MIT
// calcora_bench_texts: the operands of the benchmark rows that the decimal
// library under Python's decimal module (libmpdec) can also compute, with the
// engine's text for each, as JSON on standard output. scripts/mpdec_reference.py
// times libmpdec on them, text in to text out, and checks that it writes the
// engine's text.
#include <cstdio>
#include <string>
#include <vector>

#include "bench_inputs.h"
#include "engine/engine.h"

namespace {

using namespace calcora::bench;

struct Row {
    std::string name;  // the reference benchmark's name in the speed table
    std::string op;    // "multiply", "divide", "sum" or "power"
    std::string a, b;
    std::string ours;
};

std::string jsonString(const std::string& text) {
    // The texts are digits, points and ASCII names: nothing to escape.
    return "\"" + text + "\"";
}

}  // namespace

int main() {
    std::vector<Row> rows = {
        {"BM_Mpdec_Multiply_500x500", "multiply", d500a(), d500b(), calcora::LargeMultiply(d500a(), d500b())},
        {"BM_Mpdec_Multiply_16000x16000", "multiply", d16000a(), d16000b(), calcora::LargeMultiply(d16000a(), d16000b())},
        {"BM_Mpdec_Multiply_2568x4", "multiply", d2568(), d4(), calcora::LargeMultiply(d2568(), d4())},
        {"BM_Mpdec_Divide_1by3_500", "divide", "1", "3", calcora::LargeDiv(kFigures, "1", "3")},
        {"BM_Mpdec_Divide_501by500_500", "divide", d501(), d500a(), calcora::LargeDiv(kFigures, d501(), d500a())},
        {"BM_Mpdec_Divide_501by4000_500", "divide", d501(), d4000(), calcora::LargeDiv(kFigures, d501(), d4000())},
        {"BM_Mpdec_Divide_501by32000_500", "divide", d501(), d32000(), calcora::LargeDiv(kFigures, d501(), d32000())},
        {"BM_Mpdec_Divide_501by32000Point_500", "divide", d501(), d32000Point(),
         calcora::LargeDiv(kFigures, d501(), d32000Point())},
        {"BM_Mpdec_Sum_32000", "sum", sumA(), sumB(), calcora::LargeAdd("+", sumA(), sumB())},
    };
    for (const std::size_t n : {1000u, 2000u, 4000u, 8000u}) {
        const std::string a = squareA(n), b = squareB(n);
        rows.push_back({"BM_Mpdec_Multiply_Square/" + std::to_string(n), "multiply", a, b, calcora::LargeMultiply(a, b)});
    }
    std::int16_t sf = 50;
    rows.push_back({"BM_Mpdec_Power_270digits_120", "power", base270(), "120", calcora::RTPower(sf, base270(), "120", "50")});

    std::printf("[\n");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        std::printf("{\"name\": %s, \"op\": %s, \"a\": %s, \"b\": %s, \"figures\": %d, \"ours\": %s}%s\n",
                    jsonString(r.name).c_str(), jsonString(r.op).c_str(), jsonString(r.a).c_str(),
                    jsonString(r.b).c_str(), int{kFigures}, jsonString(r.ours).c_str(), i + 1 < rows.size() ? "," : "");
    }
    std::printf("]\n");
}
