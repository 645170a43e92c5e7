#pragma once

// The worked example of the calculation sheet, an Ｍ27 joint that passes every check, as the tests
// and benchmarks read it: from examples/worked-example.sou, the same file an engineer opens.

#include "calc/design_record.h"
#include "io/design_file.h"

#include <QFile>

#include <stdexcept>

namespace flange::testing {

// The 17 input texts of a design file in examples/ ("rib-ng.sou").
inline DesignInputs exampleFile(const QString& name)
{
    QFile file(QStringLiteral(FLANGE_EXAMPLES_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("an example design cannot be read");
    return decodeDesignFile(file.readAll());
}

// The 17 input texts of the worked example's design file.
inline const DesignInputs& workedExampleFile()
{
    static const DesignInputs inputs = exampleFile(QStringLiteral("worked-example.sou"));
    return inputs;
}

// A record holding the worked example's inputs and nothing else.
inline DesignRecord workedExampleInputs()
{
    DesignRecord record;
    applyInputs(record, workedExampleFile());
    return record;
}

} // namespace flange::testing
