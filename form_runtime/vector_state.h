#pragma once

namespace form_runtime {

// Marks the upper halves of the AVX vector registers clean (vzeroupper) on
// processors that have them, and does nothing elsewhere. The toolkit's start-up
// can leave them dirty, and then every later call of the C library's SSE-coded
// maths functions (pow, sqrt) pays a state-transition penalty of about ten
// times its own cost. form_runtime::Application calls it before every event.
void clearUpperVectorState();

} // namespace form_runtime
