#pragma once

// Creates every table of project.db ("create table if not exists", safe at every start)
// and the ADMIN seed row. Returns false if any statement failed; each failure is logged.
bool createProjectTables();
