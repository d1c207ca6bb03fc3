// Imports arbitrary text as an s2k file. A mirelo::Error is the expected way
// to refuse bad input; a crash, a sanitizer report, any other exception or a
// model that refers outside its own tables is a finding.
#include "ModelInvariants.h"
#include "model/ImportS2k.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace mirelo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TextLines lines = TextLines::FromText(std::string(reinterpret_cast<const char*>(data), size));
    try {
        fuzz::CheckReferences(ImportS2k(lines));
    } catch (const Error&) {
        // Bad input, refused with a message.
    }
    return 0;
}
