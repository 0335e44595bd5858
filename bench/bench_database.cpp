// What one database action costs on loopback: the data module's actions (connect, run
// one query, copy the rows, close) beside bare Qt SQL doing the least a round trip can
// do, measured in the same run against the same server.
//
// Needs a running test server: QUIRA_TEST_DB_PORT=<port> build/bench/bench_database
// (see bench/README.md).
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/SQLConnection.h"
#include "framework/data/SQLQuery.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>

namespace {

int g_port = 0;

// The data module pointed at the test server, logged in as studio 1.
std::unique_ptr<TDM> NewDM()
{
    auto dm = std::make_unique<TDM>();
    dm->ConectMysql->SetParamValue(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    dm->ConectMysql->SetPort(g_port);
    dm->IdEmpresa = 1;
    return dm;
}

QSqlDatabase BareConnection(const QString& name)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
    db.setHostName(QStringLiteral("127.0.0.1"));
    db.setPort(g_port);
    db.setDatabaseName(QStringLiteral("zelvarion"));
    db.setUserName(QStringLiteral("zelvarion"));
    db.setPassword(QStringLiteral("pomar481736"));
    return db;
}

void SelectOne(QSqlDatabase& db, benchmark::State& state)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT 1")) || !q.next()) state.SkipWithError("SELECT 1 failed");
    benchmark::DoNotOptimize(q.value(0).toInt());
}

// One statement on an open connection.
void BaselineRoundTrip(benchmark::State& state)
{
    {
        QSqlDatabase db = BareConnection(QStringLiteral("bench-round-trip"));
        if (!db.open()) state.SkipWithError("cannot connect");
        for (auto _ : state)
            SelectOne(db, state);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-round-trip"));
}

void OursRoundTrip(benchmark::State& state)
{
    auto dm = NewDM();
    TSQLQuery query;
    query.SetSQLConnection(dm->ConectMysql);
    query.SetSQL({ QStringLiteral("SELECT 1 as um") });
    for (auto _ : state) {
        query.Close();
        query.Open();
        benchmark::DoNotOptimize(query.FieldByName(QStringLiteral("um")).AsInteger());
    }
}

// Connect, one statement, close.
void BaselineWholeAction(benchmark::State& state)
{
    {
        QSqlDatabase db = BareConnection(QStringLiteral("bench-whole-action"));
        for (auto _ : state) {
            if (!db.open()) state.SkipWithError("cannot connect");
            SelectOne(db, state);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-whole-action"));
}

// Each of the data module's actions as a window runs it.
void OursAction(benchmark::State& state, const std::function<void(TDM&)>& action)
{
    auto dm = NewDM();
    try {
        for (auto _ : state)
            action(*dm);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void OursWholeAction(benchmark::State& state)
{
    OursAction(state, [](TDM& dm) { dm.SearchEvents(QStringLiteral("%%")); });
}

void OursLogin(benchmark::State& state)
{
    OursAction(state, [](TDM& dm) {
        benchmark::DoNotOptimize(dm.CheckLogin(QStringLiteral("ana"), QStringLiteral("SOL123")).Found);
    });
}

void OursChosenList(benchmark::State& state)
{
    OursAction(state, [](TDM& dm) { dm.LoadChosenPhotos(101, 5); });
}

void OursCounts(benchmark::State& state)
{
    OursAction(state, [](TDM& dm) { dm.LoadCounts(101); });
}

} // namespace

BENCHMARK(BaselineRoundTrip)->Name("Action/baseline/round_trip")->Unit(benchmark::kMicrosecond);
BENCHMARK(OursRoundTrip)->Name("Action/ours/round_trip")->Unit(benchmark::kMicrosecond);
BENCHMARK(BaselineWholeAction)->Name("Action/baseline/whole_action")->Unit(benchmark::kMicrosecond);
BENCHMARK(OursWholeAction)->Name("Action/ours/whole_action")->Unit(benchmark::kMicrosecond);
BENCHMARK(OursLogin)->Name("Action/ours/login")->Unit(benchmark::kMicrosecond);
BENCHMARK(OursChosenList)->Name("Action/ours/chosen_list")->Unit(benchmark::kMicrosecond);
BENCHMARK(OursCounts)->Name("Action/ours/counts")->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bool ok = false;
    g_port = qEnvironmentVariable("QUIRA_TEST_DB_PORT").toInt(&ok);
    if (!ok) {
        std::fprintf(stderr,
            "bench_database: set QUIRA_TEST_DB_PORT to the port of a test server "
            "(scripts/testdb start DIR prints it)\n");
        return 2;
    }
    RegisterQuiraClasses();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
