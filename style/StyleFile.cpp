#include "style/StyleFile.h"

StyleFile::~StyleFile()
{
    for (size_t i = 0; i < scenes.size(); ++i)
        delete scenes[i];
    scenes.clear();
}

int StyleFile::ParseFile(LPCTSTR /*lpszPath*/)
{
    // The reader comes with the file format; until then no file is valid.
    return 0;
}
