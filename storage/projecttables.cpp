#include "projecttables.h"

#include "captionstore.h"
#include "permissionstore.h"
#include "planmarkstore.h"
#include "plannamestore.h"
#include "portnamestore.h"
#include "salvostore.h"
#include "userstore.h"

bool createProjectTables()
{
    // Each one runs even when an earlier one failed, so one bad table does not hide the rest.
    bool ok = UserStore::initTables();
    ok = PortNameStore::createPortNameTables() && ok;
    ok = PermissionStore::createTable() && ok;
    ok = PlanNameStore::createTable() && ok;
    ok = PlanMarkStore::createTable() && ok;
    ok = CaptionStore::createTable() && ok;
    ok = SalvoStore::createTables() && ok;
    return ok;
}
