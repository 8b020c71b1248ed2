// The configuration image bin/bank.bin: parameter block and slave records built from the files.
#pragma once

#include "platform/runtime/exceptions.h"
#include "platform/runtime/types.h"

#include <array>
#include <cstddef>
#include <vector>

namespace gw {

class TXMLDocument;

inline constexpr std::size_t Bank_Block_Size = 0x800;
inline constexpr std::size_t Bank_Slave_Count = 10;
inline constexpr std::size_t Bank_Record_Size = 32;
inline constexpr std::size_t Bank_Image_Size = Bank_Block_Size + Bank_Slave_Count * Bank_Record_Size;
// Where the gateway loads the image; the slave records follow the block there.
inline constexpr Cardinal Bank_Load_Address = 0x68000;

// Offsets in the parameter block of the fields this model fills.
enum TBankOffset : std::size_t {
    boEthernet_IP = 0x028,
    boEthernet_SM = 0x02C,
    boEthernet_GAT = 0x030,
    boApplication_Port = 0x034,
    boEthernet_TCP_Port = 0x036,
    boReserved_Port = 0x038,
    boEthernet_UDP_Port = 0x068,
    boTotal_Input = 0x074,
    boTotal_Output = 0x078,
    boMaster_IP = 0x130,
    boMaster_SM = 0x134,
    boMaster_GAT = 0x138,
    boSlave_Count = 0x278,
    boSlave_Address = 0x27C,
    boChecksum = 0x7FC
};

// One slave record as the gateway reads it (32 bytes, little-endian, in this field order).
struct TSlaveRecord {
    std::array<Byte, 4> IP_Address{};
    Word Start_Input = 0;
    Word Num_Input = 0;
    Word Input_Offset = 0;
    Word Start_Output = 0;
    Word Num_Output = 0;
    Word Output_Offset = 0;
    Word Instance_T_O = 0;
    Word Connection_Point_T_O = 0;
    Word Instance_O_T = 0;
    Word Connection_Point_O_T = 0;
    Cardinal Time_Poll = 0;
    Cardinal Dim_Header = 0;
};

// An enabled slave row whose address does not give four numbers 0-255. Row is the row's
// position in the slaves file (the grid row); the message is texts 831 + row + 832, which the
// caller may compose again from the text table.
class EBankAddressError : public Exception {
public:
    EBankAddressError(Integer Row, String Address);
    Integer Row() const { return m_row; }
    const String& Address() const { return m_address; }

private:
    Integer m_row = 0;
    String m_address;
};

// bin/bank.bin below a configuration folder.
String Bank_File_Path(const String& ConfDir);

// The image builder. Build_Bank rebuilds everything from the two files; Save_Bank writes the
// last image built, and reports any failure by raising.
class TBankImage {
public:
    // Builds the image of the configuration in ConfDir, loading its ParGen.xml and slaves file
    // into Doc. A file that is not well-formed raises EXmlError, an unusable slave address
    // EBankAddressError and an empty ConfDir (no configuration open) EInvalidOperation; in each
    // case no image is left to save.
    void Build_Bank(TXMLDocument& Doc, const String& ConfDir);
    // Writes the image to ConfDir/bin/bank.bin whole or not at all, creating bin when missing.
    // Raises EFCreateError / EWriteError when the folder or the file cannot be written, and
    // EInvalidOperation when no image has been built or ConfDir is empty.
    void Save_Bank(const String& ConfDir) const;

    // The steps of Build_Bank.
    void Init_Bank();
    void Clear_Slave_Table();
    void Load_ParGen_Bank(TXMLDocument& Doc, const String& FileName);
    void Load_Slaves_Bank(TXMLDocument& Doc, const String& FileName);
    // Seals the block with its checksum and appends it to the image; the new image length.
    std::size_t Put_Bank_Block();
    // Appends the ten records; the new image length.
    std::size_t Put_Slave_Table();

    const std::array<Byte, Bank_Block_Size>& Block() const { return m_block; }
    const std::array<TSlaveRecord, Bank_Slave_Count>& Slaves() const { return m_slaves; }
    const std::vector<Byte>& Image() const { return m_image; }

private:
    void Put32(std::size_t Offset, Cardinal Value);
    void Put16(std::size_t Offset, Word Value);
    void PutBytes(std::size_t Offset, const std::array<Byte, 4>& Bytes);
    void Append16(Word Value);
    void Append32(Cardinal Value);

    std::array<Byte, Bank_Block_Size> m_block{};
    std::array<TSlaveRecord, Bank_Slave_Count> m_slaves{};
    std::vector<Byte> m_image;
};

}  // namespace gw
