#include "uProgresso.h"

#include "framework/declared/DeclaredLoader.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/Gauge.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"

#include <QMutexLocker>
#include <QTimer>

TfrmProgresso::TfrmProgresso(QObject* owner)
    : TForm(owner)
    , m_refresh(new QTimer(this))
{
    declared::LoadRoot(this, QStringLiteral(":/forms/uProgresso.dfm"));
    BIND_DECLARED_FIELDS(TFRMPROGRESSO_FIELDS)
    m_refresh->setInterval(kRefreshMs);
    connect(m_refresh, &QTimer::timeout, this, [this] { ShowProgress(); });
}

TfrmProgresso::~TfrmProgresso()
{
    // The program may end while a transfer runs: it stops after the photo at hand, and
    // the thread never outlives the window whose state it writes.
    m_stop = true;
    if (m_worker.joinable()) m_worker.join();
}

TTransferReport TfrmProgresso::Run(
    const QString& root, const QList<TCategoryRequest>& categories, const QStringList& captions)
{
    m_root = root;
    m_categories = categories;
    m_captions = captions;
    m_report = {};
    ShowModal();
    // Closed some other way while running (the program ending): wait for the thread.
    if (m_worker.joinable()) {
        m_stop = true;
        m_worker.join();
    }
    return m_report;
}

void TfrmProgresso::FormShow(QObject*)
{
    if (!m_worker.joinable()) Start();
}

namespace {
std::function<void(const TTransferProgress&)>& StepHook()
{
    static std::function<void(const TTransferProgress&)> hook;
    return hook;
}
} // namespace

void TfrmProgresso::SetStepHook(std::function<void(const TTransferProgress&)> hook)
{
    StepHook() = std::move(hook);
}

void TfrmProgresso::Start()
{
    m_stop = false;
    m_hasProgress = false;
    m_worker = std::thread([this, hook = StepHook()] {
        TTransferOptions options;
        options.Stop = &m_stop;
        options.OnProgress = [this, &hook](const TTransferProgress& progress) {
            {
                QMutexLocker lock(&m_lock);
                m_latest = progress;
                m_hasProgress = true;
            }
            if (hook) hook(progress);
        };
        TTransferReport report = TransferPhotos(m_root, m_categories, options);
        QMetaObject::invokeMethod(
            this,
            [this, report = std::move(report)]() mutable {
                m_report = std::move(report);
                Finished();
            },
            Qt::QueuedConnection);
    });
    m_refresh->start();
}

void TfrmProgresso::Finished()
{
    if (m_worker.joinable()) m_worker.join();
    m_refresh->stop();
    ShowProgress();
    SetModalResult(mrOk);
}

void TfrmProgresso::ShowProgress()
{
    TTransferProgress p;
    {
        QMutexLocker lock(&m_lock);
        if (!m_hasProgress) return;
        p = m_latest;
    }
    if (m_stop) return;
    if (p.Step == TTransferProgress::TStep::Searching) {
        lbCategoria->SetCaption(QStringLiteral("Procurando as fotos no diretório..."));
        lbContagem->SetCaption(QStringLiteral("Pastas lidas: %1").arg(p.Done));
        ggProgresso->SetValue(0);
    } else {
        const QString category
            = p.Category >= 0 && p.Category < m_captions.size() ? m_captions.at(p.Category) : QString();
        lbCategoria->SetCaption(QStringLiteral("Copiando: ") + category);
        lbContagem->SetCaption(QStringLiteral("Fotos: %1 de %2").arg(p.Done).arg(p.Total));
        ggProgresso->SetMaxValue(static_cast<int>(std::max<qsizetype>(1, p.Total)));
        ggProgresso->SetValue(static_cast<int>(p.Done));
    }
    lbArquivo->SetCaption(p.Name);
}

void TfrmProgresso::RequestStop()
{
    if (!m_worker.joinable() || m_stop) return;
    m_stop = true;
    lbCategoria->SetCaption(
        QStringLiteral("Cancelando... a foto que está sendo copiada é terminada primeiro."));
    btnCancelar->SetEnabled(false);
}

void TfrmProgresso::btnCancelarClick(QObject*) { RequestStop(); }

void TfrmProgresso::FormCloseQuery(QObject*, bool& CanClose)
{
    // Closing means cancelling: the window goes once the thread has stopped.
    if (!m_worker.joinable()) return;
    RequestStop();
    CanClose = false;
}
