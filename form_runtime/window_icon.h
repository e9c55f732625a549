#pragma once

#include <QIcon>

namespace form_runtime {

// The program's own icon, the nozzle drawing built into the executable,
// rendered once per application at the sizes title bars and task switchers use.
QIcon windowIcon();

} // namespace form_runtime
