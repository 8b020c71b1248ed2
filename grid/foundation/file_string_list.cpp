// The sequential reading and writing of a string list.
#include "grid/foundation/file_string_list.h"

namespace gw {

void TFileStringList::Reset()
{
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(String& s)
{
    s = Get(fp);
    ++fp;
}

void TFileStringList::Write(const String& s) { cache += s; }

void TFileStringList::WriteLn(const String& s)
{
    Add(cache + s);
    cache.clear();
}

}  // namespace gw
