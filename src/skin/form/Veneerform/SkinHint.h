#pragma once
// TvnSkinHint: the hint component a frame shows its objects' hints through (the frame's
// SkinHint). It owns the skinned hint window, drawn from the [HINTWINDOW] description of
// its store (else of the store the caller names), and the pauses: a hint asked for
// shows after HintPause just below the pointer and goes after HintHidePause.
#include "framework/Component.h"
#include "skin/data/vnSkinData/SkinData.h"

#include <QPointer>
#include <memory>

class QTimer;

namespace veneer {

class TvnSkinHintWindow;

class TvnSkinHint : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TvnSkinData* SkinData READ SkinData WRITE SetSkinData)
    Q_PROPERTY(int HintPause MEMBER m_hintPause)
    Q_PROPERTY(int HintHidePause MEMBER m_hintHidePause)
public:
    explicit TvnSkinHint(QObject* owner = nullptr);
    ~TvnSkinHint() override;

    TvnSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TvnSkinData* store);
    int HintPause() const { return m_hintPause; }
    int HintHidePause() const { return m_hintHidePause; }

    // Drops any hint pending or shown; after the pause shows `text` with `store`'s look
    // when the component has no store of its own.
    void ShowHint(const QString& text, const TvnSkinData* store = nullptr);
    // Drops a pending hint and hides a shown one without activating anything.
    void HideHint();
    // The window, once a hint has shown.
    TvnSkinHintWindow* HintWindow() const { return m_window.get(); }

    // The pauses the component starts with (ms).
    static constexpr int kDefaultHintPause = 500;
    static constexpr int kDefaultHintHidePause = 2500;

protected:
    void Notification(QObject* component, TOperation operation) override;

private:
    void TimerFired();

    QPointer<TvnSkinData> m_skinData;
    QPointer<const TvnSkinData> m_callerStore;
    int m_hintPause = kDefaultHintPause;
    int m_hintHidePause = kDefaultHintHidePause;
    QTimer* m_timer;
    QString m_pending;
    std::unique_ptr<TvnSkinHintWindow> m_window;
};

} // namespace veneer

using veneer::TvnSkinHint;
