// A string list read and written like a sequential text file, for the grid's text import/export.
//
// The list is loaded or saved whole; in between it is read line by line, or lines are built up
// bit by bit.
#pragma once

#include "platform/runtime/string_list.h"

namespace gw {

class TFileStringList : public TStringList {
public:
    String ClassName() const override { return u"TFileStringList"; }

    // Back to the first line; a pending Write that no WriteLn completed is dropped.
    void Reset();
    bool Eof() const { return fp >= Count(); }
    // The next line. Reading past the last one raises the list's index error.
    void ReadLn(String& s);
    // Appends to the pending line.
    void Write(const String& s);
    // Adds the pending text followed by s as a new last line.
    void WriteLn(const String& s);

private:
    Integer fp = 0;  // the next line to read
    String cache;  // written since the last completed line
};

}  // namespace gw
