#pragma once
// How a scrolling control and an external scroll bar keep each other in step. The
// control publishes its range, page and position for each direction whenever one of
// them changes to every listener (a vertical and a horizontal bar may follow the same
// control, each under its own key); the bar drives the control back with WM_VSCROLL or
// WM_HSCROLL (Perform), a scroll code in wParam and, for the thumb codes, the position
// in lParam.
#include "framework/Types.h"
#include "platform/Messages.h"

#include <functional>
#include <vector>

struct TScrollInfo {
    int Min = 0;
    int Max = 0;
    int PageSize = 0;
    int Position = 0;
    // Whether the content outgrows the page: a bar is worth showing.
    bool Needed() const { return PageSize > 0 && Max - Min + 1 > PageSize; }
    bool operator==(const TScrollInfo&) const = default;
};

// Where a scroll code takes a scroll position: by `line` or `page`, to the thumb's
// `position`, or to either end; clamped to [min, max]. An unknown code stays.
int ScrollTarget(int code, int position, int current, int line, int page, int min, int max);

class TScrollSource {
public:
    virtual ~TScrollSource() = default;

    using TScrollListener = std::function<void(TScrollBarKind kind, const TScrollInfo& info)>;

    TScrollInfo ScrollInfo(TScrollBarKind kind) const { return m_info[kind]; }
    // One listener per key (a bar passes itself); adding under a key already present
    // replaces that key's listener only.
    void AddScrollListener(const void* key, TScrollListener listener);
    void RemoveScrollListener(const void* key);
    bool HasScrollListener(const void* key) const;
    int ScrollListenerCount() const { return static_cast<int>(m_listeners.size()); }

protected:
    // Stores the new state and tells every listener when it differs from the last one.
    void PublishScrollInfo(TScrollBarKind kind, const TScrollInfo& info);
    // Answers WM_VSCROLL and WM_HSCROLL through Scrolled; false for any other message.
    bool HandleScrollMessage(TMessage& message);
    virtual void Scrolled(TScrollBarKind kind, int code, int position) = 0;

private:
    TScrollInfo m_info[2];
    std::vector<std::pair<const void*, TScrollListener>> m_listeners;
};
