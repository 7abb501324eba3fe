// The item list over 100,000 items: the client-side dataset against the plain alternatives.
//
//   open      Dataset::open            vs a bare libpq fetch (PQexec) of the same statement
//   sort      setSort on a text column vs running the statement again with that ORDER BY
//   filter    5 client filters, one per keystroke of a 5-letter search
//             vs running the statement again with the matching ILIKE, 5 times
//   memory    Dataset::memoryUsage()   vs the bytes of the bare fetched result
//
// Needs the throwaway cluster whose socket directory is in VELTRO_PGHOST (bench/run.sh starts
// one). A scratch database is made from the template "veltro_template" when the cluster has it
// (the real schema), else from a few tables of its own; it is dropped at the end.
#include "platform/db/Connection.h"
#include "platform/db/Dataset.h"
#include "platform/db/Error.h"
#include "platform/db/FieldText.h"

#include <benchmark/benchmark.h>
#include <libpq-fe.h>
#include <malloc.h>
#include <pqxx/pqxx>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

using namespace platform::db;
using platform::Error;

namespace {

// The item list of the inventory screens.
const std::string kItemsQuery =
    "select ii.*, (CASE ii.ral WHEN true THEN '+' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom,  "
    "m.s_identification, (select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) "
    "as tp_cnt,pt2.id_gds, ii2.marka as s_caption_gds from cmn_inventory_items.inventory_items ii left join "
    "cmn_inventory_items.ii_type it on ii.id_type = it.id left join cmn_inventory_items.nomenclature n on ii.id_nom = "
    "n.id left join  cmn_msm.msm m on m.id = ii.id_msm left join mnf_proc_tech.proc_tech pt2 on "
    "ii.id=pt2.id_inventory_items left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds ";
const std::string kOrderByMarka = "order by ii.marka";

const int kItems = 100000;
const char* const kSearch[] = {"с", "ст", "ста", "стал", "сталь"}; // a search typed letter by letter

// Tables the item list joins, for a cluster without the real schema.
const char* const kOwnSchema = R"(
create schema cmn_inventory_items; create schema cmn_msm; create schema mnf_proc_tech;
create table cmn_msm.msm (id numeric(15,0) primary key, s_caption varchar(254), s_identification varchar(254),
                          n_round integer not null default 0);
create table cmn_inventory_items.nomenclature (id serial primary key, s_caption varchar(254),
                                               id_department numeric(15,0) not null default 0);
create table cmn_inventory_items.ii_type (id numeric(15,0) primary key, s_caption varchar(254));
insert into cmn_inventory_items.ii_type values (0, 'Готовая продукция'), (1, 'Заготовка'), (2, 'Сырьё'), (3, 'Краска');
create table cmn_inventory_items.inventory_items (
  id numeric(15,0) primary key, marka varchar(254), id_nom integer not null default 0, id_type integer,
  id_msm numeric(15,0), massa numeric not null default 0, width numeric not null default 0,
  thick numeric not null default 0, ral boolean not null default false, ral_cons numeric not null default 0,
  cost_price numeric not null default 0);
create table mnf_proc_tech.proc_tech (id serial primary key, s_caption varchar(254),
                                      id_inventory_items numeric(15,0), id_gds numeric(15,0));
)";

// 100,000 items with believable names (kind, finish, number), a process for every third item.
const char* const kData = R"(
insert into cmn_msm.msm (id, s_caption, s_identification)
  select g, 'Единица ' || g, (array['шт','кг','м','м2','л'])[g] from generate_series(1, 5) g on conflict do nothing;
insert into cmn_inventory_items.nomenclature (id, s_caption)
  select g, 'Вид номенклатуры ' || g from generate_series(1, 20) g on conflict do nothing;
insert into cmn_inventory_items.inventory_items
    (id, marka, id_nom, id_type, id_msm, massa, width, thick, ral, ral_cons, cost_price)
  select g,
    (array['Лист','Труба','Уголок','Швеллер','Профиль','Краска','Грунт','Стол','Стеллаж','Шкаф'])[1 + g % 10] || ' ' ||
    (array['стальной','оцинкованный','алюминиевый','RAL 9003','RAL 7035','матовый','глянцевый','сталь 3',
           'медный','ПВХ'])[1 + (g / 10) % 10] || ' ' || (g * 7919 % 100000)::text,
    1 + g % 20, g % 4, 1 + g % 5, round((g % 1000) / 7.0, 6), (g % 50) * 10, (g % 7) * 0.5, g % 3 = 0,
    round((g % 13) / 100.0, 6), round((g % 997) * 1.37, 6)
  from generate_series(1, 100000) g;
insert into mnf_proc_tech.proc_tech (s_caption, id_inventory_items, id_gds)
  select 'Техпроцесс ' || g, g, 1 + (g * 31) % 100000 from generate_series(1, 100000, 3) g;
-- The per-row count of processes needs this index to stay linear in the number of items.
create index if not exists proc_tech_inventory_items_idx on mnf_proc_tech.proc_tech (id_inventory_items);
analyze;
)";

struct Environment {
    QString socketDir;
    QString database;
    bool realSchema = false;
    std::unique_ptr<Connection> connection; // the client's connection
    PGconn* pg = nullptr;                   // a bare libpq connection to the same database
};
Environment* env = nullptr;

ConnectionSettings settingsFor(const QString& database)
{
    return ConnectionSettings::driver(env->socketDir, database, QStringLiteral("postgres"), QString());
}

bool templateExists(Connection& postgres)
{
    return !postgres.exec("select 1 from pg_database where datname = 'veltro_template'").empty();
}

void createScratchDatabase()
{
    Connection postgres;
    postgres.open(settingsFor(QStringLiteral("postgres")));
    env->database = QStringLiteral("bench_dataset_%1").arg(::getpid());
    env->realSchema = templateExists(postgres);
    const std::string name = env->database.toStdString();
    postgres.exec("drop database if exists " + name + " with (force)");
    postgres.exec("create database " + name + (env->realSchema ? " template veltro_template" : ""));

    env->connection = std::make_unique<Connection>();
    env->connection->open(settingsFor(env->database));
    if (!env->realSchema)
        env->connection->exec(kOwnSchema);
    env->connection->exec(kData);

    env->pg = PQconnectdb(settingsFor(env->database).conninfo().c_str());
    if (PQstatus(env->pg) != CONNECTION_OK)
        throw Error(QString::fromUtf8(PQerrorMessage(env->pg)));
}

void dropScratchDatabase()
{
    if (env->pg)
        PQfinish(env->pg);
    env->connection.reset();
    try {
        Connection postgres;
        postgres.open(settingsFor(QStringLiteral("postgres")));
        postgres.exec("drop database if exists " + env->database.toStdString() + " with (force)");
    } catch (const Error& e) {
        std::fprintf(stderr, "could not drop %s: %s\n", qPrintable(env->database), qPrintable(e.message()));
    }
}

// A bare fetch; the caller clears the result.
PGresult* fetch(const std::string& sql, const char* param = nullptr)
{
    PGresult* r = param ? PQexecParams(env->pg, sql.c_str(), 1, nullptr, &param, nullptr, nullptr, 0)
                        : PQexec(env->pg, sql.c_str());
    if (PQresultStatus(r) != PGRES_TUPLES_OK) {
        const QString message = QString::fromUtf8(PQresultErrorMessage(r));
        PQclear(r);
        throw Error(message);
    }
    return r;
}

// The same estimate Dataset::memoryUsage() makes for the result it holds.
std::size_t resultFootprint(const PGresult* r)
{
    std::size_t text = 0;
    const int rows = PQntuples(r), columns = PQnfields(r);
    for (int row = 0; row < rows; ++row)
        for (int c = 0; c < columns; ++c)
            if (!PQgetisnull(r, row, c))
                text += std::size_t(PQgetlength(r, row, c)) + 1;
    return fieldtext::resultFootprint(std::size_t(rows), std::size_t(columns), text);
}

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

std::unique_ptr<Dataset> openedItems()
{
    auto ds = std::make_unique<Dataset>(*env->connection);
    ds->setSql(QString::fromStdString(kItemsQuery + kOrderByMarka));
    ds->open();
    return ds;
}

QString likeFilter(const char* search)
{
    return QStringLiteral("marka like '%") + filterLiteral(QString::fromUtf8(search)) + QStringLiteral("%'");
}

// ---- open ----

void BM_Open_Dataset(benchmark::State& state)
{
    Dataset ds(*env->connection);
    ds.setSql(QString::fromStdString(kItemsQuery + kOrderByMarka));
    for (auto _ : state) {
        ds.close();
        ds.open();
        benchmark::DoNotOptimize(ds.recordCount());
    }
    state.counters["rows"] = ds.recordCount();
}

void BM_Open_BareLibpq(benchmark::State& state)
{
    for (auto _ : state) {
        PGresult* r = fetch(kItemsQuery + kOrderByMarka);
        benchmark::DoNotOptimize(PQntuples(r));
        PQclear(r);
    }
}

// ---- sort: a title click on "marka", alternating descending and ascending ----

void BM_Sort_Client(benchmark::State& state)
{
    auto ds = openedItems();
    bool descending = true;
    for (auto _ : state) {
        ds->setSort(descending ? QStringLiteral("marka DESC, s_nom ASC") : QStringLiteral("marka, s_nom ASC"));
        descending = !descending;
        benchmark::DoNotOptimize(ds->fieldAt(0, 0).asString());
    }
}

void BM_Sort_ServerRequery(benchmark::State& state)
{
    bool descending = true;
    for (auto _ : state) {
        PGresult* r = fetch(kItemsQuery + (descending ? "order by ii.marka DESC, n.s_caption ASC"
                                                      : "order by ii.marka ASC, n.s_caption ASC"));
        descending = !descending;
        benchmark::DoNotOptimize(PQntuples(r));
        PQclear(r);
    }
}

// ---- filter: the search box, one filter per keystroke ----

void BM_Filter5_Client(benchmark::State& state)
{
    auto ds = openedItems();
    ds->setFiltered(true);
    int shown = 0;
    for (auto _ : state) {
        for (const char* search : kSearch) {
            ds->setFilter(likeFilter(search));
            shown = ds->recordCount();
        }
    }
    state.counters["rows_left"] = shown;
}

void BM_Filter5_ServerIlike(benchmark::State& state)
{
    const std::string sql = kItemsQuery + "where ii.marka ilike $1 " + kOrderByMarka;
    int shown = 0;
    for (auto _ : state) {
        for (const char* search : kSearch) {
            const std::string pattern = std::string("%") + search + "%";
            PGresult* r = fetch(sql, pattern.c_str());
            shown = PQntuples(r);
            PQclear(r);
        }
    }
    state.counters["rows_left"] = shown;
}

// ---- memory ----

struct MemoryFigures {
    double datasetEstimate = 0, resultEstimate = 0; // bytes, by the shared estimate
    double datasetHeap = 0, resultHeap = 0;         // bytes, measured as heap growth
};
MemoryFigures memory;

void BM_Memory(benchmark::State& state)
{
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        PGresult* r = fetch(kItemsQuery + kOrderByMarka);
        memory.resultHeap = double(heapInUse() - before);
        memory.resultEstimate = double(resultFootprint(r));
        PQclear(r);

        const std::size_t beforeDataset = heapInUse();
        auto ds = openedItems();
        ds->setSort(QStringLiteral("marka DESC, s_nom ASC"));
        ds->setFilter(likeFilter("ста"));
        ds->setFiltered(true);
        memory.datasetHeap = double(heapInUse() - beforeDataset);
        memory.datasetEstimate = double(ds->memoryUsage());
    }
    state.counters["dataset_MB"] = memory.datasetEstimate / 1e6;
    state.counters["result_MB"] = memory.resultEstimate / 1e6;
}

// Keeps the mean time per iteration of each benchmark for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    SummaryReporter() : ConsoleReporter(::isatty(1) ? OO_ColorTabular : OO_Tabular) {}

    std::map<std::string, double> ms;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                ms[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

void printSummary(const SummaryReporter& r)
{
    auto time = [&r](const char* name) {
        for (const auto& [key, value] : r.ms)
            if (key.rfind(name, 0) == 0)
                return value;
        return 0.0;
    };
    auto line = [](const char* what, const char* a, double ta, const char* b, double tb, const char* goal, bool met) {
        std::printf("%-8s %-26s %9.1f ms  %-26s %9.1f ms  ratio %5.2f  (goal %s: %s)\n", what, a, ta, b, tb,
                    tb > 0 ? ta / tb : 0.0, goal, met ? "met" : "NOT met");
    };
    const double open = time("BM_Open_Dataset"), bare = time("BM_Open_BareLibpq");
    const double sortC = time("BM_Sort_Client"), sortS = time("BM_Sort_ServerRequery");
    const double filtC = time("BM_Filter5_Client"), filtS = time("BM_Filter5_ServerIlike");
    std::printf("\nItem list, %d items (%s schema)\n", kItems, env->realSchema ? "real" : "bench's own");
    line("open", "Dataset::open", open, "bare PQexec", bare, "<= 1.2", open <= 1.2 * bare);
    line("sort", "client setSort", sortC, "server ORDER BY", sortS, "< 1", sortC < sortS);
    line("filter", "client filter x5", filtC, "server ILIKE x5", filtS, "< 1", filtC < filtS);
    const double estimateRatio = memory.datasetEstimate / memory.resultEstimate;
    std::printf("%-8s %-26s %9.1f MB  %-26s %9.1f MB  ratio %5.2f  (goal <= 1.5: %s)\n", "memory",
                "Dataset::memoryUsage", memory.datasetEstimate / 1e6, "result (PQgetlength+ovh)",
                memory.resultEstimate / 1e6, estimateRatio, estimateRatio <= 1.5 ? "met" : "NOT met");
    std::printf("%-8s %-26s %9.1f MB  %-26s %9.1f MB  ratio %5.2f  (measured heap growth)\n", "", "dataset heap",
                memory.datasetHeap / 1e6, "bare result heap", memory.resultHeap / 1e6,
                memory.resultHeap > 0 ? memory.datasetHeap / memory.resultHeap : 0.0);
}

} // namespace

BENCHMARK(BM_Open_Dataset)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_Open_BareLibpq)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_Sort_Client)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_Sort_ServerRequery)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_Filter5_Client)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_Filter5_ServerIlike)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_Memory)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv)
{
    const QByteArray socketDir = qgetenv("VELTRO_PGHOST");
    if (socketDir.isEmpty()) {
        std::fprintf(stderr, "bench_dataset: VELTRO_PGHOST is not set; it must name the socket directory of a "
                             "throwaway cluster (bench/run.sh starts one and runs this benchmark).\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    Environment environment;
    environment.socketDir = QString::fromLocal8Bit(socketDir);
    env = &environment;
    int status = 0;
    try {
        std::printf("Preparing %d items...\n", kItems);
        std::fflush(stdout);
        createScratchDatabase();
        SummaryReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        printSummary(reporter);
    } catch (const Error& e) {
        std::fprintf(stderr, "bench_dataset: %s\n", qPrintable(e.message()));
        status = 1;
    }
    dropScratchDatabase();
    benchmark::Shutdown();
    return status;
}
