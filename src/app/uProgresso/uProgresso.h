#pragma once
// The transfer's progress window: while the photo tree is searched and the photos are
// copied on a thread of their own, it shows the category, the photos done of the total
// and the file at hand, and offers "Cancelar", which stops after the photo being
// copied. It is modal, so the main window takes no input meanwhile.
#include "app/transfer/PhotoTransfer.h"
#include "framework/Form.h"
#include "framework/declared/DeclaredFields.h"

#include <QMutex>
#include <atomic>
#include <functional>
#include <thread>

class QTimer;
class TvnSkinButton;
class TvnSkinGauge;
class TvnSkinStdLabel;

#define TFRMPROGRESSO_FIELDS(FIELD)                                                                          \
    FIELD(TvnSkinStdLabel, lbCategoria)                                                                      \
    FIELD(TvnSkinStdLabel, lbContagem)                                                                       \
    FIELD(TvnSkinStdLabel, lbArquivo)                                                                        \
    FIELD(TvnSkinGauge, ggProgresso)                                                                         \
    FIELD(TvnSkinButton, btnCancelar)

class TfrmProgresso : public TForm {
    Q_OBJECT
public:
    explicit TfrmProgresso(QObject* owner);
    ~TfrmProgresso() override;

    // Runs the transfer of `categories` below `root` with the window shown modally and
    // returns what it did. `captions` name the categories on screen, in the same order.
    TTransferReport Run(
        const QString& root, const QList<TCategoryRequest>& categories, const QStringList& captions);

    // Asks the transfer to stop after the photo being copied (the Cancel button).
    void RequestStop();
    bool Running() const { return m_worker.joinable(); }

    // Runs on the transfer's thread before each step, outside any lock, in every window
    // started while it is set: a caller that must find the transfer at a known point (a
    // cancel part-way that cannot come too late) holds it there. Empty: none.
    static void SetStepHook(std::function<void(const TTransferProgress&)> hook);

    // How often the window shows the latest progress while the transfer runs.
    static constexpr int kRefreshMs = 100;

    DECLARED_FIELDS(TFRMPROGRESSO_FIELDS)

public slots:
    void FormShow(QObject* Sender);
    void FormCloseQuery(QObject* Sender, bool& CanClose);
    void btnCancelarClick(QObject* Sender);

private:
    void Start();
    void Finished();
    void ShowProgress();

    QString m_root;
    QList<TCategoryRequest> m_categories;
    QStringList m_captions;
    TTransferReport m_report;
    std::thread m_worker;
    std::atomic<bool> m_stop { false };
    QTimer* m_refresh;

    QMutex m_lock; // guards m_latest, written by the transfer's thread
    TTransferProgress m_latest;
    bool m_hasProgress = false;
};
