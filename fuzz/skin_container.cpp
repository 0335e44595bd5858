// The skin container as the store reads it: version, picture records, numbered
// pictures and the description, then everything the loaded skin draws.
#include "FuzzSupport.h"
#include "skin/data/vnSkinData/SkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::EnsureApplication();
    TvnSkinData store;
    fuzz::LoadContainer(store, fuzz::Bytes(data, size));
    fuzz::DrawLoadedSkin(store);
    return 0;
}
