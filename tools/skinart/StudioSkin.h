#pragma once
// The studio skin: which picture holds what, and the painters that fill each picture and
// describe the records drawn from it.
#include "Palette.h"
#include "SkinBuilder.h"

namespace art {

// The numbered pictures. Records name them by these indices.
enum TPictureIndex : int {
    picCaptionButtons = 0,
    picCaptionGlow = 1,
    picCaptionGlowMask = 2,
    picButtons = 3,
    picChecks = 4,
    picPanels = 5,
    picScrollBars = 6,
    picTabs = 7,
    picEdits = 8,
    picLists = 9,
    picGauges = 10,
    picMenus = 11,
    picPopup = 12,
    picPopupMask = 13,
    picButtonGlow = 14,
    picButtonGlowMask = 15,
    picHint = 16,
    picHintMask = 17,
};

// The caption buttons' picture: one row per button, one column per look, 18 x 18 each.
enum TCaptionButtonRow : int {
    cbClose,
    cbMaximize,
    cbMinimize,
    cbSysMenu,
    cbRollUp,
    cbTray,
    cbMenuBarSysMenu,
    cbMenuBarClose,
    cbMenuBarMaximize,
    cbMenuBarMinimize,
    cbRowCount
};
enum TCaptionButtonLook : int {
    lkNormal,
    lkActive,
    lkDown,
    lkInactive,
    lkDisabled,
    lkRestore,
    lkRestoreActive,
    lkRestoreDown,
    lkRestoreInactive,
    lkLookCount
};
inline constexpr int kCaptionButtonSize = 18;
QRect CaptionButtonLook(TCaptionButtonRow row, TCaptionButtonLook look);
// The caption buttons' picture, and their glow: a soft accent ring hugging the button,
// kGlowMargin pixels around it, shown at 110/255 over the desktop.
QImage PaintCaptionButtons();
QImage PaintCaptionGlow();
QImage PaintCaptionGlowMask();
inline constexpr int kGlowMargin = 4;
// The caption button of row `row` (its name, command and hint), added to the skin.
void AddCaptionButton(TSkinBuilder& skin, TCaptionButtonRow row);
// A caption button record drawn from row `row` of that picture.
void SetCaptionButton(
    TvnDataSkinStdButton& button, TCaptionButtonRow row, TvnSkinCommand command, const QString& hint);

// The skin's one text font.
inline constexpr const char* kFontName = "Arial";
inline constexpr int kFontHeight = 13;
// Static texts and check box captions: the forms place them in tight, fixed spaces
// ("Quantidade de Foto.:" before its count at x 112, "Salvar Fotos. Bioombo" in a
// 139-pixel box), where 13-pixel Arial does not fit.
inline constexpr int kSmallFontHeight = 11;

// Font name, height, style and colour of any record that has them.
template <class Record> void SetFont(Record& record, QRgb colour, TFontStyles style = {})
{
    record.FontName = QString::fromLatin1(kFontName);
    record.FontHeight = kFontHeight;
    record.FontStyle = style;
    record.FontColor = palette::ToTColor(colour);
}

// Nine-part geometry of a custom control record: corner points at `inset` from the
// edges of its skin rectangle and the client rectangle between them, every part
// stretched (gradients) or, with `tileMiddle`, the middle tiled (textures).
void SetNinePart(TvnDataSkinCustomControl& record, QSize skin, int inset, bool tileMiddle = false);
void SetNinePart(TvnDataSkinCustomControl& record, QRect client, bool tileMiddle = false);

// A check box (or, with `radio`, a radio button) mark 13 x 13 in `cell`, painted on
// `backdrop` (the face it will be drawn on) with the corners outside the shape set to the
// transparent colour.
enum class TCheckState { Unchecked, Checked, Grayed };
enum class TCheckMood { Normal, Hot, Disabled };
void PaintCheckMark(
    QImage& image, const QRect& cell, TCheckState state, TCheckMood mood, QRgb backdrop, bool radio);
inline constexpr int kCheckSize = 13;

// Each painter adds its pictures and records.
void AddFrame(TSkinBuilder& skin);
void AddButtons(TSkinBuilder& skin);
void AddCheckBoxes(TSkinBuilder& skin);
void AddPanels(TSkinBuilder& skin);
void AddScrollBars(TSkinBuilder& skin);
void AddTabs(TSkinBuilder& skin);
void AddEdits(TSkinBuilder& skin);
void AddLists(TSkinBuilder& skin);
void AddGauges(TSkinBuilder& skin);
void AddSkinColors(TSkinBuilder& skin);
void AddLabels(TSkinBuilder& skin);

} // namespace art
