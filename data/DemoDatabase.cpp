#include "DemoDatabase.h"

#include "DemoAccountScript.h"
#include "SqliteFile.h"

namespace demo {

void WriteDemoDatabase(const QString& path)
{
    NewDatabaseFile file(path);
    file.Db().Exec("BEGIN");
    file.Db().Exec(reinterpret_cast<const char*>(kDemoAccountScript));
    file.Db().Exec("COMMIT");
    file.Commit();
}

}  // namespace demo
