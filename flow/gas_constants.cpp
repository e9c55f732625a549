#include "flow/gas_constants.h"

namespace flow {

GasConstants gasConstants()
{
    GasConstants gas{};
    gas.k = 1.4;
    gas.kc1 = 2 / (1 + gas.k);
    gas.kc2 = (gas.k - 1) / 2;
    gas.kc3 = ((1 + gas.k) / (gas.k - 1)) / 2;
    gas.kc4 = 1 / gas.kc3;
    return gas;
}

} // namespace flow
