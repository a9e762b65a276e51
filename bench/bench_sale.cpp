// Speed of a scan into a sale on a product store of 1,000,000 rows, as a
// ratio against a bare indexed lookup on the same store, and of the totals
// of a 1,000-line sale. Run: scripts/bench.sh
#include "config/localdb.h"
#include "config/programfolder.h"
#include "folder_setup.h"
#include "sales/product_lookup.h"
#include "sales/sale_model.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <random>

namespace {

constexpr int kProducts = 1'000'000;

QString barcodeOf(int i)
{
    return QStringLiteral("86") + QString::number(i).rightJustified(11, u'0');
}

// One program folder with a large product store, made once.
const ProgramFolder& folder()
{
    static QTemporaryDir dir;
    static ProgramFolder f = [] {
        SetupOptions options;
        options.overwrite = true;
        options.demoData = false;
        setupProgramFolder(dir.path(), options);
        ProgramFolder pf(dir.path());
        sqlite3* db = nullptr;
        sqlite3_open(pf.urunDbs().toUtf8().constData(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO kasa VALUES (?,?,?,'ADET',?,?,0,0,0,0,0,?,?,'1')", -1, &st, nullptr);
        for (int i = 0; i < kProducts; ++i) {
            const QByteArray code = barcodeOf(i).toUtf8();
            const QByteArray stock = ("S" + QByteArray::number(i / 2)); // two barcodes a stock code
            const QByteArray name = "Ürün " + QByteArray::number(i);
            sqlite3_bind_text(st, 1, code.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 2, stock.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 3, name.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(st, 4, i % 3 == 0 ? 1 : i % 3 == 1 ? 10 : 20);
            sqlite3_bind_double(st, 5, 1 + (i % 10000) / 100.0);
            sqlite3_bind_double(st, 6, (i % 7 == 0) ? 0.5 : 0.0);
            sqlite3_bind_int(st, 7, i % 1000);
            sqlite3_step(st);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return pf;
    }();
    return f;
}

int randomProduct()
{
    static std::mt19937 rng(42);
    return std::uniform_int_distribution<int>(0, kProducts - 1)(rng);
}

// The baseline: open the store, one indexed lookup by barcode, read the row, close.
void BM_BareIndexedLookup(benchmark::State& state)
{
    const QByteArray path = folder().urunDbs().toUtf8();
    for (auto _ : state) {
        const QByteArray code = barcodeOf(randomProduct()).toUtf8();
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "select * from kasa where barkod=?", -1, &st, nullptr);
        sqlite3_bind_text(st, 1, code.constData(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                benchmark::DoNotOptimize(sqlite3_column_text(st, c));
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
    }
}
BENCHMARK(BM_BareIndexedLookup)->Unit(benchmark::kMicrosecond);

// A scan into a sale of up to 50 lines: lookup, merge check, line build, totals.
void BM_ScanIntoSale(benchmark::State& state)
{
    const ProductLookup lookup(folder().urunDbs(), QStringLiteral("Genel"));
    SaleTab sale;
    for (auto _ : state) {
        if (sale.rowCount() >= 50) {
            state.PauseTiming();
            sale.clear(QString(), QString());
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(lookup.enterBarcode(sale, barcodeOf(randomProduct())));
    }
}
BENCHMARK(BM_ScanIntoSale)->Unit(benchmark::kMicrosecond);

void BM_Totals1000Lines(benchmark::State& state)
{
    const ProductLookup lookup(folder().urunDbs(), QStringLiteral("Genel"));
    SaleTab sale;
    for (int i = 0; i < 1000; ++i)
        lookup.enterBarcode(sale, barcodeOf(i * 2));
    for (auto _ : state) {
        sale.computeTotals();
        benchmark::DoNotOptimize(sale.gentop);
    }
}
BENCHMARK(BM_Totals1000Lines)->Unit(benchmark::kMicrosecond);

// Prints the runs and, at the end, each benchmark's time against the bare lookup.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            m_times[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto base = m_times.find("BM_BareIndexedLookup");
        if (base == m_times.end() || base->second <= 0)
            return;
        std::printf("\nAgainst the bare indexed lookup (%.1f us):\n", base->second);
        for (const auto& [name, t] : m_times)
            std::printf("  %-24s %8.1f us  x%.2f\n", name.c_str(), t, t / base->second);
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    folder(); // build the store before any timing
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
