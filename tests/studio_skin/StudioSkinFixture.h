#pragma once
// The program's skin store as the program has it: the data module created from its
// declared data, which loads the embedded skin while it is read.
#include "app/uDM/uDM.h"
#include "skin/data/vnSkinData/OtherControlSkins.h"
#include "skin/data/vnSkinData/SkinData.h"

#include <gtest/gtest.h>
#include <memory>

namespace studiotest {

// One data module for the whole test program: creating it is what the program does once.
const TvnSkinData& ProgramSkin();
TDM& ProgramDataModule();

template <class Record> const Record& RecordNamed(const char* name)
{
    const TvnSkinData& skin = ProgramSkin();
    const auto* record = skin.ControlSkinAs<Record>(skin.FindControlSkin(QString::fromLatin1(name)));
    if (!record) throw std::runtime_error(std::string("no record ") + name + " of the expected class");
    return *record;
}

} // namespace studiotest
