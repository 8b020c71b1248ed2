// INI files: TMemIniFile keeps the file in memory until UpdateFile; TIniFile reads the file as it
// is on disk and writes every change through at once.
#pragma once

#include "platform/runtime/object.h"
#include "platform/runtime/types.h"

#include <memory>
#include <optional>

namespace gw {

class TStrings;

// Sections and keys are matched without case. Reading a missing value gives the default;
// ReadInteger/ReadFloat/ReadBool give the default for text that is not a number.
class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(String FileName) : m_fileName(std::move(FileName)) {}

    String ClassName() const override { return u"TCustomIniFile"; }
    const String& FileName() const { return m_fileName; }

    virtual String ReadString(StringView Section, StringView Ident, StringView Default) = 0;
    virtual void WriteString(StringView Section, StringView Ident, StringView Value) = 0;
    Integer ReadInteger(StringView Section, StringView Ident, Integer Default);
    void WriteInteger(StringView Section, StringView Ident, Integer Value);
    // Any number but 0 is true; written as "1" and "0".
    bool ReadBool(StringView Section, StringView Ident, bool Default);
    void WriteBool(StringView Section, StringView Ident, bool Value);
    double ReadFloat(StringView Section, StringView Ident, double Default);
    void WriteFloat(StringView Section, StringView Ident, double Value);

    // Strings receives the keys of a section / the section names / the key=value lines.
    virtual void ReadSection(StringView Section, TStrings* Strings) = 0;
    virtual void ReadSections(TStrings* Strings) = 0;
    virtual void ReadSectionValues(StringView Section, TStrings* Strings) = 0;
    virtual void EraseSection(StringView Section) = 0;
    virtual void DeleteKey(StringView Section, StringView Ident) = 0;
    virtual void UpdateFile() = 0;
    bool SectionExists(StringView Section);
    bool ValueExists(StringView Section, StringView Ident);

protected:
    void SetFileName(const String& FileName) { m_fileName = FileName; }

private:
    String m_fileName;
};

class TIniData;

// The whole file in memory (comments and blank lines kept); nothing is written before
// UpdateFile, which replaces the file whole or not at all. The file keeps its encoding: a
// byte-order mark decides it, and a file without one is Windows-1252 (as is a new file).
class TMemIniFile : public TCustomIniFile {
public:
    // Reads the file when it exists; a missing file is an empty one.
    explicit TMemIniFile(const String& FileName);
    ~TMemIniFile() override;

    String ClassName() const override { return u"TMemIniFile"; }

    String ReadString(StringView Section, StringView Ident, StringView Default) override;
    void WriteString(StringView Section, StringView Ident, StringView Value) override;
    void ReadSection(StringView Section, TStrings* Strings) override;
    void ReadSections(TStrings* Strings) override;
    void ReadSectionValues(StringView Section, TStrings* Strings) override;
    void EraseSection(StringView Section) override;
    void DeleteKey(StringView Section, StringView Ident) override;
    // Raises the atomic writer's EFCreateError / EWriteError when the file cannot be written.
    void UpdateFile() override;

    void Clear();
    // The file as text lines / from text lines, without touching the disk.
    void GetStrings(TStrings* List) const;
    void SetStrings(const TStrings* List);
    // Names another file; with Reload its contents replace the ones in memory.
    void Rename(const String& FileName, bool Reload);

private:
    std::unique_ptr<TIniData> m_data;
};

// Reads see the file as it is now; each write rewrites the file at once (whole or not at all)
// and raises EIniFileException "Unable to write to <name>" when it cannot. Values enclosed in
// matching quotes are read without them.
class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(const String& FileName);
    ~TIniFile() override;

    String ClassName() const override { return u"TIniFile"; }

    String ReadString(StringView Section, StringView Ident, StringView Default) override;
    void WriteString(StringView Section, StringView Ident, StringView Value) override;
    void ReadSection(StringView Section, TStrings* Strings) override;
    void ReadSections(TStrings* Strings) override;
    void ReadSectionValues(StringView Section, TStrings* Strings) override;
    void EraseSection(StringView Section) override;
    void DeleteKey(StringView Section, StringView Ident) override;
    // Nothing to do: every change is already on the disk.
    void UpdateFile() override {}

private:
    TMemIniFile& Fresh();
    void Store();

    std::unique_ptr<TMemIniFile> m_file;
    // What the file looked like when last read, to read it again only when it changed.
    struct Stamp {
        bool exists = false;
        Int64 size = 0, mtime = 0, inode = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const String& FileName);
    std::optional<Stamp> m_stamp;
};

}  // namespace gw
