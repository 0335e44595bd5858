#pragma once
// The page control with the five category tabs and a vertical scroll bar in each state
// (normal, hot arrow, pressed thumb, disabled), as the main window holds them.
#include "framework/Types.h"

#include <QString>

class TvnSkinData;

// Saves the picture (with the tabs on side `tabs`) as `name` in `folder`; false when it could not be written.
bool SaveScrollTabSheet(
    const QString& folder, const QString& name, TvnSkinData* skin, TTabPosition tabs = tpTop);
