// The configuration image bin/bank.bin: parameter block and slave records built from the files.
#include "core/bank_image.h"

#include "core/address_checks.h"
#include "core/par_gen_file.h"
#include "core/slaves_file.h"
#include "platform/runtime/atomic_file.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/files.h"
#include "platform/runtime/strings.h"
#include "platform/xml/xml_document.h"

#include <numeric>
#include <string>
#include <utility>

namespace gw {

EBankAddressError::EBankAddressError(Integer Row, String Address)
    : Exception(u"Error row " + IntToStr(Row) + u"!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"),
      m_row(Row), m_address(std::move(Address))
{
}

String Bank_File_Path(const String& ConfDir)
{
    return IncludeTrailingPathDelimiter(ConfDir) + u"bin" + PathDelim + u"bank.bin";
}

namespace {

const std::array<Byte, 4> kNoAddress = {255, 255, 255, 255};

std::array<Byte, 4> Octets(const TParGenNumbers& Numbers, int First)
{
    return {static_cast<Byte>(Numbers[First]), static_cast<Byte>(Numbers[First + 1]),
            static_cast<Byte>(Numbers[First + 2]), static_cast<Byte>(Numbers[First + 3])};
}

// One attribute of a slave row through the integer conversion; Default when it is missing or
// not a number.
Integer RowNumber(const TXMLNode& Row, TSlaveColumn Column, Integer Default)
{
    String text;
    if (!Row.TryGetAttribute(Slave_Attribute(Column), text)) return Default;
    return StrToIntDef(text, Default);
}

Word RowWord(const TXMLNode& Row, TSlaveColumn Column, Integer Default)
{
    return static_cast<Word>(RowNumber(Row, Column, Default) & 0xFFFF);
}

bool RowEnabled(const TXMLNode& Row)
{
    String text;
    return Row.TryGetAttribute(Slave_Attribute(scEnable), text) && UpperCase(Trim(text)) == u"Y";
}

// A header size: "Default" (any case, also for a missing attribute) gives DefaultSize, a number
// its low three bits, anything else NotNumber.
Cardinal HeaderSize(const TXMLNode& Row, TSlaveColumn Column, Integer DefaultSize, Integer NotNumber)
{
    String text = u"Default";
    Row.TryGetAttribute(Slave_Attribute(Column), text);
    if (UpperCase(text) == u"DEFAULT") return static_cast<Cardinal>(DefaultSize);
    return static_cast<Cardinal>(StrToIntDef(text, NotNumber) & 7);
}

// The slave's address; a missing attribute means "none" (all ones), an unusable one stops the
// build instead of going to the gateway as a wrong address.
std::array<Byte, 4> RowAddress(const TXMLNode& Row, Integer RowNo)
{
    String text;
    if (!Row.TryGetAttribute(Slave_Attribute(scIP_Address), text)) return kNoAddress;
    std::array<Byte, 4> bytes{};
    if (Split_IP_Bytes(text, bytes[0], bytes[1], bytes[2], bytes[3])) throw EBankAddressError(RowNo, text);
    return bytes;
}

// An empty folder means no configuration is open; its "bin" would otherwise be the root's.
void CheckConfDir(const String& ConfDir)
{
    if (ConfDir.empty()) throw EInvalidOperation(u"No configuration is open");
}

TSlaveRecord ReadSlave(const TXMLNode& Row, Integer RowNo)
{
    TSlaveRecord record;
    record.IP_Address = RowAddress(Row, RowNo);
    record.Start_Input = RowWord(Row, scStart_Input, 0);
    record.Num_Input = RowWord(Row, scNum_Input, 0);
    record.Start_Output = RowWord(Row, scStart_Output, 0);
    record.Num_Output = RowWord(Row, scNum_Output, 0);
    record.Instance_T_O = RowWord(Row, scInstance_T_O, 1);
    record.Connection_Point_T_O = RowWord(Row, scConnection_Point_T_O, 100);
    record.Instance_O_T = RowWord(Row, scInstance_O_T, 1);
    record.Connection_Point_O_T = RowWord(Row, scConnection_Point_O_T, 101);
    record.Time_Poll = static_cast<Cardinal>(RowNumber(Row, scTime_Poll, 1000));
    record.Dim_Header = HeaderSize(Row, scDim_Header_T_O, 0, 0) | (HeaderSize(Row, scDim_Header_O_T, 4, 4) << 3);
    return record;
}

}  // namespace

void TBankImage::Put32(std::size_t Offset, Cardinal Value)
{
    for (int i = 0; i < 4; ++i) m_block[Offset + i] = static_cast<Byte>(Value >> (8 * i));
}

void TBankImage::Put16(std::size_t Offset, Word Value)
{
    m_block[Offset] = static_cast<Byte>(Value);
    m_block[Offset + 1] = static_cast<Byte>(Value >> 8);
}

void TBankImage::PutBytes(std::size_t Offset, const std::array<Byte, 4>& Bytes)
{
    for (int i = 0; i < 4; ++i) m_block[Offset + i] = Bytes[i];
}

void TBankImage::Append16(Word Value)
{
    m_image.push_back(static_cast<Byte>(Value));
    m_image.push_back(static_cast<Byte>(Value >> 8));
}

void TBankImage::Append32(Cardinal Value)
{
    for (int i = 0; i < 4; ++i) m_image.push_back(static_cast<Byte>(Value >> (8 * i)));
}

void TBankImage::Init_Bank()
{
    m_block.fill(0);
    Put32(0x000, 250000);
    Put32(0x00C, 9600);
    PutBytes(boEthernet_IP, {192, 168, 2, 205});
    PutBytes(boEthernet_SM, {255, 255, 255, 0});
    PutBytes(boEthernet_GAT, kNoAddress);
    Put16(boApplication_Port, 10000);
    Put16(boEthernet_TCP_Port, 10001);
    Put16(boReserved_Port, 10001);
    Put32(0x03C, 9600);
}

void TBankImage::Clear_Slave_Table() { m_slaves.fill(TSlaveRecord{}); }

void TBankImage::Load_ParGen_Bank(TXMLDocument& Doc, const String& FileName)
{
    if (!FileExists(FileName)) return;
    const TParGenNumbers n = Read_ParGen_Image(Doc, FileName);
    PutBytes(boMaster_IP, Octets(n, pgMaster_IP1));
    PutBytes(boMaster_SM, Octets(n, pgMaster_SM1));
    PutBytes(boMaster_GAT, n[pgMaster_EN_GAT] ? Octets(n, pgMaster_GAT1) : kNoAddress);
    PutBytes(boEthernet_IP, Octets(n, pgEthernet_IP1));
    PutBytes(boEthernet_SM, Octets(n, pgEthernet_SM1));
    PutBytes(boEthernet_GAT, n[pgEthernet_EN_GAT] ? Octets(n, pgEthernet_GAT1) : kNoAddress);
    Put16(boEthernet_TCP_Port, static_cast<Word>(n[pgEthernet_TCP_Port]));
    Put16(boEthernet_UDP_Port, static_cast<Word>(n[pgEthernet_UDP_Port]));
    Put16(boReserved_Port, 0);
}

void TBankImage::Load_Slaves_Bank(TXMLDocument& Doc, const String& FileName)
{
    Cardinal count = 0;
    Cardinal inputSum = 0;
    Cardinal outputSum = 0;
    if (FileExists(FileName)) {
        Doc.LoadFromFile(FileName);
        Integer rowNo = 1;
        // The table holds ten records: enabled rows beyond the tenth, which the slaves window
        // never writes, are left out of the image, its count and its totals.
        for (TXMLNode row = Doc.DocumentElement().FirstChild(); row && count < Bank_Slave_Count;
             row = row.NextSibling(), ++rowNo) {
            if (!RowEnabled(row)) continue;
            TSlaveRecord record = ReadSlave(row, rowNo);
            record.Input_Offset = static_cast<Word>(inputSum);
            inputSum += record.Num_Input;
            record.Output_Offset = static_cast<Word>(outputSum);
            outputSum += record.Num_Output;
            m_slaves[count++] = record;
        }
    }
    Put32(boSlave_Count, count);
    Put32(boTotal_Input, inputSum);
    Put32(boTotal_Output, outputSum);
}

std::size_t TBankImage::Put_Bank_Block()
{
    const Cardinal sum = std::accumulate(m_block.begin(), m_block.begin() + boChecksum, Cardinal{0});
    Put32(boChecksum, sum);
    m_image.insert(m_image.end(), m_block.begin(), m_block.end());
    return m_image.size();
}

std::size_t TBankImage::Put_Slave_Table()
{
    for (const TSlaveRecord& r : m_slaves) {
        m_image.insert(m_image.end(), r.IP_Address.begin(), r.IP_Address.end());
        for (Word w : {r.Start_Input, r.Num_Input, r.Input_Offset, r.Start_Output, r.Num_Output, r.Output_Offset,
                       r.Instance_T_O, r.Connection_Point_T_O, r.Instance_O_T, r.Connection_Point_O_T})
            Append16(w);
        Append32(r.Time_Poll);
        Append32(r.Dim_Header);
    }
    return m_image.size();
}

void TBankImage::Build_Bank(TXMLDocument& Doc, const String& ConfDir)
{
    // Nothing of an earlier build may survive a failed one and be saved in its place.
    m_image.clear();
    CheckConfDir(ConfDir);
    const String dir = IncludeTrailingPathDelimiter(ConfDir);
    Init_Bank();
    Clear_Slave_Table();
    Load_ParGen_Bank(Doc, dir + String(ParGen_File_Name));
    Load_Slaves_Bank(Doc, dir + String(Slaves_File_Name));
    Put32(boSlave_Address, Bank_Load_Address + Bank_Block_Size);
    Put_Bank_Block();
    Put_Slave_Table();
}

void TBankImage::Save_Bank(const String& ConfDir) const
{
    CheckConfDir(ConfDir);
    if (m_image.size() != Bank_Image_Size) throw EInvalidOperation(u"No configuration image has been built");
    const String binDir = IncludeTrailingPathDelimiter(ConfDir) + u"bin";
    if (!ForceDirectories(binDir)) throw EFCreateError(u"Cannot create folder " + binDir);
    WriteFileAtomic(Bank_File_Path(ConfDir),
                    std::string_view(reinterpret_cast<const char*>(m_image.data()), m_image.size()));
}

}  // namespace gw
