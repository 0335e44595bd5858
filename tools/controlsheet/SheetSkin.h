#pragma once
// The skin the control sheet shows: artwork drawn in code (bevelled frames, a caption
// band, check marks), packed and loaded by the product's own packer and store.
#include "skin/data/vnSkinData/SkinData.h"

#include <QTemporaryDir>
#include <memory>

class SheetSkin {
public:
    SheetSkin();
    TvnSkinData* Store() { return &m_store; }

private:
    QTemporaryDir m_dir;
    TvnCompressedStoredSkin m_stored;
    TvnSkinData m_store;
};
