#include "nozzle_case/nozzle_case.h"

#include "nozzle_case/texts.h"

#include <cmath>

NozzleCase::NozzleCase(QObject *parent)
    : QObject(parent), gas_(flow::gasConstants()), gasName_(nozzle_case::texts::kAir),
      gasR_(nozzle_case::texts::kAirR)
{
}

void NozzleCase::setGas(double k, const QString &name, std::optional<double> R)
{
    const bool anotherK = k != gas_.k;
    if (!anotherK && name == gasName_ && R == gasR_)
        return;
    gasName_ = name;
    gasR_ = R;
    if (anotherK) {
        gas_ = flow::gasConstants(k);
        solution_.reset();
        noSolutionWhy_.clear();
        noSolutionCause_.clear();
    }
    emit gasChanged(anotherK);
    if (anotherK)
        emit solutionChanged();
}

void NozzleCase::setSolution(Solution solution)
{
    solution_ = std::move(solution);
    noSolutionWhy_.clear();
    noSolutionCause_.clear();
    emit solutionChanged();
}

void NozzleCase::withdrawSolution(const QString &why, const QString &cause)
{
    if (!solution_ && why == noSolutionWhy_ && cause == noSolutionCause_)
        return;
    solution_.reset();
    noSolutionWhy_ = why;
    noSolutionCause_ = cause;
    emit solutionChanged();
}

void NozzleCase::setInput(Input which, Typed typed)
{
    Typed &now = inputs_[std::size_t(which)];
    if (typed.text == now.text && typed.unit == now.unit && typed.value == now.value && typed.filled == now.filled)
        return;
    now = std::move(typed);
    if ((which == Input::pb || which == Input::pbRatio) && !now.filled)
        backPressureGiven_ = which;
    emit inputChanged(which);
    if (which == Input::p0 || which == Input::T0 || which == Input::R) {
        const std::optional<double> &p0 = input(Input::p0).value, &T0 = input(Input::T0).value, &R = input(Input::R).value;
        setReservoir(p0 && T0 && R ? std::optional<flow::Reservoir>(flow::Reservoir{*p0, *T0, *R}) : std::nullopt);
    }
}

void NozzleCase::setLookUp(Table table, std::optional<LookUp> lookUp)
{
    std::optional<LookUp> &now = lookUps_[std::size_t(table)];
    const auto same = [](const LookUp &a, const LookUp &b) {
        return a.column == b.column && a.value == b.value && a.M == b.M && a.branch == b.branch;
    };
    if (lookUp.has_value() == now.has_value() && (!lookUp || same(*lookUp, *now)))
        return;
    now = std::move(lookUp);
    emit lookUpChanged();
}

void NozzleCase::setReservoir(std::optional<flow::Reservoir> reservoir)
{
    const auto same = [](const flow::Reservoir &a, const flow::Reservoir &b) {
        return a.p0 == b.p0 && a.T0 == b.T0 && a.R == b.R;
    };
    if (reservoir.has_value() == reservoir_.has_value() && (!reservoir || same(*reservoir, *reservoir_)))
        return;
    reservoir_ = reservoir;
    emit reservoirChanged();
}

void NozzleCase::setUnits(const Units &units)
{
    if (units.pressure == units_.pressure && units.temperature == units_.temperature && units.R == units_.R &&
        units.area == units_.area && units.system == units_.system)
        return;
    units_ = units;
    emit reservoirChanged();
}

std::optional<double> NozzleCase::throatArea() const
{
    if (!solution_ || !(solution_->As > 0) || !std::isfinite(solution_->As))
        return std::nullopt;
    return flow::toSI(solution_->areaUnit, solution_->As);
}

std::optional<double> NozzleCase::throatAreaShown() const
{
    const std::optional<double> At = throatArea();
    return At ? std::optional<double>(flow::fromSI(units_.area, *At)) : std::nullopt;
}
