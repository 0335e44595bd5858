// A compressed skin stream (version, length, zlib block), as a ".skn" file or a skin
// list item carries it: read, inflated and loaded by the store.
#include "FuzzSupport.h"
#include "framework/Exception.h"
#include "skin/data/vnSkinData/SkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::EnsureApplication();
    TvnCompressedStoredSkin stored;
    TvnSkinData store;
    try {
        stored.SetCompressedStreamBytes(fuzz::Bytes(data, size).toByteArray());
        store.LoadCompressedSkin(&stored);
    } catch (const Exception&) {
        return 0;
    }
    fuzz::DrawLoadedSkin(store);
    return 0;
}
