#pragma once
// What every fuzz target shares: the Qt application images and fonts need, the skin
// store fed with a container, and the drawing of everything a loaded skin describes, so
// that a hostile value is followed from the text into composition.
#include <QByteArray>
#include <QByteArrayView>
#include <cstddef>
#include <cstdint>

class TvnSkinData;

namespace fuzz {

// One QGuiApplication on the offscreen platform, made on first use.
void EnsureApplication();

QByteArrayView Bytes(const std::uint8_t* data, std::size_t size);

// A container holding no pictures and `text` as its description.
QByteArray ContainerWithText(QByteArrayView text);

// Loads an uncompressed container into `store` the way the program does, through a
// compressed block; the block is stored (level 0) so a run costs a copy, not a deflate.
// Errors the store raises for damaged input are expected and swallowed; anything else
// (a crash, a sanitizer report, a huge allocation) is the finding.
void LoadContainer(TvnSkinData& store, QByteArrayView container);

// Composes the frame and every control record of a loaded store at its own size and at
// a larger and a smaller one, with the window shapes its masks give.
void DrawLoadedSkin(const TvnSkinData& store);

} // namespace fuzz
