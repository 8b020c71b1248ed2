// TStrings, the runtime's abstract list of texts with attached objects, and TStringList.
#pragma once

#include "platform/runtime/component.h"
#include "platform/runtime/text_encoding.h"
#include "platform/runtime/types.h"

#include <functional>
#include <optional>
#include <vector>

namespace gw {

class TStream;

// A list of texts, each with an optional (not owned) object. Positions are 0-based; a position
// outside the list raises EStringListError "List index out of bounds (n)".
//
// Files and streams: loading decides the encoding by the byte-order mark (UTF-8, UTF-16LE,
// UTF-16BE), otherwise by the encoding given or, without one, valid UTF-8 is UTF-8 and anything
// else Windows-1252 (so "a mark, else ANSI" is LoadFromFile(name, Ansi)). Saving without an
// explicit encoding uses the encoding the list was loaded with (and its mark); a list never
// loaded is saved as Windows-1252 when every character fits, otherwise as UTF-8 with a mark,
// so that no character is lost. SaveToFile replaces the file whole or not at all.
class TStrings : public TPersistent {
public:
    String ClassName() const override { return u"TStrings"; }

    virtual Integer Count() const = 0;
    virtual String Get(Integer Index) const = 0;
    virtual void Put(Integer Index, const String& S);
    virtual TObject* GetObject(Integer Index) const;
    virtual void PutObject(Integer Index, TObject* AObject);
    virtual void Clear() = 0;
    virtual void Delete(Integer Index) = 0;
    virtual void Insert(Integer Index, const String& S) = 0;
    virtual void InsertObject(Integer Index, const String& S, TObject* AObject);
    // Position of the new text (in a sorted list, where it was placed).
    virtual Integer Add(const String& S);
    virtual Integer AddObject(const String& S, TObject* AObject);
    void Append(const String& S) { Add(S); }
    virtual void AddStrings(const TStrings* Strings);
    virtual void Exchange(Integer Index1, Integer Index2);
    virtual void Move(Integer CurIndex, Integer NewIndex);
    // First position of S (compared as CompareStrings does), -1 when absent.
    virtual Integer IndexOf(StringView S) const;
    // First position whose name part equals Name (compared as CompareStrings does), or -1.
    Integer IndexOfName(StringView Name) const;
    Integer IndexOfObject(const TObject* AObject) const;
    bool Equals(const TStrings* Strings) const;

    String Strings(Integer Index) const { return Get(Index); }
    void SetStrings(Integer Index, const String& S) { Put(Index, S); }
    TObject* Objects(Integer Index) const { return GetObject(Index); }
    void SetObjects(Integer Index, TObject* AObject) { PutObject(Index, AObject); }

    // "name=value" entries: the name is the part before the first NameValueSeparator (empty
    // when there is none). SetValues with an empty value deletes the entry.
    String Names(Integer Index) const;
    String Values(StringView Name) const;
    void SetValues(StringView Name, const String& Value);
    String ValueFromIndex(Integer Index) const;
    void SetValueFromIndex(Integer Index, const String& Value);

    // Items joined by Delimiter; an item holding a blank or control character, the QuoteChar
    // or the Delimiter is quoted (inner quotes doubled). Reading splits at Delimiter and, unless
    // StrictDelimiter, at blanks; quoted items may hold either. A lone empty item is "".
    String DelimitedText() const;
    void SetDelimitedText(StringView Value);
    // DelimitedText with ',' and '"' whatever Delimiter and QuoteChar are.
    String CommaText() const;
    void SetCommaText(StringView Value);
    // Every item followed by LineBreak. Reading splits at CR LF, CR or LF (or at LineBreak when
    // it is something else); a final line break does not add an empty item.
    virtual String Text() const;
    virtual void SetText(StringView Value);

    void BeginUpdate();
    void EndUpdate();
    Integer UpdateCount() const { return m_updateCount; }

    // Copies the texts and objects of another TStrings.
    void Assign(TPersistent* Source) override;

    void LoadFromFile(const String& FileName);
    void LoadFromFile(const String& FileName, TTextEncoding Encoding);
    void SaveToFile(const String& FileName) const;
    void SaveToFile(const String& FileName, TTextEncoding Encoding, bool WriteBOM = true) const;
    // Streams read from the current position to the end, and write at the current position.
    void LoadFromStream(TStream* Stream);
    void LoadFromStream(TStream* Stream, TTextEncoding Encoding);
    void SaveToStream(TStream* Stream) const;
    void SaveToStream(TStream* Stream, TTextEncoding Encoding, bool WriteBOM = true) const;
    // The encoding of the last load, if any, and whether the source carried a byte-order mark.
    std::optional<TTextEncoding> Encoding() const { return m_encoding; }
    bool HadBOM() const { return m_hadBom; }

    Char Delimiter = u',';
    Char QuoteChar = u'"';
    Char NameValueSeparator = u'=';
    bool StrictDelimiter = false;
    // The Windows line break, which the configuration files the system exchanges use.
    String LineBreak = u"\r\n";

protected:
    // Without case by default; TStringList follows its CaseSensitive.
    virtual Integer CompareStrings(StringView S1, StringView S2) const;
    // Called with true when the first BeginUpdate starts and false when the last ends.
    virtual void SetUpdateState(bool /*Updating*/) {}
    [[noreturn]] static void IndexError(Integer Index);
    void CheckIndex(Integer Index) const;

private:
    String JoinDelimited(Char Delim, Char Quote) const;
    void SplitDelimited(StringView Value, Char Delim, Char Quote);
    void LoadBytes(std::string_view Bytes, std::optional<TTextEncoding> Encoding);
    std::string SaveBytes(std::optional<TTextEncoding> Encoding, bool WriteBOM) const;

    Integer m_updateCount = 0;
    std::optional<TTextEncoding> m_encoding;
    bool m_hadBom = false;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
// < 0, 0, > 0 as the item at Index1 sorts before, with or after the item at Index2.
using TStringListSortCompare = std::function<Integer(TStringList* List, Integer Index1, Integer Index2)>;

// The runtime's string list. Sorted lists keep their order on Add and answer Find by binary
// search; Insert, Put and Move on a sorted list raise EStringListError
// "Operation not allowed on sorted list" and change nothing. Duplicates applies to sorted
// lists only.
class TStringList : public TStrings {
public:
    TStringList() = default;

    String ClassName() const override { return u"TStringList"; }

    Integer Count() const override { return static_cast<Integer>(m_items.size()); }
    String Get(Integer Index) const override;
    void Put(Integer Index, const String& S) override;
    TObject* GetObject(Integer Index) const override;
    void PutObject(Integer Index, TObject* AObject) override;
    void Clear() override;
    void Delete(Integer Index) override;
    void Insert(Integer Index, const String& S) override;
    void InsertObject(Integer Index, const String& S, TObject* AObject) override;
    Integer Add(const String& S) override;
    Integer AddObject(const String& S, TObject* AObject) override;
    void Exchange(Integer Index1, Integer Index2) override;
    void Move(Integer CurIndex, Integer NewIndex) override;
    Integer IndexOf(StringView S) const override;

    // Binary search of a sorted list: true when found; Index is the position of the first
    // match, or where S would be inserted.
    virtual bool Find(StringView S, Integer& Index) const;
    // Stable sorts; sorting a Sorted list again does nothing.
    virtual void Sort();
    virtual void CustomSort(const TStringListSortCompare& Compare);

    bool Sorted() const { return m_sorted; }
    void SetSorted(bool Value);
    bool CaseSensitive() const { return m_caseSensitive; }
    void SetCaseSensitive(bool Value);

    TDuplicates Duplicates = dupIgnore;
    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    Integer CompareStrings(StringView S1, StringView S2) const override;
    void SetUpdateState(bool Updating) override;
    virtual void Changed();
    virtual void Changing();

private:
    struct Item {
        String Text;
        TObject* Object = nullptr;
    };
    void InsertItem(Integer Index, const String& S, TObject* AObject);
    void ExchangeItems(Integer Index1, Integer Index2);

    std::vector<Item> m_items;
    bool m_sorted = false;
    bool m_caseSensitive = false;
};

}  // namespace gw
