// The photo transfer on a studio-sized tree: our engine beside the plain per-category
// transfer and beside `cp --no-clobber` copying the very files our engine chose.
//
//   small: 20,000 small photos in 2,000 folders, five categories of 300 chosen names
//   large: 20 photos of 20 MB, all chosen in one category
//
// Every iteration starts from the same tree with no edit folders; removing them and
// flushing the previous iteration's writes to disk are not timed.
#include "ReferenceTransfer.h"
#include "app/Registration.h"
#include "app/transfer/Categories.h"
#include "app/transfer/PhotoTransfer.h"
#include "app/uDM/uDM.h"
#include "app/uProgresso/uProgresso.h"
#include "app/uRelatorio/uRelatorio.h"
#include "framework/data/SQLConnection.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

extern char** environ;

namespace {

struct TScenario {
    QTemporaryDir Dir;
    QString Root;
    QList<TCategoryRequest> Categories;
    QList<QStringList> Sources; // per category, the files our engine copies: cp's work
};

void WriteFile(const QString& path, qsizetype size, std::mt19937& random)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(random());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != size)
        qFatal("cannot write %s", qPrintable(path));
}

void RemoveEditFolders(const TScenario& scenario)
{
    QDir(scenario.Root + "/Edicao").removeRecursively();
    sync();
}

// What our engine copies is the list cp is given, so both copy the same files.
void FindSources(TScenario& scenario)
{
    const TTransferReport report = TransferPhotos(scenario.Root, scenario.Categories);
    for (const TCategoryResult& category : report.Categories) {
        QStringList sources;
        for (const TPhotoResult& photo : category.Photos)
            if (photo.Outcome == TPhotoOutcome::Copied) sources << photo.Path;
        scenario.Sources << sources;
    }
    RemoveEditFolders(scenario);
}

// 20 sessions of 99 folders of 10 photos (2 to 6 KB), plus 10 photos in each session
// folder: 20,000 photos in 2,000 folders. One name in ten repeats across sessions, as
// cameras restart their numbering. Each category chooses 300 names, a few of them
// missing from the tree, and album and cover share some.
std::unique_ptr<TScenario> SmallScenario()
{
    auto scenario = std::make_unique<TScenario>();
    scenario->Root = scenario->Dir.path() + "/evento";
    std::mt19937 random(7);
    QStringList names;
    for (int session = 0; session < 20; ++session) {
        const QString sessionFolder = scenario->Root + QString("/Sessao %1").arg(session, 2, 10, QChar('0'));
        for (int folder = -1; folder < 99; ++folder) {
            const QString path = folder < 0 ? sessionFolder : sessionFolder + QString("/Cena %1").arg(folder);
            QDir().mkpath(path);
            for (int i = 0; i < 10; ++i) {
                const int number = (folder + 1) * 10 + i;
                const QString name = number % 10 == 0 ? QString("IMG_%1.jpg").arg(number, 4, 10, QChar('0'))
                                                      : QString("S%1_IMG_%2.JPG").arg(session).arg(number);
                WriteFile(path + "/" + name, 2048 + qsizetype(random() % 4096), random);
                names << name;
            }
        }
    }
    names.removeDuplicates();
    std::shuffle(names.begin(), names.end(), random);
    for (size_t c = 0; c < Categorias.size(); ++c) {
        TCategoryRequest request { Categorias[c].Pasta.toString(), names.mid(qsizetype(c) * 290, 300) };
        for (int i = 0; i < 10; ++i)
            request.Names[i * 30] = QString("FALTA_%1_%2.jpg").arg(c).arg(i);
        scenario->Categories << request;
    }
    for (int i = 0; i < 50; ++i) // chosen for the album and the cover
        scenario->Categories[4].Names[299 - i] = scenario->Categories[3].Names[i + 1];
    FindSources(*scenario);
    return scenario;
}

std::unique_ptr<TScenario> LargeScenario()
{
    auto scenario = std::make_unique<TScenario>();
    scenario->Root = scenario->Dir.path() + "/evento";
    std::mt19937 random(11);
    TCategoryRequest request { Categorias[0].Pasta.toString(), {} };
    for (int i = 0; i < 20; ++i) {
        const QString folder = scenario->Root + QString("/Camera %1").arg(i % 4);
        QDir().mkpath(folder);
        const QString name = QString("IMG_%1.jpg").arg(i);
        WriteFile(folder + "/" + name, 20 << 20, random);
        request.Names << name;
    }
    scenario->Categories << request;
    FindSources(*scenario);
    return scenario;
}

const TScenario& Scenario(bool large)
{
    static std::unique_ptr<TScenario> small, big;
    std::unique_ptr<TScenario>& scenario = large ? big : small;
    if (!scenario) scenario = large ? LargeScenario() : SmallScenario();
    return *scenario;
}

void RunCp(const QString& target, const QStringList& sources)
{
    QDir().mkpath(target);
    std::vector<QByteArray> args { "cp", "--no-clobber", "--preserve=mode,timestamps", "-t",
        QFile::encodeName(target) };
    for (const QString& source : sources)
        args.push_back(QFile::encodeName(source));
    std::vector<char*> argv;
    for (QByteArray& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid;
    int status = 0;
    if (posix_spawnp(&pid, "cp", nullptr, nullptr, argv.data(), environ) != 0
        || waitpid(pid, &status, 0) != pid || status != 0)
        qFatal("cp failed");
}

// OursUnflushed: our engine without the one flush per category that puts the copies on
// disk before the category's result is given; the difference is what that flush costs
// (the reference and cp never flush).
enum class TSide { Reference, Ours, OursUnflushed, Cp };

void Transfer(benchmark::State& state, TSide side, bool large)
{
    const TScenario& scenario = Scenario(large);
    for (auto _ : state) {
        state.PauseTiming();
        RemoveEditFolders(scenario);
        state.ResumeTiming();
        switch (side) {
        case TSide::Reference:
            ReferenceTransfer(scenario.Root, scenario.Categories);
            break;
        case TSide::Ours:
            benchmark::DoNotOptimize(TransferPhotos(scenario.Root, scenario.Categories));
            break;
        case TSide::OursUnflushed:
            benchmark::DoNotOptimize(TransferPhotos(scenario.Root, scenario.Categories, { true, false }));
            break;
        case TSide::Cp:
            for (qsizetype c = 0; c < scenario.Categories.size(); ++c)
                RunCp(scenario.Root + "/" + scenario.Categories[c].Pasta, scenario.Sources[c]);
            break;
        }
    }
    qsizetype files = 0;
    for (const QStringList& sources : scenario.Sources)
        files += sources.size();
    state.counters["files"] = double(files);
}

void Register()
{
    const std::tuple<const char*, TSide, const char*> sides[]
        = { { "reference", TSide::Reference, "" }, { "ours", TSide::Ours, "" },
              { "ours", TSide::OursUnflushed, "-unflushed" }, { "cp", TSide::Cp, "" } };
    for (const bool large : { false, true })
        for (const auto& [name, side, variant] : sides)
            benchmark::RegisterBenchmark(
                (std::string("Transfer/") + name + (large ? "/large" : "/small") + variant).c_str(),
                [side = side, large](benchmark::State& state) { Transfer(state, side, large); })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime(); // cp works in a child process
}

// TransferWindow: what the main window's button does beyond the engine, on the small
// tree: the five chosen lists loaded from the test server on this thread (event 101),
// then the progress window running the engine on its thread with its refresh timer and
// modal loop, then the report window built from the result (the tree has missing names,
// so the report is what the clerk gets). The names transferred are the scenario's
// 5 x 300, since the fixture's own lists are a handful of names.
int g_port = 0;

void TransferWindow(benchmark::State& state, bool engineOnly)
{
    const TScenario& scenario = Scenario(false);
    if (!engineOnly && g_port == 0) {
        state.SkipWithError("set QUIRA_TEST_DB_PORT to the port of a test server");
        return;
    }
    std::unique_ptr<TDM> dm;
    if (!engineOnly) {
        dm = std::make_unique<TDM>();
        dm->ConectMysql->SetParamValue(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        dm->ConectMysql->SetPort(g_port);
        dm->IdEmpresa = 1;
        DM = dm.get();
    }
    QStringList captions;
    for (const TCategoria& c : Categorias)
        captions << c.TabCaption.toString();
    for (auto _ : state) {
        state.PauseTiming();
        RemoveEditFolders(scenario);
        state.ResumeTiming();
        if (engineOnly) {
            benchmark::DoNotOptimize(TransferPhotos(scenario.Root, scenario.Categories));
            continue;
        }
        for (const TCategoria& c : Categorias)
            DM->LoadChosenPhotos(101, c.IdLocal);
        auto* progress = new TfrmProgresso(nullptr);
        TReportInput input;
        input.Root = scenario.Root;
        input.Captions = captions;
        input.Report = progress->Run(scenario.Root, scenario.Categories, captions);
        delete progress;
        if (TransferComplete(input)) state.SkipWithError("the scenario's missing names were found");
        auto* report = new TfrmRelatorio(nullptr, std::move(input));
        delete report;
    }
    DM = nullptr;
}

void RegisterWindow()
{
    for (const bool engineOnly : { true, false })
        benchmark::RegisterBenchmark(
            engineOnly ? "TransferWindow/engine/small" : "TransferWindow/window/small",
            [engineOnly](benchmark::State& state) { TransferWindow(state, engineOnly); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_port = qEnvironmentVariable("QUIRA_TEST_DB_PORT").toInt();
    RegisterQuiraClasses();
    Register();
    RegisterWindow();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
