#include "flow/gas_constants.h"

namespace flow {

GasConstants gasConstants(double k)
{
    GasConstants gas{};
    gas.k = k;
    gas.kc1 = 2 / (1 + gas.k);
    gas.kc2 = (gas.k - 1) / 2;
    gas.kc3 = ((1 + gas.k) / (gas.k - 1)) / 2;
    gas.kc4 = 1 / gas.kc3;
    return gas;
}

bool isIdealGasK(double k)
{
    return k > 1 && k <= 5.0 / 3;
}

} // namespace flow
