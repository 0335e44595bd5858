// One BMP file: the container's bitmap reader and the decoder behind it, then the
// region of the picture's black pixels as a mask.
#include "FuzzSupport.h"
#include "framework/Exception.h"
#include "skin/data/vnSkinData/BmpDecoder.h"
#include "skin/data/vnSkinData/SkinBitmaps.h"
#include "skin/data/vnUtils/MaskRegion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::EnsureApplication();
    const QByteArrayView bytes = fuzz::Bytes(data, size);
    const QImage decoded = DecodeBmp(bytes);
    try {
        TvnByteReader reader(bytes);
        ReadBitmap(reader);
    } catch (const Exception&) {
    }
    if (!decoded.isNull()) {
        for (const vnutils::TvnRegionData& block : vnutils::RegionDataFromMask(decoded, 3, 5))
            block.Bytes();
        vnutils::RegionFromMask(decoded);
    }
    return 0;
}
