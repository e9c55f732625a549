#pragma once

#include <QIcon>

namespace form_runtime {

// The program's own icon, the nozzle drawing built into the executable at the
// sizes title bars and task switchers use (rendered by scripts/render-icons).
QIcon windowIcon();

} // namespace form_runtime
