// The character element lookup window.
#pragma once

#include "data/core/refdb.h"

class QWidget;

namespace mirevo {

// Opens the lookup modally; its lookups run on the workbench's plan query.
void OpenElementLookup(QWidget* parent, Query& plan_query);

}  // namespace mirevo
