// The formula engine's hot paths: a line through the line protocol (compile,
// evaluate, format, free) and the evaluation of an already compiled expression.
// Aims on the development machine: a typical line of about 30 characters under
// 2 us, a compiled expression of five operators under 100 ns, and compiling
// as fast against 1,000 definitions as against 4 (within 2x).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/durchgaenge.h"
#include "engine/tfktbaum.h"
#include "engine/tfunktion.h"

namespace {

struct Expression {
    const char* name;
    const char* text;
};

const Expression kExpressions[] = {
    {"plain_5_operators", "1+2*3-4/5+6"},
    {"plain_groups", "(1,5+2,25)*(3-4,125)/7"},
    {"powers_whole", "2^10+3^5-1,5^2"},
    {"powers_fraction", "2^0,5*3^1,5"},
    {"nested_functions", "SIN(COS(TAN(0,5)))+LN(EXP(2))"},
    {"functions_mixed", "SQRT(ABS(-3)+1)*FAK(5)-LG(1000)"},
    {"inverse_functions", "ARCTAN(1)*4-ARCSIN(0,5)+ARCCOS(0,2)"},
    {"variables", "A*B+A/B-B"},
    {"user_functions", "F(2)+G(3)*F(1)"},
    {"user_functions_nested", "H(F(G(1)))"},
    {"chain_of_ten", "K10*2"},
    {"typical_30_chars", "3,5*SIN(0,7)+SQRT(2)*A-F(1,5)"},
};

// One list with the definitions the expressions use, built once.
Tfktbaum& liste()
{
    static Tfktbaum* instance = [] {
        auto* l = new Tfktbaum;
        for (const char* line : {"A=2,5", "B=4", "F(X)=X^2+1", "G(Y)=2*Y-1", "H(T)=SQRT(T)+T",
                                 "K0=1"})
            if (!l->definiere(line))
                std::abort();
        for (int i = 1; i <= 10; ++i)
            if (!l->definiere("K" + std::to_string(i) + "=K" + std::to_string(i - 1) + "*1,5+1"))
                std::abort();
        return l;
    }();
    return *instance;
}

void lineProtocol(benchmark::State& state, const char* text)
{
    Tfktbaum& l = liste();
    const std::string query = std::string(text) + "=";
    std::string line;
    long double y = 0;
    for (auto _ : state) {
        line = query;
        if (!l.untersuche(line, y))
            state.SkipWithError("query failed");
        benchmark::DoNotOptimize(line.data());
        benchmark::DoNotOptimize(y);
    }
    state.SetLabel(std::to_string(query.size()) + " characters");
}

void compiledEvaluation(benchmark::State& state, const char* text)
{
    tfunktion f(&liste());
    if (!f.uebersetze(text, "", "")) {
        state.SkipWithError("does not compile");
        return;
    }
    long double y = 0;
    for (auto _ : state) {
        if (!f.berechne(0, y))
            state.SkipWithError("evaluation failed");
        benchmark::DoNotOptimize(y);
    }
}

// A list of n definitions: the four the expression uses, among names that
// begin like them (A1, F2, ...) so that the longest-match rule has work to do.
std::unique_ptr<Tfktbaum> langeListe(int n)
{
    auto l = std::make_unique<Tfktbaum>();
    for (const char* line : {"A=2,5", "B=4", "F(X)=X^2+1", "G(Y)=2*Y-1"})
        if (!l->definiere(line))
            std::abort();
    const char* anfang[] = {"A", "B", "F", "G", "W"};
    for (int i = 4; i < n; ++i) {
        const std::string name = anfang[i % 5] + std::to_string(i);
        if (!l->definiere(i % 3 ? name + "=" + std::to_string(i) : name + "(T)=T*" + std::to_string(i)))
            std::abort();
    }
    return l;
}

// Compiling one expression with names against lists of growing length.
void compileAgainstList(benchmark::State& state)
{
    const std::unique_ptr<Tfktbaum> l = langeListe(int(state.range(0)));
    for (auto _ : state) {
        tfunktion f(l.get());
        if (!f.uebersetze("3,5*SIN(0,7)+SQRT(2)*A-F(1,5)+G(B)/A", "", ""))
            state.SkipWithError("does not compile");
        benchmark::DoNotOptimize(&f);
    }
    state.counters["definitions"] = double(l->count());
}

// A set of lines in which each uses the next, so that only one can be
// defined per pass (a chain saved in reverse order): the time must grow with
// the lines, not with their square.
void chainBackwards(benchmark::State& state)
{
    const int n = int(state.range(0));
    std::vector<std::string> zeilen;
    for (int i = 0; i < n; ++i)
        zeilen.push_back("V" + std::to_string(i) + "=V" + std::to_string(i + 1) + "*2");
    zeilen.push_back("V" + std::to_string(n) + "=1");
    for (auto _ : state) {
        Tfktbaum l;
        if (!kolvar::definiere_in_durchgaengen(l, zeilen).empty())
            state.SkipWithError("lines left over");
    }
    state.counters["lines"] = double(zeilen.size());
}

void definitionLine(benchmark::State& state)
{
    Tfktbaum& l = liste();
    std::string line;
    long double y = 0;
    for (auto _ : state) {
        line = "Q(X)=X^2+3*X-SIN(X)/2";
        if (!l.untersuche(line, y))
            state.SkipWithError("definition failed");
        benchmark::DoNotOptimize(line.data());
    }
}

} // namespace

int main(int argc, char** argv)
{
    for (const Expression& e : kExpressions) {
        benchmark::RegisterBenchmark((std::string("untersuche/") + e.name).c_str(), lineProtocol,
                                     e.text);
        benchmark::RegisterBenchmark((std::string("berechne/") + e.name).c_str(),
                                     compiledEvaluation, e.text);
    }
    benchmark::RegisterBenchmark("untersuche/definition_replaced", definitionLine);
    benchmark::RegisterBenchmark("durchgaenge/chain_backwards", chainBackwards)
        ->Arg(1000)
        ->Arg(4000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("uebersetze/definitions", compileAgainstList)
        ->Arg(4)
        ->Arg(100)
        ->Arg(1000);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
