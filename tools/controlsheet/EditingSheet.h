#pragma once
// Two pictures of the controls at work: a page control with more tabs than its row holds
// (the tab scroller at the row's end, scrolled on by one tab), and a data-aware grid over
// an in-memory table with a Boolean column, a record being edited in the cell editor.
#include <QString>

class TvnSkinData;

// Each saves `name` in `folder`; false when it could not be written.
bool SaveTabScrollerSheet(const QString& folder, const QString& name, TvnSkinData* skin);
bool SaveGridEditSheet(const QString& folder, const QString& name, TvnSkinData* skin);
