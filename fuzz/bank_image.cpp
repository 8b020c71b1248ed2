// Fuzz target: building the configuration image from arbitrary slaves and ParGen.xml files.
// The input is the slaves file, then (after a NUL byte, when there is one) ParGen.xml.
#include "fuzz/fuzz_support.h"

#include "core/bank_image.h"
#include "core/par_gen_file.h"
#include "core/slaves_file.h"
#include "platform/runtime/exceptions.h"
#include "platform/xml/xml_document.h"

namespace {

using namespace gw;
using gw::fuzz::Fail;
using gw::fuzz::ScratchFolder;

std::string Utf8(StringView s)
{
    return std::string(s.begin(), s.end());  // the file names are plain ASCII
}

Cardinal Get32(const std::vector<Byte>& image, std::size_t offset)
{
    Cardinal value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<Cardinal>(image[offset + i]) << (8 * i);
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest = gw::fuzz::Bytes(data, size);
    bool hasParGen = false;
    const std::string_view slaves = gw::fuzz::SplitAtNul(rest, &hasParGen);
    const auto& dir = ScratchFolder::Path();
    ScratchFolder::Write(dir / Utf8(Slaves_File_Name), slaves);
    if (hasParGen)
        ScratchFolder::Write(dir / Utf8(ParGen_File_Name), rest);
    else
        ScratchFolder::Remove(dir / Utf8(ParGen_File_Name));

    TXMLDocument doc;
    TBankImage bank;
    bool refused = false;
    try {
        bank.Build_Bank(doc, ScratchFolder::ToString(dir));
    } catch (const EXmlError&) {
        refused = true;
    } catch (const EBankAddressError&) {
        refused = true;
    }
    if (refused) {
        if (!bank.Image().empty()) Fail("a refused build left an image to save");
        return 0;
    }
    if (bank.Image().size() != Bank_Image_Size) Fail("an image of the wrong size");
    const auto& image = bank.Image();
    if (Get32(image, boSlave_Count) > Bank_Slave_Count) Fail("more slaves counted than the table holds");
    Cardinal sum = 0;
    for (std::size_t i = 0; i < boChecksum; ++i) sum += image[i];
    if (Get32(image, boChecksum) != sum) Fail("the block's checksum does not match its bytes");
    return 0;
}
