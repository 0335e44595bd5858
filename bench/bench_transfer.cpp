// The photo transfer on a studio-sized tree: our engine beside the plain per-category
// transfer and beside `cp --no-clobber` copying the very files our engine chose, both
// plain and followed by `sync -f` (the same durability as ours: the copies on disk).
//
//   small: 20,000 small photos in 2,000 folders, five categories of 300 chosen names
//   large: 20 photos of 20 MB, all chosen in one category
//
// Every iteration starts from the same tree with no edit folders; removing them and
// flushing the previous iteration's writes to disk are not timed.
#include "Paired.h"
#include "ReferenceTransfer.h"
#include "app/Registration.h"
#include "app/transfer/Categories.h"
#include "app/transfer/PhotoTransfer.h"
#include "app/uDM/uDM.h"
#include "app/uPrincipal/uPrincipal.h"
#include "app/uProgresso/uProgresso.h"
#include "app/uRelatorio/uRelatorio.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/SQLConnection.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
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

void Spawn(std::vector<QByteArray> args)
{
    std::vector<char*> argv;
    for (QByteArray& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid;
    int status = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0
        || waitpid(pid, &status, 0) != pid || status != 0)
        qFatal("%s failed", argv[0]);
}

void RunCp(const QString& target, const QStringList& sources)
{
    QDir().mkpath(target);
    std::vector<QByteArray> args { "cp", "--no-clobber", "--preserve=mode,timestamps", "-t",
        QFile::encodeName(target) };
    for (const QString& source : sources)
        args.push_back(QFile::encodeName(source));
    Spawn(std::move(args));
}

// OursUnflushed: our engine naming each copy without waiting for the disk; the
// difference is what waiting costs (the reference and cp never wait). CpSync: cp, then
// `sync -f` of the file system, timed: the copies on disk, the durability ours gives.
enum class TSide { Reference, Ours, OursUnflushed, Cp, CpSync };

void Transfer(benchmark::State& state, TSide side, bool large)
{
    const TScenario& scenario = Scenario(large);
    TTransferOptions unflushed;
    unflushed.Durable = false;
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
            benchmark::DoNotOptimize(TransferPhotos(scenario.Root, scenario.Categories, unflushed));
            break;
        case TSide::Cp:
        case TSide::CpSync:
            for (qsizetype c = 0; c < scenario.Categories.size(); ++c)
                RunCp(scenario.Root + "/" + scenario.Categories[c].Pasta, scenario.Sources[c]);
            if (side == TSide::CpSync) Spawn({ "sync", "-f", QFile::encodeName(scenario.Root) });
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
    const std::tuple<const char*, TSide, const char*> sides[] = { { "reference", TSide::Reference, "" },
        { "ours", TSide::Ours, "" }, { "ours", TSide::OursUnflushed, "-unflushed" }, { "cp", TSide::Cp, "" },
        { "cp-sync", TSide::CpSync, "" } };
    for (const bool large : { false, true })
        for (const auto& [name, side, variant] : sides)
            benchmark::RegisterBenchmark(
                (std::string("Transfer/") + name + (large ? "/large" : "/small") + variant).c_str(),
                [side = side, large](benchmark::State& state) { Transfer(state, side, large); })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime(); // cp works in a child process
}

// TransferWindow: the main window's "Transfer" button to its report, on the small tree:
// the five chosen lists (the scenario's 5 x 300 names, stored on a test server of the
// bench's own beside the fixtures) loaded on this thread, the progress window running
// the engine on its thread with its refresh timer and modal loop, then the report window
// (the tree lacks a few chosen names, so the report is what the clerk gets), closed as
// soon as it shows. Beside it the engine alone on the same names.
struct TBenchServer {
    QTemporaryDir Dir;
    int Port = 0;
    bool Run(const QStringList& args, QString* out)
    {
        QProcess p;
        p.start(QStringLiteral("bash"), QStringList { QStringLiteral(QUIRA_TESTDB_SCRIPT) } + args);
        const bool ok
            = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        if (out) *out = QString::fromUtf8(p.readAllStandardOutput());
        if (!ok) std::fprintf(stderr, "scripts/testdb: %s\n", p.readAllStandardError().constData());
        return ok;
    }
    bool Start(const TScenario& scenario)
    {
        const QString names = Dir.filePath(QStringLiteral("names.sql"));
        QFile file(names);
        if (!file.open(QIODevice::WriteOnly)) return false;
        int id = 500000;
        for (qsizetype c = 0; c < scenario.Categories.size(); ++c)
            for (const QString& name : scenario.Categories[c].Names)
                file.write(QStringLiteral("INSERT INTO x9_foto_escolhida VALUES (%1, 1, 101, %2, '%3');\n")
                               .arg(id++)
                               .arg(Categorias[size_t(c)].IdLocal)
                               .arg(name)
                               .toUtf8());
        file.close();
        QString out;
        if (!Run({ "start", Dir.filePath("db"), "auto", QStringLiteral(QUIRA_FIXTURES), names }, &out))
            return false;
        Port = QRegularExpression(QStringLiteral("port=(\\d+)")).match(out).captured(1).toInt();
        return Port > 0;
    }
    ~TBenchServer()
    {
        if (Port) Run({ "stop", Dir.filePath("db") }, nullptr);
    }
};

// Closes the report window as soon as it is shown, as a clerk who has read it.
class TReportCloser : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* report = qobject_cast<TfrmRelatorio*>(watched)) {
                ++Shown;
                QMetaObject::invokeMethod(
                    report, [report] { report->btnFechar->Click(); }, Qt::QueuedConnection);
            }
        return false;
    }

public:
    int Shown = 0;
};

// The lists the window hands to the engine: each category's chosen names as the server
// holds them (the scenario's names and the fixtures' own, in the server's order), read
// with the data module's statement, in the window's category order.
QList<TCategoryRequest> ServerRequests()
{
    QList<TCategoryRequest> requests;
    for (const TCategoria& c : Categorias) {
        DM->LoadChosenPhotos(101, c.IdLocal);
        const int column = DM->cdsFotoEscolhida->FieldByName(QStringLiteral("nome_foto")).Index();
        QStringList names;
        for (const TRow& row : DM->cdsFotoEscolhida->Rows())
            names << row.at(column).toString();
        requests.append({ c.Pasta.toString(), names });
    }
    return requests;
}

// Both sides start from the same state: the same server and data module, the window
// open on the same event, no edit folders, the previous writes flushed. The engine side
// runs on the very lists the window reads, with the window's durability (the defaults).
enum class TWindowSide { Engine, Ours, Paired };

void TransferWindow(benchmark::State& state, TWindowSide side)
{
    const TScenario& scenario = Scenario(false);
    TBenchServer server;
    if (!server.Start(scenario)) {
        state.SkipWithError("the bench's test server did not start");
        return;
    }
    DM = new TDM;
    DM->ConectMysql->SetParamValue(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    DM->ConectMysql->SetPort(server.Port);
    DM->IdEmpresa = 1;
    frmPrincipal = new TfrmPrincipal(nullptr);
    DM->SearchEvents(QString::fromUtf8("%Luíza Araújo%"));
    DM->ChooseCurrentEvent();
    frmPrincipal->edtSalvarEM->SetText(scenario.Root);
    for (int i = 0; i < int(Categorias.size()); ++i)
        frmPrincipal->Category(i).CheckBox->SetChecked(true);
    const QList<TCategoryRequest> requests = ServerRequests();
    TReportCloser closer;
    qApp->installEventFilter(&closer);
    const auto engine = [&] {
        benchmark::DoNotOptimize(TransferPhotos(scenario.Root, requests));
        return true;
    };
    const auto click = [&] {
        frmPrincipal->btnTransferirFotoClick(frmPrincipal->btnTransferirFoto);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    };
    const auto fresh = [&] { RemoveEditFolders(scenario); };
    TPairedTimes times;
    for (auto _ : state) {
        if (side == TWindowSide::Paired) {
            // Each side of a pair starts with no edit folders and the writes before flushed.
            times.Run(click, engine, fresh);
            continue;
        }
        state.PauseTiming();
        fresh();
        state.ResumeTiming();
        if (side == TWindowSide::Engine) engine();
        if (side == TWindowSide::Ours) click();
    }
    if (side == TWindowSide::Paired) times.Report(state);
    qApp->removeEventFilter(&closer);
    // Each side copied what the engine alone copies on the scenario's lists.
    qsizetype expected = 0, copied = 0;
    for (qsizetype c = 0; c < scenario.Categories.size(); ++c) {
        expected += scenario.Sources[c].size();
        copied += QDir(scenario.Root + "/" + scenario.Categories[c].Pasta).entryList(QDir::Files).size();
    }
    if (copied != expected) state.SkipWithError("the transfer copied other files than the scenario's");
    if (side != TWindowSide::Engine && closer.Shown != int(state.iterations()))
        state.SkipWithError("the report window did not show every time");
    delete frmPrincipal;
    frmPrincipal = nullptr;
    delete DM;
    DM = nullptr;
}

void RegisterWindow()
{
    const std::pair<const char*, TWindowSide> sides[] = { { "engine", TWindowSide::Engine },
        { "ours", TWindowSide::Ours }, { "paired", TWindowSide::Paired } };
    for (const auto& [name, side] : sides) {
        auto* b = benchmark::RegisterBenchmark((std::string("TransferWindow/") + name + "/small").c_str(),
            [side = side](benchmark::State& state) { TransferWindow(state, side); });
        b->Unit(benchmark::kMillisecond)->UseRealTime();
        // Each pair takes two transfers and a flush each: a fixed count keeps the run short.
        if (side == TWindowSide::Paired) b->Iterations(9);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterQuiraClasses();
    Register();
    RegisterWindow();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
