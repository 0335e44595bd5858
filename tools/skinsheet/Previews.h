#pragma once
// The tiles of the contact sheet: every record of the skin in each of its states.
#include "ContactSheet.h"
#include "SkinPaint.h"

#include <functional>

namespace sheet {

// A tile showing a control of `size` drawn by `paint` on `background`, with a margin of
// that background around it.
TTile ControlTile(const QString& label, QSize size, const QColor& background,
    const std::function<void(QPainter&, const QRect&)>& paint);

// The frame at three sizes, active and inactive.
TTiles FramePreviews(const TvnSkinData& skin);
// A window laid out like the product's main window, drawn entirely from the skin.
TTile SampleWindow(const TvnSkinData& skin);
// Caption buttons and the menu bar's buttons in every look, enlarged.
TTiles CaptionButtonPreviews(const TvnSkinData& skin);
// A popup menu with its items, the hint window; a line of text for each the skin lacks.
TTiles MenuPreviews(const TvnSkinData& skin);
// One control record in each of its states (the record's class decides which).
TTiles ControlPreviews(const TvnSkinData& skin, const TvnDataSkinControl& record);
// The kinds handled by ControlPreviews' second half (lists, fields, gauges, ...).
TTiles MoreControlPreviews(const TvnSkinData& skin, const TvnDataSkinControl& record);
// The skin's pictures as they are stored.
TTiles PicturePreviews(const TvnSkinData& skin);

} // namespace sheet
