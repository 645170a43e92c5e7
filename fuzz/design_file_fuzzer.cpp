// Any bytes opened as a design file give 17 well-formed texts, and whatever of those Save As
// accepts reads back exactly.

#include "io/design_file.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const flange::DesignInputs inputs = flange::decodeDesignFile(bytes);

    std::size_t totalSize = 0;
    for (const std::string& text : inputs) {
        // Valid UTF-8: it survives a trip through QString unchanged.
        if (QString::fromStdString(text).toStdString() != text)
            std::abort();
        totalSize += text.size();
    }
    // A byte of code page 932 never becomes more than three bytes of UTF-8.
    if (totalSize > 3 * size)
        std::abort();

    const flange::Result<QByteArray> encoded = flange::encodeDesignFile(inputs);
    if (encoded && flange::decodeDesignFile(encoded.value()) != inputs)
        std::abort();
    if (!encoded && encoded.error().field.isEmpty())
        std::abort();
    return 0;
}
