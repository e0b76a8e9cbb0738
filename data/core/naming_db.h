// The naming connection of the workbench: one connection to Dazezed.dll with its
// two query objects. The plan query serves the stroke and element lookups and the
// stroke plans on the user-interface thread; the run query belongs to the
// generation worker.
#pragma once

#include "data/core/refdb.h"

namespace mirevo {

struct NamingDatabase {
  explicit NamingDatabase(RefDb db = RefDb::Dazezed) : connection(db), plan_query(connection), run_query(connection) {}
  Connection connection;
  Query plan_query;
  Query run_query;
};

}  // namespace mirevo
