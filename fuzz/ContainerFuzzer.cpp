// The scrambled data container (every file under dat/ that a theme maker can
// replace): any bytes are read, and what is read packs into a container that
// reads the same.
#include "FuzzSupport.h"

#include "data/DataContainer.h"
#include "data/Paths.h"

#include <algorithm>

using namespace zindo;
using namespace zindo::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const TContainerContent content = DecodeContainer(Bytes(Data, Size));
    Require(content.Plain.size() == std::max<qsizetype>(0, qsizetype(Size) - ContainerHeaderSize), "body length");
    const QString extension = FileExtension(content.StoredName);
    Require(!extension.contains(QLatin1Char('/')), "the copy's extension stays one path piece");

    const TContainerContent again = DecodeContainer(EncodeContainer(content.StoredName, content.Plain));
    Require(again.Plain == content.Plain, "body survives packing");
    if (!content.StoredName.contains(QLatin1Char('/')))
        Require(again.StoredName == content.StoredName.left(ContainerHeaderSize - 2), "name survives packing");
    return 0;
}
