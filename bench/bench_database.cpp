// What one database action costs on loopback: the data module's actions (connect, run
// one query, copy the rows, close) beside bare Qt SQL running the same prepared statement
// with the same values, measured in the same run against the same server.
//
// Needs a running test server: QUIRA_TEST_DB_PORT=<port> build/bench/bench_database
// (see bench/README.md).
#include "Paired.h"
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/SQLConnection.h"
#include "framework/data/SQLQuery.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
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

// One statement on an open connection, prepared, executed and read on both sides: the
// data module prepares every statement it runs, as its connections last one action.
void BaselineRoundTrip(benchmark::State& state)
{
    {
        QSqlDatabase db = BareConnection(QStringLiteral("bench-round-trip"));
        if (!db.open()) state.SkipWithError("cannot connect");
        for (auto _ : state) {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            if (!q.prepare(QStringLiteral("SELECT 1 as um")) || !q.exec() || !q.next())
                state.SkipWithError("SELECT 1 failed");
            benchmark::DoNotOptimize(q.value(0).toInt());
        }
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

// Each of the data module's actions as a window runs it, and the same statement with the
// same values run by bare Qt: connect, prepare, bind, execute, copy every row's values,
// close.
struct ActionCase {
    const char* name;
    TSQLQuery* TDM::*query;
    QList<QPair<QString, QVariant>> values;
    std::function<void(TDM&)> ours;
};

const QList<ActionCase>& ActionCases()
{
    static const QList<ActionCase> cases {
        { "whole_action", &TDM::qryEvento,
            { { QStringLiteral(":dados"), QStringLiteral("%%") }, { QStringLiteral(":id_empresa"), 1 } },
            [](TDM& dm) { dm.SearchEvents(QStringLiteral("%%")); } },
        { "login", &TDM::qryUsuario,
            { { QStringLiteral(":login"), QStringLiteral("ana") },
                { QStringLiteral(":senha"), QStringLiteral("SOL123") } },
            [](TDM& dm) {
                benchmark::DoNotOptimize(
                    dm.CheckLogin(QStringLiteral("ana"), QStringLiteral("SOL123")).Found);
            } },
        { "chosen_list", &TDM::qryFotoEscolhida,
            { { QStringLiteral(":id_empresa"), 1 }, { QStringLiteral(":id_evento"), 101 },
                { QStringLiteral(":id_x9_local"), 5 } },
            [](TDM& dm) { dm.LoadChosenPhotos(101, 5); } },
        { "counts", &TDM::qryQtoFtosEscohidas,
            { { QStringLiteral(":id_empresa"), 1 }, { QStringLiteral(":id_evento"), 101 } },
            [](TDM& dm) { dm.LoadCounts(101); } },
    };
    return cases;
}

void OursAction(benchmark::State& state, const ActionCase& action)
{
    auto dm = NewDM();
    try {
        for (auto _ : state)
            action.ours(*dm);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// Bare Qt's side of an action on connection `db`: connect, prepare, bind, execute,
// copy every row's values, close. False when the server refused.
bool RunQtAction(QSqlDatabase& db, const QString& sql, const ActionCase& action)
{
    if (!db.open()) return false;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const auto& [placeholder, value] : action.values)
        q.bindValue(placeholder, value);
    if (!q.exec()) return false;
    QList<QVariant> rows;
    while (q.next())
        for (int i = 0, n = q.record().count(); i < n; ++i)
            rows.append(q.value(i));
    benchmark::DoNotOptimize(rows.size());
    q.finish();
    db.close();
    return true;
}

QString ActionSql(const ActionCase& action)
{
    return ((*NewDM()).*action.query)->SQL().join(QLatin1Char('\n'));
}

void QtAction(benchmark::State& state, const ActionCase& action)
{
    const QString sql = ActionSql(action);
    const QString name = QStringLiteral("bench-") + QLatin1String(action.name);
    {
        QSqlDatabase db = BareConnection(name);
        for (auto _ : state)
            if (!RunQtAction(db, sql, action)) state.SkipWithError("the statement failed");
    }
    QSqlDatabase::removeDatabase(name);
}

// Both sides in pairs (Paired.h): steady where the separate runs above move with the
// machine's load.
void PairedAction(benchmark::State& state, const ActionCase& action)
{
    const QString sql = ActionSql(action);
    const QString name = QStringLiteral("bench-paired-") + QLatin1String(action.name);
    TPairedTimes times;
    {
        auto dm = NewDM();
        QSqlDatabase db = BareConnection(name);
        try {
            for (auto _ : state)
                if (!times.Run(
                        [&] { return action.ours(*dm), true; }, [&] { return RunQtAction(db, sql, action); }))
                    state.SkipWithError("the statement failed");
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
        }
    }
    QSqlDatabase::removeDatabase(name);
    times.Report(state);
}

void Register()
{
    benchmark::RegisterBenchmark("Action/qt/round_trip", BaselineRoundTrip)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Action/ours/round_trip", OursRoundTrip)->Unit(benchmark::kMicrosecond);
    for (const ActionCase& action : ActionCases()) {
        const std::string name(action.name);
        benchmark::RegisterBenchmark(("Action/qt/" + name).c_str(), QtAction, action)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Action/ours/" + name).c_str(), OursAction, action)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Action/paired/" + name).c_str(), PairedAction, action)
            ->Unit(benchmark::kMicrosecond);
    }
}

} // namespace

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
    Register();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
