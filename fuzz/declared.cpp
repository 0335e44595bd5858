// The declared-data text that windows and the data module are built from.
#include "FuzzSupport.h"
#include "framework/Exception.h"
#include "framework/declared/DeclaredTree.h"

#include <QString>

namespace {

void Describe(const TDeclaredObject& object)
{
    for (const TDeclaredProperty& property : object.properties)
        property.value.Describe();
    for (const TDeclaredObject& child : object.children)
        Describe(child);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::EnsureApplication();
    const QString text = QString::fromLatin1(fuzz::Bytes(data, size));
    try {
        Describe(ParseDeclared(text, QStringLiteral("fuzz.dfm")));
    } catch (const Exception&) {
    }
    return 0;
}
