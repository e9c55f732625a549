#include "nozzle_case/nozzle_case.h"

#include "nozzle_case/texts.h"

NozzleCase::NozzleCase(QObject *parent) : QObject(parent), gas_(flow::gasConstants()), gasName_(nozzle_case::texts::kAir) {}

void NozzleCase::setGas(double k, const QString &name)
{
    const bool anotherK = k != gas_.k;
    if (!anotherK && name == gasName_)
        return;
    gasName_ = name;
    if (anotherK) {
        gas_ = flow::gasConstants(k);
        solution_.reset();
    }
    emit gasChanged(anotherK);
    if (anotherK)
        emit solutionChanged();
}

void NozzleCase::setSolution(Solution solution)
{
    solution_ = std::move(solution);
    emit solutionChanged();
}
