#include "pendrake/IPDFilePath.h"

#include "pendrake/PDWrapperSuites.h"

namespace pd {
namespace {

const PDFilePathSuite4& Suite()
{
    if (!sPDFilePath) throw Error(kCantHappenErr);
    return *sPDFilePath;
}

}  // namespace

FilePath::FilePath() { Check(Suite().NewFilePath(&fRef)); }

FilePath::~FilePath()
{
    if (fRef && sPDFilePath) sPDFilePath->DisposeFilePath(fRef);
}

void FilePath::AddComponent(const UnicodeString& component) { Check(Suite().AddComponent(fRef, component.Get())); }

bool FilePath::Exists(bool resolveLinks) const
{
    ZBBoolean exists = 0;
    Check(Suite().Exists(fRef, resolveLinks ? 1 : 0, &exists));
    return exists != 0;
}

UnicodeString FilePath::GetFullPath() const
{
    UnicodeString text;
    Check(Suite().GetFullPath(fRef, text.Get()));
    return text;
}

}  // namespace pd
